#include "SystemRegistry.h"

#include "XdgRegistry.h"

namespace platform {

std::unique_ptr<RegistryReader> makeSystemRegistry() {
    return std::make_unique<XdgRegistry>();
}

} // namespace platform
