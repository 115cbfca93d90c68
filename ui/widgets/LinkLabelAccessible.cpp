#include "ui/widgets/LinkLabelAccessible.h"

#include "ui/widgets/LinkLabel.h"

namespace ui {
namespace {

QAccessibleInterface* linkLabelFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(LinkLabel::staticMetaObject.className()))
        if (auto* label = qobject_cast<LinkLabel*>(object))
            return new LinkLabelAccessible(label);
    return nullptr;
}

} // namespace

LinkLabelAccessible::LinkLabelAccessible(LinkLabel* label)
    : QAccessibleWidget(label, QAccessible::Link) {}

LinkLabel* LinkLabelAccessible::label() const {
    return static_cast<LinkLabel*>(widget());
}

QString LinkLabelAccessible::text(QAccessible::Text t) const {
    // The name is what the label shows, unless it was given one; the description falls back
    // to the tooltip in the base class.
    if (t == QAccessible::Name && label()->accessibleName().isEmpty())
        return label()->text();
    return QAccessibleWidget::text(t);
}

QAccessible::State LinkLabelAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.linked = true;
    return state;
}

QStringList LinkLabelAccessible::actionNames() const {
    return {pressAction()};
}

void LinkLabelAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction() && label()->isEnabled())
        label()->click();
}

void LinkLabelAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory(linkLabelFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace ui
