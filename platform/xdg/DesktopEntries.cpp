#include "platform/xdg/DesktopEntries.h"

#include "platform/xdg/DesktopExec.h"
#include "platform/xdg/DesktopFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <tuple>

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

// A copy of an entry that GLib passes over for the same id in a later folder: its TryExec or
// Exec program is not installed, or its Exec line does not split.
bool passedOver(const DesktopFile& entry, const QStringList& searchPath) {
    const QString tryExec = QStringLiteral("TryExec");
    if (entry.hasKey(kDesktopEntry, tryExec) &&
        findProgram(entry.stringValue(kDesktopEntry, tryExec), searchPath).isEmpty())
        return true;
    const QString line = entry.stringValue(kDesktopEntry, QStringLiteral("Exec"));
    if (line.isEmpty())
        return false;
    const std::optional<QStringList> exec = splitExecLine(line);
    return !exec || exec->isEmpty() || findProgram(exec->constFirst(), searchPath).isEmpty();
}
} // namespace

QString findProgram(const QString& program, const QStringList& searchPath) {
    if (program.isEmpty())
        return {};
    if (program.contains(u'/')) {
        const QFileInfo file(program);
        return file.isFile() && file.isExecutable() ? file.absoluteFilePath() : QString();
    }
    if (searchPath.isEmpty()) // an empty list would search the process's own PATH
        return {};
    const QString found = QStandardPaths::findExecutable(program, searchPath);
    return found.isEmpty() ? QString() : QFileInfo(found).absoluteFilePath();
}

std::optional<DesktopApplication> readApplication(const DesktopFile& entry, const QString& file,
                                                  const QStringList& searchPath) {
    const auto value = [&](const char* key) {
        return entry.stringValue(kDesktopEntry, QString::fromLatin1(key));
    };
    if (value("Hidden") == u"true")
        return std::nullopt;
    if (entry.hasKey(kDesktopEntry, QStringLiteral("TryExec")) &&
        findProgram(value("TryExec"), searchPath).isEmpty())
        return std::nullopt;
    std::optional<QStringList> exec = splitExecLine(value("Exec"));
    if (!exec || exec->isEmpty())
        return std::nullopt;
    DesktopApplication application;
    application.program = findProgram(exec->constFirst(), searchPath);
    if (application.program.isEmpty())
        return std::nullopt;
    application.file = file;
    application.exec = std::move(*exec);
    application.name = value("Name");
    application.icon = value("Icon");
    application.terminal = value("Terminal") == u"true";
    return application;
}

DesktopEntries::DesktopEntries(QStringList applicationDirs, QStringList searchPath)
    : dirs_(std::move(applicationDirs)), searchPath_(std::move(searchPath)) {}

std::pair<QString, int> DesktopEntries::locateIn(const QString& id, int fromFolder) const {
    // An id names a file, never a path: keep lookups inside the applications folders.
    if (!id.endsWith(QStringLiteral(".desktop")) || id.contains(u'/') || id.startsWith(u'.'))
        return {QString(), -1};
    for (int folder = fromFolder; folder < dirs_.size(); ++folder) {
        const QString found = findIn(dirs_.at(folder), id);
        if (!found.isEmpty())
            return {found, folder};
    }
    return {QString(), -1};
}

int DesktopEntries::installedFolder(const QString& id) const {
    const std::optional<DesktopApplication> found = application(id);
    return found ? found->folder : -1;
}

std::optional<DesktopApplication> DesktopEntries::application(const QString& id) const {
    if (const auto known = read_.constFind(id); known != read_.constEnd())
        return *known;
    std::optional<DesktopApplication> found;
    for (auto [path, folder] = locateIn(id); !path.isEmpty();
         std::tie(path, folder) = locateIn(id, folder + 1)) {
        const DesktopFile entry = DesktopFile::load(path);
        found = readApplication(entry, QFileInfo(path).absoluteFilePath(), searchPath_);
        if (found) {
            found->folder = folder;
            break;
        }
        if (!passedOver(entry, searchPath_))
            break; // deleted, or without a command line: the id is not installed
    }
    read_.insert(id, found);
    return found;
}

} // namespace platform
