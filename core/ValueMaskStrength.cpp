#include "core/ValueMaskStrength.h"

#include "platform/runtime/format/DateFormat.h"
#include "platform/runtime/format/DateLocale.h"
#include "platform/runtime/format/Format.h"
#include "platform/runtime/format/FormatChoices.h"
#include "platform/runtime/format/FormatSections.h"
#include "platform/runtime/format/NamedFormats.h"
#include "platform/runtime/format/NumberFormat.h"
#include "platform/runtime/format/SerialDate.h"

#include <QDate>
#include <QLocale>

#include <algorithm>
#include <cmath>

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
// Days, months and weeks a date field can show within one year, and what fixes a date in it.
constexpr Real kDaysOfYear = 366;
constexpr Real kWeekdays = 7;
constexpr Real kYearStarts = kWeekdays * 2; // the weekday of 1 January, leap or not
constexpr Real kYearsOfCentury = 100;

Real powerOfTen(long long exponent) {
    return std::pow(Real{10}, static_cast<Real>(exponent));
}

// Adds up the entropy of the texts, group by group: `texts` texts of `each` bodies apiece, out of
// 10^length equally likely bodies. Keeps why the group that loses the most against keeping its
// bodies apart makes them alike.
class Tally {
public:
    explicit Tally(qint32 length) : log2Bodies_(static_cast<Real>(length) * std::log2(Real{10})) {}

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

// How many texts a date section can show for `days` whole days from 31 December 1899 on,
// spanning `years` calendar years: a whole date tells every day apart; otherwise at most the
// years shown times the positions within a year shown.
Real dateTexts(const format::DateSectionShape& shape, Real days, Real years) {
    const bool yearKnown = shape.year || (shape.yearInCentury && years <= kYearsOfCentury);
    const bool dayKnown =
        shape.dayOfYear || (shape.month && shape.day) || (shape.week && shape.weekday);
    if (shape.wholeDate || (yearKnown && dayKnown))
        return days;
    const Real yearTexts = shape.year            ? years
                           : shape.yearInCentury ? std::min(years, kYearsOfCentury)
                                                 : 1;
    Real within = 1;
    within *= shape.month ? 12 : 1;
    within *= shape.day ? 31 : 1;
    within *= shape.dayOfYear ? kDaysOfYear : 1;
    within *= shape.week ? 54 : 1;
    within *= shape.weekday ? kWeekdays : 1;
    within *= shape.quarter ? 4 : 1;
    // Within a known year the day of the year fixes them all; otherwise the year's first
    // weekday and length too.
    within = std::min(within, shape.year ? kDaysOfYear : kDaysOfYear * kYearStarts);
    return std::min(days, yearTexts * within);
}

// Whole numbers from 1 up to `readable` as days under a date section; past the last day the
// mask gives the body back unchanged.
void tallyDates(Tally& tally, Real readable, const format::DateSectionShape& shape) {
    const Real days = std::min(readable - 1, static_cast<Real>(format::kLastSerialDay));
    if (days >= 1) {
        const QDate last = QDate(1899, 12, 30).addDays(static_cast<qint64>(days));
        const Real years = static_cast<Real>(last.year() - 1899 + 1);
        const Real texts = dateTexts(shape, days, years);
        if (texts < days)
            tally.addBound(days, texts, AlikeReason::PartOfDate, 0);
        else
            tally.add(days, 1);
    }
    tally.add(readable - 1 - days, 1);
}

// A section that shows a number: empty for a whole number from 1 on when it shows no digit and
// no fixed text, or scales 1 down to 0.
bool emptyFromOne(const format::NumberSectionShape& shape) {
    return shape.emptyAtZero && (!shape.showsDigits || shape.decimalShift < 0);
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
PositiveTally tallyPositive(Tally& tally, qint32 bodyLength, Real readable, QStringView mask,
                            QStringView section, bool zeroApart) {
    if (const auto named = format::namedFormatShape(mask)) {
        using Kind = format::NamedFormatShape::Kind;
        switch (named->kind) {
        case Kind::Plain:
            tallyNumbers(tally, readable, {true, format::kPlainDigits, 0});
            break;
        case Kind::Currency:
            tallyNumbers(tally, readable,
                         {false, 0, -static_cast<long long>(format::currencyDecimals(QLocale()))});
            break;
        case Kind::Numeric:
            tallyNumbers(tally, readable, roundingOf(format::numberSectionShape(named->pattern)));
            break;
        case Kind::Words:
            tally.addBound(readable - 1, 1, AlikeReason::FewTexts, 2);
            break;
        case Kind::Date:
            tallyDates(tally, readable, format::dateSectionShape(named->pattern));
            break;
        }
        return {};
    }
    if (format::isDateSection(section)) {
        const format::DateSectionShape shape = format::dateSectionShape(section);
        tallyDates(tally, readable, shape);
        return {false, shape.digitsOnly && readable - 1 > format::kLastSerialDay &&
                           digitsCanBeBody(section, bodyLength)};
    }
    const format::NumberSectionShape shape = format::numberSectionShape(section);
    if (!shape.showsDigits && !shape.scientific) {
        tally.addBound(readable - 1, 1, AlikeReason::FewTexts, 2);
        return {};
    }
    const NumberRounding rounding = roundingOf(shape);
    if (!rounding.significant && rounding.unitPowers > 0 &&
        readable <= std::ldexp(Real{1}, kExactBinades)) {
        tallyBuckets(tally, zeroApart ? 1 : 0, readable, powerOfTen(rounding.unitPowers));
        return {!zeroApart, false};
    }
    tallyNumbers(tally, readable, rounding);
    return {};
}

bool isEmptyNumberSection(QStringView section, bool fromOne) {
    if (format::isDateSection(section))
        return false;
    const format::NumberSectionShape shape = format::numberSectionShape(section);
    return fromOne ? emptyFromOne(shape) : shape.emptyAtZero;
}

} // namespace

MaskStrength digitBodiesStrength(const QString& mask, qint32 length) {
    constexpr qint32 kLongestReadable = 308; // 10^308 is still below the largest double
    const Real readable = length <= kLongestReadable ? powerOfTen(length) : kLargestReadable;
    const bool named = format::isNamedFormat(mask);
    const QStringView first = format::chooseSection(mask, 1).section;
    const QStringView zero = format::chooseSection(mask, 0).section;
    const bool zeroApart = named || !sameSection(first, zero);

    Tally tally(length);
    const PositiveTally positive = tallyPositive(tally, length, readable, mask, first, zeroApart);
    if (!positive.zeroCounted)
        tally.add(1, 1);
    // Past the largest double, bodies overflow and come back unchanged.
    tally.addRest();
    const bool overflowAlike = length > kLongestReadable && !named &&
                               !format::isDateSection(first) &&
                               format::numberSectionShape(first).digitsOnly;
    if (positive.unchangedAlike || overflowAlike)
        tally.setReason(AlikeReason::UnchangedBodies, 0);

    MaskStrength strength = tally.result();
    strength.emptyText =
        !named && (isEmptyNumberSection(zero, false) || isEmptyNumberSection(first, true));
    return strength;
}

MaskStrength mixedBodiesStrength(const QString& mask, qint32 length, double bodyBits,
                                 bool anyValue) {
    MaskStrength strength;
    strength.bits = bodyBits;
    // "000" and "0E0" read as the same number whatever the mask does with it.
    strength.alike = AlikeReason::Spellings;
    if (format::isNamedFormat(mask))
        return strength;
    // Bodies read as 0 ("000"), as whole numbers from 1 ("001", "1E5"), as times of day ("5PM")
    // when short enough to hold an hour and a marker, and as dates before 1900, which are
    // negative, when long enough to hold a day, a month's name and a year ("1JAN100"); with signs
    // and points in the alphabet, any of them.
    const QLocale locale;
    const qsizetype marker =
        std::max<qsizetype>({2, locale.amText().size(), locale.pmText().size()});
    constexpr qint32 kShortestNegativeDate = 6;
    const format::ChosenSection negative = format::chooseSection(mask, -1);
    strength.emptyText = isEmptyNumberSection(format::chooseSection(mask, 0).section, false) ||
                         isEmptyNumberSection(format::chooseSection(mask, 1).section, true) ||
                         ((anyValue || length <= 2 + marker) &&
                          isEmptyNumberSection(format::chooseSection(mask, 1).section, false)) ||
                         ((anyValue || length >= kShortestNegativeDate) && !negative.leadingMinus &&
                          isEmptyNumberSection(negative.section, true));
    return strength;
}

} // namespace core
