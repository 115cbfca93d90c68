#include "core/ValueMaskStrength.h"

#include "core/EveryBody.h"
#include "platform/runtime/format/DateFormat.h"
#include "platform/runtime/format/DateLocale.h"
#include "platform/runtime/format/Format.h"
#include "platform/runtime/format/FormatChoices.h"
#include "platform/runtime/format/FormatSections.h"
#include "platform/runtime/format/NamedFormats.h"
#include "platform/runtime/format/NumberFormat.h"
#include "platform/runtime/format/SerialDate.h"
#include "platform/runtime/format/WeekOfYear.h"

#include <QDate>
#include <QLocale>

#include <algorithm>
#include <bit>
#include <cmath>
#include <unordered_map>
#include <utility>
#include <vector>

namespace core {
namespace {

namespace format = runtime::format;

using Real = long double;

// Above this a body of digits overflows when read as a number (halfway from the largest double
// to 2^1024 rounds to infinity), and the mask gives it back unchanged.
const Real kLargestReadable = std::ldexp(Real{1}, 1024) - std::ldexp(Real{1}, 970);
// A double holds every whole number below 2^53; above, one in 2^(binade - 52).
constexpr int kExactBinades = 53;
constexpr int kMantissaBits = 52;
constexpr int kDoubleDigits = 17;
// Whole numbers of up to 15 digits are held exactly.
constexpr qint32 kExactDigits = 15;

Real powerOfTen(long long exponent) {
    return std::pow(Real{10}, static_cast<Real>(exponent));
}

// Adds up the entropy of the texts, group by group: `texts` texts of `each` bodies apiece, out of
// 2^log2Bodies equally likely bodies. Keeps why the group that loses the most against keeping its
// bodies apart makes them alike.
class Tally {
public:
    explicit Tally(Real log2Bodies) : log2Bodies_(log2Bodies) {}

    void add(Real texts, Real each, AlikeReason reason = AlikeReason::None, Real figure = 0) {
        if (texts <= 0 || each <= 0)
            return;
        const Real logEach = std::log2(each);
        const Real share = texts * std::exp2(logEach - log2Bodies_);
        share_ += share;
        bits_ += share * (log2Bodies_ - logEach);
        if (each > 1 && reason != AlikeReason::None) {
            const Real loss = share * logEach;
            if (reason_ == AlikeReason::None || loss > worstLoss_) {
                worstLoss_ = loss;
                reason_ = reason;
                figure_ = figure;
            }
        }
    }

    // A group of bodies that shows at most `texts` texts: bounded as if each were as likely.
    void addBound(Real bodies, Real texts, AlikeReason reason, Real figure) {
        texts = std::clamp(texts, Real{1}, bodies);
        add(texts, bodies / texts, reason, figure);
        bound_ = true;
    }

    // All the bodies not added yet, each with a text of its own.
    void addRest() { bits_ += std::max(Real{0}, 1 - share_) * log2Bodies_; }

    // Bodies that may come out alike across groups: the sum bounds the entropy from above.
    void setReason(AlikeReason reason, Real figure) {
        bound_ = true;
        if (reason_ == AlikeReason::None) {
            reason_ = reason;
            figure_ = figure;
        }
    }

