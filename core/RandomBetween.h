#pragma once

#include "RandomSource.h"

#include <QtGlobal>

namespace core {

// A whole number drawn uniformly from lower to upper inclusive; the upper bound comes first.
// Takes exactly one value of the source, before anything else, also when the bounds are equal.
// Overflow when upper - lower + 1 does not fit in 32 bits (the value is consumed all the same).
qint32 RandomBetween(runtime::RandomSource& source, qint32 upper, qint32 lower);

} // namespace core
