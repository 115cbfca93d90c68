#pragma once

#include "platform/runtime/CheckedArithmetic.h"
#include "platform/runtime/RandomSource.h"

#include <QtGlobal>

#include <concepts>
#include <cstdint>

namespace core {

// The arithmetic of one draw for a value r already taken from the source: floor(r x span +
// lower) in double precision, span = upper - lower + 1. Overflow when the span does not fit in
// 32 bits.
inline qint32 RandomBetweenValue(float r, qint32 upper, qint32 lower) {
    const qint32 span = runtime::checkedAdd<qint32>(runtime::checkedSub<qint32>(upper, lower), 1);
    // Every step is exact in double for the spans in use.
    const double x =
        static_cast<double>(r) * static_cast<double>(span) + static_cast<double>(lower);
    // Floor, not truncation, so that reversed bounds (a negative span) stay between the bounds.
    // x lies between the two bounds, so the conversion cannot overflow.
    const auto truncated = static_cast<qint32>(x);
    return static_cast<double>(truncated) > x ? truncated - 1 : truncated;
}

// A whole number drawn uniformly from lower to upper inclusive; the upper bound comes first.
// Takes exactly one value of the source, before anything else, also when the bounds are equal.
// Overflow when upper - lower + 1 does not fit in 32 bits (the value is consumed all the same).
// Written once for any source type, so that a concrete final source is called without a virtual
// dispatch in bulk generation.
template <typename Source> qint32 RandomBetweenFrom(Source& source, qint32 upper, qint32 lower) {
    const float r = source.next();
    return RandomBetweenValue(r, upper, lower);
}

inline qint32 RandomBetween(runtime::RandomSource& source, qint32 upper, qint32 lower) {
    return RandomBetweenFrom(source, upper, lower);
}

// A source that also gives the 24-bit whole number n behind each value (the value is n / 2^24).
template <typename Source>
concept WholeNumberSource = requires(Source& source) {
    { source.nextWholeNumber() } -> std::same_as<std::uint32_t>;
};

// The draw for bounds fixed at compile time, in whole numbers, for the number n behind a value.
// With span and lower below 2^28, n x span and lower x 2^24 are below 2^52, so every step of the
// double-precision arithmetic is exact, and floor(n / 2^24 x span + lower) is
// lower + (n x span) / 2^24 rounded down: the same result, without the floating-point work.
template <qint32 Upper, qint32 Lower> constexpr qint32 RandomBetweenWhole(std::uint32_t n) {
    constexpr qint64 span = qint64{Upper} - Lower + 1;
    static_assert(span > 0 && span < (qint64{1} << 28) && Lower >= 0 && Lower < (1 << 28),
                  "the whole-number draw is exact only for small positive bounds");
    return Lower + static_cast<qint32>((std::uint64_t{n} * span) >> 24);
}

// The next value of a source, as its whole number where the source gives one.
template <typename Source> auto NextDrawValue(Source& source) {
    if constexpr (WholeNumberSource<Source>)
        return source.nextWholeNumber();
    else
        return source.next();
}

// RandomBetween(upper, lower) for a value already taken with NextDrawValue.
template <qint32 Upper, qint32 Lower> qint32 RandomBetweenOf(std::uint32_t n) {
    return RandomBetweenWhole<Upper, Lower>(n);
}
template <qint32 Upper, qint32 Lower> qint32 RandomBetweenOf(float r) {
    return RandomBetweenValue(r, Upper, Lower);
}

} // namespace core
