#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// Reading text as a number, the way the runtime's conversions and its numeric test read it.
namespace runtime {

struct NumberReading {
    enum class Status { Number, NotANumber, Overflow };
    Status status = Status::NotANumber;
    double value = 0.0;
    // Radix text (&H, &O) of up to 32 bits is a whole number; conversions to 32 bits take it
    // as signed ("&HFFFFFFFF" is -1).
    bool isRadix = false;
};

// Accepts, around the number, blanks (space, tab, carriage return, line feed); a sign before or
// after it, or parentheses for a negative number; the locale's currency symbol before or after
// it; grouping separators of the locale in the whole part (and the ordinary space where the
// locale groups with a no-break space); the locale's decimal separator, or "." where the locale
// does not group with it; an exponent written with E or D; and "&H" (hexadecimal) or "&O"
// (octal) radix text.
NumberReading readNumber(const QString& text, const QLocale& locale);
// The same with the user's locale (QLocale()), which plain digits do not need to look up.
NumberReading readNumber(const QString& text);

} // namespace runtime
