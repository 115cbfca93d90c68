// The strength oracle as a fuzz target: the input bytes steer the case generator (settings or
// character sets, length, mask); every body of the case is listed and formatted, and the
// strength calls, with the default bodies tried and with 0, must agree with what the texts are.

#include "fuzz/StrengthOracle.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return oracle::fuzzEntry(data, size);
}
