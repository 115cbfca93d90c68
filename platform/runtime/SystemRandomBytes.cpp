#include "platform/runtime/RandomBytes.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/StringOps.h"

#if defined(__linux__)
#include <sys/random.h>

#include <cerrno>
#else
#include <QRandomGenerator>

#include <cstring>
#endif

namespace runtime {
namespace {

class OperatingSystemRandomBytes final : public RandomBytes {
public:
#if defined(__linux__)
    // The kernel's generator, asked directly: Qt's system generator prefers the processor's own
    // instruction where there is one, and falls back to a generator of its own, without a word,
    // when the kernel fails, so a failure could not be reported.
    void fill(unsigned char* bytes, std::size_t count) override {
        while (count > 0) {
            const ssize_t got = getrandom(bytes, count, 0);
            if (got < 0) {
                if (errno == EINTR)
                    continue; // a signal cut a long request short; ask for the rest
                raiseGeneratorUnavailable();
            }
            if (got == 0)
                raiseGeneratorUnavailable();
            bytes += got;
            count -= static_cast<std::size_t>(got);
        }
    }
#else
    void fill(unsigned char* bytes, std::size_t count) override {
        quint32 words[64];
        while (count > 0) {
            const std::size_t part = count < sizeof words ? count : sizeof words;
            const std::size_t wordCount = (part + sizeof(quint32) - 1) / sizeof(quint32);
            QRandomGenerator::system()->generate(words, words + wordCount);
            std::memcpy(bytes, words, part);
            bytes += part;
            count -= part;
        }
        clearBytes(words, sizeof words);
    }
#endif
};

} // namespace

RandomBytes& SystemRandomBytes() {
    static OperatingSystemRandomBytes bytes;
    return bytes;
}

} // namespace runtime
