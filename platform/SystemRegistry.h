#pragma once

#include "RegistryReader.h"

#include <memory>

namespace platform {

// The registry of the system the program runs on: the real one on Windows, the desktop's
// settings elsewhere.
std::unique_ptr<RegistryReader> makeSystemRegistry();

} // namespace platform
