#pragma once

#include "platform/runtime/RuntimeError.h"

#include <QtGlobal>

#include <cmath>
#include <concepts>
#include <limits>

// Whole-number arithmetic of the runtime: 16- and 32-bit results that raise Overflow instead of
// wrapping, and conversions from double that round an exact half to the even neighbour.
namespace runtime {

template <typename T>
concept RuntimeWhole = std::same_as<T, qint16> || std::same_as<T, qint32>;

template <RuntimeWhole T> T checkedAdd(T a, T b) {
    T result;
    if (__builtin_add_overflow(a, b, &result))
        raise(ErrorNumber::Overflow);
    return result;
}

template <RuntimeWhole T> T checkedSub(T a, T b) {
    T result;
    if (__builtin_sub_overflow(a, b, &result))
        raise(ErrorNumber::Overflow);
    return result;
}

template <RuntimeWhole T> T checkedMul(T a, T b) {
    T result;
    if (__builtin_mul_overflow(a, b, &result))
        raise(ErrorNumber::Overflow);
    return result;
}

// Rounds to the nearest whole number, an exact half to the even neighbour (2.5 gives 2).
inline double roundHalfEven(double value) {
    const double floorValue = std::floor(value);
    const double diff = value - floorValue;
    if (diff < 0.5)
        return floorValue;
    if (diff > 0.5)
        return floorValue + 1.0;
    return std::fmod(floorValue, 2.0) == 0.0 ? floorValue : floorValue + 1.0;
}

// Converts a double to a whole number of type T the way the runtime does: round half to even,
// Overflow when the rounded value does not fit (NaN and infinities included).
template <RuntimeWhole T> T toWhole(double value) {
    const double rounded = roundHalfEven(value);
    constexpr double lowest = static_cast<double>(std::numeric_limits<T>::min());
    constexpr double highest = static_cast<double>(std::numeric_limits<T>::max());
    if (!(rounded >= lowest && rounded <= highest))
        raise(ErrorNumber::Overflow);
    return static_cast<T>(rounded);
}

// A byte (0 to 255) from a whole number; Overflow outside that range.
inline quint8 toByte(qint32 value) {
    if (value < 0 || value > 255)
        raise(ErrorNumber::Overflow);
    return static_cast<quint8>(value);
}

} // namespace runtime
