#pragma once

#include <QIcon>

namespace ui {

// The program icon (a key above a password field) in 16, 24, 32 and 48 pixels, shared by every
// window of the program.
QIcon programIcon();

} // namespace ui
