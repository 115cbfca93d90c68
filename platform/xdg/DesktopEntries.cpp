#include "DesktopEntries.h"

#include "DesktopFile.h"

#include <QDir>
#include <QFileInfo>

namespace platform {

namespace {
const QString kDesktopEntry = QStringLiteral("Desktop Entry");

// name in folder, trying each '-' as a subfolder where that subfolder exists.
QString findIn(const QString& folder, const QString& name) {
    const QString direct = folder + u'/' + name;
    if (QFileInfo(direct).isFile())
        return direct;
    for (qsizetype dash = name.indexOf(u'-'); dash > 0; dash = name.indexOf(u'-', dash + 1)) {
        const QString part = name.left(dash);
        const QString subfolder = folder + u'/' + part;
        if (part == u"." || part == u".." || !QFileInfo(subfolder).isDir())
            continue;
        const QString found = findIn(subfolder, name.mid(dash + 1));
        if (!found.isEmpty())
            return found;
    }
    return {};
}
} // namespace

DesktopEntries::DesktopEntries(QStringList applicationDirs) : dirs_(std::move(applicationDirs)) {}

QString DesktopEntries::locate(const QString& id) const {
    // An id names a file, never a path: keep lookups inside the applications folders.
    if (!id.endsWith(QStringLiteral(".desktop")) || id.contains(u'/') || id.startsWith(u'.'))
        return {};
    for (const QString& dir : dirs_) {
        const QString found = findIn(dir, id);
        if (!found.isEmpty())
            return found;
    }
    return {};
}

QString DesktopEntries::exec(const QString& id) const {
    const QString path = locate(id);
    if (path.isEmpty())
        return {};
    const DesktopFile entry = DesktopFile::load(path);
    if (entry.rawValue(kDesktopEntry, QStringLiteral("Hidden")) == u"true")
        return {};
    return entry.stringValue(kDesktopEntry, QStringLiteral("Exec"));
}

} // namespace platform
