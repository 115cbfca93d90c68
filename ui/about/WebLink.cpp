#include "WebLink.h"

#include "MessageBoxes.h"
#include "OpenWebAddress.h"
#include "RuntimeError.h"

namespace ui {

void openWebLink(const platform::PlatformServices& services, platform::MessageBoxes& boxes,
                 const QString& address) {
    try {
        platform::OpenWebAddress(services, address);
    } catch (const runtime::RuntimeError& error) {
        boxes.MsgBox(runtime::errorReportText(error.number(), error.description()),
                     platform::MessageBoxes::Critical);
    }
}

} // namespace ui
