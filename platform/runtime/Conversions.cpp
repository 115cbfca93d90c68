#include "Conversions.h"

#include "CheckedArithmetic.h"
#include "NumberReader.h"

namespace runtime {
namespace {

double readOrRaise(const QString& text, const QLocale& locale) {
    const NumberReading reading = readNumber(text, locale);
    switch (reading.status) {
    case NumberReading::Status::Number:
        return reading.value;
    case NumberReading::Status::Overflow:
        raise(ErrorNumber::Overflow);
    case NumberReading::Status::NotANumber:
        break;
    }
    raise(ErrorNumber::TypeMismatch);
}

} // namespace

double CDbl(const QString& text, const QLocale& locale) {
    return readOrRaise(text, locale);
}

qint32 CLng(const QString& text, const QLocale& locale) {
    return toWhole<qint32>(readOrRaise(text, locale));
}

qint16 CInt(const QString& text, const QLocale& locale) {
    return toWhole<qint16>(readOrRaise(text, locale));
}

bool IsNumeric(const QString& text, const QLocale& locale) {
    return readNumber(text, locale).status == NumberReading::Status::Number;
}

} // namespace runtime
