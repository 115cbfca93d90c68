#pragma once

#include "platform/registry/EmulatedRegistry.h"
#include "platform/xdg/XdgPaths.h"

#include <QProcessEnvironment>

namespace platform {

// The registry of a freedesktop system: presents the desktop's own settings, read afresh at
// each open, under the keys that the browser and system-information lookups read. Read only.
// - HKEY_CURRENT_USER\SOFTWARE\Clients\StartMenuInternet, default value: the desktop file id of
//   the default web browser, as the desktop chooses it for this user (findDefaultApplication
//   over all folders, the handler of https, else of http);
// - HKEY_LOCAL_MACHINE\SOFTWARE\Clients\StartMenuInternet: the same from the system's folders
//   alone;
// - HKEY_LOCAL_MACHINE\SOFTWARE\Clients\StartMenuInternet\<id>\shell\open\command: the command
//   line that starts that entry on an address written after it (commandForAddress);
// - HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Shared Tools\MSINFO, value PATH: the full path of an
//   installed system-information program, quoted when it needs it so that it starts whole.
class XdgRegistry : public EmulatedRegistry {
public:
    explicit XdgRegistry(
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

    QString userDefaultBrowser() const;
    QString systemDefaultBrowser() const;
    QString browserCommand(const QString& desktopFileId) const;
    QString systemInformationProgram() const;

    // The desktop's files set no length to a browser's command line: it is read whole.
    bool readsLongTexts() const override { return true; }

protected:
    std::optional<Values> readKey(registry::Root root, const QStringList& path) const override;

private:
    QString defaultBrowser(bool userFolders) const;

    XdgPaths paths_;
};

} // namespace platform
