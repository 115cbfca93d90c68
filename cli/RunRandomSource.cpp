#include "cli/RunRandomSource.h"

#include "cli/OpenSslRandomBytes.h"

#include <limits>

namespace cli {
namespace {

// Large runs refill in blocks of this many values from OpenSSL, or from the operating system.
constexpr std::size_t kBulkBlockValues = 16384;

} // namespace

std::unique_ptr<runtime::SystemRandomSource> makeRunRandomSource(quint64 drawsPerPassword,
                                                                 quint64 count) {
    const quint64 perPassword = drawsPerPassword;
    constexpr quint64 kMostValues = kOneRequestBytes / runtime::SystemRandomSource::kBytesPerValue;
    if (perPassword == 0 || count <= kMostValues / perPassword) {
        auto source = std::make_unique<runtime::SystemRandomSource>();
        source->expectDraws(static_cast<qint64>(perPassword * count));
        return source;
    }
    if (runtime::RandomBytes* openSsl = openSslRandomBytes())
        return std::make_unique<runtime::SystemRandomSource>(*openSsl, kBulkBlockValues);
    return std::make_unique<runtime::SystemRandomSource>(runtime::SystemRandomBytes(),
                                                         kBulkBlockValues);
}

} // namespace cli
