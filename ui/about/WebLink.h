#pragma once

#include <QString>

namespace platform {
class MessageBoxes;
struct PlatformServices;
} // namespace platform

namespace ui {

// The message for a browser that cannot be started: it shows the address, so that it can be
// copied into a browser by hand.
QString noWebBrowserText(const QString& address);

// A click on a link label: opens the address in the default browser. A browser that cannot be
// started is reported in a message box (noWebBrowserText), and the program goes on.
void openWebLink(const platform::PlatformServices& services, platform::MessageBoxes& boxes,
                 const QString& address);

} // namespace ui
