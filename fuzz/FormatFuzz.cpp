#include "FuzzEntries.h"
#include "FuzzSupport.h"

#include "Format.h"
#include "RuntimeError.h"

#include <QString>

namespace fuzz {

int formatEntry(const std::uint8_t* data, std::size_t size) {
    if (size < 2 || size > 64 * 1024)
        return 0;
    const int firstDayOfWeek = data[0] % 9;
    const int firstWeekOfYear = data[1] % 5;
    QLocale::setDefault(localeFor(data[0] / 9));
    const QString input = QString::fromUtf8(reinterpret_cast<const char*>(data + 2),
                                            static_cast<qsizetype>(size - 2));
    const qsizetype newline = input.indexOf(u'\n');
    const QString text = newline < 0 ? input : input.left(newline);
    const QString format = newline < 0 ? QString() : input.mid(newline + 1);
    const bool settingsValid = firstDayOfWeek <= 7 && firstWeekOfYear <= 3;

    try {
        const QString result = runtime::Format(text, format, firstDayOfWeek, firstWeekOfYear);
        require(settingsValid, "week settings out of range were accepted");
        // A field such as "c" prints a whole date and time; nothing prints more per character.
        require(result.size() <= text.size() + 64 * format.size() + 1000, "result too long");
        if (format.isEmpty())
            require(result == text, "an empty format changed the text");
    } catch (const runtime::RuntimeError& error) {
        require(!settingsValid && error.number() == 5, "unexpected run-time error");
    }

    const QString plain = runtime::Format(text);
    require(plain.size() <= text.size() + 32, "plain number text too long");
    return 0;
}

} // namespace fuzz
