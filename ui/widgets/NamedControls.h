#pragma once

#include <QLabel>
#include <QPushButton>

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

} // namespace ui
