#include "platform/runtime/format/DateFormat.h"

#include "platform/runtime/format/FormatItems.h"
#include "platform/runtime/format/SerialDate.h"
#include "platform/runtime/format/WeekOfYear.h"

#include <QTime>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace runtime::format {
namespace {

enum class Field : std::uint8_t {
    Literal,
    DateSeparator,
    TimeSeparator,
    Whole, // Whole: "c"
    Day,
    Day2,
    DayShort,
    DayLong,
    ShortDate,
    LongDate,
    Weekday,
    Week,
    Month,
    Month2,
    MonthShort,
    MonthLong,
    Minute,
    Minute2,
    Quarter,
    DayOfYear,
    Year2,
    Year4,
    Hour,
    Hour2,
    Second,
    Second2,
    LongTime,
    Marker,      // AM/PM, A/P as written
    LocaleMarker // AMPM
};

struct Token {
    Field field = Field::Literal;
    QStringView text;  // literal text, or the morning marker
    QStringView text2; // the evening marker
};

bool isSeparatorOrLiteral(Field field) {
    return field == Field::Literal || field == Field::DateSeparator ||
           field == Field::TimeSeparator;
}

// Splits a section into fields and literal text, one token at a time, in a single pass.
class Tokenizer {
public:
    explicit Tokenizer(QStringView section) : reader_(section) {}

    bool atEnd() const { return reader_.atEnd(); }

    Token next() {
        if (reader_.peek(0).isNull()) {
            const FormatItem item = reader_.next();
            return {Field::Literal, item.text, {}};
        }
        const QChar c = at(0);
        if (c == u'a' && matches(u"am/pm"))
            return take({Field::Marker, reader_.unquoted(0, 2), reader_.unquoted(3, 2)}, 5);
        if (c == u'a' && matches(u"ampm"))
            return take({Field::LocaleMarker, {}, {}}, 4);
        if (c == u'a' && matches(u"a/p"))
            return take({Field::Marker, reader_.unquoted(0, 1), reader_.unquoted(2, 1)}, 3);
        if (c == u'a' && matches(u"aaaa"))
            return take({Field::DayLong, {}, {}}, 4);
        if (c == u'o' && matches(u"oooo"))
            return take({Field::MonthLong, {}, {}}, 4);
        if (c == u't' && matches(u"ttttt"))
            return take({Field::LongTime, {}, {}}, 5);
        switch (c.unicode()) {
        case u'/':
            return take({Field::DateSeparator, {}, {}}, 1);
        case u':':
            return take({Field::TimeSeparator, {}, {}}, 1);
        case u'c':
            return take({Field::Whole, {}, {}}, 1);
        case u'd':
            return takeRun(c, {Field::Day, Field::Day2, Field::DayShort, Field::DayLong,
                               Field::ShortDate, Field::LongDate});
        case u'w':
            return takeRun(c, {Field::Weekday, Field::Week});
        case u'm':
            return takeRun(c, {Field::Month, Field::Month2, Field::MonthShort, Field::MonthLong});
        case u'q':
            return take({Field::Quarter, {}, {}}, 1);
        case u'y': {
            const qsizetype n = run(c, 4);
            if (n >= 4)
                return take({Field::Year4, {}, {}}, 4);
            if (n >= 2)
                return take({Field::Year2, {}, {}}, 2);
            return take({Field::DayOfYear, {}, {}}, 1);
        }
        case u'h':
            return takeRun(c, {Field::Hour, Field::Hour2});
        case u'n':
            return takeRun(c, {Field::Minute, Field::Minute2});
        case u's':
            return takeRun(c, {Field::Second, Field::Second2});
        default:
            return {Field::Literal, reader_.next().text, {}};
        }
    }

private:
    QChar at(qsizetype offset) const { return reader_.peek(offset).toLower(); }

    // Length of the run of unquoted characters equal (any case) to c from the next one,
    // counted up to `longest`: a field never takes more, and counting further would make a long
    // run cost its length once per field taken from it.
    qsizetype run(QChar c, qsizetype longest) const {
        qsizetype n = 0;
        while (n < longest && at(n) == c)
            ++n;
        return n;
    }

