#pragma once

#include "core/ComposePassword.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace ui {

// Lets window events run while a password is composed, so that the message window is painted
// and the window keeps answering (a close, the fade-out's timer); the disabled main window takes
// no input meanwhile. Called after every character, it hands control to the event loop only once
// kIntervalMs have passed since the composition began or since it last did: a full turn of the
// loop after every character cost far more than the composition itself, and a short composition
// is over before anything could be seen. Qt offers no cheap way to ask whether events wait, so
// the clock decides, read every kCallsPerClockRead calls.
class ProcessEventsYield final : public core::Yield {
public:
    static constexpr qint64 kIntervalMs = 8;
    static constexpr unsigned kCallsPerClockRead = 64;

    ProcessEventsYield() { sinceLastTurn_.start(); }

    void operator()() override {
        if (++calls_ % kCallsPerClockRead != 0 || sinceLastTurn_.elapsed() < kIntervalMs)
            return;
        QCoreApplication::processEvents();
        sinceLastTurn_.start();
    }

private:
    QElapsedTimer sinceLastTurn_;
    unsigned calls_ = 0;
};

} // namespace ui
