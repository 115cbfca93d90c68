#include "core/CharacterSets.h"

#include "core/ComposePassword.h"
#include "core/ValueMaskStrength.h"
#include "platform/runtime/StringOps.h"
#include "platform/runtime/format/Format.h"
#include "platform/runtime/format/FormatSections.h"

#include <QHash>

#include <algorithm>
#include <bit>
#include <cmath>

namespace core {
namespace {

constexpr std::uint32_t kTwoTo24 = std::uint32_t{1} << 24;

QList<char32_t> alphabetOf(const CharacterSets& sets) {
    QList<char32_t> alphabet;
    for (const QList<char32_t>& characters : sets.classes)
        alphabet.append(characters);
    return alphabet;
}

// log2 of the number of bodies, every one as likely: |A|^L; with every class, by inclusion and
// exclusion over the classes, the share of them that misses none: for each set S of classes, the
// bodies made without S's characters, (1 - |S| / |A|)^L of them, taken away or added back.
double bodyBits(const CharacterSets& sets, qint32 length) {
    const auto size = static_cast<double>(sets.alphabetSize());
    const double all = length * std::log2(size);
    if (!sets.everyClass)
        return all;
    const auto count = static_cast<std::uint32_t>(sets.classes.size());
    double share = 0;
    for (std::uint32_t subset = 0; subset < (std::uint32_t{1} << count); ++subset) {
        double left = size;
        for (std::uint32_t k = 0; k < count; ++k)
            left -= (subset >> k) & 1 ? static_cast<double>(sets.classes[k].size()) : 0.0;
        const double term = std::pow(left / size, length);
        share += std::popcount(subset) % 2 != 0 ? -term : term;
    }
    return all + std::log2(share);
}

bool isAsciiDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

// A text mask that folds the case: each position shows the fold of its character, so the
// characters that fold alike count as one.
PasswordEntropy foldedEntropy(const CharacterSets& sets, qint32 length, const QString& mask,
                              double bits) {
    const QList<char32_t> alphabet = alphabetOf(sets);
    QHash<QString, qsizetype> folds;
    bool oneCharacterEach = true;
    const qsizetype plainSize = runtime::Format(QStringLiteral("a"), mask).size();
    for (const char32_t c : alphabet) {
        const QString folded = runtime::Format(QString::fromUcs4(&c, 1), mask);
        oneCharacterEach = oneCharacterEach && folded.size() == plainSize;
        ++folds[folded];
    }
    PasswordEntropy entropy;
    const auto size = static_cast<double>(alphabet.size());
    double perPosition = 0;
    for (const qsizetype k : std::as_const(folds))
        perPosition -= static_cast<double>(k) / size * std::log2(static_cast<double>(k) / size);
    if (oneCharacterEach && !sets.everyClass) {
        entropy.bits = length * perPosition;
        return entropy;
    }
    entropy.figure = PasswordEntropy::Figure::AtMost;
    entropy.bits = std::min(bits, length * std::log2(static_cast<double>(folds.size())));
    return entropy;
}

} // namespace

qsizetype CharacterSets::alphabetSize() const {
    qsizetype size = 0;
    for (const QList<char32_t>& characters : classes)
        size += characters.size();
    return size;
}

SetBodyDrawer::SetBodyDrawer(const CharacterSets& sets)
    : alphabet_(alphabetOf(sets)), size_(static_cast<std::uint64_t>(alphabet_.size())),
      threshold_(size_ == 0 ? 0 : kTwoTo24 % size_) {
    for (qsizetype k = 0; k < sets.classes.size(); ++k) {
        const std::uint32_t bit = sets.everyClass ? std::uint32_t{1} << k : 0;
        allClasses_ |= bit;
        for (const char32_t c : sets.classes[k]) {
            classBit_.append(bit);
            wide_ = wide_ || QChar::requiresSurrogates(c);
        }
    }
}

void SetBodyDrawer::appendCodePoint(QString& body, char32_t c) {
    if (QChar::requiresSurrogates(c)) {
        body.append(QChar(QChar::highSurrogate(c)));
        body.append(QChar(QChar::lowSurrogate(c)));
    } else {
        body.append(QChar(static_cast<char16_t>(c)));
    }
}

PasswordEntropy ComputeSetPasswordEntropy(const CharacterSets& sets, qint32 length,
                                          const QString& mask) {
    PasswordEntropy entropy;
    entropy.bits = bodyBits(sets, length);
    if (mask.isEmpty())
        return entropy;
    if (runtime::format::isTextFormat(mask))
        return TextMaskFoldsCase(mask) ? foldedEntropy(sets, length, mask, entropy.bits) : entropy;
    // Only digits make a number or a date, or "&" a radix number ("&HAB"): without them every
    // body comes back unchanged.
    const QList<char32_t> alphabet = alphabetOf(sets);
    const bool digits = std::any_of(alphabet.begin(), alphabet.end(), isAsciiDigit);
    if (!digits && !alphabet.contains(U'&'))
        return entropy;
    if (alphabet.size() == 10 && std::all_of(alphabet.begin(), alphabet.end(), isAsciiDigit))
        return MaskedEntropy(entropy.bits, digitBodiesStrength(mask, length));
    return MaskedEntropy(entropy.bits, mixedBodiesStrength(mask, length, entropy.bits, true));
}

void ComposeSetPasswordInto(QString& password, const GenerationSettings& settings,
                            const SetBodyDrawer& drawer, qint32 length,
                            runtime::SystemRandomSource& source) {
    if (password.size() > length)
        runtime::overwrite(password); // nothing of the longer text stays behind the new one
    const auto next = [&source] { return source.nextWholeNumber(); };
    if (settings.mask.isEmpty() && settings.prefix.isEmpty() && settings.suffix.isEmpty()) {
        drawer.draw(password, length, next);
        return;
    }
    QString body;
    drawer.draw(body, length, next);
    FinishPassword(password, body, settings);
}

} // namespace core
