#include "fuzz/StrengthOracle.h"

#include "core/ComposePassword.h"
#include "core/SetPasswordEntropy.h"
#include "platform/runtime/RandomSource.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/format/Format.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <numeric>
#include <string>
#include <tuple>

using namespace Qt::StringLiterals;

namespace oracle {
namespace {

// ---- choices ----------------------------------------------------------------------------------

std::uint64_t splitMix(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

template <typename T> const T& pick(Choices& choices, const std::vector<T>& list) {
    return list[choices.below(static_cast<unsigned>(list.size()))];
}

} // namespace

Choices::Choices(std::uint64_t seed) : seeded_(true), state_(seed) {}

Choices::Choices(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

std::uint8_t Choices::byte() {
    std::uint8_t b = 0;
    if (seeded_)
        b = static_cast<std::uint8_t>(splitMix(state_) >> 56);
    else if (at_ < size_)
        b = data_[at_++];
    taken_.push_back(b);
    return b;
}

unsigned Choices::below(unsigned n) {
    if (n <= 1)
        return 0;
    unsigned value = byte();
    if (n > 256)
        value = value << 8 | byte();
    return value % n;
}

namespace {

// ---- masks ------------------------------------------------------------------------------------

const std::vector<QString> kLiterals = {
    u"-"_s,     u"+"_s,    u"$"_s,       u"("_s,     u")"_s,   u" "_s,   u"/"_s,    u":"_s,
    u"x"_s,     u"k"_s,    u"Z"_s,       u"\\-"_s,   u"\\A"_s, u"\\0"_s, u"\\\\"_s, u"\\;"_s,
    u"\"x\""_s, u"\"\""_s, u"\"a;b\""_s, u"\"0\""_s, u"%"_s,   u"\\d"_s, u"\\@"_s,  u"."_s,
};

QString placeholder(Choices& c) {
    return c.percent(50) ? u"0"_s : u"#"_s;
}

QString numberSection(Choices& c) {
    QString s;
    if (c.percent(25))
        s += pick(c, kLiterals);
    if (c.percent(8))
        s += u'%';
    const unsigned whole = c.below(5);
    for (unsigned i = 0; i < whole; ++i) {
        s += placeholder(c);
        if (i + 1 < whole && c.percent(15))
            s += u',';
    }
    if (c.percent(15))
        s += c.percent(50) ? u","_s : u",,"_s;
    if (c.percent(45)) {
        s += u'.';
        const unsigned fraction = c.below(4);
        for (unsigned i = 0; i < fraction; ++i)
            s += placeholder(c);
    }
    if (c.percent(20)) {
        s += pick(c, std::vector<QString>{u"E+"_s, u"E-"_s, u"e+"_s, u"e-"_s});
        const unsigned digits = 1 + c.below(2);
        for (unsigned i = 0; i < digits; ++i)
            s += placeholder(c);
    }
    if (c.percent(12))
        s += u'%';
    if (c.percent(25))
        s += pick(c, kLiterals);
    if (s.isEmpty())
        s = u"0"_s;
    return s;
}

const std::vector<QString> kDateFields = {
    u"d"_s,     u"dd"_s,    u"ddd"_s, u"dddd"_s, u"ddddd"_s, u"dddddd"_s, u"w"_s,     u"ww"_s,
    u"m"_s,     u"mm"_s,    u"mmm"_s, u"mmmm"_s, u"q"_s,     u"y"_s,      u"yy"_s,    u"yyyy"_s,
    u"h"_s,     u"hh"_s,    u"n"_s,   u"nn"_s,   u"s"_s,     u"ss"_s,     u"ttttt"_s, u"c"_s,
    u"AM/PM"_s, u"am/pm"_s, u"A/P"_s, u"a/p"_s,  u"AMPM"_s,  u"aaaa"_s,   u"oooo"_s,
};
const std::vector<QString> kDateSeparators = {
    QString(), QString(), QString(), u"-"_s,     u"/"_s,   u":"_s, u" "_s,
    u"."_s,    u","_s,    u"\\T"_s,  u"\"h\""_s, u"\\:"_s, u"0"_s,
};

QString dateSection(Choices& c) {
    QString s;
    if (c.percent(10))
        s += pick(c, kDateSeparators);
    const unsigned fields = 1 + c.below(4);
    for (unsigned i = 0; i < fields; ++i) {
        if (i > 0)
            s += pick(c, kDateSeparators);
        QString field = pick(c, kDateFields);
        if (!field.contains(u'/') && field != u"AMPM" && c.percent(15))
            field = field.toUpper();
        s += field;
    }
    if (c.percent(10))
        s += pick(c, kDateSeparators);
    return s;
}

const std::vector<QString> kNamedFormats = {
    u"General Number"_s, u"Currency"_s,     u"Fixed"_s,       u"Standard"_s,
    u"Percent"_s,        u"Scientific"_s,   u"Yes/No"_s,      u"True/False"_s,
    u"On/Off"_s,         u"General Date"_s, u"Long Date"_s,   u"Medium Date"_s,
    u"Short Date"_s,     u"Long Time"_s,    u"Medium Time"_s, u"Short Time"_s,
};

QString namedFormat(Choices& c) {
    QString name = pick(c, kNamedFormats);
    switch (c.below(8)) {
    case 0:
        return name.toLower();
    case 1:
        return name.toUpper();
    default:
        return name;
    }
}

QString textMask(Choices& c) {
    static const std::vector<QString> tokens = {
        u"@"_s, u"&"_s, u"<"_s, u">"_s, u"!"_s,   u"@@"_s,    u"&&"_s,
        u"-"_s, u"("_s, u")"_s, u" "_s, u"\\@"_s, u"\"x\""_s, u"0"_s,
    };
    QString s;
    const unsigned count = 1 + c.below(5);
    for (unsigned i = 0; i < count; ++i)
        s += pick(c, tokens);
    if (c.percent(20))
        s += u';' + pick(c, std::vector<QString>{u"none"_s, u"@"_s, QString(), u"\"-\""_s});
    return s;
}

QString mixedMask(Choices& c) {
    static const QString pool = u"0#.,%Ee+-;dmyhnsqwc@&<>!/: \"\\$()AaPpt"_s;
    QString s;
    const unsigned count = 1 + c.below(6);
    for (unsigned i = 0; i < count; ++i)
        s += pool[c.below(static_cast<unsigned>(pool.size()))];
    return s;
}

QString sectionsMask(Choices& c) {
    const unsigned count = 2 + c.below(3);
    QStringList sections;
    for (unsigned i = 0; i < count; ++i) {
        if (c.percent(20))
            sections.append(QString());
        else
            sections.append(c.percent(70) ? numberSection(c) : dateSection(c));
    }
    return sections.join(u';');
}

QString makeMask(Choices& c, const char*& kind) {
    const unsigned roll = c.below(100);
    if (roll < 30) {
        kind = "number";
        return numberSection(c);
    }
    if (roll < 55) {
        kind = "date";
        return dateSection(c);
    }
    if (roll < 67) {
        kind = "named";
        return namedFormat(c);
    }
    if (roll < 79) {
        kind = "text";
        return textMask(c);
    }
    if (roll < 89) {
        kind = "mixed";
        return mixedMask(c);
    }
    kind = "sections";
    return sectionsMask(c);
}

// ---- the window's settings --------------------------------------------------------------------

// A range of draws split where any of the spans' outcomes change: each cell gives one outcome of
// every one of those spans, and is as likely as it is wide.
struct Cell {
    float value;
    double probability;
};

std::vector<Cell> cellsFor(std::vector<int> spans) {
    int common = 1;
    for (const int span : spans)
        common = std::lcm(common, span);
    std::vector<int> cuts;
    for (const int span : spans)
        for (int k = 0; k <= span; ++k)
            cuts.push_back(k * (common / span));
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    std::vector<Cell> cells;
    for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
        const double middle = (cuts[i] + cuts[i + 1]) / 2.0 / common;
        const float value = static_cast<float>(std::floor(middle * 16777216.0)) / 16777216.0f;
        cells.push_back({value, static_cast<double>(cuts[i + 1] - cuts[i]) / common});
    }
    return cells;
}

const std::vector<Cell> kCoin = cellsFor({2});
const std::vector<Cell> kLetter = cellsFor({26});
const std::vector<Cell> kDigit = cellsFor({10});
const std::vector<Cell> kLetterOrDigit = cellsFor({26, 10});

// The draws of one password as the composition documents them: a coin and a value for each
// character of the mixed type, a value for each character otherwise, then for the mixed case a
// coin for each position but the last.
std::vector<const std::vector<Cell>*> drawPlan(qint16 type, qint16 letterCase, qint32 length) {
    std::vector<const std::vector<Cell>*> plan;
    for (qint32 i = 0; i < length; ++i) {
        if (type == core::AlphabetsAndNumbers) {
            plan.push_back(&kCoin);
            plan.push_back(&kLetterOrDigit);
        } else {
            plan.push_back(type == core::NumbersOnly ? &kDigit : &kLetter);
        }
    }
    if (letterCase == core::MixedCases)
        for (qint32 i = 0; i + 1 < length; ++i)
            plan.push_back(&kCoin);
    return plan;
}

double planSize(qint16 type, qint16 letterCase, qint32 length) {
    double size = 1;
    for (const auto* cells : drawPlan(type, letterCase, length))
        size *= static_cast<double>(cells->size());
    return size;
}

// How many different bodies: the mixed case turns every letter but the last either way.
double windowBodies(qint16 type, qint16 letterCase, qint32 length) {
    const double letters = type == core::NumbersOnly ? 0 : 26;
    const double digits = type == core::AlphabetsOnly ? 0 : 10;
    const double last = letters + digits;
    const double other = letterCase == core::MixedCases ? 2 * letters + digits : last;
    return length <= 0 ? 1 : std::pow(other, length - 1) * last;
}

class SteeredSource final : public runtime::RandomSource {
public:
    float next() override { return at < values.size() ? values[at++] : (++at, 0.0f); }
    std::vector<float> values;
    std::size_t at = 0;
};

struct BodyList {
    std::vector<std::pair<QString, double>> bodies;
    QString modelBroken;
};

// Every body of the settings with its probability, from every outcome of every draw through
// ComposePassword itself.
BodyList listWindowBodies(qint16 type, qint16 letterCase, qint32 length) {
    BodyList list;
    core::GenerationSettings settings;
    settings.type = type;
    settings.pwdCase = letterCase;
    settings.lengthText = QString::number(length);
    const auto plan = drawPlan(type, letterCase, length);
    if (static_cast<qint64>(plan.size()) != core::DrawsPerPassword(length, settings))
        list.modelBroken = u"the composition takes another number of draws"_s;
    QHash<QString, double> seen;
    std::vector<std::size_t> at(plan.size(), 0);
    SteeredSource source;
    source.values.resize(plan.size());
    core::NoYield yield;
    while (true) {
        double probability = 1;
        for (std::size_t i = 0; i < plan.size(); ++i) {
            const Cell& cell = (*plan[i])[at[i]];
            source.values[i] = cell.value;
            probability *= cell.probability;
        }
        source.at = 0;
        const QString body = core::ComposePassword(settings, source, yield);
        if (source.at != plan.size())
            list.modelBroken = u"the composition takes another number of draws"_s;
        seen[body] += probability;
        std::size_t i = 0;
        for (; i < plan.size(); ++i) {
            if (++at[i] < plan[i]->size())
                break;
            at[i] = 0;
        }
        if (i == plan.size())
            break;
    }
    list.bodies.reserve(seen.size());
    for (auto it = seen.cbegin(); it != seen.cend(); ++it)
        list.bodies.emplace_back(it.key(), it.value());
    return list;
}

const BodyList& windowBodyList(qint16 type, qint16 letterCase, qint32 length) {
    static std::map<std::tuple<qint16, qint16, qint32>, BodyList> cache;
    const auto key = std::make_tuple(type, letterCase, length);
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.emplace(key, listWindowBodies(type, letterCase, length)).first;
    return it->second;
}

// ---- keywright-cli's character sets -----------------------------------------------------------

QList<char32_t> codePoints(const QString& text) {
    const QList<uint> ucs4 = text.toUcs4();
    return {ucs4.begin(), ucs4.end()};
}

QString fromCodePoints(const QList<char32_t>& points) {
    QString text;
    for (const char32_t c : points)
        text += QString::fromUcs4(&c, 1);
    return text;
}

QList<char32_t> range(char32_t first, char32_t last) {
    QList<char32_t> list;
    for (char32_t c = first; c <= last; ++c)
        list.append(c);
    return list;
}

QList<char32_t> symbolList() {
    return codePoints(QString::fromUcs4(core::kSymbols));
}

// The classes keywright-cli makes of the options: -t's letters and digits, the symbols, the own
// characters; each character in its first class, the excluded ones out. Nothing when a class
// that every body must hold is left empty, or nothing is left.
std::optional<core::CharacterSets> classesOf(const SetOptions& o, bool everyClass) {
    QList<QList<char32_t>> wanted;
    const bool fromType = o.typeGiven || o.chars.isEmpty();
    if (fromType && o.type != core::NumbersOnly) {
        if (o.letterCase != core::UpperCases)
            wanted.append(range(U'a', U'z'));
        if (o.letterCase != core::LowerCases)
            wanted.append(range(U'A', U'Z'));
    }
    if (fromType && o.type != core::AlphabetsOnly)
        wanted.append(range(U'0', U'9'));
    if (o.symbols)
        wanted.append(symbolList());
    if (!o.chars.isEmpty())
        wanted.append(codePoints(o.chars));
    QSet<char32_t> taken;
    for (const char32_t c : codePoints(o.exclude))
        taken.insert(c);
    core::CharacterSets sets;
    sets.everyClass = everyClass;
    for (const auto& characters : std::as_const(wanted)) {
        QList<char32_t> kept;
        for (const char32_t c : characters) {
            if (!taken.contains(c)) {
                kept.append(c);
                taken.insert(c);
            }
        }
        if (!kept.isEmpty())
            sets.classes.append(kept);
        else if (everyClass)
            return std::nullopt;
    }
    if (sets.classes.isEmpty())
        return std::nullopt;
    return sets;
}

qsizetype alphabetSize(const core::CharacterSets& sets) {
    qsizetype size = 0;
    for (const auto& c : sets.classes)
        size += c.size();
    return size;
}

// Bodies of the length that hold a character of every class: inclusion and exclusion.
double setBodies(const core::CharacterSets& sets, qint32 length) {
    const double all = static_cast<double>(alphabetSize(sets));
    if (!sets.everyClass)
        return std::pow(all, length);
    const qsizetype n = sets.classes.size();
    double count = 0;
    for (unsigned mask = 0; mask < (1u << n); ++mask) {
        double left = all;
        int missing = 0;
        for (qsizetype i = 0; i < n; ++i) {
            if (mask & (1u << i)) {
                left -= static_cast<double>(sets.classes[i].size());
                ++missing;
            }
        }
        count += (missing % 2 ? -1 : 1) * std::pow(left, length);
    }
    return count;
}

// Characters worth reading as numbers, dates, signs, names and text of other scripts.
const std::vector<QString> kCharGroups = {
    u"0123456789"_s, u"0123456789"_s, u"123456789"_s, u"01"_s, u"-+"_s,   u".,"_s,
    u"EeDd"_s,       u"&HO"_s,        u"$ "_s,        u"()"_s, u":/"_s,   u"éß"_s,
    u"αβΩ"_s,        u"Жж"_s,         u"中文"_s,      u"aA"_s, u"%#@!"_s, u"<>'\""_s,
    u"\\"_s,         u"APMapm"_s,     u"JanFebMay"_s, u"𝟙😀"_s, u"Tt:"_s,  u"xyz"_s,
};

QString someOf(Choices& c, const QList<char32_t>& from, unsigned most) {
    QList<char32_t> chosen;
    const unsigned wanted = 1 + c.below(most);
    for (unsigned i = 0; i < wanted; ++i) {
        const char32_t ch = from[c.below(static_cast<unsigned>(from.size()))];
        if (!chosen.contains(ch))
            chosen.append(ch);
    }
    return fromCodePoints(chosen);
}

std::optional<Case> setsCase(Choices& c, double most) {
    Case k;
    k.kind = Case::Kind::Sets;
    SetOptions& o = k.options;
    if (c.percent(55)) {
        // The own characters alone.
        const unsigned groups = 1 + c.below(c.percent(70) ? 1 : 3);
        for (unsigned i = 0; i < groups; ++i) {
            const QList<char32_t> group = codePoints(pick(c, kCharGroups));
            o.chars += someOf(c, group, static_cast<unsigned>(group.size()));
        }
    } else {
        // -t's classes and the symbols, each cut down to a few characters, and maybe own ones.
        o.typeGiven = true;
        o.type = static_cast<core::PasswordType>(c.below(3));
        o.letterCase = static_cast<core::PasswordCase>(c.below(3));
        o.symbols = c.percent(35);
        if (c.percent(40)) {
            const QList<char32_t> group = codePoints(pick(c, kCharGroups));
            o.chars = someOf(c, group, 3);
        }
        QList<QList<char32_t>> offered;
        if (o.type != core::NumbersOnly) {
            if (o.letterCase != core::UpperCases)
                offered.append(range(U'a', U'z'));
            if (o.letterCase != core::LowerCases)
                offered.append(range(U'A', U'Z'));
        }
        if (o.type != core::AlphabetsOnly)
            offered.append(range(U'0', U'9'));
        if (o.symbols)
            offered.append(symbolList());
        const QList<char32_t> own = codePoints(o.chars);
        for (const auto& characters : std::as_const(offered)) {
            const QList<char32_t> kept =
                c.percent(8) ? characters : codePoints(someOf(c, characters, 4));
            for (const char32_t ch : characters)
                if (!kept.contains(ch) && !own.contains(ch))
                    o.exclude += QString::fromUcs4(&ch, 1);
        }
    }
    const auto sets = classesOf(o, c.percent(40));
    if (!sets)
        return std::nullopt;
    k.sets = *sets;
    const qint32 least = k.sets.everyClass ? static_cast<qint32>(k.sets.classes.size()) : 1;
    // One character gives one body at any length: a few are enough.
    const qint32 cap = alphabetSize(k.sets) == 1 ? std::max(least, 6) : 40;
    qint32 longest = least;
    while (longest < cap && setBodies(k.sets, longest + 1) <= most)
        ++longest;
    if (setBodies(k.sets, least) > most)
        return std::nullopt;
    k.length = c.percent(60) ? longest : least + static_cast<qint32>(c.below(longest - least + 1));
    k.bodies = setBodies(k.sets, k.length);
    return k;
}

std::optional<Case> windowCase(Choices& c, double most) {
    Case k;
    k.kind = Case::Kind::Window;
    const auto type = static_cast<qint16>(c.below(3));
    const auto letterCase = static_cast<qint16>(c.below(3));
    // Listing the draws costs more than the bodies: a few times more is allowed, as the list is
    // kept for later cases.
    auto fits = [&](qint32 length) {
        return windowBodies(type, letterCase, length) <= most &&
               planSize(type, letterCase, length) <= std::max(most, 1e3) * 20;
    };
    if (!fits(1))
        return std::nullopt;
    qint32 longest = 1;
    while (longest < 32 && fits(longest + 1))
        ++longest;
    k.length = c.percent(60) ? longest : 1 + static_cast<qint32>(c.below(longest));
    k.settings.type = type;
    k.settings.pwdCase = letterCase;
    k.settings.lengthText = QString::number(k.length);
    k.bodies = windowBodies(type, letterCase, k.length);
    return k;
}

// ---- the command line -------------------------------------------------------------------------

QString quoted(const QString& text) {
    bool plain = !text.isEmpty();
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (!((u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') ||
              u == u'-' || u == u'_' || u == u'.' || u == u'/' || u == u'+' || u == u',' ||
              u == u':' || u == u'%' || u == u'@' || u == u'='))
            plain = false;
    }
    if (plain)
        return text;
    QString out = u"'"_s;
    for (const QChar ch : text)
        out += ch == u'\'' ? u"'\\''"_s : QString(ch);
    return out + u'\'';
}

const char* typeName(int type) {
    return type == core::AlphabetsOnly ? "letters" : type == core::NumbersOnly ? "digits" : "mixed";
}
const char* caseName(int letterCase) {
    return letterCase == core::LowerCases   ? "lower"
           : letterCase == core::UpperCases ? "upper"
                                            : "mixed";
}

const char* figureName(core::PasswordEntropy::Figure figure) {
    using F = core::PasswordEntropy::Figure;
    return figure == F::Exact ? "" : figure == F::About ? "about " : "at most ";
}

// The reasons are numbered as the enumeration declares them (their list is still growing).
QString reasonName(core::AlikeReason reason) {
    if (reason == core::AlikeReason::None)
        return u"None"_s;
    if (reason == core::AlikeReason::NumberPrecision)
        return u"NumberPrecision"_s;
    return QStringLiteral("reason %1").arg(static_cast<int>(reason));
}

// ---- truth ------------------------------------------------------------------------------------

struct Bucket {
    double probability = 0;
    qsizetype firstBody = -1;
};

struct Tally {
    QHash<QString, Bucket> texts;
    std::vector<QString> firstBodies;
    Truth truth;

    void add(const QString& body, double probability, const QString& mask) {
        QString text;
        try {
            text = runtime::Format(body, mask, runtime::kFirstDayOfWeekSunday,
                                   runtime::kFirstWeekOfYearJan1);
        } catch (const runtime::RuntimeError& error) {
            truth.formatRaised = true;
            truth.formatError = error.number();
            return;
        }
        truth.bodies += 1;
        if (text.isEmpty() && !truth.empty) {
            truth.empty = true;
            truth.emptyFrom = body;
        }
        Bucket& bucket = texts[text];
        if (bucket.firstBody < 0) {
            bucket.firstBody = static_cast<qsizetype>(firstBodies.size());
            firstBodies.push_back(body);
        } else if (!truth.collide) {
            truth.collide = true;
            truth.collideA = firstBodies[bucket.firstBody];
            truth.collideB = body;
            truth.collideText = text;
        }
        bucket.probability += probability;
    }

    Truth finish() {
        double bits = 0;
        for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
            const double p = it.value().probability;
            if (p > 0)
                bits -= p * std::log2(p);
        }
        truth.bits = std::max(bits, 0.0);
        truth.texts = static_cast<double>(texts.size());
        return truth;
    }
};

QString show(const QString& text) {
    QString out = u"\""_s;
    for (const QChar ch : text) {
        if (ch == u'"' || ch == u'\\')
            out += u'\\';
        out += ch;
    }
    return out + u'"';
}

} // namespace

// ---- public -----------------------------------------------------------------------------------

QString Case::commandLine() const {
    QStringList args{u"keywright-cli"_s, u"--entropy"_s};
    if (kind == Kind::Window) {
        if (settings.type != core::AlphabetsAndNumbers)
            args << u"-t"_s << QString::fromLatin1(typeName(settings.type));
        if (settings.pwdCase != core::MixedCases)
            args << u"-c"_s << QString::fromLatin1(caseName(settings.pwdCase));
    } else {
        if (options.typeGiven) {
            args << u"-t"_s << QString::fromLatin1(typeName(options.type));
            if (options.letterCase != core::MixedCases)
                args << u"-c"_s << QString::fromLatin1(caseName(options.letterCase));
        }
        if (options.symbols)
            args << u"--symbols"_s;
        if (!options.chars.isEmpty())
            args << u"--chars"_s << quoted(options.chars);
        if (!options.exclude.isEmpty())
            args << u"--exclude"_s << quoted(options.exclude);
        if (sets.everyClass)
            args << u"--every-class"_s;
    }
    args << u"-l"_s << QString::number(length) << u"-m"_s << quoted(mask);
    return args.join(u' ');
}

std::optional<Case> generateCase(Choices& choices, const Limits& limits) {
    const double most =
        choices.below(256) < limits.largeShare
            ? std::min(limits.mostBodies,
                       std::pow(10.0, 1 + choices.below(1000) / 1000.0 *
                                              (std::log10(limits.mostBodies) - 1)))
            : std::min(limits.mostBodies,
                       2.0 + choices.below(static_cast<unsigned>(limits.smallBodies)));
    std::optional<Case> k =
        choices.percent(45) ? windowCase(choices, most) : setsCase(choices, most);
    if (!k)
        return k;
    k->mask = makeMask(choices, k->maskKind);
    k->settings.mask = k->mask;
    return k;
}

Truth truthOf(const Case& c) {
    Tally tally;
    if (c.kind == Case::Kind::Window) {
        const BodyList& list = windowBodyList(c.settings.type, c.settings.pwdCase, c.length);
        tally.texts.reserve(static_cast<qsizetype>(list.bodies.size()));
        for (const auto& [body, probability] : list.bodies)
            tally.add(body, probability, c.mask);
        Truth truth = tally.finish();
        truth.modelBroken = list.modelBroken;
        // The composition with the mask gives Format of its body, for a draw or two.
        if (truth.modelBroken.isEmpty()) {
            const auto plan = drawPlan(c.settings.type, c.settings.pwdCase, c.length);
            for (int round = 0; round < 2; ++round) {
                SteeredSource source;
                for (std::size_t i = 0; i < plan.size(); ++i)
                    source.values.push_back(
                        (*plan[i])[(i * 7 + round * 3) % plan[i]->size()].value);
                core::GenerationSettings bare = c.settings;
                bare.mask.clear();
                core::NoYield yield;
                try {
                    const QString body = core::ComposePassword(bare, source, yield);
                    source.at = 0;
                    const QString masked = core::ComposePassword(c.settings, source, yield);
                    if (masked != runtime::Format(body, c.mask, runtime::kFirstDayOfWeekSunday,
                                                  runtime::kFirstWeekOfYearJan1))
                        truth.modelBroken = u"the composition's text is not Format of its body"_s;
                } catch (const runtime::RuntimeError&) {
                }
            }
        }
        return truth;
    }
    QList<char32_t> alphabet;
    QList<unsigned> classOf;
    for (qsizetype i = 0; i < c.sets.classes.size(); ++i) {
        for (const char32_t ch : c.sets.classes[i]) {
            alphabet.append(ch);
            classOf.append(1u << i);
        }
    }
    const unsigned all = (1u << c.sets.classes.size()) - 1;
    const double probability = 1.0 / c.bodies;
    std::vector<qsizetype> at(static_cast<std::size_t>(c.length), 0);
    tally.texts.reserve(static_cast<qsizetype>(std::min(c.bodies, 2e6)));
    while (true) {
        unsigned seen = 0;
        QString body;
        for (const qsizetype i : at) {
            seen |= classOf[i];
            body += QString::fromUcs4(&alphabet[i], 1);
        }
        if (!c.sets.everyClass || seen == all)
            tally.add(body, probability, c.mask);
        std::size_t i = 0;
        for (; i < at.size(); ++i) {
            if (++at[i] < alphabet.size())
                break;
            at[i] = 0;
        }
        if (i == at.size())
            break;
    }
    Truth truth = tally.finish();
    if (truth.bodies != c.bodies && !truth.formatRaised)
        truth.modelBroken = u"the bodies listed are not as many as counted"_s;
    return truth;
}

Verdict judge(const Case& c, const Truth& truth, double mostBodiesTried) {
    Verdict v;
    v.mostBodiesTried = mostBodiesTried;
    auto fail = [&](const char* check, const QString& detail = QString()) {
        v.failures.push_back({QString::fromLatin1(check), detail});
    };
    try {
        v.said = c.kind == Case::Kind::Window
                     ? core::ComputePasswordEntropy(c.settings, mostBodiesTried)
                     : core::ComputeSetPasswordEntropy(c.sets, c.length, c.mask, mostBodiesTried);
    } catch (const runtime::RuntimeError& error) {
        v.raised = true;
        v.error = error.number();
    } catch (const std::exception& error) {
        v.otherException = QString::fromLocal8Bit(error.what());
        fail("threw", v.otherException);
        return v;
    }
    if (!truth.modelBroken.isEmpty())
        fail("oracle-model", truth.modelBroken);
    if (v.raised != truth.formatRaised || (v.raised && v.error != truth.formatError)) {
        fail("error-mismatch", QStringLiteral("the call raised %1, Format raised %2")
                                   .arg(v.raised ? v.error : 0)
                                   .arg(truth.formatRaised ? truth.formatError : 0));
    }
    if (v.raised || truth.formatRaised)
        return v;
    const core::PasswordEntropy& s = v.said;
    if (std::isnan(s.bits) || std::isinf(s.bits) || s.bits < 0) {
        fail("bits-invalid");
        return v;
    }
    if (truth.empty && !s.emptyBody)
        fail("empty-missed", u"from "_s + show(truth.emptyFrom));
    // The reasoning may refuse a body space small enough that the program always tries every
    // body instead; a refusal a user can meet must be right.
    if (!truth.empty && s.emptyBody) {
        if (mostBodiesTried == core::kMostBodiesTried)
            fail("empty-false");
        else
            v.notes.push_back({u"empty-cautious"_s, QString()});
    }
    // A refusal shows no figure.
    if (truth.empty && s.emptyBody)
        return v;
    if (truth.collide && s.alike == core::AlikeReason::None)
        fail("alike-none");
    const double d = s.bits - truth.bits;
    using F = core::PasswordEntropy::Figure;
    if (s.figure == F::Exact && std::fabs(d) > 0.01)
        fail("bits-exact");
    else if (s.figure == F::About && std::fabs(d) > 0.01)
        fail("bits-about");
    else if (s.figure == F::AtMost && d < -0.01)
        fail("bits-atmost-low");
    else if (s.figure == F::AtMost && d > 1.5) {
        // Looser only where the reason says why: a double's precision, or bodies of more than
        // digits that read as values, which the bound counts at their full share.
        if (s.alike == core::AlikeReason::NumberPrecision)
            v.notes.push_back({u"atmost-loose-precision"_s, QString()});
        else if (s.alike == core::AlikeReason::ReadAsValues)
            v.notes.push_back({u"atmost-loose-values"_s, QString()});
        else
            fail("bits-atmost-high");
    }
    return v;
}

QString describe(const Case& c, const Truth& truth, const Verdict& v, const Failure& f) {
    QString said;
    if (!v.otherException.isEmpty())
        said = u"threw "_s + v.otherException;
    else if (v.raised)
        said = QStringLiteral("raised error %1").arg(v.error);
    else
        said = QStringLiteral("%1%2 bits (alike %3%4, emptyBody %5)")
                   .arg(QString::fromLatin1(figureName(v.said.figure)))
                   .arg(v.said.bits, 0, 'f', 2)
                   .arg(reasonName(v.said.alike))
                   .arg(v.said.alike == core::AlikeReason::None
                            ? QString()
                            : QStringLiteral(" %1").arg(v.said.alikeFigure))
                   .arg(v.said.emptyBody ? u"yes"_s : u"no"_s);
    QString truthText = truth.formatRaised
                            ? QStringLiteral("Format raises %1").arg(truth.formatError)
                            : QStringLiteral("%1 bits, %2 bodies, %3 texts")
                                  .arg(truth.bits, 0, 'f', 2)
                                  .arg(truth.bodies, 0, 'f', 0)
                                  .arg(truth.texts, 0, 'f', 0);
    if (truth.collide)
        truthText += QStringLiteral("; %1 and %2 both give %3")
                         .arg(show(truth.collideA), show(truth.collideB), show(truth.collideText));
    if (truth.empty)
        truthText += u"; "_s + show(truth.emptyFrom) + u" gives the empty text"_s;
    const QString tried = v.mostBodiesTried == core::kMostBodiesTried
                              ? u"default"_s
                              : QString::number(v.mostBodiesTried);
    return QStringLiteral("[%1] mostBodiesTried %2: %3\n    says %4; truth %5%6")
        .arg(f.check, tried, c.commandLine(), said, truthText,
             f.detail.isEmpty() ? QString() : QString(u" ("_s + f.detail + u')'));
}

int fuzzEntry(const std::uint8_t* data, std::size_t size) {
    Choices choices(data, size);
    // The limits of the ctest row, so that the bytes it saves make the same case here.
    const std::optional<Case> c = generateCase(choices, Limits{});
    if (!c)
        return 0;
    const Truth truth = truthOf(*c);
    bool broken = false;
    for (const double tried : {core::kMostBodiesTried, 0.0}) {
        const Verdict v = judge(*c, truth, tried);
        for (const Failure& f : v.failures) {
            std::fprintf(stderr, "%s\n", qPrintable(describe(*c, truth, v, f)));
            broken = true;
        }
    }
    if (broken)
        std::abort();
    return 0;
}

// ---- the seeded run ---------------------------------------------------------------------------

namespace {

struct ClassRecord {
    std::uint64_t count = 0;
    double smallest = 0;
    QString example;
    QString exampleSeed;
};

void usage(const RunDefaults& d) {
    std::printf(
        "Usage: strength oracle [--seed N] [--seconds S] [--cases N] [--max-bodies B]\n"
        "                       [--small-bodies B] [--large-share K] [--show N] [--save DIR]\n"
        "  Generates cases from seed N, lists every body of each, and checks the strength\n"
        "  calls with the default bodies tried and with 0. Stops after S seconds (0: no limit,\n"
        "  default %g) or N cases (0: no limit, default %llu); at most B bodies a case (default\n"
        "  %g), mostly at most --small-bodies (K in 256 cases may be large). --show: failing\n"
        "  cases printed for each class (default 2); --save: each failing case's generator\n"
        "  bytes written there, to replay as a fuzz input, and those of the first N cases\n"
        "  (--save-first). Exit status 1 when a rule broke.\n"
        "       strength oracle -- KEYWRIGHT-CLI OPTIONS\n"
        "  Judges the one case those options make (-t -c -l -m --symbols --chars --exclude\n"
        "  --every-class).\n",
        d.seconds, static_cast<unsigned long long>(d.cases), d.limits.mostBodies);
}

// A case from keywright-cli's options (-t -c -l -m --symbols --chars --exclude --every-class).
std::optional<Case> caseFromOptions(const QStringList& args, QString& error) {
    Case k;
    SetOptions& o = k.options;
    bool sets = false, everyClass = false;
    QString type = u"mixed"_s, letterCase = u"mixed"_s, length = u"6"_s;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool takesValue = a == u"-t" || a == u"-c" || a == u"-l" || a == u"-m" ||
                                a == u"--chars" || a == u"--exclude";
        if (takesValue && i + 1 >= args.size()) {
            error = a + u" needs a value"_s;
            return std::nullopt;
        }
        if (a == u"-t") {
            type = args[++i];
            o.typeGiven = true;
        } else if (a == u"-c") {
            letterCase = args[++i];
        } else if (a == u"-l") {
            length = args[++i];
        } else if (a == u"-m") {
            k.mask = args[++i];
        } else if (a == u"--chars") {
            o.chars = args[++i];
            sets = true;
        } else if (a == u"--exclude") {
            o.exclude = args[++i];
            sets = true;
        } else if (a == u"--symbols") {
            o.symbols = sets = true;
        } else if (a == u"--every-class") {
            everyClass = sets = true;
        } else if (a != u"--entropy" && a != u"keywright-cli") {
            error = u"unknown option "_s + a;
            return std::nullopt;
        }
    }
    const int t = type == u"letters" ? 0 : type == u"digits" ? 1 : type == u"mixed" ? 2 : -1;
    const int lc = letterCase == u"lower"   ? 0
                   : letterCase == u"upper" ? 1
                   : letterCase == u"mixed" ? 2
                                            : -1;
    bool ok = false;
    k.length = length.toInt(&ok);
    if (t < 0 || lc < 0 || !ok || k.length < 1) {
        error = u"bad type, case or length"_s;
        return std::nullopt;
    }
    o.type = static_cast<core::PasswordType>(t);
    o.letterCase = static_cast<core::PasswordCase>(lc);
    k.maskKind = "given";
    k.settings.mask = k.mask;
    k.settings.lengthText = length;
    if (!sets) {
        k.settings.type = static_cast<qint16>(t);
        k.settings.pwdCase = static_cast<qint16>(lc);
        k.bodies = windowBodies(k.settings.type, k.settings.pwdCase, k.length);
        return k;
    }
    k.kind = Case::Kind::Sets;
    const auto classes = classesOf(o, everyClass);
    if (!classes) {
        error = u"no characters, or an empty class"_s;
        return std::nullopt;
    }
    k.sets = *classes;
    k.bodies = setBodies(k.sets, k.length);
    return k;
}

// Judges one given case and prints every rule it breaks, or that it keeps them.
int checkGiven(const QStringList& args) {
    QString error;
    const std::optional<Case> c = caseFromOptions(args, error);
    if (!c) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 2;
    }
    const Truth truth = truthOf(*c);
    int status = 0;
    for (const double tried : {core::kMostBodiesTried, 0.0}) {
        const Verdict v = judge(*c, truth, tried);
        Failure none{u"ok"_s, QString()};
        for (const Failure& f : v.failures)
            std::printf("%s\n", qPrintable(describe(*c, truth, v, f)));
        if (v.failures.empty())
            std::printf("%s\n", qPrintable(describe(*c, truth, v, none)));
        else
            status = 1;
    }
    return status;
}

} // namespace

