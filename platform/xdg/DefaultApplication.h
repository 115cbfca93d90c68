#pragma once

#include "platform/xdg/DesktopFile.h"
#include "platform/xdg/XdgPaths.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace platform {

// What one folder says about default applications: its desktop-specific mimeapps.list files
// (in the order of the current desktop's names), its mimeapps.list and, in an applications
// folder, the older defaults.list (its defaults only, after those of mimeapps.list) and its
// desktop database (mimeinfo.cache). Missing files are empty.
struct MimeAppsLevel {
    QList<DesktopFile> desktopLists;
    DesktopFile list;
    DesktopFile olderDefaults;
    DesktopFile cache;
    int applicationsFolder = -1; // its position among the applications folders; -1 for none
};

QList<MimeAppsLevel> loadMimeAppsLevels(const QList<XdgPaths::MimeAppsFolder>& folders,
                                        const QStringList& desktops);

// The position among the applications folders of the one that holds an installed entry of the
// id, or -1 when the id is not installed.
using InstalledFolder = std::function<int(const QString& desktopFileId)>;

// The desktop file id of the application that opens mimeType by default ("" when none does),
// over the levels in order of importance:
// 1. the [Default Applications] lists of every level, desktop-specific ones first and
//    defaults.list last: the first installed entry wins;
// 2. failing that, per level, the [Added Associations] of its mimeapps.list, then its desktop
//    database: again the first installed entry.
// The [Removed Associations] of a level's mimeapps.list hide an entry from every later level,
// defaults included. The associations of an applications folder, added, removed and in its
// database, concern only entries installed in that folder or a later one: an entry of an earlier
// folder hides the one they were written for. Desktop-specific lists only set defaults.
QString findDefaultApplication(const QString& mimeType, const QList<MimeAppsLevel>& levels,
                               const InstalledFolder& installedFolder);

} // namespace platform
