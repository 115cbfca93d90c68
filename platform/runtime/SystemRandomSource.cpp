#include "SystemRandomSource.h"

#include "RuntimeError.h"

#include <openssl/crypto.h>
#include <openssl/rand.h>

namespace runtime {

SystemRandomSource::~SystemRandomSource() {
    OPENSSL_cleanse(buffer_.data(), sizeof buffer_);
}

void SystemRandomSource::refill() {
    if (RAND_bytes(reinterpret_cast<unsigned char*>(buffer_.data()),
                   static_cast<int>(sizeof buffer_)) != 1) {
        // Without a working generator no password may be made at all.
        throw RuntimeError(ErrorNumber::InvalidProcedureCall,
                           QStringLiteral("The system's random generator is unavailable"));
    }
    position_ = 0;
}

RandomSource& Rnd() {
    static SystemRandomSource source;
    return source;
}

void Randomize() {
    // Makes sure the generator is seeded from the operating system now, at start-up, rather than
    // on the first press; fails the same way a draw would if it cannot be.
    if (RAND_status() != 1 && RAND_poll() != 1)
        throw RuntimeError(ErrorNumber::InvalidProcedureCall,
                           QStringLiteral("The system's random generator is unavailable"));
}

} // namespace runtime
