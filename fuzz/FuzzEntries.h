#pragma once

#include <cstddef>
#include <cstdint>

// The entry functions shared by the libFuzzer targets and the corpus replay. Each one takes the
// raw input bytes, runs the code under test and aborts when a property is broken.
namespace fuzz {

// The longest input an entry looks at: long enough that a scan slower than linear in the text or
// the mask runs past the fuzzer's time limit (scripts/fuzz.sh --long).
constexpr std::size_t kMaxInputSize = 256 * 1024;

// Input: byte 0 picks the first day of week (0 to 8) and the locale, byte 1 the first week of
// year (0 to 4); the rest is UTF-8: the text, a line feed, then the format.
int formatEntry(const std::uint8_t* data, std::size_t size);

// Input: byte 0 picks the locale; the rest is the UTF-8 text to convert.
int conversionsEntry(const std::uint8_t* data, std::size_t size);

} // namespace fuzz
