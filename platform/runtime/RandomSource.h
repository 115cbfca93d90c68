#pragma once

#include <QtGlobal>

// A sequence of uniform single-precision values r with 0 <= r < 1, every value exact in single
// precision (a 24-bit whole number divided by 2^24). Every random draw of the program takes its
// values from one of these.
namespace runtime {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // The next value of the sequence.
    virtual float next() = 0;
    // Told before a run of draws how many values it will take, so that a source can get them
    // all at once. A hint only: the values and their order are the same without it.
    virtual void expectDraws(qint64 count) { Q_UNUSED(count); }
};

// 2^-24: the step between two values of a source.
inline constexpr float kRandomResolution = 1.0f / 16777216.0f;

} // namespace runtime
