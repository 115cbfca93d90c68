// libFuzzer target: runtime::Format with fuzzed text, format and week settings.
#include "fuzz/FuzzEntries.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return fuzz::formatEntry(data, size);
}
