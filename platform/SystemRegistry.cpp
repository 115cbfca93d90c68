#include "SystemRegistry.h"

#ifdef Q_OS_WIN
#include "win/WinRegistry.h"
#else
#include "XdgRegistry.h"
#endif

namespace platform {

std::unique_ptr<RegistryReader> makeSystemRegistry() {
#ifdef Q_OS_WIN
    return std::make_unique<WinRegistry>();
#else
    return std::make_unique<XdgRegistry>();
#endif
}

} // namespace platform
