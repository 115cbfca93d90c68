#include "WidgetWindowOpacity.h"

#include <QWidget>

namespace ui {

void WidgetWindowOpacity::setOpacity(quint8 alpha) {
    window_.setWindowOpacity(alpha / 255.0);
}

} // namespace ui
