#pragma once

#include "platform/runtime/RandomBytes.h"

namespace cli {

// OpenSSL's generator, which the operating system seeds, loaded the first time it is asked for:
// keywright-cli does not link libcrypto, so that a run that has no use for it does not pay for
// loading and starting it. Null when libcrypto cannot be loaded.
runtime::RandomBytes* openSslRandomBytes();

} // namespace cli
