#pragma once

#include <QList>
#include <QProcessEnvironment>
#include <QStringList>

namespace platform {

// The user's and the system's configuration and data folders, as the freedesktop base
// directories name them, and the files in them that choose default applications.
struct XdgPaths {
    QString configHome;
    QStringList configDirs;
    QString dataHome;
    QStringList dataDirs;
    QStringList desktops;   // $XDG_CURRENT_DESKTOP, lower-cased, in order
    QStringList searchPath; // $PATH

    static XdgPaths fromEnvironment(const QProcessEnvironment& environment);

    // A folder that may hold mimeapps.list files. An applications folder also holds desktop
    // entries and their mimeinfo.cache.
    struct MimeAppsFolder {
        QString path;
        bool applications = false;
        bool user = false; // the user's own, not the system's
    };
    // In one order of importance: $XDG_CONFIG_HOME, each of $XDG_CONFIG_DIRS, then the
    // applications folders of $XDG_DATA_HOME and of each of $XDG_DATA_DIRS.
    QList<MimeAppsFolder> mimeAppsFolders() const;
    // Where desktop entries are installed, most important first.
    QStringList applicationDirs() const;
};

} // namespace platform
