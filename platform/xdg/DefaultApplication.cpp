#include "DefaultApplication.h"

#include "DesktopEntries.h"
#include "DesktopFile.h"

#include <QFileInfo>
#include <QSet>

namespace platform {

namespace {
struct MimeAppsList {
    bool general; // named mimeapps.list: may also add and remove associations
    DesktopFile file;
};
} // namespace

QString findDefaultApplication(const QString& mimeType, const QStringList& mimeAppsLists,
                               const QStringList& applicationDirs, const DesktopEntries& entries,
                               DefaultSearch search) {
    QList<MimeAppsList> lists;
    for (const QString& path : mimeAppsLists) {
        if (QFileInfo(path).isFile())
            lists.append({QFileInfo(path).fileName() == u"mimeapps.list", DesktopFile::load(path)});
    }
    const auto listed = [&](const DesktopFile& file, const char* group) {
        return file.listValue(QString::fromLatin1(group), mimeType);
    };
    QSet<QString> removed;
    const auto firstUsable = [&](const QStringList& ids) {
        for (const QString& id : ids) {
            if (!removed.contains(id) && !entries.exec(id).isEmpty())
                return id;
        }
        return QString();
    };

    for (const MimeAppsList& list : lists) {
        const QString id = firstUsable(listed(list.file, "Default Applications"));
        if (!id.isEmpty())
            return id;
        if (list.general) {
            for (const QString& removedId : listed(list.file, "Removed Associations"))
                removed.insert(removedId);
        }
    }

    if (search == DefaultSearch::DefaultsOnly)
        return {};

    removed.clear();
    for (const MimeAppsList& list : lists) {
        if (!list.general)
            continue;
        const QString id = firstUsable(listed(list.file, "Added Associations"));
        if (!id.isEmpty())
            return id;
        for (const QString& removedId : listed(list.file, "Removed Associations"))
            removed.insert(removedId);
    }

    for (const QString& dir : applicationDirs) {
        const DesktopFile cache = DesktopFile::load(dir + QStringLiteral("/mimeinfo.cache"));
        const QString id = firstUsable(listed(cache, "MIME Cache"));
        if (!id.isEmpty())
            return id;
    }
    return {};
}

} // namespace platform
