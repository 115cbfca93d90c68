#pragma once

#include "GenerationSettings.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace cli {

// What the command line asks for, or why it cannot be done.
struct Request {
    enum class Kind { Generate, Entropy, FormatText, Help, Version, Error };
    Kind kind = Kind::Generate;
    core::GenerationSettings settings; // Generate, Entropy
    quint64 count = 1;                 // Generate
    QString text, mask;                // FormatText
    int firstDayOfWeek = 1;            // FormatText
    int firstWeekOfYear = 1;           // FormatText
    QString message;                   // Help text, or the error line
};

// Reads the arguments (the program name first).
Request parseCommandLine(const QStringList& arguments);

} // namespace cli
