#include "XdgRegistry.h"

#include "DefaultApplication.h"
#include "DesktopEntries.h"
#include "DesktopExec.h"

#include <QFileInfo>
#include <QStandardPaths>

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

QString XdgRegistry::defaultBrowser(const QStringList& mimeAppsLists,
                                    const QStringList& applicationDirs) const {
    const DesktopEntries entries(paths_.applicationDirs());
    for (const char* scheme : {"x-scheme-handler/https", "x-scheme-handler/http"}) {
        const QString id = findDefaultApplication(QString::fromLatin1(scheme), mimeAppsLists,
                                                  applicationDirs, entries);
        if (!id.isEmpty())
            return id;
    }
    return {};
}

QString XdgRegistry::userDefaultBrowser() const {
    // The defaults of every list, the system's too, come before any association: the user's
    // associations count only where no list sets a default.
    const DesktopEntries entries(paths_.applicationDirs());
    for (const char* scheme : {"x-scheme-handler/https", "x-scheme-handler/http"}) {
        const QString mimeType = QString::fromLatin1(scheme);
        const QString id = findDefaultApplication(mimeType, paths_.userMimeAppsLists(),
                                                  paths_.userApplicationDirs(), entries,
                                                  DefaultSearch::DefaultsOnly);
        if (!id.isEmpty())
            return id;
        if (!findDefaultApplication(mimeType, paths_.systemMimeAppsLists(),
                                    paths_.systemApplicationDirs(), entries,
                                    DefaultSearch::DefaultsOnly)
                 .isEmpty())
            return {}; // the machine's value names it
        const QString associated = findDefaultApplication(mimeType, paths_.userMimeAppsLists(),
                                                          paths_.userApplicationDirs(), entries);
        if (!associated.isEmpty())
            return associated;
    }
    return {};
}

QString XdgRegistry::systemDefaultBrowser() const {
    return defaultBrowser(paths_.systemMimeAppsLists(), paths_.systemApplicationDirs());
}

QString XdgRegistry::browserCommand(const QString& desktopFileId) const {
    return removeFieldCodes(DesktopEntries(paths_.applicationDirs()).exec(desktopFileId));
}

QString XdgRegistry::systemInformationProgram() const {
    if (paths_.searchPath.isEmpty()) // an empty list would search the process's own PATH
        return {};
    for (const QString& name : kSystemInformationPrograms) {
        const QString found = QStandardPaths::findExecutable(name, paths_.searchPath);
        if (!found.isEmpty())
            return QFileInfo(found).absoluteFilePath();
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
