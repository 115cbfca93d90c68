#pragma once

#include "platform/process/ProgramStarter.h"

namespace platform {

// Starts the program as a detached process, never through a shell: the command line is split
// as a desktop entry's Exec line is (splitExecLine), the first argument names the program (a
// path, or a name looked up on PATH), and no other character has any meaning. The window style
// is left to the started program.
class DetachedProgramStarter : public ProgramStarter {
public:
    void start(const QString& commandLine, int windowStyle) override;
};

} // namespace platform
