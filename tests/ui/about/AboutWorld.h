#pragma once

// The About dialog's services over doubles: an in-memory registry, a recording program starter,
// a listed disk and recording message boxes.

#include "tests/platform/doubles/ListedFileFinder.h"
#include "tests/platform/doubles/MemoryRegistry.h"
#include "tests/platform/doubles/RecordingProgramStarter.h"
#include "tests/ui/support/RecordingMessageBoxes.h"
#include "ui/about/frmAboutServices.h"

struct AboutWorld {
    MemoryRegistry registry;
    RecordingProgramStarter starter;
    ListedFileFinder files;
    RecordingMessageBoxes boxes;
    ui::frmAboutServices services{{registry, starter, files}, boxes};

    // The machine's default browser, B, started by command.
    void registerBrowser(const QString& command) {
        const QString clients = QStringLiteral("SOFTWARE\\Clients\\StartMenuInternet");
        registry.setText(platform::registry::kLocalMachine, clients, {}, QStringLiteral("B"));
        registry.setText(platform::registry::kLocalMachine, clients + "\\B\\shell\\open\\command",
                         {}, command);
    }
};
