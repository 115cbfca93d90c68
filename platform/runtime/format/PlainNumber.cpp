#include "platform/runtime/format/PlainNumber.h"

#include "platform/runtime/StringOps.h"
#include "platform/runtime/format/DecimalDigits.h"
#include "platform/runtime/format/FormatChoices.h"

#include <algorithm>
#include <string>

namespace runtime::format {

QString plainNumber(double value, const QLocale& locale) {
    DecimalDigits digits = DecimalDigits::fromMagnitude(value);
    digits.roundToSignificant(kPlainDigits);
    if (digits.isZero())
        return QStringLiteral("0");

    // Room for the longest plain number ("-0.0000123456789012345", "-1.23456789012345E+308")
    // from the start, so that no outgrown buffer is freed holding digits.
    QString out;
    out.reserve(32);
    if (value < 0)
        out.append(u'-');
    const std::string& significant = digits.significant();
    const long long exponent = digits.pointPosition() - 1;
    if (exponent >= kPlainLowestFixedExponent && exponent <= kPlainHighestFixedExponent) {
        std::string whole = digits.wholeDigits();
        const WipeOnExit wipeWhole(whole);
        if (whole.empty())
            out.append(u'0');
        for (const char digit : whole)
            out.append(QLatin1Char(digit));
        const long long shown =
            static_cast<long long>(significant.size()) - std::max(0LL, digits.pointPosition());
        if (shown > 0) {
            out.append(locale.decimalPoint());
            for (long long place = 1; place <= -std::min(0LL, digits.pointPosition()) + shown;
                 ++place)
                out.append(QChar(digits.fractionDigit(place)));
        }
        return out;
    }
    out.append(QChar(significant[0]));
    if (significant.size() > 1) {
        out.append(locale.decimalPoint());
        for (size_t i = 1; i < significant.size(); ++i)
            out.append(QLatin1Char(significant[i]));
    }
    out.append(exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+"));
    const std::string exponentText = std::to_string(exponent < 0 ? -exponent : exponent);
    if (exponentText.size() < 2)
        out.append(u'0');
    out.append(QString::fromStdString(exponentText));
    return out;
}

} // namespace runtime::format
