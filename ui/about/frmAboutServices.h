#pragma once

#include "platform/PlatformServices.h"

namespace platform {
class MessageBoxes;
}

namespace ui {

// What the About dialog works with: the registry, program starter and file test for its links
// and System Info, and the message boxes.
struct frmAboutServices {
    platform::PlatformServices platform;
    platform::MessageBoxes& boxes;
};

} // namespace ui
