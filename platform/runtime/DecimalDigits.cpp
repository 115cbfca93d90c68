#include "DecimalDigits.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

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
    if (error != std::errc())
        return result;
    const std::string text(buffer, end);
    const auto e = text.find('e');
    for (size_t i = 0; i < e; ++i) {
        if (text[i] != '.')
            result.digits_.push_back(text[i]);
    }
    // The exponent comes from to_chars above, always a valid whole number.
    result.pointPosition_ = std::atoi(text.c_str() + e + 1) + 1; // NOLINT(cert-err34-c)
    while (!result.digits_.empty() && result.digits_.back() == '0')
        result.digits_.pop_back();
    return result;
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
    std::string whole = digits_.substr(0, static_cast<size_t>(pointPosition_));
    if (static_cast<long long>(whole.size()) < pointPosition_)
        whole.append(static_cast<size_t>(pointPosition_) - whole.size(), '0');
    return whole;
}

char DecimalDigits::fractionDigit(long long place) const {
    const long long index = pointPosition_ + place - 1;
    if (index < 0 || index >= static_cast<long long>(digits_.size()))
        return '0';
    return digits_[static_cast<size_t>(index)];
}

} // namespace runtime::format
