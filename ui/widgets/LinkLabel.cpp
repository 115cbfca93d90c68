#include "ui/widgets/LinkLabel.h"

#include "ui/widgets/LinkLabelAccessible.h"

#include <QMouseEvent>

namespace ui {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    // Shown to assistive technology as a link; before anything below can make Qt look up (and
    // keep) the label's accessible interface.
    LinkLabelAccessible::install();
    setTextFormat(Qt::PlainText);
    // Only the underline is set here: family and size come from the window.
    QFont underlined;
    underlined.setUnderline(true);
    setFont(underlined);
    QPalette blue = palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    setPalette(blue);
    setCursor(Qt::CrossCursor);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

} // namespace ui
