#pragma once

#include "EmulatedRegistry.h"
#include "XdgPaths.h"

#include <QProcessEnvironment>

namespace platform {

// The registry of a freedesktop system: presents the desktop's own settings, read afresh at
// each open, under the keys that the browser and system-information lookups read. Read only.
// - HKEY_CURRENT_USER\SOFTWARE\Clients\StartMenuInternet, default value: the desktop file id of
//   the user's default web browser (the handler of https, else http, from the user's
//   mimeapps.list files; the user's associations only where no list, the system's included,
//   sets a default);
// - HKEY_LOCAL_MACHINE\SOFTWARE\Clients\StartMenuInternet: the same from the system's files;
// - HKEY_LOCAL_MACHINE\SOFTWARE\Clients\StartMenuInternet\<id>\shell\open\command: that
//   entry's Exec line without its field codes;
// - HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Shared Tools\MSINFO, value PATH: the full path of an
//   installed system-information program.
class XdgRegistry : public EmulatedRegistry {
public:
    explicit XdgRegistry(
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

    QString userDefaultBrowser() const;
    QString systemDefaultBrowser() const;
    QString browserCommand(const QString& desktopFileId) const;
    QString systemInformationProgram() const;

protected:
    std::optional<Values> readKey(registry::Root root, const QStringList& path) const override;

private:
    QString defaultBrowser(const QStringList& mimeAppsLists,
                           const QStringList& applicationDirs) const;

    XdgPaths paths_;
};

} // namespace platform
