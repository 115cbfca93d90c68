#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

namespace platform {

class DesktopFile;

// An installed application as its desktop entry describes it.
struct DesktopApplication {
    QString file;          // the desktop entry's path
    int folder = -1;       // the position of its applications folder
    QStringList exec;      // the Exec line split into its arguments, field codes unexpanded
    QString program;       // the executable the first argument names, found
    QString name;          // Name
    QString icon;          // Icon
    bool terminal = false; // Terminal=true: runs in a terminal window
};

// An entry read as an application, or nothing when it cannot be started from its command line:
// deleted (Hidden=true), a TryExec program that is not installed, no Exec line (also for
// DBusActivatable=true entries: this program starts nothing through D-Bus), an Exec line that
// does not split, or an Exec program that is not installed. A program is installed when its
// name is found as an executable file on searchPath, or when its path (absolute, or relative
// to the current folder) is one.
std::optional<DesktopApplication> readApplication(const DesktopFile& entry, const QString& file,
                                                  const QStringList& searchPath);

// The executable file a program name or path stands for, or "".
QString findProgram(const QString& program, const QStringList& searchPath);

// The installed desktop entries, found by their desktop file ids in the applications folders.
class DesktopEntries {
public:
    // Folders in order of importance: the first that holds an id wins, also when its entry
    // cannot be started (a deleted entry hides the same id in later folders), except a copy
    // whose TryExec or Exec program is not installed: as GLib does, the same id is then taken
    // from the next folder that holds it.
    DesktopEntries(QStringList applicationDirs, QStringList searchPath);

    // The id's application, when it is installed and can be started.
    std::optional<DesktopApplication> application(const QString& id) const;
    // The position in applicationDirs of the folder that holds the id's application, or -1
    // when it is not installed.
    int installedFolder(const QString& id) const;

private:
    // The file of the id in the first folder from fromFolder on, and that folder's position
    // ("", -1 when none holds it); a '-' in the id may stand for a subfolder ("kde-foo.desktop"
    // is also kde/foo.desktop).
    std::pair<QString, int> locateIn(const QString& id, int fromFolder = 0) const;

    QStringList dirs_;
    QStringList searchPath_;
    mutable QHash<QString, std::optional<DesktopApplication>> read_;
};

} // namespace platform
