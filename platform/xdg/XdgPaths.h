#pragma once

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

    // The user's own mimeapps.list files, most important first: the configuration folder, then
    // the data folder's applications folder; desktop-specific files before the general one.
    QStringList userMimeAppsLists() const;
    // The system's, the same way over the configuration and data folder lists.
    QStringList systemMimeAppsLists() const;
    // Where desktop entries are installed, most important first.
    QStringList applicationDirs() const;
    QStringList userApplicationDirs() const;
    QStringList systemApplicationDirs() const;

private:
    QStringList mimeAppsLists(const QStringList& folders) const;
};

} // namespace platform
