#include "cli/MaskWarning.h"

#include <QCoreApplication>

namespace cli {
namespace {

QString reasonText(core::AlikeReason reason, double figure) {
    // Written as the strength is, so that the line reads alike in every language.
    const QString number = QString::number(figure, 'f', 0);
    switch (reason) {
    case core::AlikeReason::None:
        break;
    case core::AlikeReason::FewTexts:
        return QCoreApplication::translate("keywright-cli",
                                           "the mask shows at most %1 different texts")
            .arg(number);
    case core::AlikeReason::Rounding:
        return QCoreApplication::translate("keywright-cli",
                                           "the mask rounds the number to multiples of %1")
            .arg(number);
    case core::AlikeReason::SignificantDigits:
        return QCoreApplication::translate("keywright-cli",
                                           "the mask shows at most %1 significant digits")
            .arg(number);
    case core::AlikeReason::NumberPrecision:
        return QCoreApplication::translate(
            "keywright-cli", "a body read as a number keeps at most 17 significant digits");
    case core::AlikeReason::PartOfDate:
        return QCoreApplication::translate("keywright-cli", "the mask shows only part of the date");
    case core::AlikeReason::FieldsRunTogether:
        return QCoreApplication::translate(
            "keywright-cli",
            "the mask runs date fields together, so different dates can show alike");
    case core::AlikeReason::ReadAsValues:
        return QCoreApplication::translate(
            "keywright-cli",
            "some bodies read as numbers or dates, and the mask can show them alike");
    case core::AlikeReason::OneCase:
        return QCoreApplication::translate("keywright-cli",
                                           "the mask shows every letter in one case");
    case core::AlikeReason::UnchangedBodies:
        return QCoreApplication::translate(
            "keywright-cli",
            "a body the mask leaves unchanged can match another body's formatted text");
    }
    return {};
}

} // namespace

QString strengthText(const core::PasswordEntropy& entropy) {
    using Figure = core::PasswordEntropy::Figure;
    const QString qualifier = entropy.figure == Figure::About
                                  ? QCoreApplication::translate("keywright-cli", "about ")
                              : entropy.figure == Figure::AtMost
                                  ? QCoreApplication::translate("keywright-cli", "at most ")
                                  : QString();
    return QCoreApplication::translate("keywright-cli", "%1%2 bits")
        .arg(qualifier)
        .arg(entropy.bits, 0, 'f', 2);
}

std::optional<QString> maskWarning(const core::PasswordEntropy& entropy) {
    if (entropy.alike == core::AlikeReason::None)
        return std::nullopt;
    return QCoreApplication::translate(
               "keywright-cli",
               "warning: this mask can make different passwords come out alike: %1; they are "
               "weaker than their length suggests (%2; see --entropy)")
        .arg(reasonText(entropy.alike, entropy.alikeFigure), strengthText(entropy));
}

QString emptyBodyError() {
    return QCoreApplication::translate(
        "keywright-cli",
        "the mask can turn a password into an empty text; choose a mask that always "
        "shows something");
}

} // namespace cli
