#pragma once

#include "platform/process/ProgramStarter.h"
#include "platform/runtime/RuntimeError.h"

#include <QList>

// Records the programs it is asked to start instead of starting them. Fails like a missing
// program for a command line that names none, or for every one when told to.
class RecordingProgramStarter : public platform::ProgramStarter {
public:
    struct Start {
        QString commandLine;
        int windowStyle;
    };

    void start(const QString& commandLine, int windowStyle) override {
        starts.append({commandLine, windowStyle});
        if (failing || commandLine.trimmed().isEmpty())
            runtime::raise(runtime::ErrorNumber::FileNotFound);
    }

    QList<Start> starts;
    bool failing = false;
};
