// mimeapps.list and mimeinfo.cache of any content, and the search for a default application
// over them. The input holds up to eight files separated by form feeds: for each folder in turn
// its desktop-specific list, its mimeapps.list and its desktop database. Whether an id is
// installed, and in which applications folder, follows from its text. Beyond "no crash": the
// search is deterministic, finds only installed ids that one of the files lists for the type,
// and finds nothing when nothing is installed.

#include "fuzz/FuzzSupport.h"
#include "platform/xdg/DefaultApplication.h"
#include "platform/xdg/DesktopFile.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace {
const QString kType = QStringLiteral("x-scheme-handler/https");

// -1 (not installed) or one of three applications folders, from the id's characters.
int folderOf(const QString& id) {
    unsigned sum = 0;
    for (const QChar c : id)
        sum = sum * 31 + c.unicode();
    return int(sum % 4) - 1;
}

bool listed(const QList<platform::MimeAppsLevel>& levels, const QString& id) {
    for (const platform::MimeAppsLevel& level : levels) {
        QList<const platform::DesktopFile*> files{&level.list, &level.cache};
        for (const platform::DesktopFile& list : level.desktopLists)
            files.append(&list);
        for (const platform::DesktopFile* file : files) {
            for (const char* group : {"Default Applications", "Added Associations", "MIME Cache"}) {
                if (file->listValue(QString::fromLatin1(group), kType).contains(id))
                    return true;
            }
        }
    }
    return false;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QList<QByteArray> files = input.split('\f');

    QList<platform::MimeAppsLevel> levels;
    for (qsizetype i = 0; i < files.size() && i < 8; i += 3) {
        platform::MimeAppsLevel level;
        level.desktopLists.append(platform::DesktopFile::parse(files.at(i)));
        if (i + 1 < files.size())
            level.list = platform::DesktopFile::parse(files.at(i + 1));
        if (i + 2 < files.size())
            level.cache = platform::DesktopFile::parse(files.at(i + 2));
        // The first folder holds configuration only, as $XDG_CONFIG_HOME does.
        level.applicationsFolder = i == 0 ? -1 : int(i / 3) - 1;
        levels.append(std::move(level));
    }

    const QString found = platform::findDefaultApplication(kType, levels, folderOf);
    fuzz::require(found == platform::findDefaultApplication(kType, levels, folderOf),
                  "the search is deterministic");
    if (!found.isEmpty()) {
        fuzz::require(folderOf(found) >= 0, "only an installed id is found");
        fuzz::require(listed(levels, found), "only a listed id is found");
    }
    fuzz::require(platform::findDefaultApplication(kType, levels, [](const QString&) { return -1; })
                      .isEmpty(),
                  "nothing is found when nothing is installed");
    return 0;
}
