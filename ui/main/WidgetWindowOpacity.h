#pragma once

#include "WindowOpacity.h"

class QWidget;

namespace ui {

// The opacity of a top-level widget's window as a fraction, opacity / 255. Linux windows need
// no layered style, so making the window layered does nothing.
class WidgetWindowOpacity final : public platform::WindowOpacity {
public:
    explicit WidgetWindowOpacity(QWidget& window) : window_(window) {}

    void makeLayered() override {}
    void setOpacity(quint8 alpha) override;

private:
    QWidget& window_;
};

} // namespace ui
