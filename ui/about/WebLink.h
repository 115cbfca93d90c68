#pragma once

#include <QString>

namespace platform {
class MessageBoxes;
struct PlatformServices;
} // namespace platform

namespace ui {

// A click on a link label: opens the address in the default browser. A browser that cannot be
// started is reported in a message box the way the runtime reports an error ("Run-time error
// '53':" and its text, under the program's title), and the program goes on.
void openWebLink(const platform::PlatformServices& services, platform::MessageBoxes& boxes,
                 const QString& address);

} // namespace ui
