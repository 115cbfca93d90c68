#include "platform/xdg/DefaultApplication.h"

#include <QSet>

namespace platform {

namespace {
const QString kDefaults = QStringLiteral("Default Applications");
const QString kAdded = QStringLiteral("Added Associations");
const QString kRemoved = QStringLiteral("Removed Associations");
const QString kCache = QStringLiteral("MIME Cache");
} // namespace

QList<MimeAppsLevel> loadMimeAppsLevels(const QList<XdgPaths::MimeAppsFolder>& folders,
                                        const QStringList& desktops) {
    QList<MimeAppsLevel> levels;
    int applicationsFolders = 0;
    for (const XdgPaths::MimeAppsFolder& folder : folders) {
        MimeAppsLevel level;
        for (const QString& desktop : desktops)
            level.desktopLists.append(
                DesktopFile::load(folder.path + u'/' + desktop + QStringLiteral("-mimeapps.list")));
        level.list = DesktopFile::load(folder.path + QStringLiteral("/mimeapps.list"));
        if (folder.applications) {
            level.olderDefaults = DesktopFile::load(folder.path + QStringLiteral("/defaults.list"));
            level.cache = DesktopFile::load(folder.path + QStringLiteral("/mimeinfo.cache"));
            level.applicationsFolder = applicationsFolders++;
        }
        levels.append(std::move(level));
    }
    return levels;
}

QString findDefaultApplication(const QString& mimeType, const QList<MimeAppsLevel>& levels,
                               const InstalledFolder& installedFolder) {
    QSet<QString> removed;
    // Entries of an earlier applications folder than the level's hide its associations.
    const auto concerns = [&](const MimeAppsLevel& level, const QString& id) {
        return installedFolder(id) >= level.applicationsFolder;
    };
    const auto firstInstalled = [&](const DesktopFile& file, const QString& group, int fromFolder) {
        for (const QString& id : file.listValue(group, mimeType)) {
            const int folder = installedFolder(id);
            if (folder >= 0 && folder >= fromFolder && !removed.contains(id))
                return id;
        }
        return QString();
    };
    const auto removeAssociations = [&](const MimeAppsLevel& level) {
        for (const QString& id : level.list.listValue(kRemoved, mimeType)) {
            if (concerns(level, id))
                removed.insert(id);
        }
    };

    for (const MimeAppsLevel& level : levels) {
        for (const DesktopFile& list : level.desktopLists) {
            if (QString id = firstInstalled(list, kDefaults, 0); !id.isEmpty())
                return id;
        }
        if (QString id = firstInstalled(level.list, kDefaults, 0); !id.isEmpty())
            return id;
        if (QString id = firstInstalled(level.olderDefaults, kDefaults, 0); !id.isEmpty())
            return id;
        removeAssociations(level);
    }

    removed.clear();
    for (const MimeAppsLevel& level : levels) {
        const int from = level.applicationsFolder;
        if (QString id = firstInstalled(level.list, kAdded, from); !id.isEmpty())
            return id;
        if (QString id = firstInstalled(level.cache, kCache, from); !id.isEmpty())
            return id;
        removeAssociations(level);
    }
    return {};
}

} // namespace platform
