#pragma once

#include "platform/runtime/RuntimeError.h"

#include <QByteArrayView>
#include <QString>

namespace cli {

// The text as one harmless line for a terminal: control and format characters, line and
// paragraph separators and lone surrogates written as escapes (\n, \t, \r, \xHH, \uHHHH,
// \UHHHHHHHH), and the backslash doubled so that the escapes cannot be mistaken for typed text.
QString printable(const QString& text);

// Bytes that should be UTF-8, shown as printable() shows text, with every byte that is not part
// of a well-formed UTF-8 sequence written as \xHH.
QString printableBytes(QByteArrayView bytes);

// The length of the well-formed UTF-8 sequence that starts the bytes (1 to 4), or 0.
qsizetype utf8SequenceLength(QByteArrayView bytes);

// What went wrong, as the runtime names it: "Overflow (run-time error 6)".
QString reason(const runtime::RuntimeError& error);

} // namespace cli
