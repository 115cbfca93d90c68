#include "platform/runtime/SystemRandomSource.h"

#include "platform/runtime/StringOps.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace runtime {
namespace {

// A buffer kept after a long request is given back once it is this many times what is asked.
constexpr std::size_t kShrinkFactor = 4;
// Announced draws beyond this (12 MiB of bytes) are fetched a block at a time: a hint is no
// reason to hold more.
constexpr qint64 kMaxExpectedDraws = qint64{1} << 22;

} // namespace

SystemRandomSource::SystemRandomSource(RandomBytes& bytes, std::size_t blockValues)
    : bytes_(bytes), blockValues_(std::max<std::size_t>(blockValues, 1)) {}

SystemRandomSource::~SystemRandomSource() {
    clearBytes(buffer_.get(), capacity_);
}

float SystemRandomSource::next() {
    if (position_ == end_)
        fetch(blockValues_);
    unsigned char* value = buffer_.get() + position_;
    position_ += kBytesPerValue;
    const std::uint32_t n =
        std::uint32_t{value[0]} | std::uint32_t{value[1]} << 8 | std::uint32_t{value[2]} << 16;
    value[0] = value[1] = value[2] = 0;
    return static_cast<float>(n) * kRandomResolution;
}

void SystemRandomSource::expectDraws(qint64 count) {
    if (count > 0 && count <= kMaxExpectedDraws)
        fetch(static_cast<std::size_t>(count));
}

void SystemRandomSource::discard() {
    clearBytes(buffer_.get(), capacity_);
    end_ = position_ = 0;
}

void SystemRandomSource::fetch(std::size_t values) {
    const std::size_t unused = end_ - position_;
    const std::size_t wanted = values * kBytesPerValue;
    if (unused >= wanted)
        return;
    const std::size_t keep = std::max(wanted, blockValues_ * kBytesPerValue);
    if (capacity_ < wanted || capacity_ > kShrinkFactor * keep) {
        // A new buffer of the size asked, zeroed; the old one is wiped before it is freed.
        auto fresh = std::make_unique<unsigned char[]>(wanted + 1);
        if (unused > 0)
            std::memcpy(fresh.get(), buffer_.get() + position_, unused);
        clearBytes(buffer_.get(), capacity_);
        buffer_ = std::move(fresh);
        capacity_ = wanted;
    } else {
        // The unused bytes go to the front; the used ones are wiped.
        std::memmove(buffer_.get(), buffer_.get() + position_, unused);
        clearBytes(buffer_.get() + unused, end_ - unused);
    }
    position_ = 0;
    end_ = unused;
    try {
        bytes_.fill(buffer_.get() + unused, wanted - unused);
    } catch (...) {
        // Nothing of a failed request is used.
        clearBytes(buffer_.get() + unused, wanted - unused);
        throw;
    }
    end_ = wanted;
}

RandomSource& Rnd() {
    static SystemRandomSource source;
    return source;
}

void Randomize() {
    static_cast<SystemRandomSource&>(Rnd()).discard();
}

} // namespace runtime
