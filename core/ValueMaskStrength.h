#pragma once

#include <QString>
#include <QtGlobal>

#include <cstdint>

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
    UnchangedBodies,   // a body left as it is can match another body's formatted text
    FieldsRunTogether, // date fields run together, so different dates can show alike
    ReadAsValues,      // some bodies read as numbers or dates, which the mask can show alike
    OneCase,           // the mask shows every letter in one case
};

// The digits a body may hold, a bit each (bit d for the digit d).
using DigitSet = std::uint16_t;
inline constexpr DigitSet kAllDigits = 0x3FF;

// What an alphabet of more than digits holds that the number and date readers take.
struct MixedAlphabet {
    DigitSet digits = 0;
    // The chance that a body is made of digits alone, each such body as likely as another.
    double digitShare = 0;
    // Signs, points, blanks, parentheses or separators: bodies may read as any value.
    bool anyValue = false;
    // Letters that make a morning or evening marker ("5A", "5PM").
    bool markers = false;
    // Letters that spell a month's name ("1JAN2000").
    bool monthNames = false;
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

// Bodies of `length` digits from `digits`, each equally likely.
MaskStrength digitBodiesStrength(const QString& mask, qint32 length, DigitSet digits = kAllDigits);

// Bodies of more than digits whose entropy is bodyBits: those of digits alone are reasoned about
// as above, the others bounded by what is left of the body's entropy.
MaskStrength mixedBodiesStrength(const QString& mask, qint32 length, double bodyBits,
                                 const MixedAlphabet& alphabet);

} // namespace core
