#include "core/EveryBody.h"

#include "platform/runtime/StringOps.h"
#include "platform/runtime/format/Format.h"

#include <QHash>

#include <cmath>
#include <utility>

namespace core {

TextKey textKeyOf(const QString& text) {
    constexpr size_t kSecondSeed = 0x9e3779b97f4a7c15ULL;
    return {qHash(text, size_t{0}), qHash(text, kSecondSeed)};
}

double EveryBodyCost(double bodies, qint32 length, const QString& mask) {
    constexpr double kCallOverhead = 64; // characters' worth of work in one call besides them
    return bodies *
           (static_cast<double>(length) + static_cast<double>(mask.size()) + kCallOverhead);
}

PasswordEntropy EntropyOfEveryBody(const QString& mask, qint32 length,
                                   const PositionChoices& others, const PositionChoices& last,
                                   std::uint32_t requiredClasses) {
    std::unordered_map<TextKey, double, TextKeyHash> chances;
    QList<qsizetype> index(length, 0);
    QString body;
    PasswordEntropy entropy;
    double kept = 0;
    while (true) {
        double chance = 1.0;
        std::uint32_t seen = 0;
        body.truncate(0);
        for (qint32 k = 0; k < length; ++k) {
            const PositionChoices& choices = k + 1 == length ? last : others;
            const qsizetype i = index[k];
            runtime::appendCodePoint(body, choices.characters[i]);
            chance *= choices.chances[i];
            seen |= choices.classes.isEmpty() ? 0 : choices.classes[i];
        }
        if ((seen & requiredClasses) == requiredClasses) {
            const QString text = runtime::Format(body, mask, runtime::kFirstDayOfWeekSunday,
                                                 runtime::kFirstWeekOfYearJan1);
            entropy.emptyBody = entropy.emptyBody || text.isEmpty();
            double& known = chances[textKeyOf(text)];
            if (known > 0)
                entropy.alike = AlikeReason::FewTexts;
            known += chance;
            kept += chance;
        }
        qint32 position = 0;
        while (position < length &&
               ++index[position] == (position + 1 == length ? last : others).characters.size())
            index[position++] = 0;
        if (position == length)
            break;
    }
    for (const auto& [key, chance] : chances) {
        const double p = chance / kept;
        entropy.bits -= p * std::log2(p);
    }
    entropy.bits = std::max(0.0, entropy.bits);
    // Counted exactly, but no longer the body's own entropy: "about", as any count of texts.
    if (entropy.alike != AlikeReason::None)
        entropy.figure = PasswordEntropy::Figure::About;
    entropy.alikeFigure = static_cast<double>(chances.size());
    return entropy;
}

} // namespace core
