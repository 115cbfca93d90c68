// A desktop entry of any content read as an application: the key-file reading, the string
// escapes, the checks of what is installed and the command that opens an address. Beyond
// "no crash": an entry read as an application has a command line and a program found, and its
// command splits back, starting with that program.

#include "fuzz/FuzzSupport.h"
#include "platform/xdg/DesktopEntries.h"
#include "platform/xdg/DesktopExec.h"
#include "platform/xdg/DesktopFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray contents(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const platform::DesktopFile entry = platform::DesktopFile::parse(contents);

    const QString group = QStringLiteral("Desktop Entry");
    for (const char* key : {"Exec", "Name", "MimeType", "TryExec"}) {
        const QString raw = entry.rawValue(group, QString::fromLatin1(key));
        fuzz::require(raw == raw.trimmed(), "values are trimmed");
        fuzz::require(entry.stringValue(group, QString::fromLatin1(key)).size() <= raw.size(),
                      "undoing escapes never lengthens a value");
        for (const QString& item : entry.listValue(group, QString::fromLatin1(key)))
            fuzz::require(!item.isEmpty() && !item.contains(u';') && item == item.trimmed(),
                          "list items are trimmed, not empty, without separators");
    }

    // Programs are looked up on no folder at all: only absolute paths can be found, and the
    // common ones of every system are.
    const auto application = platform::readApplication(entry, QStringLiteral("/e.desktop"), {});
    if (!application)
        return 0;
    fuzz::require(!application->exec.isEmpty() && !application->program.isEmpty(),
                  "an application has a command line and a program");
    const QStringList terminal{QStringLiteral("/bin/sh"), QStringLiteral("-e")};
    const auto command =
        platform::splitExecLine(platform::commandForAddress(*application, terminal));
    fuzz::require(command.has_value() && !command->isEmpty(), "the command splits");
    fuzz::require(command->at(application->terminal ? 2 : 0) == application->program,
                  "the command starts the program found");
    return 0;
}
