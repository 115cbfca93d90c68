#pragma once

#include "core/CharacterSets.h"
#include "core/GenerationSettings.h"

#include <QByteArray>
#include <QList>
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
    // Generate, Entropy: the body drawn from these sets instead of the window's draws.
    std::optional<core::CharacterSets> sets;
    QString text, mask;      // FormatText
    int firstDayOfWeek = 1;  // FormatText
    int firstWeekOfYear = 1; // FormatText
    QString message;         // Help text, or the error line
};

// Reads the arguments (the program name first).
Request parseCommandLine(const QStringList& arguments);

// The error line for the first argument after the program name that is not UTF-8 text, already
// escaped for the terminal; nothing when every argument is.
std::optional<QString> undecodableArgument(const QList<QByteArray>& arguments);

} // namespace cli
