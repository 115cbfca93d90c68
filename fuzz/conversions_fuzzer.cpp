// libFuzzer target: readNumber, CDbl, CLng, CInt and IsNumeric with fuzzed text.
#include "fuzz/FuzzEntries.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return fuzz::conversionsEntry(data, size);
}
