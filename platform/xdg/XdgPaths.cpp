#include "XdgPaths.h"

#include <QDir>

namespace platform {

namespace {
// An absolute folder from the variable, or the fallback: relative ones are invalid and ignored.
QString folder(const QProcessEnvironment& environment, const QString& name,
               const QString& fallback) {
    const QString value = environment.value(name);
    return QDir::isAbsolutePath(value) ? QDir::cleanPath(value) : fallback;
}

QStringList folders(const QProcessEnvironment& environment, const QString& name,
                    const QString& fallback) {
    QStringList result;
    for (const QString& entry : environment.value(name).split(u':', Qt::SkipEmptyParts)) {
        if (QDir::isAbsolutePath(entry))
            result.append(QDir::cleanPath(entry));
    }
    return result.isEmpty() ? fallback.split(u':') : result;
}

QStringList applicationsIn(const QStringList& dataFolders) {
    QStringList result;
    for (const QString& data : dataFolders)
        result.append(data + QStringLiteral("/applications"));
    return result;
}
} // namespace

XdgPaths XdgPaths::fromEnvironment(const QProcessEnvironment& environment) {
    const QString home = environment.value(QStringLiteral("HOME"), QDir::homePath());
    XdgPaths paths;
    paths.configHome =
        folder(environment, QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    paths.configDirs = folders(environment, QStringLiteral("XDG_CONFIG_DIRS"), "/etc/xdg");
    paths.dataHome = folder(environment, QStringLiteral("XDG_DATA_HOME"),
                            home + QStringLiteral("/.local/share"));
    paths.dataDirs = folders(environment, QStringLiteral("XDG_DATA_DIRS"),
                             QStringLiteral("/usr/local/share:/usr/share"));
    const QString desktops = environment.value(QStringLiteral("XDG_CURRENT_DESKTOP"));
    for (const QString& desktop : desktops.split(u':', Qt::SkipEmptyParts))
        paths.desktops.append(desktop.toLower());
    paths.searchPath = environment.value(QStringLiteral("PATH")).split(u':', Qt::SkipEmptyParts);
    return paths;
}

QStringList XdgPaths::mimeAppsLists(const QStringList& folders) const {
    QStringList result;
    for (const QString& folder : folders) {
        for (const QString& desktop : desktops)
            result.append(folder + u'/' + desktop + QStringLiteral("-mimeapps.list"));
        result.append(folder + QStringLiteral("/mimeapps.list"));
    }
    return result;
}

QStringList XdgPaths::userMimeAppsLists() const {
    return mimeAppsLists({configHome, dataHome + QStringLiteral("/applications")});
}

QStringList XdgPaths::systemMimeAppsLists() const {
    return mimeAppsLists(configDirs + applicationsIn(dataDirs));
}

QStringList XdgPaths::userApplicationDirs() const {
    return applicationsIn({dataHome});
}

QStringList XdgPaths::systemApplicationDirs() const {
    return applicationsIn(dataDirs);
}

QStringList XdgPaths::applicationDirs() const {
    return userApplicationDirs() + systemApplicationDirs();
}

} // namespace platform
