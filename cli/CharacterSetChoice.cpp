#include "cli/CharacterSetChoice.h"

#include <QCoreApplication>
#include <QSet>

#include <algorithm>

namespace cli {
namespace {

QList<char32_t> range(char32_t first, char32_t last) {
    QList<char32_t> characters;
    for (char32_t c = first; c <= last; ++c)
        characters.append(c);
    return characters;
}

QList<char32_t> codePoints(const QString& text) {
    const QList<uint> ucs4 = text.toUcs4();
    return {ucs4.begin(), ucs4.end()};
}

} // namespace

std::variant<core::CharacterSets, QString> chooseCharacterSets(const CharacterSetOptions& options) {
    QList<QList<char32_t>> wanted;
    const bool fromType = options.typeGiven || options.chars.isEmpty();
    if (fromType && options.type != core::NumbersOnly) {
        if (options.letterCase != core::UpperCases)
            wanted.append(range(U'a', U'z'));
        if (options.letterCase != core::LowerCases)
            wanted.append(range(U'A', U'Z'));
    }
    if (fromType && options.type != core::AlphabetsOnly)
        wanted.append(range(U'0', U'9'));
    if (options.symbols)
        wanted.append(codePoints(QString::fromUcs4(core::kSymbols)));
    if (!options.chars.isEmpty()) {
        const QList<char32_t> own = codePoints(options.chars);
        // A password is one line of visible text: no control, format or separator characters.
        if (!std::all_of(own.begin(), own.end(), [](char32_t c) { return QChar::isPrint(c); }))
            return QCoreApplication::translate(
                "keywright-cli", "--chars holds a character that cannot be shown in a password");
        wanted.append(own);
    }

    QSet<char32_t> taken;
    for (const char32_t c : codePoints(options.exclude))
        taken.insert(c);
    if (options.excludeSimilar) {
        for (const char32_t c : codePoints(QString::fromUcs4(core::kSimilarCharacters)))
            taken.insert(c);
    }
    core::CharacterSets sets;
    sets.everyClass = options.everyClass;
    for (const QList<char32_t>& characters : std::as_const(wanted)) {
        QList<char32_t> kept;
        for (const char32_t c : characters) {
            if (!taken.contains(c)) {
                kept.append(c);
                taken.insert(c); // each character once, in its first class
            }
        }
        if (!kept.isEmpty())
            sets.classes.append(kept);
        else if (options.everyClass)
            return QCoreApplication::translate(
                "keywright-cli", "--every-class: a chosen class has no characters of its own left");
    }
    if (sets.classes.isEmpty())
        return QCoreApplication::translate("keywright-cli",
                                           "no characters are left to make a password from");
    return sets;
}

} // namespace cli
