#include "cli/OpenSslRandomBytes.h"

#include "platform/runtime/RuntimeError.h"

#include <openssl/opensslv.h>
#include <openssl/rand.h>

#include <dlfcn.h>

#include <algorithm>
#include <climits>
#include <memory>

namespace cli {
namespace {

#define KEYWRIGHT_STRINGIFY2(x) #x
#define KEYWRIGHT_STRINGIFY(x) KEYWRIGHT_STRINGIFY2(x)
// The library of the OpenSSL the program was built against.
constexpr const char* kLibrary = "libcrypto.so." KEYWRIGHT_STRINGIFY(OPENSSL_SHLIB_VERSION);

using RandBytes = decltype(&RAND_bytes);

class OpenSslRandomBytes final : public runtime::RandomBytes {
public:
    explicit OpenSslRandomBytes(RandBytes randBytes) : randBytes_(randBytes) {}

    void fill(unsigned char* bytes, std::size_t count) override {
        while (count > 0) {
            const int part = static_cast<int>(std::min<std::size_t>(count, INT_MAX));
            if (randBytes_(bytes, part) != 1)
                runtime::raiseGeneratorUnavailable();
            bytes += part;
            count -= static_cast<std::size_t>(part);
        }
    }

private:
    RandBytes randBytes_;
};

std::unique_ptr<OpenSslRandomBytes> load() {
    if (!dlopen(kLibrary, RTLD_NOW | RTLD_GLOBAL))
        return nullptr;
    // Looked up as the calls of a program linked to the library are bound: a library loaded
    // before it (LD_PRELOAD) that defines the function takes them.
    auto* randBytes = reinterpret_cast<RandBytes>(dlsym(RTLD_DEFAULT, "RAND_bytes"));
    if (!randBytes)
        return nullptr;
    return std::make_unique<OpenSslRandomBytes>(randBytes);
}

} // namespace

runtime::RandomBytes* openSslRandomBytes() {
    static const std::unique_ptr<OpenSslRandomBytes> bytes = load();
    return bytes.get();
}

} // namespace cli
