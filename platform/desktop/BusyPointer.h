#pragma once

namespace platform {

// Screen.MousePointer of the runtime: the mouse pointer over every window of the program.
class BusyPointer {
public:
    enum MousePointer : int { Default = 0, Hourglass = 11 };

    virtual ~BusyPointer() = default;
    virtual void setMousePointer(MousePointer pointer) = 0;
};

} // namespace platform
