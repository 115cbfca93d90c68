#pragma once

#include <QLabel>
#include <QPushButton>

#include <array>

class QButtonGroup;
class QLineEdit;

namespace ui {

// A button with the name the handlers and tests find it by, its caption and its tooltip.
inline QPushButton* newButton(QWidget* parent, const char* name, const QString& caption,
                              const QString& toolTip) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(toolTip);
    return button;
}

// A label with its name; its caption is shown as plain text, never as markup.
inline QLabel* newLabel(QWidget* parent, const char* name, const QString& caption) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A text box with its name and tooltip that takes text of any length: the output box holds the
// longest password with its prefix and suffix, where QLineEdit would otherwise cut at 32767
// characters.
QLineEdit* newTextBox(QWidget* parent, const char* name, const QString& toolTip);

// A button that Enter presses while it has the focus.
QPushButton* newAutoDefaultButton(QWidget* parent, const char* name, const QString& caption,
                                  const QString& toolTip);

// A group of three options named "name(index)", created in the order index 2, 1, 0, with the
// last selected. Its selected option is its only tab stop.
QButtonGroup* newOptionGroup(QWidget* parent, const char* name,
                             const std::array<QString, 3>& captions);

// The selected option of a group is its only tab stop, as in classic dialogs; the arrow keys
// move within the group.
void keepTabStopOnSelectedOption(QButtonGroup* group);

} // namespace ui
