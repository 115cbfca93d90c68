#pragma once

#include <QStringList>
#include <QTextStream>

#include <optional>

namespace app {

// Whether the arguments ask for --version or --help (or -v, -h), which answer without a window.
bool asksForInformation(const QStringList& arguments);

// Answers --version and --help on out, before any window or display is touched. Returns the exit
// code when the program has answered, nothing when it should start; every other argument is left
// to Qt (-platform, -style and the like).
std::optional<int> answerInformationOptions(const QStringList& arguments, QTextStream& out);

} // namespace app
