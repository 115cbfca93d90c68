#include "platform/xdg/XdgRegistry.h"

#include "platform/xdg/DefaultApplication.h"
#include "platform/xdg/DesktopEntries.h"
#include "platform/xdg/DesktopExec.h"

namespace platform {

namespace {
const QStringList kClientsKey = {"SOFTWARE", "Clients", "StartMenuInternet"};
const QStringList kCommandKey = {"shell", "open", "command"};
const QStringList kMsinfoKey = {"SOFTWARE", "Microsoft", "Shared Tools", "MSINFO"};

// System-information programs, the most thorough first.
const QStringList kSystemInformationPrograms = {"hardinfo2", "hardinfo", "kinfocenter", "cpu-x",
                                                "i-nex"};

bool sameNames(const QStringList& path, const QStringList& names) {
    if (path.size() != names.size())
        return false;
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (path.at(i).compare(names.at(i), Qt::CaseInsensitive) != 0)
            return false;
    }
    return true;
}

std::optional<EmulatedRegistry::Values> valueIfAny(const QString& name, const QString& text) {
    if (text.isEmpty())
        return std::nullopt;
    return EmulatedRegistry::Values{{name, EmulatedRegistry::textValue(text)}};
}
} // namespace

XdgRegistry::XdgRegistry(const QProcessEnvironment& environment)
    : paths_(XdgPaths::fromEnvironment(environment)) {}

QString XdgRegistry::defaultBrowser(bool userFolders) const {
    QList<XdgPaths::MimeAppsFolder> folders = paths_.mimeAppsFolders();
    if (!userFolders)
        folders.removeIf([](const XdgPaths::MimeAppsFolder& folder) { return folder.user; });
    const QList<MimeAppsLevel> levels = loadMimeAppsLevels(folders, paths_.desktops);
    QStringList applicationDirs; // the entries these folders install, nothing of the others
    for (const XdgPaths::MimeAppsFolder& folder : std::as_const(folders)) {
        if (folder.applications)
            applicationDirs.append(folder.path);
    }
    const DesktopEntries entries(applicationDirs, paths_.searchPath);
    const auto installed = [&entries](const QString& id) { return entries.installedFolder(id); };
    for (const char* scheme : {"x-scheme-handler/https", "x-scheme-handler/http"}) {
        const QString id = findDefaultApplication(QString::fromLatin1(scheme), levels, installed);
        if (!id.isEmpty())
            return id;
    }
    return {};
}

QString XdgRegistry::userDefaultBrowser() const {
    return defaultBrowser(true);
}

QString XdgRegistry::systemDefaultBrowser() const {
    return defaultBrowser(false);
}

QString XdgRegistry::browserCommand(const QString& desktopFileId) const {
    const DesktopEntries entries(paths_.applicationDirs(), paths_.searchPath);
    const std::optional<DesktopApplication> application = entries.application(desktopFileId);
    if (!application)
        return {};
    return commandForAddress(
        *application, application->terminal ? terminalCommand(paths_.searchPath) : QStringList());
}

QString XdgRegistry::systemInformationProgram() const {
    for (const QString& name : kSystemInformationPrograms) {
        const QString found = findProgram(name, paths_.searchPath);
        if (!found.isEmpty())
            return quoteExecArgument(found);
    }
    return {};
}

std::optional<EmulatedRegistry::Values> XdgRegistry::readKey(registry::Root root,
                                                             const QStringList& path) const {
    const bool machine = root == registry::kLocalMachine;
    if (sameNames(path, kClientsKey))
        return valueIfAny(QString(), machine ? systemDefaultBrowser() : userDefaultBrowser());
    if (machine && path.size() == kClientsKey.size() + 1 + kCommandKey.size() &&
        sameNames(path.mid(0, kClientsKey.size()), kClientsKey) &&
        sameNames(path.mid(kClientsKey.size() + 1), kCommandKey))
        return valueIfAny(QString(), browserCommand(path.at(kClientsKey.size())));
    if (machine && sameNames(path, kMsinfoKey))
        return valueIfAny(QStringLiteral("PATH"), systemInformationProgram());
    return std::nullopt;
}

} // namespace platform
