#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The command lines of desktop entries (the Exec key): how they split into a program and its
// arguments, and their field codes.
namespace platform {

// Splits a command line at spaces and tabs. An argument that opens with a double quote runs to
// the closing quote, spaces included, and inside it a backslash escapes " ` $ and \. Every other
// character, a quote inside a word included, is taken literally: nothing is expanded or
// interpreted. Nothing for an unclosed quote.
std::optional<QStringList> splitExecLine(const QString& line);

// Removes the field codes (%u, %U, %f, %F, %i, %c, %k and the deprecated ones) and the spaces
// left at either end; %% becomes %.
QString removeFieldCodes(const QString& exec);

} // namespace platform
