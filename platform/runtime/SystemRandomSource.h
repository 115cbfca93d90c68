#pragma once

#include "platform/runtime/RandomBytes.h"
#include "platform/runtime/RandomSource.h"

#include <QtEndian>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace runtime {

// Values made of random bytes: three bytes, the first the lowest, give the 24-bit whole number n
// behind the value n / 2^24. The bytes come from a generator, by default the operating system's:
// the draws a caller announces with expectDraws() in one request, any others a block at a time,
// so that a draw costs a few instructions. Used bytes are wiped before the buffer is filled again,
// and all of them when the source goes; next() wipes the bytes of each value as it takes them.
class SystemRandomSource final : public RandomSource {
public:
    static constexpr std::size_t kBytesPerValue = 3;
    static constexpr std::size_t kBlockValues = 4096;

    explicit SystemRandomSource(RandomBytes& bytes = SystemRandomBytes(),
                                std::size_t blockValues = kBlockValues);
    ~SystemRandomSource() override;
    SystemRandomSource(const SystemRandomSource&) = delete;
    SystemRandomSource& operator=(const SystemRandomSource&) = delete;

    float next() override;
    void expectDraws(qint64 count) override;

    // The 24-bit whole number of the value whose bytes start at bytes, read as four bytes at once:
    // a readable byte must follow them.
    static std::uint32_t wholeNumberAt(const unsigned char* bytes) {
        return qFromLittleEndian<std::uint32_t>(bytes) & 0xFFFFFFu;
    }

    // The 24-bit whole number behind the next value (the value is this number divided by 2^24),
    // for draws that do their arithmetic in whole numbers.
    std::uint32_t nextWholeNumber() {
        if (position_ == end_)
            fetch(blockValues_);
        // The buffer has one byte more than its values.
        const std::uint32_t n = wholeNumberAt(buffer_.get() + position_);
        position_ += kBytesPerValue;
        return n;
    }

    // The next count values at once, for a caller that knows how many it takes: their bytes, one
    // value after another as nextWholeNumber() reads them, with at least one readable byte after
    // the last. Valid until the source is next used.
    const unsigned char* takeValues(std::size_t count) {
        const std::size_t bytes = count * kBytesPerValue;
        if (end_ - position_ < bytes)
            fetch(std::max(count, blockValues_));
        const unsigned char* values = buffer_.get() + position_;
        position_ += bytes;
        return values;
    }

    // Drops every byte not yet used, wiped.
    void discard();

private:
    // Makes sure that at least values values are at hand, asking the generator once for those
    // that are not.
    void fetch(std::size_t values);

    RandomBytes& bytes_;
    std::size_t blockValues_;
    std::unique_ptr<unsigned char[]> buffer_; // capacity_ bytes of values, then one of padding
    std::size_t capacity_ = 0;
    std::size_t end_ = 0;      // the end of the bytes fetched
    std::size_t position_ = 0; // the first byte not yet used
};

// The one random sequence of the process, shared by every caller: the operating system's
// generator.
RandomSource& Rnd();

// Prepares the process's sequence at start-up, before the first draw: the values come straight
// from the operating system's generator, so there is no seed to set (and no clock involved);
// nothing drawn before this call carries over.
void Randomize();

} // namespace runtime