    bool matches(QStringView lowerText) const {
        for (qsizetype k = 0; k < lowerText.size(); ++k) {
            if (at(k) != lowerText[k])
                return false;
        }
        return true;
    }

    Token take(Token token, qsizetype consumed) {
        reader_.skip(consumed);
        return token;
    }

    // Takes a run of c of up to fields.size() characters; fields[n - 1] is the field of n.
    Token takeRun(QChar c, std::initializer_list<Field> fields) {
        const qsizetype n = run(c, static_cast<qsizetype>(fields.size()));
        return take({fields.begin()[n - 1], {}, {}}, n);
    }

    ItemReader reader_;
};

// The field of every token of a section, with "m" and "mm" turned into minutes next to an hour
// before them or a second after them (separators and literal text skipped).
std::vector<Field> fieldsOf(QStringView section) {
    std::vector<Field> fields;
    for (Tokenizer tokenizer(section); !tokenizer.atEnd();)
        fields.push_back(tokenizer.next().field);
    // The nearest field before each token, then the nearest one after it, each in one sweep.
    std::vector<bool> afterHour(fields.size(), false);
    Field previous = Field::Literal;
    for (size_t k = 0; k < fields.size(); ++k) {
        afterHour[k] = previous == Field::Hour || previous == Field::Hour2;
        if (!isSeparatorOrLiteral(fields[k]))
            previous = fields[k];
    }
    Field following = Field::Literal;
    for (size_t k = fields.size(); k-- > 0;) {
        Field& field = fields[k];
        const bool beforeSecond = following == Field::Second || following == Field::Second2;
        if (!isSeparatorOrLiteral(field))
            following = field;
        if ((field == Field::Month || field == Field::Month2) && (afterHour[k] || beforeSecond))
            field = field == Field::Month ? Field::Minute : Field::Minute2;
    }
    return fields;
}

// A field that shows a number (a day, a week, an hour), not a name, a marker or a separator.
bool printsDigits(Field field) {
    switch (field) {
    case Field::Day:
    case Field::Day2:
    case Field::Weekday:
    case Field::Week:
    case Field::Month:
    case Field::Month2:
    case Field::Minute:
    case Field::Minute2:
    case Field::Quarter:
    case Field::DayOfYear:
    case Field::Year2:
    case Field::Year4:
    case Field::Hour:
    case Field::Hour2:
    case Field::Second:
    case Field::Second2:
        return true;
    default:
        return false;
    }
}

// What a token prints, for telling where one field's text ends and the next one's begins.
enum class Print { Digits, Letters, Other };
struct TokenPrint {
    Print print = Print::Other;
    bool varyingWidth = false;
};

TokenPrint printOf(const Token& token, Field field) {
    switch (field) {
    case Field::Literal:
    case Field::DateSeparator:
    case Field::TimeSeparator: {
        const QStringView text = token.text;
        if (!text.isEmpty() &&
            std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); }))
            return {Print::Digits, false};
        if (!text.isEmpty() &&
            std::all_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); }))
            return {Print::Letters, false};
        return {field == Field::Literal && text.isEmpty() ? Print::Digits : Print::Other, false};
    }
    case Field::Day:
    case Field::Week:
    case Field::Month:
    case Field::Minute:
    case Field::DayOfYear:
    case Field::Hour:
    case Field::Second:
        return {Print::Digits, true};
    case Field::Whole:
    case Field::ShortDate:
    case Field::LongDate:
    case Field::LongTime:
        return {Print::Other, true};
    case Field::DayShort:
    case Field::DayLong:
    case Field::MonthShort:
    case Field::MonthLong:
    case Field::Marker:
    case Field::LocaleMarker:
        return {Print::Letters, true};
    default:
        return {Print::Digits, false};
    }
}

QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QChar(u'0'));
}

