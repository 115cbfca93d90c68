#pragma once

#include "platform/registry/RegistryReader.h"

#include <memory>

namespace platform {

// The registry of the system the program runs on: the desktop's settings, read from the
// freedesktop files.
std::unique_ptr<RegistryReader> makeSystemRegistry();

} // namespace platform
