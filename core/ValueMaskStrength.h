#pragma once

#include <QString>
#include <QtGlobal>

// What a number, date or named mask leaves of the strength of the bodies it reads as values,
// reasoned from the mask's structure and the body's alphabet.
namespace core {

// Why a mask can make different bodies come out alike.
enum class AlikeReason {
    None,
    FewTexts,          // the mask shows at most `figure` different texts
    Rounding,          // the mask rounds the number to multiples of `figure`
    SignificantDigits, // the mask shows at most `figure` significant digits
    NumberPrecision,   // a body read as a number keeps at most 17 significant digits
    PartOfDate,        // the mask shows only part of the date
    Spellings,         // bodies that spell the same number or date differently
    UnchangedBodies,   // a body left as it is can match another body's formatted text
};

struct MaskStrength {
    double bits = 0.0;
    // True when bits is the entropy of the texts up to rounding; false for an upper bound.
    bool counted = false;
    // True when the mask keeps every body apart: bits is the body's own entropy, exactly.
    bool oneToOne = false;
    AlikeReason alike = AlikeReason::None;
    double alikeFigure = 0.0;
    // Some body comes out as the empty text.
    bool emptyText = false;
};

// Bodies of `length` digits, each of the 10^length equally likely.
MaskStrength digitBodiesStrength(const QString& mask, qint32 length);

// Bodies of letters and digits (3 characters or more) whose entropy is bodyBits: almost all of
// them are left as they are; the few that read as numbers or dates are bounded by the body.
// anyValue: the alphabet holds signs or points too, so that any value may be read.
MaskStrength mixedBodiesStrength(const QString& mask, qint32 length, double bodyBits,
                                 bool anyValue);

} // namespace core
