#include "platform/runtime/format/Format.h"

#include "platform/runtime/NumberReader.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/StringOps.h"
#include "platform/runtime/format/DateFormat.h"
#include "platform/runtime/format/DateLocale.h"
#include "platform/runtime/format/DateReader.h"
#include "platform/runtime/format/FormatChoices.h"
#include "platform/runtime/format/FormatSections.h"
#include "platform/runtime/format/NamedFormats.h"
#include "platform/runtime/format/NumberFormat.h"
#include "platform/runtime/format/PlainNumber.h"
#include "platform/runtime/format/TextFormat.h"

#include <optional>

// How a format is classified and every choice made where the format language is open: see
// FormatChoices.h.
namespace runtime {
namespace {

void checkWeekSettings(int firstDayOfWeek, int firstWeekOfYear) {
    if (firstDayOfWeek < 0 || firstDayOfWeek > 7 || firstWeekOfYear < 0 || firstWeekOfYear > 3)
        raise(ErrorNumber::InvalidProcedureCall);
}

// The user's locale, with its date and time settings looked up only when a date needs them.
class Locales {
public:
    const QLocale& numbers() const { return locale_; }
    const format::DateLocale& dates() {
        if (!dates_)
            dates_ = format::DateLocale::of(locale_);
        return *dates_;
    }

private:
    QLocale locale_;
    std::optional<format::DateLocale> dates_;
};

// The value a text stands for under a numeric or date format: a number, else a date/time.
std::optional<double> valueOf(const QString& text, Locales& locales) {
    const NumberReading reading = readNumber(text, locales.numbers());
    if (reading.status == NumberReading::Status::Number)
        return reading.value;
    if (reading.status == NumberReading::Status::Overflow)
        return std::nullopt;
    return format::readDateTime(text, locales.dates());
}

} // namespace

QString Format(const QString& expression, const QString& format, int firstDayOfWeek,
               int firstWeekOfYear) {
    checkWeekSettings(firstDayOfWeek, firstWeekOfYear);
    if (format.isEmpty())
        return expression;
    if (format::isTextFormat(format))
        return format::formatText(expression, format);

    Locales locales;
    const std::optional<double> value = valueOf(expression, locales);
    if (!value)
        return expression;
    if (format::isNamedFormat(format))
        return format::formatNamed(*value, format, locales.dates()).value_or(expression);

    const format::ChosenSection chosen = format::chooseSection(format, *value);
    if (format::isDateSection(chosen.section))
        return format::formatDateSection(*value, chosen.section, firstDayOfWeek, firstWeekOfYear,
                                         locales.dates())
            .value_or(expression);
    QString digits = format::formatNumberSection(*value, chosen.section, locales.numbers());
    if (!chosen.leadingMinus)
        return digits;
    QString signedDigits = QStringLiteral("-") + digits;
    wipe(digits); // the text may be a password
    return signedDigits;
}

QString Format(const QString& expression) {
    const NumberReading reading = readNumber(expression);
    if (reading.status != NumberReading::Status::Number)
        return expression;
    return format::plainNumber(reading.value, QLocale());
}

} // namespace runtime
