#pragma once

#include "platform/desktop/WindowOpacity.h"

#include <QPointer>

class QWidget;

namespace ui {

class FadeCover;

// The opacity of a top-level widget's window as a fraction, opacity / 255. Linux windows need
// no layered style, so making the window layered does nothing where the display sets a window's
// opacity (X11). Wayland has no such request: there the window is made translucent before it is
// first shown, and a fade is drawn by the program itself, as a picture of the window painted
// over it with the opacity asked for.
class WidgetWindowOpacity final : public platform::WindowOpacity {
public:
    explicit WidgetWindowOpacity(QWidget& window);

    void makeLayered() override;
    void setOpacity(quint8 alpha) override;

private:
    QWidget& window_;
    const bool drawn_;
    QPointer<FadeCover> cover_;
};

} // namespace ui
