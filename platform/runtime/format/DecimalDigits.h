#pragma once

#include <string>

namespace runtime::format {

// The magnitude of a finite double as decimal digits, taken from the shortest decimal text that
// reads back as the same double, so that rounding works on the decimal value the user wrote
// (0.075 is 0.075, not 0.07499999...). The value is 0.d1d2d3... times 10^pointPosition.
class DecimalDigits {
public:
    // Non-finite values count as zero; callers never pass them.
    static DecimalDigits fromMagnitude(double value);

    DecimalDigits() = default;
    DecimalDigits(const DecimalDigits&) = default;
    DecimalDigits(DecimalDigits&&) = default;
    DecimalDigits& operator=(const DecimalDigits&) = default;
    DecimalDigits& operator=(DecimalDigits&&) = default;
    // The digits may be those of a password read as a number: they are wiped.
    ~DecimalDigits();

    bool isZero() const { return digits_.empty(); }
    // Digits before the decimal point: may be negative (0.001 is 1 with -2) or past the digits.
    long long pointPosition() const { return pointPosition_; }
    void setPointPosition(long long position) { pointPosition_ = position; }
    // Multiplies by 10^powers.
    void shift(long long powers) { pointPosition_ += powers; }

    // Rounds half away from zero to the given number of fraction digits.
    void roundToFraction(long long fractionDigits);
    // Rounds half away from zero to the given number of significant digits (at least 1).
    void roundToSignificant(long long count);

    // The whole-number digits, without leading zeros; empty below 1. Wipe them after use.
    std::string wholeDigits() const;
    // The digit of 10^-place, place counted from 1 after the point.
    char fractionDigit(long long place) const;
    // The significant digits, without trailing zeros.
    const std::string& significant() const { return digits_; }

private:
    void keep(long long count);

    std::string digits_; // no leading or trailing zeros; empty for zero
    long long pointPosition_ = 0;
};

} // namespace runtime::format