class Renderer {
public:
    Renderer(const SerialMoment& moment, int firstDayOfWeek, int firstWeekOfYear,
             const DateLocale& locale, bool twelveHour)
        : moment_(moment), date_(moment.date),
          time_(QTime::fromMSecsSinceStartOfDay(moment.secondOfDay * 1000)),
          firstDayOfWeek_(firstDayOfWeek), firstWeekOfYear_(firstWeekOfYear), locale_(locale),
          twelveHour_(twelveHour) {}

    void render(Field field, const Token& token, QString& out) const {
        const QLocale& l = locale_.locale;
        const int hour = time_.hour();
        const int shownHour = twelveHour_ ? (hour % 12 == 0 ? 12 : hour % 12) : hour;
        switch (field) {
        case Field::Literal:
            out.append(token.text);
            break;
        case Field::DateSeparator:
            out.append(locale_.dateSeparator);
            break;
        case Field::TimeSeparator:
            out.append(locale_.timeSeparator);
            break;
        case Field::Whole:
            whole(out);
            break;
        case Field::Day:
            out.append(QString::number(date_.day()));
            break;
        case Field::Day2:
            out.append(twoDigits(date_.day()));
            break;
        case Field::DayShort:
            out.append(l.dayName(date_.dayOfWeek(), QLocale::ShortFormat));
            break;
        case Field::DayLong:
            out.append(l.dayName(date_.dayOfWeek(), QLocale::LongFormat));
            break;
        case Field::ShortDate:
            out.append(l.toString(date_, locale_.shortDate));
            break;
        case Field::LongDate:
            out.append(l.toString(date_, locale_.longDate));
            break;
        case Field::Weekday:
            out.append(QString::number(weekdayNumber(date_, firstDayOfWeek_)));
            break;
        case Field::Week:
            out.append(QString::number(weekOfYear(date_, firstDayOfWeek_, firstWeekOfYear_)));
            break;
        case Field::Month:
            out.append(QString::number(date_.month()));
            break;
        case Field::Month2:
            out.append(twoDigits(date_.month()));
            break;
        case Field::MonthShort:
            out.append(l.monthName(date_.month(), QLocale::ShortFormat));
            break;
        case Field::MonthLong:
            out.append(l.monthName(date_.month(), QLocale::LongFormat));
            break;
        case Field::Minute:
            out.append(QString::number(time_.minute()));
            break;
        case Field::Minute2:
            out.append(twoDigits(time_.minute()));
            break;
        case Field::Quarter:
            out.append(QString::number((date_.month() - 1) / 3 + 1));
            break;
        case Field::DayOfYear:
            out.append(QString::number(date_.dayOfYear()));
            break;
        case Field::Year2:
            out.append(twoDigits(date_.year() % 100));
            break;
        case Field::Year4:
            out.append(QString::number(date_.year()));
            break;
        case Field::Hour:
            out.append(QString::number(shownHour));
            break;
        case Field::Hour2:
            out.append(twoDigits(shownHour));
            break;
        case Field::Second:
            out.append(QString::number(time_.second()));
            break;
        case Field::Second2:
            out.append(twoDigits(time_.second()));
            break;
        case Field::LongTime:
            out.append(l.toString(time_, locale_.longTime));
            break;
        case Field::Marker:
            out.append(hour < 12 ? token.text : token.text2);
            break;
        case Field::LocaleMarker:
            out.append(hour < 12 ? l.amText() : l.pmText());
            break;
        }
    }

private:
    // The date alone, the time alone, or both, as "c" and General Date show a moment.
    void whole(QString& out) const {
        const QLocale& l = locale_.locale;
        if (moment_.wholeDays)
            out.append(l.toString(date_, locale_.shortDate));
        if (moment_.wholeDays && moment_.secondOfDay != 0)
            out.append(u' ');
        if (!moment_.wholeDays || moment_.secondOfDay != 0)
            out.append(l.toString(time_, locale_.longTime));
    }