int runFromCommandLine(int argc, char* argv[], const RunDefaults& defaults) {
    std::uint64_t seed = 1;
    double seconds = defaults.seconds;
    std::uint64_t cases = defaults.cases;
    Limits limits = defaults.limits;
    unsigned show = 2;
    QString saveTo;
    std::uint64_t saveFirst = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--") {
            QStringList rest;
            for (int j = i + 1; j < argc; ++j)
                rest.append(QString::fromLocal8Bit(argv[j]));
            return checkGiven(rest);
        }
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (arg == "--help" || arg == "-h") {
            usage(defaults);
            return 0;
        }
        if (!value) {
            usage(defaults);
            return 2;
        }
        ++i;
        if (arg == "--seed")
            seed = std::strtoull(value, nullptr, 10);
        else if (arg == "--seconds")
            seconds = std::atof(value);
        else if (arg == "--cases")
            cases = std::strtoull(value, nullptr, 10);
        else if (arg == "--max-bodies")
            limits.mostBodies = std::atof(value);
        else if (arg == "--small-bodies")
            limits.smallBodies = std::atof(value);
        else if (arg == "--large-share")
            limits.largeShare = static_cast<unsigned>(std::atoi(value));
        else if (arg == "--show")
            show = static_cast<unsigned>(std::atoi(value));
        else if (arg == "--save")
            saveTo = QString::fromLocal8Bit(value);
        else if (arg == "--save-first")
            saveFirst = std::strtoull(value, nullptr, 10);
        else {
            usage(defaults);
            return 2;
        }
    }
    if (!saveTo.isEmpty())
        QDir().mkpath(saveTo);

    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    auto elapsed = [&] { return std::chrono::duration<double>(Clock::now() - start).count(); };
    std::uint64_t ran = 0, window = 0, failing = 0, noted = 0;
    std::map<QString, ClassRecord> classes;
    std::map<QString, std::uint64_t> notes;
    for (std::uint64_t index = 0;; ++index) {
        if (cases && ran >= cases)
            break;
        if (seconds > 0 && elapsed() >= seconds)
            break;
        std::uint64_t caseSeed = seed * 0x100000001B3ull + index;
        Choices choices(caseSeed);
        const std::optional<Case> c = generateCase(choices, limits);
        if (!c)
            continue;
        ++ran;
        if (c->kind == Case::Kind::Window)
            ++window;
        const Truth truth = truthOf(*c);
        bool broken = false;
        for (const double tried : {core::kMostBodiesTried, 0.0}) {
            const Verdict v = judge(*c, truth, tried);
            const QString side = c->kind == Case::Kind::Window ? u"window"_s : u"sets"_s;
            const QString triedName = tried == 0 ? u"0"_s : u"default"_s;
            for (const Failure& f : v.failures) {
                broken = true;
                const QString key = side + u'/' + triedName + u'/' + f.check + u'/' +
                                    QString::fromLatin1(c->maskKind);
                ClassRecord& record = classes[key];
                const QString line = describe(*c, truth, v, f);
                if (record.count < show)
                    std::printf("%s\n", qPrintable(line));
                const double size = c->bodies * 1000 + c->mask.size();
                if (record.count == 0 || size < record.smallest) {
                    record.smallest = size;
                    record.example = line;
                    record.exampleSeed = QString::number(caseSeed);
                }
                ++record.count;
            }
            for (const Failure& f : v.notes) {
                ++noted;
                ++notes[side + u'/' + triedName + u'/' + f.check];
            }
        }
        if (broken)
            ++failing;
        if ((broken || ran <= saveFirst) && !saveTo.isEmpty()) {
            QFile file(saveTo + QStringLiteral("/case-%1").arg(caseSeed));
            if (file.open(QIODevice::WriteOnly))
                file.write(reinterpret_cast<const char*>(choices.taken().data()),
                           static_cast<qint64>(choices.taken().size()));
        }
    }
    const double took = elapsed();
    std::printf("\nstrength oracle: %llu cases ran (%llu window, %llu sets) in %.1f s, %.0f "
                "cases/s; %llu broke a rule, in %zu classes; %llu looser bounds noted\n",
                static_cast<unsigned long long>(ran), static_cast<unsigned long long>(window),
                static_cast<unsigned long long>(ran - window), took, ran / std::max(took, 1e-9),
                static_cast<unsigned long long>(failing), classes.size(),
                static_cast<unsigned long long>(noted));
    for (const auto& [key, record] : classes)
        std::printf("class %s: %llu cases; smallest:\n  %s\n", qPrintable(key),
                    static_cast<unsigned long long>(record.count), qPrintable(record.example));
    for (const auto& [key, count] : notes)
        std::printf("note %s: %llu cases\n", qPrintable(key),
                    static_cast<unsigned long long>(count));
    std::fflush(stdout);
    return failing ? 1 : 0;
}

} // namespace oracle
