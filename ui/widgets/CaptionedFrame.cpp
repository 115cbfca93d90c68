#include "ui/widgets/CaptionedFrame.h"

#include <QPainter>
#include <QStyle>

namespace ui {
namespace {

constexpr int kCaptionLeft = 6; // where the caption starts, past the frame's corner
constexpr int kCaptionPadding = 2;

} // namespace

CaptionedFrame::CaptionedFrame(const QString& caption, QWidget* parent)
    : QGroupBox(caption, parent) {}

void CaptionedFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();

    // An etched border: a shadow line with a light line one pixel inside and below it. Styles
    // draw their own group box frames below a caption row instead.
    const QRect border = rect().adjusted(0, metrics.height() / 2, -1, -1);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(border.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(border.adjusted(1, 1, 0, 0));

    const QRect caption(kCaptionLeft, 0, metrics.horizontalAdvance(title()) + 2 * kCaptionPadding,
                        metrics.height());
    painter.fillRect(caption, palette().brush(backgroundRole()));
    style()->drawItemText(&painter, caption, Qt::AlignCenter | Qt::TextHideMnemonic, palette(),
                          isEnabled(), title(), foregroundRole());
}

} // namespace ui
