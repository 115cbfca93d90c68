#pragma once

#include "GenerationSettings.h"

namespace core {

// What the passwords of one set of settings are worth: the Shannon entropy, in bits, of the text
// ComposePassword returns, worked out from the draws it takes. Prefix and suffix add nothing.
struct PasswordEntropy {
    double bits = 0.0;
    // True when bits is the entropy of the output itself. A text mask (@ & < > !) only moves the
    // characters and may fold their case, which is counted exactly. A number, date or named mask
    // reads the body as a value and may show different bodies alike: bits is then the body's
    // entropy, an upper bound, and exact is false.
    bool exact = true;
};

// Raises like ComposePassword before its first draw: Type mismatch or Overflow for the length
// text, Invalid procedure call for a type out of range. Each draw is taken as uniform over its
// range; the 2^-24 steps of the source shift that by less than 1e-11 bits a character.
PasswordEntropy ComputePasswordEntropy(const GenerationSettings& settings);

} // namespace core
