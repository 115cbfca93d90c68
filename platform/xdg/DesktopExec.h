#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The command lines of desktop entries (the Exec key): how they split into a program and its
// arguments, how an argument is quoted, and the command that opens one address.
namespace platform {

struct DesktopApplication;

// Splits a command line at spaces and tabs. An argument that opens with a double quote runs to
// the closing quote, spaces included, and inside it a backslash escapes " ` $ and \. Every other
// character, a quote inside a word included, is taken literally: nothing is expanded or
// interpreted. Nothing for an unclosed quote.
std::optional<QStringList> splitExecLine(const QString& line);

// One argument as a command line writes it: in double quotes, with " ` $ and \ escaped, when it
// is empty or holds a blank or any character a shell would read; as it is otherwise.
// splitExecLine gives it back unchanged.
QString quoteExecArgument(const QString& argument);

// The command line that starts application on one address written after it, one space apart:
// - the first argument becomes the program found for it, so that the command starts what was
//   found installed;
// - %u, %U, %f and %F are removed: the address always comes last, also where the entry puts
//   it before other arguments (programs take their options before or after an address alike,
//   while dropping the arguments after it would lose what the entry asks for);
// - %i becomes --icon and the icon (nothing without one), %c the name, %k the entry's file,
//   %% a percent sign; the deprecated and unknown codes are removed, and so is an argument that
//   held nothing but codes that expand to nothing;
// - each argument quoted by quoteExecArgument;
// - with Terminal=true, the whole inside the terminal's command (terminalCommand); "" when
//   there is no terminal to run it in.
QString commandForAddress(const DesktopApplication& application, const QStringList& terminal);

// The desktop's terminal and the option that makes it run a command: x-terminal-emulator -e
// where it exists (the system's choice on Debian), else the first found of a few common
// terminals, each program as found on searchPath. Empty when there is none.
QStringList terminalCommand(const QStringList& searchPath);

} // namespace platform
