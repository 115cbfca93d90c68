#include "core/PasswordEntropy.h"

#include "core/ComposePassword.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/format/Format.h"
#include "platform/runtime/format/FormatSections.h"

#include <QHash>
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

// Bodies few enough to try every one: the mask's texts are then counted exactly.
constexpr double kMostBodiesTried = 4096;

// Every body with its chance, through the mask: the exact entropy of the texts, whether two
// bodies come out alike, and whether one comes out empty.
PasswordEntropy tryEveryBody(const QString& mask, qint32 length, const Distribution& others,
                             const Distribution& last) {
    const QList<char16_t> chars = others.keys();
    const QList<char16_t> lastChars = last.keys();
    QHash<QString, double> chances;
    QList<qsizetype> index(length, 0);
    QString body(length, QChar(u' '));
    PasswordEntropy entropy;
    while (true) {
        double chance = 1.0;
        for (qint32 k = 0; k < length; ++k) {
            const bool isLast = k + 1 == length;
            const char16_t c = (isLast ? lastChars : chars)[index[k]];
            body[k] = QChar(c);
            chance *= (isLast ? last : others).value(c);
        }
        const QString text = runtime::Format(body, mask, runtime::kFirstDayOfWeekSunday,
                                             runtime::kFirstWeekOfYearJan1);
        entropy.emptyBody = entropy.emptyBody || text.isEmpty();
        double& known = chances[text];
        if (known > 0)
            entropy.alike = AlikeReason::FewTexts;
        known += chance;
        qint32 position = 0;
        while (position < length &&
               ++index[position] == (position + 1 == length ? lastChars : chars).size())
            index[position++] = 0;
        if (position == length)
            break;
    }
    for (double p : std::as_const(chances))
        entropy.bits -= p * std::log2(p);
    entropy.alikeFigure = static_cast<double>(chances.size());
    return entropy;
}

} // namespace

PasswordEntropy ComputePasswordEntropy(const GenerationSettings& settings) {
    const qint32 length = PasswordLength(settings.lengthText);
    if (settings.type < AlphabetsOnly || settings.type > AlphabetsAndNumbers)
        runtime::raise(runtime::ErrorNumber::InvalidProcedureCall);

    PasswordEntropy entropy;
    if (length <= 0)
        return entropy; // the output is always the same text

    qint16 pwdCase = settings.pwdCase;
    const bool valueMask =
        !settings.mask.isEmpty() && !runtime::format::isTextFormat(settings.mask);
    if (!settings.mask.isEmpty() && !valueMask && TextMaskFoldsCase(settings.mask))
        pwdCase = UpperCases; // one case for every letter, whichever it is

    // The positions are drawn independently: their entropies add up. The mixed pass tosses a coin
    // for every position but the last, which keeps the case it was made with.
    const Distribution raw = rawCharacter(settings.type);
    const Distribution othersCased = cased(raw, pwdCase, true);
    const Distribution lastCased = cased(raw, pwdCase, false);
    entropy.bits =
        shannonBits(lastCased) + static_cast<double>(length - 1) * shannonBits(othersCased);
    if (!valueMask)
        return entropy;

    // A number, date or named mask reads a body as a number or a date where it can, and gives
    // any other body back unchanged: letters always.
    if (std::pow(static_cast<double>(othersCased.size()), length - 1) *
            static_cast<double>(lastCased.size()) <=
        kMostBodiesTried)
        return tryEveryBody(settings.mask, length, othersCased, lastCased);
    if (settings.type == AlphabetsOnly)
        return entropy;
    return MaskedEntropy(entropy.bits,
                         settings.type == NumbersOnly
                             ? digitBodiesStrength(settings.mask, length)
                             : mixedBodiesStrength(settings.mask, length, entropy.bits, false));
}

PasswordEntropy MaskedEntropy(double bodyBits, const MaskStrength& strength) {
    PasswordEntropy entropy;
    entropy.bits = std::min(strength.bits, bodyBits);
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
