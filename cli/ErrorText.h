#pragma once

#include "RuntimeError.h"

#include <QString>

namespace cli {

// The text as one harmless line for a terminal: control and format characters, line and
// paragraph separators and lone surrogates written as escapes (\n, \t, \r, \xHH, \uHHHH,
// \UHHHHHHHH), and the backslash doubled so that the escapes cannot be mistaken for typed text.
QString printable(const QString& text);

// What went wrong, as the runtime names it: "Overflow (run-time error 6)".
QString reason(const runtime::RuntimeError& error);

} // namespace cli