    MaskStrength result() const {
        MaskStrength strength;
        strength.bits = static_cast<double>(std::min(bits_, log2Bodies_));
        strength.alike = reason_;
        strength.alikeFigure = static_cast<double>(figure_);
        strength.oneToOne = reason_ == AlikeReason::None;
        strength.counted = !bound_ && !strength.oneToOne;
        if (strength.oneToOne)
            strength.bits = static_cast<double>(log2Bodies_);
        return strength;
    }

private:
    Real log2Bodies_;
    Real bits_ = 0;
    Real share_ = 0;
    Real worstLoss_ = 0;
    AlikeReason reason_ = AlikeReason::None;
    Real figure_ = 0;
    bool bound_ = false;
};

// How a numeric section rounds a whole number before showing it: to a count of significant
// digits (scientific, plain number text), or to multiples of 10^unitPowers (fraction places,
// % and scaling commas; 0 or below keeps whole numbers).
struct NumberRounding {
    bool significant = false;
    long long digits = 0;
    long long unitPowers = 0;
};

NumberRounding roundingOf(const format::NumberSectionShape& shape) {
    if (shape.scientific)
        return {true, shape.showsDigits ? shape.significantDigits : 0, 0};
    return {false, 0, -(shape.decimalShift + shape.fractionDigits)};
}

// Whole numbers from `start` (0 or 1) up to `readable` rounded to multiples of a unit, half away
// from zero, all held exactly by doubles: counted bucket by bucket.
void tallyBuckets(Tally& tally, Real start, Real readable, Real unit) {
    const Real half = unit / 2;
    tally.add(1, std::min(half, readable) - start, AlikeReason::Rounding, unit);
    const Real last = std::floor((readable - 1) / unit + Real{0.5});
    if (last < 1)
        return;
    tally.add(last - 1, unit, AlikeReason::Rounding, unit);
    tally.add(1, readable - half - (last - 1) * unit, AlikeReason::Rounding, unit);
}

// Whole numbers from 1 up to `readable` as a numeric section shows them: read as the nearest
// double, then rounded by the section. Range by range, split at every power of ten (where the
// significant digits move) and every power of two (where the doubles' spacing doubles).
void tallyNumbers(Tally& tally, Real readable, const NumberRounding& rounding) {
    Real from = 1;
    long long decade = 0;
    int binade = 0;
    while (from < readable) {
        const Real nextTen = powerOfTen(decade + 1);
        const Real nextTwo = std::ldexp(Real{1}, binade + 1);
        const Real to = std::min({nextTen, nextTwo, readable});
        const Real bodies = to - from;
        const Real spacing =
            binade >= kExactBinades ? std::ldexp(Real{1}, binade - kMantissaBits) : Real{1};
        const long long unitPowers =
            rounding.significant ? decade + 1 - rounding.digits : rounding.unitPowers;
        const Real unit = unitPowers > 0 ? powerOfTen(unitPowers) : Real{1};
        if (unit > 1 && unit >= spacing) {
            // A carry can reach the next range's first text.
            tally.addBound(bodies, std::min(std::floor(bodies / unit) + 2, bodies / spacing + 1),
                           rounding.significant ? AlikeReason::SignificantDigits
                                                : AlikeReason::Rounding,
                           rounding.significant ? static_cast<Real>(rounding.digits) : unit);
        } else if (spacing > 1 && unit > 1) {
            tally.addBound(bodies, bodies / spacing + 1, AlikeReason::NumberPrecision,
                           kDoubleDigits);
        } else if (spacing > 1) {
            // Each double takes the whole numbers nearest to it; a tie goes to the one with an
            // even mantissa, so half of them take one more and half one fewer.
            const Real doubles = bodies / spacing;
            tally.add(doubles / 2, spacing + 1, AlikeReason::NumberPrecision, kDoubleDigits);
            tally.add(doubles / 2, spacing - 1, AlikeReason::NumberPrecision, kDoubleDigits);
        } else {
            tally.add(bodies, 1);
        }
        decade += to == nextTen ? 1 : 0;
        binade += to == nextTwo ? 1 : 0;
        from = to;
    }
}

// The digits of a body, a bit each.
int digitCount(DigitSet digits) {
    return std::popcount(static_cast<unsigned>(digits));
}
bool holds(DigitSet digits, int digit) {
    return (digits >> digit) & 1;
}
// The smallest digit of the set other than 0; 10 where there is none.
int lowestNonzero(DigitSet digits) {
    int digit = 1;
    while (digit <= 9 && !holds(digits, digit))
        ++digit;
    return digit;
}
int countIn(DigitSet digits, int from, int to) {
    int count = 0;
    for (int d = from; d <= to; ++d)
        count += holds(digits, d) ? 1 : 0;
    return count;
}

// The body of `length` digits that spells v, leading zeros included.
QString bodyOf(long long v, qint32 length) {
    return QStringLiteral("%1").arg(v, length, 10, QChar(u'0'));
}

// Whether every digit of v, written with `length` digits, is one of `digits`.
bool spelledWith(long long v, qint32 length, DigitSet digits) {
    qint32 written = 0;
    do {
        if (!holds(digits, static_cast<int>(v % 10)))
            return false;
        v /= 10;
        ++written;
    } while (v > 0);
    return written == length || (written < length && holds(digits, 0));
}

// Bodies of `length` digits from `digits` rounded to multiples of 10^unitPowers (unitPowers 1 or
// more), half away from zero: the whole part above the unit, plus one where the first digit
// below it is 5 or more. leadNonzero: the bodies' first digit is not 0, as for the numbers of one
// magnitude. withoutZero: the body of zeros is counted elsewhere.
void tallyRoundedDigits(Tally& tally, DigitSet digits, long long width, long long unitPowers,
                        bool leadNonzero, bool withoutZero, AlikeReason reason, Real figure) {
    const Real base = digitCount(digits);
    const Real nonzero = base - (holds(digits, 0) ? 1 : 0);
    const auto prefixes = [&](long long size) {
        if (size <= 0)
            return Real{1};
        return leadNonzero ? nonzero * std::pow(base, static_cast<Real>(size - 1))
                           : std::pow(base, static_cast<Real>(size));
    };
    const Real wholes = prefixes(width);
    // Whole parts k with k - 1 one too: the step from k - 1 to k turns one digit d into d + 1
    // and the nines after it into zeros.
    const Real steps = countIn(digits, 0, 9) == 0 ? 0 : [&] {
        int plain = 0;
        int leading = 0;
        for (int d = 0; d <= 8; ++d) {
            const bool step = holds(digits, d) && holds(digits, d + 1);
            plain += step ? 1 : 0;
            leading += step && d >= 1 ? 1 : 0;
        }
        Real count = 0;
        for (long long nines = 0; nines < width; ++nines) {
            if (nines > 0 && !(holds(digits, 0) && holds(digits, 9)))
                break;
            const long long before = width - nines - 1;
            count += before > 0 ? prefixes(before) * plain : (leadNonzero ? leading : plain);
        }
        return count;
    }();
    const Real below = std::pow(base, static_cast<Real>(unitPowers - 1));
    const Real lowSize = countIn(digits, 0, 4) * below;
    const Real highSize = countIn(digits, 5, 9) * below;
    Real lowGroups = wholes - steps;
    if (withoutZero && holds(digits, 0) && !leadNonzero && lowSize > 0) {
        lowGroups -= 1;
        tally.add(1, lowSize - 1, reason, figure);
    }
    tally.add(lowGroups, lowSize, reason, figure);
    tally.add(wholes - steps, highSize, reason, figure);
    tally.add(steps, below * base, reason, figure);
}

// Bodies of digits shown to `significant` digits (scientific notation, the plain number text),
// counted text by text where the leading digits are few enough to list: a text is the
// magnitude and the leading digits rounded, a carry moving it to the next magnitude ("9.6E+02"
// to one digit is "1E+03"). False, and nothing counted, where there are too many.
bool tallySignificantDigits(Tally& tally, DigitSet digits, qint32 length, long long significant) {
    constexpr Real kMostLeads = 1 << 18;
    const Real base = digitCount(digits);
    const bool zero = holds(digits, 0);
    if (length > kExactDigits || significant > kExactDigits ||
        std::pow(base, static_cast<Real>(significant)) * length > kMostLeads)
        return false;
    std::unordered_map<quint64, Real> texts;
    const auto add = [&texts](long long magnitude, long long lead, Real count) {
        if (count > 0)
            texts[static_cast<quint64>(lead) * 512 + static_cast<quint64>(magnitude)] += count;
    };
    const long long top = static_cast<long long>(powerOfTen(significant));
    for (qint32 magnitude = 1; magnitude <= length; ++magnitude) {
        if (magnitude < length && !zero)
            continue;
        if (magnitude <= significant) { // every digit shown
            tally.add((base - (zero ? 1 : 0)) * std::pow(base, static_cast<Real>(magnitude - 1)),
                      1);
            continue;
        }
        // The digits below the leading ones: the first of them rounds up from 5.
        const Real rest = std::pow(base, static_cast<Real>(magnitude - significant - 1));
        const bool leadIsNext = significant == 0;
        const Real low = countIn(digits, leadIsNext ? 1 : 0, 4) * rest;
        const Real high = countIn(digits, 5, 9) * rest;
        // Every run of `significant` digits from the set with a first digit other than 0.
        std::vector<int> run(static_cast<size_t>(significant), 0);
        while (true) {
            bool valid = true;
            long long lead = 0;
            for (long long k = 0; k < significant; ++k) {
                valid = valid && holds(digits, run[k]) && (k > 0 || run[k] != 0);
                lead = lead * 10 + run[k];
            }
            if (valid) {
                add(magnitude, lead, low);
                if (lead + 1 == top)
                    add(magnitude + 1, top / 10, high);
                else
                    add(magnitude, lead + 1, high);
            }
            long long k = significant - 1;
            while (k >= 0 && ++run[k] == 10)
                run[k--] = 0;
            if (k < 0)
                break;
        }
    }
    for (const auto& [text, count] : texts)
        tally.add(1, count, AlikeReason::SignificantDigits, static_cast<Real>(significant));
    return true;
}

// Bodies of digits from a set short of ten, read as whole numbers and shown by a numeric
// section: kept apart, rounded to a unit, or to significant digits magnitude by magnitude.
// Returns whether the body of zeros was counted.
bool tallyDigitSetNumbers(Tally& tally, DigitSet digits, qint32 length,
                          const NumberRounding& rounding, bool zeroApart) {
    const Real base = digitCount(digits);
    const bool zero = holds(digits, 0);
    const Real bodies = std::pow(base, static_cast<Real>(length));
    if (length > kExactDigits)
        tally.setReason(AlikeReason::NumberPrecision, kDoubleDigits);
    if (rounding.significant) {
        if (tallySignificantDigits(tally, digits, length, std::max<long long>(0, rounding.digits)))
            return false;
        const Real nonzero = base - (zero ? 1 : 0);
        for (qint32 magnitude = 1; magnitude <= length; ++magnitude) {
            if (magnitude < length && !zero)
                continue;
            const Real count = nonzero * std::pow(base, static_cast<Real>(magnitude - 1));
            const long long unitPowers = magnitude - rounding.digits;
            if (unitPowers <= 0) {
                tally.add(count, 1);
                continue;
            }
            // A carry shows as the next magnitude's first text.
            tally.setReason(AlikeReason::SignificantDigits, static_cast<Real>(rounding.digits));
            tallyRoundedDigits(tally, digits, rounding.digits, unitPowers, true, false,
                               AlikeReason::SignificantDigits, static_cast<Real>(rounding.digits));
        }
        return false;
    }
    if (rounding.unitPowers <= 0) {
        tally.add(bodies - (zero && zeroApart ? 1 : 0), 1);
        return !zeroApart;
    }
    const Real unit = powerOfTen(rounding.unitPowers);
    if (rounding.unitPowers > length) {
        tally.add(1, bodies - (zero && zeroApart ? 1 : 0), AlikeReason::Rounding, unit);
        return !zeroApart;
    }
    tallyRoundedDigits(tally, digits, length - rounding.unitPowers, rounding.unitPowers, false,
                       zeroApart, AlikeReason::Rounding, unit);
    return !zeroApart;
}

// What a date section or named date format shows of a day: the fields it prints, packed.
quint64 dateKey(const format::DateSectionShape& shape, QDate date, long long serial) {
    if (shape.wholeDate)
        return static_cast<quint64>(serial);
    int year = 0;
    int month = 0;
    int day = 0;
    date.getDate(&year, &month, &day);
    quint64 key = 0;
    const auto put = [&key](bool shown, int value, int bits) {
        key = (key << bits) | (shown ? static_cast<quint64>(value) : 0);
    };
    put(shape.year || shape.yearInCentury, shape.year ? year : year % 100, 14);
    put(shape.month, month, 4);
    put(shape.day, day, 5);
    put(shape.dayOfYear, date.dayOfYear(), 9);
    put(shape.week,
        format::weekOfYear(date, runtime::kFirstDayOfWeekSunday, runtime::kFirstWeekOfYearJan1), 6);
    put(shape.weekday, date.dayOfWeek(), 3);
    put(shape.quarter, (month - 1) / 3, 2);
    return key;
}

// Bodies of digits read as days, from 1 (from 0 with includeZero) to the last day, under a
// date section or named date format: grouped by the fields shown, each group's text made once
// where that is cheap, so that fields run together are counted as they show. Past the last day
// the mask gives the body back unchanged: those are left to the caller.
void tallyDateBodies(Tally& tally, const QString& mask, const format::DateSectionShape& shape,
                     DigitSet digits, qint32 length, bool includeZero) {
    const long long last =
        length >= 7 ? format::kLastSerialDay
                    : std::min<long long>(format::kLastSerialDay,
                                          static_cast<long long>(powerOfTen(length)) - 1);
    const bool everyDayApart =
        shape.wholeDate || (shape.year && (shape.dayOfYear || (shape.month && shape.day) ||
                                           (shape.week && shape.weekday)));
    const QDate epoch(1899, 12, 30);
    if (everyDayApart && digits == kAllDigits) {
        tally.add(static_cast<Real>(last + (includeZero ? 1 : 0)), 1);
        if (shape.fieldsRunTogether)
            tally.setReason(AlikeReason::FieldsRunTogether, 0);
        return;
    }
    std::vector<std::pair<quint64, long long>> days;
    for (long long v = includeZero ? 0 : 1; v <= last; ++v) {
        if (spelledWith(v, length, digits))
            days.emplace_back(
                everyDayApart ? static_cast<quint64>(v) : dateKey(shape, epoch.addDays(v), v), v);
    }
    std::sort(days.begin(), days.end());
    std::vector<std::pair<long long, Real>> groups; // a day of each, and how many days show alike
    for (size_t i = 0; i < days.size();) {
        size_t j = i;
        while (j < days.size() && days[j].first == days[i].first)
            ++j;
        groups.emplace_back(days[i].second, static_cast<Real>(j - i));
        i = j;
    }
    if (EveryBodyCost(static_cast<double>(groups.size()), length, mask) <=
        kMostCharactersFormatted) {
        std::unordered_map<TextKey, Real, TextKeyHash> texts;
        for (const auto& [day, count] : groups)
            texts[textKeyOf(runtime::Format(bodyOf(day, length), mask,
                                            runtime::kFirstDayOfWeekSunday,
                                            runtime::kFirstWeekOfYearJan1))] += count;
        for (const auto& [text, count] : texts)
            tally.add(1, count, AlikeReason::PartOfDate, 0);
        return;
    }
    for (const auto& [day, count] : groups)
        tally.add(1, count, AlikeReason::PartOfDate, 0);
    if (shape.fieldsRunTogether)
        tally.setReason(AlikeReason::FieldsRunTogether, 0);
}

bool sameSection(QStringView a, QStringView b) {
    return a.data() == b.data() && a.size() == b.size();
}

// Whether a date section that shows digits alone can show as many as a body has: its shortest
// and longest texts are those of a day whose fields are all one digit wide and of one whose
// fields are all at their widest.
bool digitsCanBeBody(QStringView section, qint32 bodyLength) {
    const format::DateLocale locale = format::DateLocale::of(QLocale());
    qsizetype shortest = bodyLength + 1;
    qsizetype longest = 0;
    for (const QDate day : {QDate(1900, 1, 1), QDate(2000, 12, 31)}) {
        const qsizetype size = format::formatDateSection(format::serialOf(day, 0), section,
                                                         runtime::kFirstDayOfWeekSunday,
                                                         runtime::kFirstWeekOfYearJan1, locale)
                                   .value_or(QString())
                                   .size();
        shortest = std::min(shortest, size);
        longest = std::max(longest, size);
    }
    return bodyLength >= shortest && bodyLength <= longest;
}

// What tallyPositive counted besides the whole numbers from 1 on.
struct PositiveTally {
    bool zeroCounted = false;    // the body of zeros, in the bucket of small numbers
    bool unchangedAlike = false; // texts of digits alone, beside bodies given back unchanged
};

// The whole numbers from 1 to `readable` through the section or named format that shows them;
// from 0 on where the body of zeros shares their section.
PositiveTally tallyPositive(Tally& tally, qint32 bodyLength, Real readable, const QString& mask,
                            QStringView section, bool zeroApart, DigitSet digits) {
    const bool allDigits = digits == kAllDigits;
    const Real positives = allDigits
                               ? readable - 1
                               : std::pow(Real(digitCount(digits)), static_cast<Real>(bodyLength)) -
                                     (holds(digits, 0) ? 1 : 0);
    const auto numbers = [&](const NumberRounding& rounding) {
        if (!allDigits)
            return PositiveTally{
                tallyDigitSetNumbers(tally, digits, bodyLength, rounding, zeroApart), false};
        if (rounding.significant && tallySignificantDigits(tally, digits, bodyLength,
                                                           std::max<long long>(0, rounding.digits)))
            return PositiveTally{};
        if (!rounding.significant && rounding.unitPowers > 0 &&
            readable <= std::ldexp(Real{1}, kExactBinades)) {
            tallyBuckets(tally, zeroApart ? 1 : 0, readable, powerOfTen(rounding.unitPowers));
            return PositiveTally{!zeroApart, false};
        }
        tallyNumbers(tally, readable, rounding);
        return PositiveTally{};
    };
    if (const auto named = format::namedFormatShape(mask)) {
        using Kind = format::NamedFormatShape::Kind;
        switch (named->kind) {
        case Kind::Plain:
            return numbers({true, format::kPlainDigits, 0});
        case Kind::Currency:
            return numbers(
                {false, 0, -static_cast<long long>(format::currencyDecimals(QLocale()))});
        case Kind::Numeric:
            return numbers(roundingOf(format::numberSectionShape(named->pattern)));
        case Kind::Words:
            if (positives > 0)
                tally.addBound(positives, 1, AlikeReason::FewTexts, 2);
            return {};
        case Kind::Date:
            // The body of zeros is a day too, 30 December 1899.
            tallyDateBodies(tally, mask, format::dateSectionShape(named->pattern), digits,
                            bodyLength, true);
            return {true, false};
        }
    }
    if (format::isDateSection(section)) {
        const format::DateSectionShape shape = format::dateSectionShape(section);
        tallyDateBodies(tally, mask, shape, digits, bodyLength, !zeroApart);
        const bool pastLastDay =
            allDigits ? readable - 1 > format::kLastSerialDay : bodyLength >= 7;
        return {!zeroApart,
                shape.digitsOnly && pastLastDay && digitsCanBeBody(section, bodyLength)};
    }
    const format::NumberSectionShape shape = format::numberSectionShape(section);
    if (!shape.showsDigits && !shape.scientific) {
        if (positives > 0)
            tally.addBound(positives, 1, AlikeReason::FewTexts, 2);
        return {};
    }
    return numbers(roundingOf(shape));
}

// A numeric section that prints nothing for a value that rounds to zero.
bool isEmptyNumberSection(QStringView section) {
    return !format::isDateSection(section) && format::numberSectionShape(section).emptyAtZero;
}

} // namespace

MaskStrength digitBodiesStrength(const QString& mask, qint32 length, DigitSet digits) {
    constexpr qint32 kLongestReadable = 308; // 10^308 is still below the largest double
    const bool allDigits = digits == kAllDigits;
    const Real base = digitCount(digits);
    const Real log2Bodies = static_cast<Real>(length) * std::log2(base);
    const bool named = format::isNamedFormat(mask);
    const QStringView first = format::chooseSection(mask, 1).section;
    const QStringView zero = format::chooseSection(mask, 0).section;
    const bool zeroApart = named || !sameSection(first, zero);

    Tally tally(log2Bodies);
    if (!allDigits && length > kLongestReadable) {
        // Only bodies that start with 300 zeros or more can be read; without a zero, none.
        if (holds(digits, 0))
            tally.setReason(AlikeReason::ReadAsValues, 0);
    } else {
        const Real readable = length <= kLongestReadable ? powerOfTen(length) : kLargestReadable;
        const PositiveTally positive =
            tallyPositive(tally, length, readable, mask, first, zeroApart, digits);
        if (!positive.zeroCounted && holds(digits, 0))
            tally.add(1, 1);
        const bool overflowAlike = length > kLongestReadable && !named &&
                                   !format::isDateSection(first) &&
                                   format::numberSectionShape(first).digitsOnly;
        if (positive.unchangedAlike || overflowAlike)
            tally.setReason(AlikeReason::UnchangedBodies, 0);
    }
    // Past the largest double, or the last day, bodies come back unchanged.
    tally.addRest();

    MaskStrength strength = tally.result();
    // Sections show more the larger the number: the smallest bodies tell whether one is empty.
    QString smallest = bodyOf(0, length);
    const auto emptyFor = [&mask](const QString& body) {
        return runtime::Format(body, mask, runtime::kFirstDayOfWeekSunday,
                               runtime::kFirstWeekOfYearJan1)
            .isEmpty();
    };
    if (holds(digits, 0) && emptyFor(smallest))
        strength.emptyText = true;
    const int lowest = lowestNonzero(digits);
    if (lowest <= 9) {
        if (holds(digits, 0))
            smallest.back() = QChar(u'0' + lowest);
        else
            smallest.fill(QChar(u'0' + lowest));
        strength.emptyText = strength.emptyText || emptyFor(smallest);
    }
    return strength;
}

MaskStrength mixedBodiesStrength(const QString& mask, qint32 length, double bodyBits,
                                 const MixedAlphabet& alphabet) {
    MaskStrength strength;
    strength.bits = bodyBits;
    strength.alike = AlikeReason::ReadAsValues;
    const qint32 digitCountOf = digitCount(alphabet.digits);
    if (digitCountOf > 0) {
        // The bodies of digits alone lose what the mask takes from them; the others at most keep
        // their share of the body's entropy.
        const MaskStrength digits = digitBodiesStrength(mask, length, alphabet.digits);
        const double digitBits = length * std::log2(static_cast<double>(digitCountOf));
        strength.bits = std::max(0.0, bodyBits - alphabet.digitShare * (digitBits - digits.bits));
        if (digits.alike != AlikeReason::None && alphabet.digitShare > 0)
            strength.alike = digits.alike;
        strength.alikeFigure = digits.alikeFigure;
        strength.emptyText = alphabet.digitShare > 0 && digits.emptyText;
    }
    if (format::isNamedFormat(mask))
        return strength;
    // Besides: times of day ("5PM", from 0 for "12AM") when short enough to hold an hour and a
    // marker; dates before 1900, which are negative, when long enough to hold a day, a month's
    // name and a year ("1JAN100": at least 328,717 days before 1900; "1DEC1899", 29 days;
    // "29DEC1899", one); with signs and points in the alphabet, any value.
    const QLocale locale;
    const qsizetype marker =
        std::max<qsizetype>({2, locale.amText().size(), locale.pmText().size()});
    const bool times = alphabet.markers && digitCountOf > 0 && length <= 2 + marker;
    const bool negativeDates = alphabet.monthNames && digitCountOf > 0 && length >= 7;
    const auto emptyAt = [&mask](double value) {
        return runtime::Format(QString::number(value, 'g', 17), mask).isEmpty();
    };
    if (alphabet.anyValue) {
        strength.emptyText = strength.emptyText ||
                             isEmptyNumberSection(format::chooseSection(mask, 0).section) ||
                             isEmptyNumberSection(format::chooseSection(mask, 1).section) ||
                             (!format::chooseSection(mask, -1).leadingMinus &&
                              isEmptyNumberSection(format::chooseSection(mask, -1).section));
        return strength;
    }
    constexpr double kHour = 1.0 / 24;
    const double nearestNegativeDay = length >= 9 ? -1 : length == 8 ? -29 : -328717;
    // Midnight is "0A" or "12A"; the earliest other hour the smallest digit but 0.
    const DigitSet d = alphabet.digits;
    const bool midnight = holds(d, 0) || (holds(d, 1) && holds(d, 2) && length >= 3);
    const int hour = lowestNonzero(d);
    strength.emptyText =
        strength.emptyText ||
        (times && ((midnight && emptyAt(0)) || (hour <= 9 && emptyAt(hour * kHour)))) ||
        (negativeDates && emptyAt(nearestNegativeDay));
    return strength;
}

} // namespace core