    const SerialMoment& moment_;
    QDate date_;
    QTime time_;
    int firstDayOfWeek_;
    int firstWeekOfYear_;
    const DateLocale& locale_;
    bool twelveHour_;
};

} // namespace

bool isDateSection(QStringView section) {
    for (Tokenizer tokenizer(section); !tokenizer.atEnd();) {
        if (!isSeparatorOrLiteral(tokenizer.next().field))
            return true;
    }
    return false;
}

DateSectionShape dateSectionShape(QStringView section) {
    DateSectionShape shape;
    const std::vector<Field> fields = fieldsOf(section);
    // Within a run of tokens that print the same kind of character, one field of varying width
    // is told apart by the run's length; two are not. Whole dates and times, whose texts mix
    // kinds, count as varying in every run they touch.
    int varyingInRun = 0;
    Print run = Print::Other;
    bool afterWhole = false;
    size_t index = 0;
    for (Tokenizer tokenizer(section); !tokenizer.atEnd(); ++index) {
        const Token token = tokenizer.next();
        const TokenPrint print = printOf(token, fields[index]);
        const bool whole = print.print == Print::Other && print.varyingWidth;
        if (whole) {
            shape.fieldsRunTogether = shape.fieldsRunTogether || varyingInRun >= 1;
            varyingInRun = 1;
        } else if (print.print == Print::Other) {
            varyingInRun = 0;
        } else {
            if (print.print != run)
                varyingInRun = afterWhole ? 1 : 0;
            varyingInRun += print.varyingWidth ? 1 : 0;
            shape.fieldsRunTogether = shape.fieldsRunTogether || varyingInRun >= 2;
        }
        run = print.print;
        afterWhole = whole;
        const bool digits = token.field == Field::Literal
                                ? std::all_of(token.text.begin(), token.text.end(),
                                              [](QChar c) { return c.isDigit(); })
                                : printsDigits(token.field);
        shape.digitsOnly = shape.digitsOnly && digits;
    }
    for (const Field field : fields) {
        switch (field) {
        case Field::Whole:
        case Field::ShortDate:
        case Field::LongDate:
            shape.wholeDate = true;
            break;
        case Field::Year4:
            shape.year = true;
            break;
        case Field::Year2:
            shape.yearInCentury = true;
            break;
        case Field::Month:
        case Field::Month2:
        case Field::MonthShort:
        case Field::MonthLong:
            shape.month = true;
            break;
        case Field::Day:
        case Field::Day2:
            shape.day = true;
            break;
        case Field::DayOfYear:
            shape.dayOfYear = true;
            break;
        case Field::Week:
            shape.week = true;
            break;
        case Field::Weekday:
        case Field::DayShort:
        case Field::DayLong:
            shape.weekday = true;
            break;
        case Field::Quarter:
            shape.quarter = true;
            break;
        default:
            break;
        }
    }
    return shape;
}

std::optional<QString> formatDateSection(double serial, QStringView section, int firstDayOfWeek,
                                         int firstWeekOfYear, const DateLocale& locale) {
    const std::optional<SerialMoment> moment = momentOf(serial);
    if (!moment)
        return std::nullopt;
    if (firstDayOfWeek == 0)
        firstDayOfWeek = locale.firstDayOfWeek;
    if (firstWeekOfYear == 0)
        firstWeekOfYear = locale.firstDayOfWeek == 2 ? 2 : 1;

    // Two passes over the section: the fields first (minutes need the fields on both sides),
    // then the text, so that nothing per character but its field is kept.
    const std::vector<Field> fields = fieldsOf(section);
    const bool twelveHour = std::any_of(fields.begin(), fields.end(), [](Field field) {
        return field == Field::Marker || field == Field::LocaleMarker;
    });
    const Renderer renderer(*moment, firstDayOfWeek, firstWeekOfYear, locale, twelveHour);
    QString out;
    out.reserve(section.size() + 16);
    Tokenizer tokenizer(section);
    for (const Field field : fields)
        renderer.render(field, tokenizer.next(), out);
    return out;
}

} // namespace runtime::format
