#include "platform/system/SystemRegistry.h"

#include "platform/xdg/XdgRegistry.h"

namespace platform {

std::unique_ptr<RegistryReader> makeSystemRegistry() {
    return std::make_unique<XdgRegistry>();
}

} // namespace platform
