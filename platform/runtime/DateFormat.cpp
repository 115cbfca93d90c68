#include "DateFormat.h"

#include "FormatItems.h"
#include "SerialDate.h"
#include "WeekOfYear.h"

#include <QTime>

#include <vector>

namespace runtime::format {
namespace {

enum class Field {
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
    QString text;  // literal text, or the morning marker
    QString text2; // the evening marker
};

bool isSeparatorOrLiteral(Field field) {
    return field == Field::Literal || field == Field::DateSeparator ||
           field == Field::TimeSeparator;
}

class Tokenizer {
public:
    explicit Tokenizer(QStringView section) : items_(itemsOf(section)) {}

    std::vector<Token> tokens() {
        while (i_ < items_.size())
            step();
        resolveMinutes();
        return std::move(tokens_);
    }

private:
    QChar at(size_t offset) const { return charAt(items_, i_ + offset).toLower(); }

    // Length of the run of unquoted characters equal (any case) to c from the current one.
    size_t run(QChar c) const {
        size_t n = 0;
        while (at(n) == c)
            ++n;
        return n;
    }

    bool matches(QStringView lowerText) const {
        for (qsizetype k = 0; k < lowerText.size(); ++k) {
            if (at(static_cast<size_t>(k)) != lowerText[k])
                return false;
        }
        return true;
    }

    QString written(size_t from, size_t count) const {
        QString text;
        for (size_t k = 0; k < count; ++k)
            text.append(items_[i_ + from + k].ch);
        return text;
    }

    void add(Field field, size_t consumed) {
        tokens_.push_back({field, {}, {}});
        i_ += consumed;
    }

    // Takes a run of c of up to `longest` characters; fields[n - 1] is the field of n.
    void takeRun(QChar c, std::initializer_list<Field> fields) {
        const size_t n = std::min(run(c), fields.size());
        add(fields.begin()[n - 1], n);
    }

    void step() {
        const FormatItem& item = items_[i_];
        if (item.isLiteral) {
            tokens_.push_back({Field::Literal, item.literal.toString(), {}});
            ++i_;
            return;
        }
        const QChar c = item.ch.toLower();
        if (c == u'a' && matches(u"am/pm")) {
            tokens_.push_back({Field::Marker, written(0, 2), written(3, 2)});
            i_ += 5;
        } else if (c == u'a' && matches(u"ampm")) {
            add(Field::LocaleMarker, 4);
        } else if (c == u'a' && matches(u"a/p")) {
            tokens_.push_back({Field::Marker, written(0, 1), written(2, 1)});
            i_ += 3;
        } else if (c == u'a' && matches(u"aaaa")) {
            add(Field::DayLong, 4);
        } else if (c == u'o' && matches(u"oooo")) {
            add(Field::MonthLong, 4);
        } else if (c == u't' && matches(u"ttttt")) {
            add(Field::LongTime, 5);
        } else if (c == u'/') {
            add(Field::DateSeparator, 1);
        } else if (c == u':') {
            add(Field::TimeSeparator, 1);
        } else if (c == u'c') {
            add(Field::Whole, 1);
        } else if (c == u'd') {
            takeRun(c, {Field::Day, Field::Day2, Field::DayShort, Field::DayLong, Field::ShortDate,
                        Field::LongDate});
        } else if (c == u'w') {
            takeRun(c, {Field::Weekday, Field::Week});
        } else if (c == u'm') {
            takeRun(c, {Field::Month, Field::Month2, Field::MonthShort, Field::MonthLong});
        } else if (c == u'q') {
            add(Field::Quarter, 1);
        } else if (c == u'y') {
            const size_t n = run(c);
            if (n >= 4)
                add(Field::Year4, 4);
            else if (n >= 2)
                add(Field::Year2, 2);
            else
                add(Field::DayOfYear, 1);
        } else if (c == u'h') {
            takeRun(c, {Field::Hour, Field::Hour2});
        } else if (c == u'n') {
            takeRun(c, {Field::Minute, Field::Minute2});
        } else if (c == u's') {
            takeRun(c, {Field::Second, Field::Second2});
        } else {
            tokens_.push_back({Field::Literal, QString(item.ch), {}});
            ++i_;
        }
    }

    // "m" and "mm" are minutes next to an hour before them or a second after them.
    void resolveMinutes() {
        for (size_t k = 0; k < tokens_.size(); ++k) {
            Token& token = tokens_[k];
            if (token.field != Field::Month && token.field != Field::Month2)
                continue;
            if (neighbourIs(k, -1, Field::Hour, Field::Hour2) ||
                neighbourIs(k, +1, Field::Second, Field::Second2))
                token.field = token.field == Field::Month ? Field::Minute : Field::Minute2;
        }
    }

    bool neighbourIs(size_t k, int direction, Field a, Field b) const {
        for (auto j = static_cast<long long>(k) + direction;
             j >= 0 && j < static_cast<long long>(tokens_.size()); j += direction) {
            const Field field = tokens_[static_cast<size_t>(j)].field;
            if (!isSeparatorOrLiteral(field))
                return field == a || field == b;
        }
        return false;
    }

    std::vector<FormatItem> items_;
    size_t i_ = 0;
    std::vector<Token> tokens_;
};

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

    void render(const Token& token, QString& out) const {
        const QLocale& l = locale_.locale;
        const int hour = time_.hour();
        const int shownHour = twelveHour_ ? (hour % 12 == 0 ? 12 : hour % 12) : hour;
        switch (token.field) {
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
    for (const Token& token : Tokenizer(section).tokens()) {
        if (!isSeparatorOrLiteral(token.field))
            return true;
    }
    return false;
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

    const std::vector<Token> tokens = Tokenizer(section).tokens();
    bool twelveHour = false;
    for (const Token& token : tokens)
        twelveHour =
            twelveHour || token.field == Field::Marker || token.field == Field::LocaleMarker;
    const Renderer renderer(*moment, firstDayOfWeek, firstWeekOfYear, locale, twelveHour);
    QString out;
    out.reserve(section.size() + 16);
    for (const Token& token : tokens)
        renderer.render(token, out);
    return out;
}

} // namespace runtime::format
