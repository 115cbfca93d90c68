#pragma once

#include "CheckedArithmetic.h"
#include "RandomSource.h"

#include <QtGlobal>

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

} // namespace core
