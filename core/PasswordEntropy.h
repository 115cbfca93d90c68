#pragma once

#include "GenerationSettings.h"

namespace core {

// What the passwords of one set of settings are worth: the Shannon entropy, in bits, of the text
// ComposePassword returns, worked out from the draws it takes. Prefix and suffix add nothing.
struct PasswordEntropy {
    double bits = 0.0;
    // True when bits is the entropy of the output itself. A text mask (@ & < > !) only moves the
    // characters and may fold their case, which is counted exactly. A number, date or named mask
    // reads the body as a value and may show different bodies alike, so exact is false for it:
    // bits is the body's entropy, an upper bound, unless alike is set.
    bool exact = true;
    // Set when such a mask was seen to give two different bodies the same text, in a fixed sample
    // of bodies drawn like real ones (and the same bodies with their digits turned to 0): the
    // passwords can come out alike. bits is then measured from what the mask made of the sample,
    // never more than the body's entropy: 0 for a mask that gives one text whatever the body.
    bool alike = false;
};

// Raises like ComposePassword before its first draw: Type mismatch or Overflow for the length
// text, Invalid procedure call for a type out of range. Each draw is taken as uniform over its
// range; the 2^-24 steps of the source shift that by less than 1e-11 bits a character. Any error
// of Format on a sample body leaves that body out.
PasswordEntropy ComputePasswordEntropy(const GenerationSettings& settings);

} // namespace core
