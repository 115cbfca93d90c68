#pragma once

#include "core/CharacterSets.h"

#include <QString>

#include <variant>

namespace cli {

// What the character-set options ask for.
struct CharacterSetOptions {
    core::PasswordType type = core::AlphabetsAndNumbers;
    core::PasswordCase letterCase = core::MixedCases;
    bool typeGiven = false; // -t on the command line: its classes join --chars
    bool symbols = false;
    QString chars;
    QString exclude;
    bool excludeSimilar = false;
    bool everyClass = false;
};

// The classes of the alphabet: -t's (small letters, capitals as -c says, digits), then symbols,
// then the user's own characters (alone when -t is not given), each character once and in its
// first class, the excluded ones taken out. The error line when no character is left, or when a
// class that every password must hold has none left.
std::variant<core::CharacterSets, QString> chooseCharacterSets(const CharacterSetOptions& options);

} // namespace cli
