#pragma once

#include "platform/runtime/format/DateLocale.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace runtime::format {

// True when the whole format text is a named format ("Currency", "short date", ...).
bool isNamedFormat(QStringView format);

// What a named format is: the plain number text, the locale's currency, a numeric pattern, two
// words (zero; any other value) or a date pattern.
struct NamedFormatShape {
    enum class Kind { Plain, Currency, Numeric, Words, Date };
    Kind kind = Kind::Plain;
    QStringView pattern; // Numeric and Date: the section it stands for; Words: "zero|other"
};

// The shape of a named format, or nothing for a text that is not one.
std::optional<NamedFormatShape> namedFormatShape(QStringView format);

// Fraction digits of the locale's currency.
int currencyDecimals(const QLocale& locale);

// Formats a value through a named format. Nothing when a date format is given a serial outside
// 1 January 100 to 31 December 9999.
std::optional<QString> formatNamed(double value, QStringView name, const DateLocale& locale);

} // namespace runtime::format
