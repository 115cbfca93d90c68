#include "ui/main/WidgetWindowOpacity.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace ui {

// A picture of the window taken as the fade begins, laid over the whole window and painted with
// the fade's opacity on a cleared, translucent surface, so that the window shows through to what
// lies beneath it. It takes no input.
class FadeCover final : public QWidget {
public:
    explicit FadeCover(QWidget& window) : QWidget(&window), picture_(window.grab()) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(window.rect());
    }

    void setAlpha(quint8 alpha) {
        alpha_ = alpha;
        raise();
        show();
        repaint();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setCompositionMode(QPainter::CompositionMode_Clear);
        painter.fillRect(rect(), Qt::transparent);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.setOpacity(alpha_ / 255.0);
        painter.drawPixmap(0, 0, picture_);
    }

private:
    QPixmap picture_;
    quint8 alpha_ = 255;
};

WidgetWindowOpacity::WidgetWindowOpacity(QWidget& window)
    : window_(window),
      drawn_(QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {}

void WidgetWindowOpacity::makeLayered() {
    // A surface with an alpha channel can only be had before the window is first shown; its
    // background is still painted opaque until a fade draws over it.
    if (!drawn_ || window_.testAttribute(Qt::WA_WState_Created))
        return;
    window_.setAttribute(Qt::WA_TranslucentBackground);
    window_.setAttribute(Qt::WA_NoSystemBackground, false);
}

void WidgetWindowOpacity::setOpacity(quint8 alpha) {
    if (!drawn_) {
        window_.setWindowOpacity(alpha / 255.0);
        // The change goes to the display now: a fade's steps come from a timer, and nothing
        // else would send them before the next input arrives.
        QGuiApplication::sync();
        return;
    }
    if (alpha == 255) {
        delete cover_.data();
        return;
    }
    // Without a translucent surface (made before it was shown) nothing is drawn.
    if (!window_.testAttribute(Qt::WA_TranslucentBackground) || !window_.isVisible())
        return;
    if (!cover_)
        cover_ = new FadeCover(window_);
    cover_->setAlpha(alpha);
}

} // namespace ui
