#include "PasswordEntropy.h"

#include "ComposePassword.h"
#include "Format.h"
#include "FormatSections.h"
#include "RuntimeError.h"

#include <QMap>

#include <cmath>

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

// A text mask sets each character of the body at a fixed place among fixed literals, so it loses
// nothing, unless it turns the whole text to one case; that shows in what it makes of "a" and "A".
bool textMaskFoldsCase(const QString& mask) {
    return runtime::Format(QStringLiteral("a"), mask) == runtime::Format(QStringLiteral("A"), mask);
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
    if (!settings.mask.isEmpty()) {
        if (!runtime::format::isTextFormat(settings.mask))
            entropy.exact = false;
        else if (textMaskFoldsCase(settings.mask))
            pwdCase = UpperCases; // one case for every letter, whichever it is
    }

    // The positions are drawn independently: their entropies add up. The mixed pass tosses a coin
    // for every position but the last, which keeps the case it was made with.
    const Distribution raw = rawCharacter(settings.type);
    const double last = shannonBits(cased(raw, pwdCase, false));
    const double others = shannonBits(cased(raw, pwdCase, true));
    entropy.bits = last + static_cast<double>(length - 1) * others;
    return entropy;
}

} // namespace core
