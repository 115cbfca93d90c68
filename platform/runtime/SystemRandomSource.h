#pragma once

#include "RandomSource.h"

#include <array>
#include <cstdint>

namespace runtime {

// Values from the operating system's cryptographic generator, through OpenSSL's generator,
// which the system seeds. Values are taken from a buffer refilled in blocks, so that a draw costs
// a few instructions; the buffer is wiped when the source goes.
class SystemRandomSource final : public RandomSource {
public:
    SystemRandomSource() = default;
    ~SystemRandomSource() override;
    SystemRandomSource(const SystemRandomSource&) = delete;
    SystemRandomSource& operator=(const SystemRandomSource&) = delete;

    float next() override { return static_cast<float>(nextWholeNumber()) * kRandomResolution; }

    // The 24-bit whole number behind the next value (the value is this number divided by 2^24),
    // for draws that do their arithmetic in whole numbers.
    std::uint32_t nextWholeNumber() {
        if (position_ == buffer_.size())
            refill();
        return buffer_[position_++] & 0xFFFFFFu;
    }

private:
    void refill();

    std::array<std::uint32_t, 4096> buffer_{};
    std::size_t position_ = buffer_.size();
};

// The one random sequence of the process, shared by every caller.
RandomSource& Rnd();

// Prepares the process's sequence at start-up; called once, before the first draw. The values
// come from the operating system's generator, so no clock seed is involved.
void Randomize();

} // namespace runtime
