#pragma once

#include "core/GenerationSettings.h"
#include "platform/runtime/StringOps.h"
#include "platform/runtime/SystemRandomSource.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <vector>

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

    // Every character, class after class.
    QList<char32_t> alphabet() const;
    qsizetype alphabetSize() const;
};

// Draws one body of `length` characters from the sets into `body`, whose memory is reused.
// Each character takes 24-bit numbers from `next` until one falls where every character of the
// alphabet has as many numbers (no bias), and is picked by multiplying (no division). With
// everyClass, every body that holds all the classes is as likely as any other: a body that
// misses one is drawn again, whole, where at least half the bodies hold them all; elsewhere (a
// small class in a large alphabet, where redrawing could take forever) its characters are drawn
// again one after another, from the counts of the bodies that can still follow. The length must
// be at least the number of classes. One drawer serves one thread: the counts for a length are
// worked out on its first draw, and kept until a draw of another length.
class SetBodyDrawer {
public:
    explicit SetBodyDrawer(const CharacterSets& sets);

    template <typename NextNumber>
    void draw(QString& body, qint32 length, NextNumber&& next) const {
        // A body that holds every class at the first try is as likely as any other that does,
        // and so is one drawn from the counts after a miss: together, still uniform.
        std::uint32_t seen = 0;
        do {
            seen = 0;
            if (wide_) {
                body.truncate(0); // the memory stays, overwritten as the body grows
                for (qint32 i = 0; i < length; ++i) {
                    const std::size_t index = pick(next);
                    seen |= classBit_[index];
                    runtime::appendCodePoint(body, alphabet_[index]);
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
        } while (seen != allClasses_ && !drewByCounts(body, length, next));
    }

private:
    static constexpr int kNumberBits = 24;
    static constexpr std::uint64_t kLowBits = (std::uint64_t{1} << kNumberBits) - 1;

    static constexpr int kMostClasses = 8; // the sets hold at most five

    // An index below size, uniform: threshold is 2^24 mod size.
    template <typename NextNumber>
    static std::size_t pickBelow(NextNumber& next, std::uint64_t size, std::uint64_t threshold) {
        std::uint64_t product = 0;
        do
            product = static_cast<std::uint64_t>(next()) * size;
        while ((product & kLowBits) < threshold);
        return static_cast<std::size_t>(product >> kNumberBits);
    }
    // pickBelow for the whole alphabet, written out: the members read where they are used make
    // the tightest loop of all.
    template <typename NextNumber> std::size_t pick(NextNumber& next) const {
        std::uint64_t product = 0;
        do
            product = static_cast<std::uint64_t>(next()) * size_;
        while ((product & kLowBits) < threshold_);
        return static_cast<std::size_t>(product >> kNumberBits);
    }

    // Works out the shares below for a new length; true when they, not redrawing, make the
    // bodies.
    bool drawsByCounts(qint32 length) const {
        if (length != countedLength_)
            countBodies(length);
        return byCounts_;
    }
    void countBodies(qint32 length) const;

    // After a body that misses a class, where redrawing would take more than two tries on
    // average: a body from the counts instead. Kept out of draw(), whose loops stay as tight as
    // without every class.
    template <typename NextNumber>
    Q_NEVER_INLINE bool drewByCounts(QString& body, qint32 length, NextNumber& next) const {
        if (!drawsByCounts(length))
            return false;
        drawByCounts(body, length, next);
        return true;
    }
    // While a class is missing, the class of the next character comes from 48 random bits, each
    // class weighed by its share of the alphabet times the share of the bodies of the characters
    // left that hold every class still missing without it; then its character, uniformly. The
    // chance of each class is thus within 2^-48 of the exact ratio (weights rounded to 53 bits
    // add a relative 1e-15 or so): over a body, a total variation from uniform below 5 x 2^-48 a
    // character drawn with a class missing, 1.2e-9 for the longest body, 3e-13 at 16 characters.
    template <typename NextNumber>
    void drawByCounts(QString& body, qint32 length, NextNumber& next) const {
        const std::size_t subsets = std::size_t{1} << classStart_.size();
        std::uint32_t missing = allClasses_;
        body.truncate(0);
        for (qint32 i = 0; i < length; ++i) {
            std::size_t index = 0;
            if (missing == 0) {
                index = pick(next);
            } else {
                const double* rest = &shares_[static_cast<std::size_t>(length - 1 - i) * subsets];
                double cumulative[kMostClasses];
                double total = 0;
                const qsizetype classes = classStart_.size();
                for (qsizetype k = 0; k < classes; ++k) {
                    total += classShare_[k] * rest[missing & ~(std::uint32_t{1} << k)];
                    cumulative[k] = total;
                }
                const std::uint64_t high = next();
                const std::uint64_t low = next();
                // Below total, as 48 bits over 2^48 stay below 1 by more than a rounding.
                const double u = static_cast<double>(high << kNumberBits | low) * 0x1p-48 * total;
                qsizetype k = 0;
                while (k + 1 < classes && u >= cumulative[k])
                    ++k;
                missing &= ~(std::uint32_t{1} << k);
                index = classStart_[k] + pickBelow(next, classSize_[k], classThreshold_[k]);
            }
            runtime::appendCodePoint(body, alphabet_[index]);
        }
    }

    QList<char32_t> alphabet_;
    std::uint64_t size_ = 0;
    QList<std::uint32_t> classBit_;
    std::uint32_t allClasses_ = 0;
    std::uint64_t threshold_ = 0; // 2^24 mod the alphabet's size
    bool wide_ = false;           // some character needs two UTF-16 units
    // Each class: where it starts in the alphabet, its size, 2^24 mod that, its share of the
    // alphabet.
    QList<std::size_t> classStart_;
    QList<std::uint64_t> classSize_, classThreshold_;
    QList<double> classShare_;
    // For countedLength_, when byCounts_: the share of the bodies of r characters that hold
    // every class of the subset s, at r * 2^classes + s, for r up to the length.
    mutable qint32 countedLength_ = -1;
    mutable bool byCounts_ = false;
    mutable std::vector<double> shares_;
};

// log2 of the number of bodies of `length` characters the sets can give, every one as likely;
// with everyClass, counted from positive terms only, whatever the sizes of the classes.
double SetBodyBits(const CharacterSets& sets, qint32 length);

// Bulk generation from the sets: the body drawn from source, then the settings' mask, prefix and
// suffix, written into password as ComposePasswordInto does.
void ComposeSetPasswordInto(QString& password, const GenerationSettings& settings,
                            const SetBodyDrawer& drawer, qint32 length,
                            runtime::SystemRandomSource& source);

} // namespace core
