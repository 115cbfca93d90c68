#pragma once

#include <QtGlobal>

namespace platform {

// Per-window opacity in 256 steps. Where windows must first be made layered (Windows) the first
// operation does that; elsewhere it does nothing.
class WindowOpacity {
public:
    virtual ~WindowOpacity() = default;
    virtual void makeLayered() = 0;
    // 0 is invisible, 255 fully opaque.
    virtual void setOpacity(quint8 alpha) = 0;
};

} // namespace platform
