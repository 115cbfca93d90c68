#include "WidgetWindowOpacity.h"

#include <QGuiApplication>
#include <QWidget>

namespace ui {

void WidgetWindowOpacity::setOpacity(quint8 alpha) {
    window_.setWindowOpacity(alpha / 255.0);
    // The change goes to the display now: a fade's steps come from a timer, and nothing else
    // would send them before the next input arrives.
    QGuiApplication::sync();
}

} // namespace ui
