#include "ui/about/WebLink.h"

#include <QCoreApplication>

#include "platform/desktop/MessageBoxes.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/web/OpenWebAddress.h"

namespace ui {

QString noWebBrowserText(const QString& address) {
    return QCoreApplication::translate(
               "WebLink", "No web browser could be started for this address:\n\n%1\n\n"
                          "Copy the address into a web browser, or choose a default web "
                          "browser in the system settings.")
        .arg(address);
}

void openWebLink(const platform::PlatformServices& services, platform::MessageBoxes& boxes,
                 const QString& address) {
    try {
        platform::OpenWebAddress(services, address);
    } catch (const runtime::RuntimeError&) {
        boxes.MsgBox(noWebBrowserText(address), platform::MessageBoxes::Exclamation);
    }
}

} // namespace ui
