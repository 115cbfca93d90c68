#pragma once

#include "core/GenerationSettings.h"
#include "core/ValueMaskStrength.h"

namespace core {

// What the passwords of one set of settings are worth: the Shannon entropy, in bits, of the text
// ComposePassword returns, worked out from the draws it takes. Prefix and suffix add nothing.
struct PasswordEntropy {
    // Exact: worked out exactly (no mask, a text mask, a mask that keeps every body apart, or
    // every body tried). About: the entropy of the mask's texts, counted, exact up to rounding.
    // AtMost: an upper bound, the number of texts the mask can make and never more than the
    // body's own entropy.
    enum class Figure { Exact, About, AtMost };
    double bits = 0.0;
    Figure figure = Figure::Exact;
    // Why a number, date or named mask can make different bodies come out alike, with the
    // figure the reason names (digits, a rounding step, a count of texts).
    AlikeReason alike = AlikeReason::None;
    double alikeFigure = 0.0;
    // The mask can make the body an empty text.
    bool emptyBody = false;
};

// Bodies few enough to format one by one through a number or date mask: their texts are then
// counted exactly. Tests pass a lower figure to check the reasoning that serves longer bodies.
inline constexpr double kMostBodiesTried = 65536;

// Raises like ComposePassword before its first draw: Type mismatch or Overflow for the length
// text, Invalid procedure call for a type out of range. Each draw is taken as uniform over its
// range; the 2^-24 steps of the source shift that by less than 1e-11 bits a character.
PasswordEntropy ComputePasswordEntropy(const GenerationSettings& settings,
                                       double mostBodiesTried = kMostBodiesTried);

// The figure of a body of bodyBits through a number, date or named mask, as strength says.
PasswordEntropy MaskedEntropy(double bodyBits, const MaskStrength& strength);

// True when a text mask turns the whole text to one case, which shows in what it makes of "a"
// and "A".
bool TextMaskFoldsCase(const QString& mask);

} // namespace core
