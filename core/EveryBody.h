#pragma once

#include "core/PasswordEntropy.h"

#include <QList>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <unordered_map>

namespace core {

// What one position of the body can hold: each character with its chance, and the classes it
// belongs to (a bit each) where every body must hold every class.
struct PositionChoices {
    QList<char32_t> characters;
    QList<double> chances;
    QList<std::uint32_t> classes;
};

// Up to how many characters the strength reasoning formats, one body or one day at a time: a
// fraction of a second.
inline constexpr double kMostCharactersFormatted = 8.0 * 1024 * 1024;

// A text told apart from others by two 64-bit hashes of it, so that no text need be kept.
struct TextKey {
    size_t first = 0;
    size_t second = 0;
    bool operator==(const TextKey&) const = default;
};
struct TextKeyHash {
    size_t operator()(const TextKey& key) const { return key.first ^ (key.second * 31); }
};
TextKey textKeyOf(const QString& text);

// How many characters formatting every body would take: the bodies times what one call reads
// and writes. Above a limit of the caller's, the mask is reasoned about instead.
double EveryBodyCost(double bodies, qint32 length, const QString& mask);

// Every body of `length` characters, each position from `others` but the last from `last`,
// through the mask: the exact entropy of the texts, whether two bodies come out alike, and
// whether one comes out empty. With requiredClasses, only the bodies that hold every one of
// them count, the chances taken again over those. The texts are told apart by a 128-bit hash,
// so that a long mask keeps no text per body.
PasswordEntropy EntropyOfEveryBody(const QString& mask, qint32 length,
                                   const PositionChoices& others, const PositionChoices& last,
                                   std::uint32_t requiredClasses = 0);

} // namespace core
