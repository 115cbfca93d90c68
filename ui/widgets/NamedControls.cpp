#include "ui/widgets/NamedControls.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QRadioButton>

#include <limits>

namespace ui {

QLineEdit* newTextBox(QWidget* parent, const char* name, const QString& toolTip) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setToolTip(toolTip);
    box->setMaxLength(std::numeric_limits<int>::max());
    return box;
}

QPushButton* newAutoDefaultButton(QWidget* parent, const char* name, const QString& caption,
                                  const QString& toolTip) {
    QPushButton* button = newButton(parent, name, caption, toolTip);
    button->setAutoDefault(true);
    return button;
}

void keepTabStopOnSelectedOption(QButtonGroup* group) {
    const auto update = [](QAbstractButton* option, bool selected) {
        option->setFocusPolicy(selected ? Qt::StrongFocus : Qt::ClickFocus);
    };
    for (QAbstractButton* option : group->buttons())
        update(option, option->isChecked());
    QObject::connect(group, &QButtonGroup::buttonToggled, group, update);
}

QButtonGroup* newOptionGroup(QWidget* parent, const char* name,
                             const std::array<QString, 3>& captions) {
    auto* group = new QButtonGroup(parent);
    group->setObjectName(QString::fromLatin1(name));
    for (int index = 2; index >= 0; --index) {
        auto* option = new QRadioButton(captions[static_cast<std::size_t>(index)], parent);
        option->setObjectName(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index));
        group->addButton(option, index);
    }
    group->button(2)->setChecked(true);
    keepTabStopOnSelectedOption(group);
    return group;
}

} // namespace ui
