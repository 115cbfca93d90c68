#pragma once

#include <QString>
#include <QtGlobal>

namespace cli {

// The length text read as the window reads it, with one rule of the command line's own: a length
// that gives an empty body (0, "0.5", "(5)", "5-") is refused, since a script that asks for a
// password must not get an empty line with success.
struct LengthCheck {
    qint32 length = 0; // 1 to the longest body, when error is empty
    QString error;     // the reason, naming the input, for the error line
};

LengthCheck checkLength(const QString& lengthText);

} // namespace cli
