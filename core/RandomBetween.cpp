#include "RandomBetween.h"

#include "CheckedArithmetic.h"

#include <cmath>

namespace core {

qint32 RandomBetween(runtime::RandomSource& source, qint32 upper, qint32 lower) {
    const float r = source.next();
    const qint32 span = runtime::checkedAdd<qint32>(runtime::checkedSub<qint32>(upper, lower), 1);
    // Every step is exact in double for the spans in use; floor, not truncation, so that
    // reversed bounds (a negative span) stay between the two bounds.
    const double x =
        static_cast<double>(r) * static_cast<double>(span) + static_cast<double>(lower);
    return static_cast<qint32>(std::floor(x));
}

} // namespace core
