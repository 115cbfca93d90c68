#pragma once

#include "core/GenerationSettings.h"
#include "core/PasswordEntropy.h"
#include "platform/runtime/SystemRandomSource.h"

#include <QList>
#include <QString>

#include <cstdint>

// keywright-cli's own character sets: every character of the body drawn uniformly from one
// alphabet made of classes (small letters, capitals, digits, symbols, the user's own), beside the
// window's coin-and-range draws, which they leave as they are.
namespace core {

// The printable ASCII punctuation, 32 characters.
inline constexpr char32_t kSymbols[] = U"!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~";
// Characters easily taken for one another: 0 O o, 1 l I |, 5 S, 2 Z, 8 B.
inline constexpr char32_t kSimilarCharacters[] = U"0Oo1lI|5S2Z8B";

struct CharacterSets {
    // Disjoint, none empty, in the order chosen; the alphabet is all of them.
    QList<QList<char32_t>> classes;
    // At least one character of each class in every body.
    bool everyClass = false;

    qsizetype alphabetSize() const;
};

// Draws one body of `length` characters from the sets into `body`, whose memory is reused.
// Each character takes 24-bit numbers from `next` until one falls where every character of the
// alphabet has as many numbers (no bias), and is picked by multiplying (no division). With
// everyClass, a body that misses a class is drawn again, whole: every body that holds all the
// classes is then as likely as any other.
class SetBodyDrawer {
public:
    explicit SetBodyDrawer(const CharacterSets& sets);

    template <typename NextNumber>
    void draw(QString& body, qint32 length, NextNumber&& next) const {
        std::uint32_t seen = 0;
        do {
            seen = 0;
            if (wide_) {
                body.truncate(0); // the memory stays, overwritten as the body grows
                for (qint32 i = 0; i < length; ++i) {
                    const std::size_t index = pick(next);
                    seen |= classBit_[index];
                    appendCodePoint(body, alphabet_[index]);
                }
            } else {
                body.resize(length);
                char16_t* out = reinterpret_cast<char16_t*>(body.data());
                for (qint32 i = 0; i < length; ++i) {
                    const std::size_t index = pick(next);
                    seen |= classBit_[index];
                    out[i] = static_cast<char16_t>(alphabet_[index]);
                }
            }
        } while (seen != allClasses_);
    }

private:
    static constexpr int kNumberBits = 24;
    static constexpr std::uint64_t kLowBits = (std::uint64_t{1} << kNumberBits) - 1;

    template <typename NextNumber> std::size_t pick(NextNumber& next) const {
        std::uint64_t product = 0;
        do
            product = static_cast<std::uint64_t>(next()) * size_;
        while ((product & kLowBits) < threshold_);
        return static_cast<std::size_t>(product >> kNumberBits);
    }
    static void appendCodePoint(QString& body, char32_t c);

    QList<char32_t> alphabet_;
    std::uint64_t size_ = 0;
    QList<std::uint32_t> classBit_;
    std::uint32_t allClasses_ = 0;
    std::uint64_t threshold_ = 0; // 2^24 mod the alphabet's size
    bool wide_ = false;           // some character needs two UTF-16 units
};

// The strength of passwords made from the sets, then the mask: the entropy of the body is the
// logarithm of the number of bodies (every one as likely), counted with inclusion and exclusion
// over the classes for everyClass; a mask is reasoned about as for the window's settings.
PasswordEntropy ComputeSetPasswordEntropy(const CharacterSets& sets, qint32 length,
                                          const QString& mask);

// Bulk generation from the sets: the body drawn from source, then the settings' mask, prefix and
// suffix, written into password as ComposePasswordInto does.
void ComposeSetPasswordInto(QString& password, const GenerationSettings& settings,
                            const SetBodyDrawer& drawer, qint32 length,
                            runtime::SystemRandomSource& source);

} // namespace core
