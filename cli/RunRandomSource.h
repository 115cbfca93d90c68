#pragma once

#include "GenerationSettings.h"
#include "SystemRandomSource.h"

#include <QtGlobal>

#include <memory>

namespace cli {

// A run that takes at most this many random bytes gets them from the operating system in one
// request before the first password; a larger run starts OpenSSL's generator, which costs about
// as much to load and start as getrandom() takes to give this many bytes (bench/RESULTS.md).
inline constexpr quint64 kOneRequestBytes = quint64{1024} * 1024;

// The random source of a run of count passwords of length characters made with settings: the
// operating system's generator, holding all the values of a small run already, or OpenSSL's for
// a large one (the operating system's again when libcrypto cannot be loaded). The values and
// their order do not depend on the generator. Raises a RuntimeError when the generator fails.
std::unique_ptr<runtime::SystemRandomSource>
makeRunRandomSource(qint32 length, const core::GenerationSettings& settings, quint64 count);

} // namespace cli
