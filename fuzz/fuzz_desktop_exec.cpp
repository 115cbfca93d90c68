// The desktop entry Exec line: splitExecLine and removeFieldCodes over arbitrary text. Beyond
// "no crash": a line without quotes splits exactly at blanks, and any list of arguments, each
// quoted and escaped, joined by spaces, splits back into the same list.

#include "DesktopExec.h"
#include "FuzzSupport.h"

#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

namespace {

QString quoted(const QString& argument) {
    QString result = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            result += u'\\';
        result += c;
    }
    return result + u'"';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString line = QString::fromUtf8(reinterpret_cast<const char*>(data),
                                           static_cast<qsizetype>(size));

    const auto arguments = platform::splitExecLine(line);
    if (!line.contains(u'"')) {
        static const QRegularExpression blanks(QStringLiteral("[ \\t\\n]+"));
        fuzz::require(arguments.has_value(), "a line without quotes always splits");
        fuzz::require(*arguments == line.split(blanks, Qt::SkipEmptyParts),
                      "a line without quotes splits at blanks");
    }
    if (arguments) {
        QStringList parts;
        for (const QString& argument : *arguments)
            parts.append(quoted(argument));
        const auto again = platform::splitExecLine(parts.join(u' '));
        fuzz::require(again.has_value() && *again == *arguments,
                      "quoted arguments split back into themselves");
    }

    const QString command = platform::removeFieldCodes(line);
    fuzz::require(command.size() <= line.size(), "removing codes never lengthens the line");
    fuzz::require(command == command.trimmed(), "no blanks left at either end");
    return 0;
}
