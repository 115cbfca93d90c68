#include "MaskWarning.h"

#include <QCoreApplication>

#include "PasswordEntropy.h"
#include "RuntimeError.h"

namespace cli {

std::optional<QString> maskWarning(const core::GenerationSettings& settings) {
    if (settings.mask.isEmpty())
        return std::nullopt;
    core::PasswordEntropy entropy;
    try {
        entropy = core::ComputePasswordEntropy(settings);
    } catch (const runtime::RuntimeError&) {
        return std::nullopt; // the generation itself reports what is wrong
    }
    if (!entropy.alike)
        return std::nullopt;
    return alikeWarning(entropy.bits);
}

QString alikeWarning(double bits) {
    return QCoreApplication::translate(
               "keywright-cli",
               "warning: this mask makes different passwords come out alike, so they "
               "are weaker than their length suggests (about %1 bits; see --entropy)")
        .arg(bits, 0, 'f', 2);
}

} // namespace cli
