#pragma once

#include "platform/runtime/SystemRandomSource.h"

#include <QtGlobal>

#include <memory>

namespace cli {

// A run that takes at most this many random bytes gets them from the operating system in one
// request before the first password; a larger run starts OpenSSL's generator, which costs about
// as much to load and start as getrandom() takes to give this many bytes (bench/RESULTS.md).
inline constexpr quint64 kOneRequestBytes = quint64{1024} * 1024;

// The random source of a run of count passwords of about drawsPerPassword values each: the
// operating system's generator, holding all the values of a small run already, or OpenSSL's for
// a large one (the operating system's again when libcrypto cannot be loaded). The values and
// their order do not depend on the generator. Raises a RuntimeError when the generator fails.
std::unique_ptr<runtime::SystemRandomSource> makeRunRandomSource(quint64 drawsPerPassword,
                                                                 quint64 count);

} // namespace cli
