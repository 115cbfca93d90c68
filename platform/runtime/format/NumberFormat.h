#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

namespace runtime::format {

// Formats the magnitude of a value through one section of a numeric format: digit placeholders
// 0 and #, the decimal point, grouping and scaling commas, %, E+ E- e+ e-, and literal text.
// The caller chooses the section and adds any sign.
QString formatNumberSection(double magnitude, QStringView section, const QLocale& locale);

// What a numeric section shows of a value, read from its layout alone.
struct NumberSectionShape {
    // The value's digits appear: there is a whole-number placeholder or a decimal point.
    bool showsDigits = false;
    // Scientific notation: the mantissa is rounded to `significantDigits` digits (0: to none,
    // the exponent alone tells values apart); otherwise the value is rounded to
    // `fractionDigits` places.
    bool scientific = false;
    long long significantDigits = 0;
    long long fractionDigits = 0;
    // Powers of ten the value is multiplied by before rounding: 2 for %, -3 per scaling comma.
    long long decimalShift = 0;
    // Nothing but "#" placeholders and commas: a value that rounds to zero prints nothing.
    bool emptyAtZero = false;
    // Nothing but digits is printed (no point, %, exponent, grouping, or literal other than
    // digits): a text that could be a number.
    bool digitsOnly = false;
};

NumberSectionShape numberSectionShape(QStringView section);

} // namespace runtime::format
