#pragma once

#include <QString>

namespace platform {

// Window styles of a started program.
namespace windowstyle {
inline constexpr int kNormalFocus = 1;
inline constexpr int kMinimizedFocus = 2;
} // namespace windowstyle

// Starts another program from a command line and returns at once, as the runtime's Shell does.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    // Raises runtime error 53 (File not found) when the program cannot be started.
    virtual void start(const QString& commandLine, int windowStyle) = 0;
};

} // namespace platform
