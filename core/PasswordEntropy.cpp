#include "core/PasswordEntropy.h"

#include "core/ComposePassword.h"
#include "core/EveryBody.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/format/Format.h"
#include "platform/runtime/format/FormatSections.h"

#include <QMap>

#include <algorithm>
#include <cmath>
#include <utility>

namespace core {
namespace {

// The chance of each character at one position of the body.
using Distribution = QMap<char16_t, double>;

// The characters RandomBetween(upper, lower) can give, each as likely as the others, weighted.
void addUniform(Distribution& distribution, char16_t upper, char16_t lower, double weight) {
    const double each = weight / (upper - lower + 1);
    for (char16_t c = lower; c <= upper; ++c)
        distribution[c] += each;
}

// One raw character: a capital, a digit, or in the mixed type a coin and then one of the two.
Distribution rawCharacter(qint16 type) {
    Distribution raw;
    if (type == AlphabetsOnly) {
        addUniform(raw, u'Z', u'A', 1.0);
    } else if (type == NumbersOnly) {
        addUniform(raw, u'9', u'0', 1.0);
    } else {
        addUniform(raw, u'9', u'0', 0.5);
        addUniform(raw, u'Z', u'A', 0.5);
    }
    return raw;
}

char16_t upperAscii(char16_t c) {
    return c >= u'a' && c <= u'z' ? c - 32 : c;
}
char16_t lowerAscii(char16_t c) {
    return c >= u'A' && c <= u'Z' ? c + 32 : c;
}

// The case pass at one position; tossed tells whether the mixed pass tosses a coin for it (every
// position but the last). Digits come out the same on either side of the coin and merge.
Distribution cased(const Distribution& raw, qint16 pwdCase, bool tossed) {
    if (pwdCase != UpperCases && pwdCase != LowerCases && !(pwdCase == MixedCases && tossed))
        return raw;
    Distribution result;
    for (auto it = raw.cbegin(); it != raw.cend(); ++it) {
        if (pwdCase == UpperCases) {
            result[upperAscii(it.key())] += it.value();
        } else if (pwdCase == LowerCases) {
            result[lowerAscii(it.key())] += it.value();
        } else {
            result[upperAscii(it.key())] += it.value() / 2;
            result[lowerAscii(it.key())] += it.value() / 2;
        }
    }
    return result;
}

double shannonBits(const Distribution& distribution) {
    double bits = 0.0;
    for (double p : distribution)
        if (p > 0)
            bits -= p * std::log2(p);
    return bits;
}

PositionChoices choicesOf(const Distribution& distribution) {
    PositionChoices choices;
    for (auto it = distribution.cbegin(); it != distribution.cend(); ++it) {
        choices.characters.append(it.key());
        choices.chances.append(it.value());
    }
    return choices;
}

double digitShare(const Distribution& distribution) {
    double share = 0;
    for (auto it = distribution.cbegin(); it != distribution.cend(); ++it)
        share += it.key() >= u'0' && it.key() <= u'9' ? it.value() : 0.0;
    return share;
}

} // namespace

PasswordEntropy ComputePasswordEntropy(const GenerationSettings& settings, double mostBodiesTried) {
    const qint32 length = PasswordLength(settings.lengthText);
    if (settings.type < AlphabetsOnly || settings.type > AlphabetsAndNumbers)
        runtime::raise(runtime::ErrorNumber::InvalidProcedureCall);

    PasswordEntropy entropy;
    if (length <= 0)
        return entropy; // the output is always the same text

    qint16 pwdCase = settings.pwdCase;
    const bool valueMask =
        !settings.mask.isEmpty() && !runtime::format::isTextFormat(settings.mask);
    const bool folded = !settings.mask.isEmpty() && !valueMask && TextMaskFoldsCase(settings.mask);
    if (folded)
        pwdCase = UpperCases; // one case for every letter, whichever it is

    // The positions are drawn independently: their entropies add up. The mixed pass tosses a coin
    // for every position but the last, which keeps the case it was made with.
    const Distribution raw = rawCharacter(settings.type);
    const Distribution othersCased = cased(raw, pwdCase, true);
    const Distribution lastCased = cased(raw, pwdCase, false);
    entropy.bits =
        shannonBits(lastCased) + static_cast<double>(length - 1) * shannonBits(othersCased);
    if (folded && settings.pwdCase == MixedCases && settings.type != NumbersOnly && length > 1)
        entropy.alike = AlikeReason::OneCase; // "a" and "A" at the first place come out alike
    if (!valueMask)
        return entropy;

    // A number, date or named mask reads a body as a number or a date where it can, and gives
    // any other body back unchanged: letters always.
    const double bodies = std::pow(static_cast<double>(othersCased.size()), length - 1) *
                          static_cast<double>(lastCased.size());
    if (bodies <= mostBodiesTried &&
        EveryBodyCost(bodies, length, settings.mask) <= kMostCharactersFormatted)
        return EntropyOfEveryBody(settings.mask, length, choicesOf(othersCased),
                                  choicesOf(lastCased));
    if (settings.type == AlphabetsOnly)
        return entropy;
    if (settings.type == NumbersOnly)
        return MaskedEntropy(entropy.bits, digitBodiesStrength(settings.mask, length));
    MixedAlphabet alphabet;
    alphabet.digits = kAllDigits;
    alphabet.digitShare = std::pow(digitShare(othersCased), length - 1) * digitShare(lastCased);
    alphabet.markers = true;
    alphabet.monthNames = true;
    return MaskedEntropy(entropy.bits,
                         mixedBodiesStrength(settings.mask, length, entropy.bits, alphabet));
}

PasswordEntropy MaskedEntropy(double bodyBits, const MaskStrength& strength) {
    PasswordEntropy entropy;
    entropy.bits = std::max(0.0, std::min(strength.bits, bodyBits)); // never "-0.00"
    entropy.figure = strength.oneToOne  ? PasswordEntropy::Figure::Exact
                     : strength.counted ? PasswordEntropy::Figure::About
                                        : PasswordEntropy::Figure::AtMost;
    entropy.alike = strength.alike;
    entropy.alikeFigure = strength.alikeFigure;
    entropy.emptyBody = strength.emptyText;
    return entropy;
}

// A text mask sets each character of the body at a fixed place among fixed literals, so it loses
// nothing, unless it turns the whole text to one case.
bool TextMaskFoldsCase(const QString& mask) {
    return runtime::Format(QStringLiteral("a"), mask) == runtime::Format(QStringLiteral("A"), mask);
}

} // namespace core
