#pragma once

#include "platform/desktop/BusyPointer.h"

namespace platform {

// The mouse pointer through the application's override cursor, which covers every window.
// Holds at most one override of its own, so setting the same pointer twice is harmless.
class OverrideBusyPointer final : public BusyPointer {
public:
    OverrideBusyPointer() = default;
    ~OverrideBusyPointer() override;
    OverrideBusyPointer(const OverrideBusyPointer&) = delete;
    OverrideBusyPointer& operator=(const OverrideBusyPointer&) = delete;

    void setMousePointer(MousePointer pointer) override;

private:
    bool overriding_ = false;
};

} // namespace platform
