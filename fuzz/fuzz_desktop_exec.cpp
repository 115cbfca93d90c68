// The desktop entry Exec line: splitExecLine, quoteExecArgument and commandForAddress over
// arbitrary text. Beyond "no crash": a line without quotes splits exactly at blanks; any list of
// arguments, each quoted, joined by spaces, splits back into the same list; and the command that
// opens an address always splits, starting with the program (or the terminal) it was given.

#include "fuzz/FuzzSupport.h"
#include "platform/xdg/DesktopEntries.h"
#include "platform/xdg/DesktopExec.h"

#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString line =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const auto arguments = platform::splitExecLine(line);
    if (!line.contains(u'"')) {
        static const QRegularExpression blanks(QStringLiteral("[ \\t\\n]+"));
        fuzz::require(arguments.has_value(), "a line without quotes always splits");
        fuzz::require(*arguments == line.split(blanks, Qt::SkipEmptyParts),
                      "a line without quotes splits at blanks");
    }
    if (!arguments || arguments->isEmpty())
        return 0;

    QStringList parts;
    for (const QString& argument : *arguments)
        parts.append(platform::quoteExecArgument(argument));
    const auto again = platform::splitExecLine(parts.join(u' '));
    fuzz::require(again.has_value() && *again == *arguments,
                  "quoted arguments split back into themselves");

    // The line as an entry's Exec, its own words as name and icon, in and out of a terminal.
    platform::DesktopApplication application;
    application.exec = *arguments;
    application.program = QStringLiteral("/opt/a \"b\"/$c");
    application.file = arguments->constLast();
    application.name = arguments->size() > 1 ? arguments->at(1) : QString();
    application.icon = line.left(3);
    application.terminal = size % 2 == 1;
    const QStringList terminal{QStringLiteral("/usr/bin/x term"), QStringLiteral("-e")};
    const auto command =
        platform::splitExecLine(platform::commandForAddress(application, terminal));
    fuzz::require(command.has_value(), "the command splits");
    const QStringList start = application.terminal ? terminal + QStringList{application.program}
                                                   : QStringList{application.program};
    fuzz::require(command->mid(0, start.size()) == start, "the command starts the program");
    fuzz::require(command->size() <= start.size() + 2 * arguments->size(),
                  "each argument gives at most two");
    return 0;
}
