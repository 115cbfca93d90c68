#pragma once

namespace platform {

class FileFinder;
class ProgramStarter;
class RegistryReader;

// The operating system as the windows see it; the program passes the real ones, tests doubles.
struct PlatformServices {
    RegistryReader& registry;
    ProgramStarter& starter;
    FileFinder& files;
};

} // namespace platform
