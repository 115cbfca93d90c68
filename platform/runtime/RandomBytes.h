#pragma once

#include <cstddef>

namespace runtime {

// A generator of random bytes: the operating system's, or one seeded by it.
class RandomBytes {
public:
    virtual ~RandomBytes() = default;
    // Fills all count bytes, in one request where the generator allows. Raises a RuntimeError
    // when the generator cannot give them; no byte of a failed request may be used.
    virtual void fill(unsigned char* bytes, std::size_t count) = 0;
};

// The operating system's generator: getrandom() on Linux, Qt's system generator elsewhere.
RandomBytes& SystemRandomBytes();

} // namespace runtime
