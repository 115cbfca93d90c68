#pragma once

#include "platform/desktop/BusyPointer.h"
#include "platform/desktop/MessageBoxes.h"
#include "platform/desktop/WindowOpacity.h"
#include "platform/runtime/RandomSource.h"
#include "platform/runtime/SystemRandomSource.h"

#include <QString>

#include <exception>
#include <functional>

namespace ui {

class MessageDisplay;

// What the main window works with, passed in so that a test builds the world it needs.
struct frmMainServices {
    frmMainServices(platform::MessageBoxes& boxes, platform::BusyPointer& pointer,
                    MessageDisplay& messages, runtime::RandomSource& random)
        : boxes(boxes), pointer(pointer), messages(messages), random(random) {}

    platform::MessageBoxes& boxes;
    platform::BusyPointer& pointer;
    MessageDisplay& messages;
    runtime::RandomSource& random;
    // Seeds the random sequence once, at load.
    std::function<void()> randomize = runtime::Randomize;
    // The window's opacity; null for the window's own.
    platform::WindowOpacity* opacity = nullptr;

    // Reports an error that escaped a handler, the way the runtime does, and ends the program
    // (the application object's report). When empty the error goes on to the application.
    std::function<void(const std::exception* error)> reportUncaughtError;

    // The About dialog and the default browser. A window given neither (a test's) does nothing
    // on a click on About or on the link.
    std::function<void()> showAbout = [] {};
    std::function<void(const QString& address)> openWebAddress = [](const QString&) {};
};

} // namespace ui
