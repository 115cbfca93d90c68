#pragma once

#include <QStringList>
#include <QTextStream>

#include <optional>

namespace app {

// Answers --version and --help (and -v, -h) on out, before any window or display is touched.
// Returns the exit code when the program has answered, nothing when it should start; every
// other argument is left to Qt (-platform, -style and the like).
// Whether the arguments ask for --version or --help, which answer without a window.
bool asksForInformation(const QStringList& arguments);

std::optional<int> answerInformationOptions(const QStringList& arguments, QTextStream& out);

} // namespace app
