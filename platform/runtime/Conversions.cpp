#include "platform/runtime/Conversions.h"

#include "platform/runtime/CheckedArithmetic.h"
#include "platform/runtime/NumberReader.h"

namespace runtime {
namespace {

double readOrRaise(const NumberReading& reading) {
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

double CDbl(const QString& text) {
    return readOrRaise(readNumber(text));
}
double CDbl(const QString& text, const QLocale& locale) {
    return readOrRaise(readNumber(text, locale));
}

qint32 CLng(const QString& text) {
    return toWhole<qint32>(readOrRaise(readNumber(text)));
}
qint32 CLng(const QString& text, const QLocale& locale) {
    return toWhole<qint32>(readOrRaise(readNumber(text, locale)));
}

qint16 CInt(const QString& text) {
    return toWhole<qint16>(readOrRaise(readNumber(text)));
}
qint16 CInt(const QString& text, const QLocale& locale) {
    return toWhole<qint16>(readOrRaise(readNumber(text, locale)));
}

bool IsNumeric(const QString& text) {
    return readNumber(text).status == NumberReading::Status::Number;
}
bool IsNumeric(const QString& text, const QLocale& locale) {
    return readNumber(text, locale).status == NumberReading::Status::Number;
}

} // namespace runtime
