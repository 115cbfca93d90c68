#pragma once

#include <QAccessibleWidget>

namespace ui {

class LinkLabel;

// What assistive technology sees of a link label: a link, named by its text and described by
// its tooltip, whose press action clicks it. A plain label would show as static text that
// cannot be operated.
class LinkLabelAccessible final : public QAccessibleWidget {
public:
    explicit LinkLabelAccessible(LinkLabel* label);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    // Makes every link label answer with this interface; safe to call more than once.
    static void install();

private:
    LinkLabel* label() const;
};

} // namespace ui
