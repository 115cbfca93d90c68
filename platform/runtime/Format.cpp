#include "Format.h"

#include "FormatSections.h"
#include "NumberReader.h"
#include "RuntimeError.h"
#include "TextFormat.h"

namespace runtime {
namespace {

void checkWeekSettings(int firstDayOfWeek, int firstWeekOfYear) {
    if (firstDayOfWeek < 0 || firstDayOfWeek > 7 || firstWeekOfYear < 0 || firstWeekOfYear > 3)
        raise(ErrorNumber::InvalidProcedureCall);
}

} // namespace

QString Format(const QString& expression, const QString& format, int firstDayOfWeek,
               int firstWeekOfYear) {
    checkWeekSettings(firstDayOfWeek, firstWeekOfYear);
    if (format.isEmpty())
        return expression;
    if (format::isTextFormat(format))
        return format::formatText(expression, format);
    // Numeric and date formats: not yet supported, the text comes back unchanged.
    return expression;
}

QString Format(const QString& expression) {
    const NumberReading reading = readNumber(expression);
    if (reading.status != NumberReading::Status::Number)
        return expression;
    return QString::number(reading.value, 'g', 15);
}

} // namespace runtime
