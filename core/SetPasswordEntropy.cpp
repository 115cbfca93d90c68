#include "core/SetPasswordEntropy.h"

#include "core/EveryBody.h"
#include "core/ValueMaskStrength.h"
#include "platform/runtime/format/DateLocale.h"
#include "platform/runtime/format/Format.h"
#include "platform/runtime/format/FormatSections.h"

#include <QHash>
#include <QLocale>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace core {
namespace {

namespace format = runtime::format;

bool isAsciiDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

QString textOf(char32_t c) {
    return QString::fromUcs4(&c, 1);
}

// A text mask that folds the case: each position shows the fold of its character, so the
// characters that fold alike count as one. The fold is the one the mask applies to the whole
// text, character by character, so the mask itself is formatted only twice.
PasswordEntropy foldedEntropy(const CharacterSets& sets, qint32 length, const QString& mask,
                              double bits) {
    const bool upper = runtime::Format(QStringLiteral("a"), mask).contains(u'A');
    const QList<char32_t> alphabet = sets.alphabet();
    QHash<QString, qsizetype> folds;
    bool oneCharacterEach = true;
    for (const char32_t c : alphabet) {
        const QString folded = upper ? textOf(c).toUpper() : textOf(c).toLower();
        oneCharacterEach = oneCharacterEach && folded.toUcs4().size() == 1;
        ++folds[folded];
    }
    PasswordEntropy entropy;
    if (folds.size() < alphabet.size())
        entropy.alike = AlikeReason::OneCase;
    const auto size = static_cast<double>(alphabet.size());
    double perPosition = 0;
    for (const qsizetype k : std::as_const(folds))
        perPosition -= static_cast<double>(k) / size * std::log2(static_cast<double>(k) / size);
    if (oneCharacterEach && !sets.everyClass) {
        entropy.bits = length * perPosition;
        return entropy;
    }
    // A fold of two characters ("ß" to "SS") can meet two folds of one.
    if (!oneCharacterEach)
        entropy.alike = AlikeReason::OneCase;
    entropy.figure = PasswordEntropy::Figure::AtMost;
    entropy.bits = std::min(bits, length * std::log2(static_cast<double>(folds.size())));
    return entropy;
}

// Whether some month name, in the user's language or English, can be spelled with the letters.
bool spellsMonthName(const QSet<QString>& letters) {
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    for (const QLocale& locale : {QLocale(), english}) {
        for (int month = 1; month <= 12; ++month) {
            for (const auto form : {QLocale::ShortFormat, QLocale::LongFormat}) {
                const QString name = locale.toLower(locale.monthName(month, form));
                if (!name.isEmpty() && std::all_of(name.begin(), name.end(), [&](QChar c) {
                        return letters.contains(QString(c));
                    }))
                    return true;
            }
        }
    }
    return false;
}

// What the number and date readers can take from the alphabet besides its digits.
MixedAlphabet mixedAlphabetOf(const CharacterSets& sets, qint32 length) {
    const QLocale locale;
    const format::DateLocale dates = format::DateLocale::of(locale);
    // "&" reads as a radix number only before H or O and a digit: three characters at least.
    const QString valueMarks = QStringLiteral("+-().,:/") +
                               (length >= 3 ? QStringLiteral("&") : QString()) +
                               locale.currencySymbol() + locale.decimalPoint() +
                               locale.groupSeparator() + dates.dateSeparator + dates.timeSeparator;
    MixedAlphabet mixed;
    QSet<QString> letters;
    double digits = 0;
    for (const char32_t c : sets.alphabet()) {
        const QString text = textOf(c);
        if (isAsciiDigit(c)) {
            mixed.digits |= static_cast<DigitSet>(1U << (c - U'0'));
            ++digits;
        } else if (QChar::isLetter(c)) {
            letters.insert(locale.toLower(text));
            // An exponent ("1E5") can be smaller than every body of digits alone.
            mixed.anyValue = mixed.anyValue || text.compare(u"e", Qt::CaseInsensitive) == 0 ||
                             text.compare(u"d", Qt::CaseInsensitive) == 0;
        } else if (QChar::isSpace(c) || valueMarks.contains(text)) {
            mixed.anyValue = true;
        }
    }
    mixed.markers =
        letters.contains(QStringLiteral("a")) || letters.contains(QStringLiteral("p")) ||
        (!locale.amText().isEmpty() &&
         std::all_of(locale.amText().begin(), locale.amText().end(),
                     [&](QChar c) { return letters.contains(locale.toLower(QString(c))); }));
    mixed.monthNames = spellsMonthName(letters);
    // With every class, a body of digits alone is one only when no class lacks digits.
    const bool digitBodies =
        !sets.everyClass ||
        std::all_of(sets.classes.begin(), sets.classes.end(), [](const QList<char32_t>& k) {
            return std::any_of(k.begin(), k.end(), isAsciiDigit);
        });
    mixed.digitShare = digitBodies ? std::pow(digits / static_cast<double>(sets.alphabetSize()),
                                              static_cast<double>(length))
                                   : 0.0;
    return mixed;
}

} // namespace

PasswordEntropy ComputeSetPasswordEntropy(const CharacterSets& sets, qint32 length,
                                          const QString& mask, double mostBodiesTried) {
    PasswordEntropy entropy;
    entropy.bits = SetBodyBits(sets, length);
    if (mask.isEmpty())
        return entropy;
    if (format::isTextFormat(mask))
        return TextMaskFoldsCase(mask) ? foldedEntropy(sets, length, mask, entropy.bits) : entropy;

    const QList<char32_t> alphabet = sets.alphabet();
    const double bodies =
        std::pow(static_cast<double>(alphabet.size()), static_cast<double>(length));
    if (bodies <= mostBodiesTried &&
        EveryBodyCost(bodies, length, mask) <= kMostCharactersFormatted) {
        PositionChoices choices;
        std::uint32_t required = 0;
        for (qsizetype k = 0; k < sets.classes.size(); ++k) {
            const std::uint32_t bit = sets.everyClass ? std::uint32_t{1} << k : 0;
            required |= bit;
            for (const char32_t c : sets.classes[k]) {
                choices.characters.append(c);
                choices.chances.append(1.0 / static_cast<double>(alphabet.size()));
                choices.classes.append(bit);
            }
        }
        return EntropyOfEveryBody(mask, length, choices, choices, required);
    }
    // Only digits make a number or a date, or "&" a radix number ("&HAB"): without them every
    // body comes back unchanged.
    const bool digits = std::any_of(alphabet.begin(), alphabet.end(), isAsciiDigit);
    if (!digits && !alphabet.contains(U'&'))
        return entropy;
    if (std::all_of(alphabet.begin(), alphabet.end(), isAsciiDigit)) {
        DigitSet set = 0;
        for (const char32_t c : alphabet)
            set |= static_cast<DigitSet>(1U << (c - U'0'));
        return MaskedEntropy(entropy.bits, digitBodiesStrength(mask, length, set));
    }
    return MaskedEntropy(entropy.bits, mixedBodiesStrength(mask, length, entropy.bits,
                                                           mixedAlphabetOf(sets, length)));
}

} // namespace core
