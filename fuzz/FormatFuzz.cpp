#include "fuzz/FuzzEntries.h"
#include "fuzz/FuzzSupport.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/format/Format.h"

#include "platform/runtime/NumberReader.h"

#include <QString>

#include <cmath>

namespace fuzz {
namespace {

// A format of zeros only rounds half away from zero and pads: compare with std::round, which
// agrees with decimal rounding wherever a whole number and a half are exact doubles.
void checkZeros(const QString& text, const QString& format) {
    if (format.isEmpty() || format.size() > 20 || format.count(u'0') != format.size())
        return;
    const runtime::NumberReading reading = runtime::readNumber(text, QLocale());
    if (reading.status != runtime::NumberReading::Status::Number ||
        !(std::fabs(reading.value) < 1e15))
        return;
    QString expected = QString::number(static_cast<qint64>(std::round(std::fabs(reading.value))))
                           .rightJustified(format.size(), u'0');
    if (reading.value < 0)
        expected.prepend(u'-');
    require(runtime::Format(text, format) == expected, "zeros format disagrees with rounding");
}

} // namespace

int formatEntry(const std::uint8_t* data, std::size_t size) {
    if (size < 2 || size > kMaxInputSize)
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
        checkZeros(text, format);
    } catch (const runtime::RuntimeError& error) {
        require(!settingsValid && error.number() == 5, "unexpected run-time error");
    }

    const QString plain = runtime::Format(text);
    require(plain.size() <= text.size() + 32, "plain number text too long");
    return 0;
}

} // namespace fuzz
