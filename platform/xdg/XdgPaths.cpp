#include "platform/xdg/XdgPaths.h"

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

QString applicationsIn(const QString& dataFolder) {
    return dataFolder + QStringLiteral("/applications");
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

QList<XdgPaths::MimeAppsFolder> XdgPaths::mimeAppsFolders() const {
    QList<MimeAppsFolder> result{{configHome, false, true}};
    for (const QString& dir : configDirs)
        result.append({dir, false, false});
    result.append({applicationsIn(dataHome), true, true});
    for (const QString& dir : dataDirs)
        result.append({applicationsIn(dir), true, false});
    return result;
}

QStringList XdgPaths::applicationDirs() const {
    QStringList result{applicationsIn(dataHome)};
    for (const QString& dir : dataDirs)
        result.append(applicationsIn(dir));
    return result;
}

} // namespace platform
