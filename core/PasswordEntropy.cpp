#include "PasswordEntropy.h"

#include "ComposePassword.h"
#include "Format.h"
#include "FormatSections.h"
#include "RuntimeError.h"

#include <QHash>
#include <QMap>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <random>
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

// A text mask sets each character of the body at a fixed place among fixed literals, so it loses
// nothing, unless it turns the whole text to one case; that shows in what it makes of "a" and "A".
bool textMaskFoldsCase(const QString& mask) {
    return runtime::Format(QStringLiteral("a"), mask) == runtime::Format(QStringLiteral("A"), mask);
}

// Values for the sample of bodies from a generator with a fixed seed: the same sample on every run,
// and never a password that is handed out.
class SampleSource final : public runtime::RandomSource {
public:
    float next() override {
        return static_cast<float>(engine_() >> 8) * runtime::kRandomResolution;
    }

private:
    // The fixed seed is the point: a sample that is the same on every run, never used for
    // passwords.
    std::mt19937 engine_{20260611u}; // NOLINT(cert-msc32-c,cert-msc51-cpp)
};

// How many bodies the sample holds: fewer for long ones, so that its cost stays bounded.
constexpr qint64 kSampleCharacters = qint64{1} << 17;
constexpr qint64 kMostSamples = 8192;
constexpr qint64 kFewestSamples = 16;
constexpr qint64 kFewestTwice = 8;

// The same body with every digit turned to 0: a body the generator can make too, and one that a
// number mask reads as zero (or as a multiple of a power of ten) more often than the sample would
// show.
QString zeroedDigits(QString body) {
    for (QChar& c : body)
        if (c >= u'1' && c <= u'9')
            c = u'0';
    return body;
}

// What the sample made of one text.
struct SampledText {
    qint64 count = 0;    // how many of the sampled bodies gave it
    bool shared = false; // given by two different bodies (sampled ones or their zeroed twins)
};

// Tries a number, date or named mask on a sample of bodies drawn like real ones. Two different
// bodies with the same text show that the mask makes passwords alike; the entropy of its texts
// is then measured from the sample, each sampled body counting with the chance of its text: k / n
// for a text that k of the n bodies gave, among them two different ones. A text that one body
// alone gave counts with the larger of that body's own chance (exact when no other body gives the
// text) and the Good-Turing chance of a text seen once, 2 N2 / (n N1) for N1 texts seen once and
// N2 twice, which catches texts that many bodies share but the sample is too small to repeat.
void measureMask(PasswordEntropy& entropy, const GenerationSettings& settings, qint32 length,
                 const Distribution& others, const Distribution& last) {
    GenerationSettings bodySettings = settings;
    bodySettings.mask.clear();
    bodySettings.prefix.clear();
    bodySettings.suffix.clear();
    SampleSource source;
    NoYield noYield;
    const qint64 wanted = std::clamp(kSampleCharacters / length, kFewestSamples, kMostSamples);

    QHash<QString, QString> bodyOfText; // the first body seen to give each text
    QHash<QString, SampledText> seen;
    const auto tryBody = [&](const QString& body, bool sampled) -> std::optional<QString> {
        QString text;
        try {
            text = runtime::Format(body, settings.mask, runtime::kFirstDayOfWeekSunday,
                                   runtime::kFirstWeekOfYearJan1);
        } catch (const runtime::RuntimeError&) {
            return std::nullopt; // that password could not be made at all
        }
        SampledText& entry = seen[text];
        const auto known = bodyOfText.constFind(text);
        if (known == bodyOfText.cend()) {
            bodyOfText.insert(text, body);
        } else if (*known != body) {
            entry.shared = true;
            entropy.alike = true;
        }
        entry.count += sampled ? 1 : 0;
        return text;
    };

    QList<QString> texts;
    QList<double> surprisals; // -log2 of each sampled body's chance
    texts.reserve(wanted);
    surprisals.reserve(wanted);
    for (qint64 i = 0; i < wanted; ++i) {
        const QString body = ComposePassword(bodySettings, source, noYield);
        if (const auto text = tryBody(body, true)) {
            double bits = 0.0;
            for (qsizetype k = 0; k < body.size(); ++k)
                bits -= std::log2((k + 1 == body.size() ? last : others).value(body[k].unicode()));
            texts.append(*text);
            surprisals.append(bits);
        }
        tryBody(zeroedDigits(body), false);
    }
    if (!entropy.alike || texts.isEmpty())
        return;

    qint64 once = 0, twice = 0, more = 0;
    for (const SampledText& entry : std::as_const(seen)) {
        once += entry.count == 1 ? 1 : 0;
        twice += entry.count == 2 ? 1 : 0;
        more += entry.count > 2 ? 1 : 0;
    }
    double onceBodiesChance = 0.0; // of the bodies whose text was seen once
    for (qsizetype i = 0; i < texts.size(); ++i)
        onceBodiesChance += seen[texts[i]].count == 1 ? std::exp2(-surprisals[i]) : 0.0;
    // The texts seen twice speak for the ones seen once only when they are many, not the tail of
    // a few common texts (a day of the month seen twice where the others are seen 4 or 5 times),
    // and when the once-seen bodies' own chances cannot account for them.
    const auto n = static_cast<double>(texts.size());
    const double onceMass = 2.0 * static_cast<double>(twice) / n;
    const bool goodTuring =
        once > 0 && twice >= kFewestTwice && twice >= more && onceMass > 2.0 * onceBodiesChance;
    const double onceBits = goodTuring ? -std::log2(onceMass / static_cast<double>(once))
                                       : std::numeric_limits<double>::infinity();
    double bits = 0.0;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const SampledText& entry = seen[texts[i]];
        bits += entry.shared && entry.count >= 2 ? -std::log2(static_cast<double>(entry.count) / n)
                                                 : std::min(surprisals[i], onceBits);
    }
    entropy.bits = std::clamp(bits / n, 0.0, entropy.bits);
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
    const Distribution othersCased = cased(raw, pwdCase, true);
    const Distribution lastCased = cased(raw, pwdCase, false);
    entropy.bits =
        shannonBits(lastCased) + static_cast<double>(length - 1) * shannonBits(othersCased);
    if (!entropy.exact)
        measureMask(entropy, settings, length, othersCased, lastCased);
    return entropy;
}

} // namespace core
