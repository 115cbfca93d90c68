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

// The settings of one press of Generate.
struct GenerationSettings {
    QString lengthText = QStringLiteral("6"); // converted only while composing
    qint16 type = AlphabetsAndNumbers;
    qint16 pwdCase = MixedCases;
    QString prefix;
    QString suffix;
    QString mask; // a format text applied to the body
};

} // namespace core
