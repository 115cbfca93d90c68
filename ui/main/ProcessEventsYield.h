#pragma once

#include "ComposePassword.h"

#include <QCoreApplication>

namespace ui {

// Lets pending window events run while a password is composed, so that the message window is
// painted; the disabled main window takes no input meanwhile.
class ProcessEventsYield final : public core::Yield {
public:
    void operator()() override { QCoreApplication::processEvents(); }
};

} // namespace ui
