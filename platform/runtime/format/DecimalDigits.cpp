#include "platform/runtime/format/DecimalDigits.h"

#include "platform/runtime/StringOps.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace runtime::format {

DecimalDigits DecimalDigits::fromMagnitude(double value) {
    DecimalDigits result;
    value = std::fabs(value);
    if (!std::isfinite(value) || value == 0.0)
        return result;
    // Shortest round-trip text in scientific form: "d.ddde+XX".
    char buffer[64];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    if (error == std::errc()) {
        const char* e = std::find(buffer, end, 'e');
        result.digits_.reserve(static_cast<size_t>(e - buffer)); // one buffer, never regrown
        for (const char* c = buffer; c != e; ++c) {
            if (*c != '.')
                result.digits_.push_back(*c);
        }
        // The exponent comes from to_chars above, always a valid whole number.
        int exponent = 0;
        std::from_chars(e + 1 + (e[1] == '+' ? 1 : 0), end, exponent);
        result.pointPosition_ = exponent + 1;
        while (!result.digits_.empty() && result.digits_.back() == '0')
            result.digits_.pop_back();
    }
    clearBytes(buffer, sizeof buffer);
    return result;
}

DecimalDigits::~DecimalDigits() {
    wipe(digits_);
}

void DecimalDigits::keep(long long count) {
    if (count >= static_cast<long long>(digits_.size()))
        return;
    if (count < 0) {
        digits_.clear();
        return;
    }
    const bool up = digits_[static_cast<size_t>(count)] >= '5';
    digits_.resize(static_cast<size_t>(count));
    if (up) {
        // Carry from the last kept digit; all nines turn into a leading 1.
        while (!digits_.empty() && digits_.back() == '9')
            digits_.pop_back();
        if (digits_.empty()) {
            // 0.99...9 plus one unit in its last place is 0.1 times the next power of ten.
            digits_.assign(1, '1');
            ++pointPosition_;
            return;
        }
        ++digits_.back();
    }
    while (!digits_.empty() && digits_.back() == '0')
        digits_.pop_back();
}

void DecimalDigits::roundToFraction(long long fractionDigits) {
    if (!isZero())
        keep(pointPosition_ + fractionDigits);
}

void DecimalDigits::roundToSignificant(long long count) {
    if (!isZero())
        keep(count < 1 ? 1 : count);
}

std::string DecimalDigits::wholeDigits() const {
    if (isZero() || pointPosition_ <= 0)
        return {};
    std::string whole;
    whole.reserve(static_cast<size_t>(pointPosition_)); // one buffer, never regrown
    whole.assign(digits_, 0, static_cast<size_t>(pointPosition_));
    whole.resize(static_cast<size_t>(pointPosition_), '0');
    return whole;
}

char DecimalDigits::fractionDigit(long long place) const {
    const long long index = pointPosition_ + place - 1;
    if (index < 0 || index >= static_cast<long long>(digits_.size()))
        return '0';
    return digits_[static_cast<size_t>(index)];
}

} // namespace runtime::format
