#pragma once

#include <QString>
#include <QtGlobal>

namespace core {

// Character type of the password body: the index of the chosen type option.
enum PasswordType : qint16 {
    AlphabetsOnly = 0,
    NumbersOnly = 1,
    AlphabetsAndNumbers = 2,
};

// Letter case of the password body: the index of the chosen case option.
enum PasswordCase : qint16 {
    LowerCases = 0,
    UpperCases = 1,
    MixedCases = 2,
};

// The window's length rule: its length box takes a number from 4 to 255 and starts at 6. The
// composition itself takes any length; keywright-cli checks lengths of its own.
inline constexpr qint16 kMinimumLength = 4;
inline constexpr qint16 kMaximumLength = 255;
inline constexpr qint16 kDefaultLength = 6;

// The settings of one press of Generate.
struct GenerationSettings {
    QString lengthText = QString::number(kDefaultLength); // converted only while composing
    // A PasswordType and a PasswordCase, held as the numbers a caller may pass: an unknown type
    // fails the composition, an unknown case leaves the letters as drawn.
    qint16 type = AlphabetsAndNumbers;
    qint16 pwdCase = MixedCases;
    QString prefix;
    QString suffix;
    QString mask; // a format text applied to the body
};

} // namespace core
