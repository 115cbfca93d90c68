#include "platform/runtime/format/DateReader.h"

#include "platform/runtime/format/FormatChoices.h"
#include "platform/runtime/format/SerialDate.h"

#include <vector>

namespace runtime::format {
namespace {

struct Part {
    enum class Kind { Number, Word, Separator };
    Kind kind = Kind::Separator;
    QString text; // digits, a word as written, or one separator: / : , or a blank
};

bool isNumber(const Part& part) {
    return part.kind == Part::Kind::Number;
}
bool isSeparator(const Part& part, QChar c) {
    return part.kind == Part::Kind::Separator && part.text == QString(c);
}

// Splits into digit runs, letter runs and separators; nothing for any other character.
std::optional<std::vector<Part>> partsOf(const QString& text, const DateLocale& locale) {
    std::vector<Part> parts;
    for (qsizetype i = 0; i < text.size();) {
        const QChar c = text[i];
        if (c.isSpace()) {
            while (i < text.size() && text[i].isSpace())
                ++i;
            parts.push_back({Part::Kind::Separator, QStringLiteral(" ")});
        } else if (c >= u'0' && c <= u'9') {
            const qsizetype start = i;
            while (i < text.size() && text[i] >= u'0' && text[i] <= u'9')
                ++i;
            parts.push_back({Part::Kind::Number, text.mid(start, i - start)});
        } else if (c.isLetter()) {
            const qsizetype start = i;
            while (i < text.size() && text[i].isLetter())
                ++i;
            parts.push_back({Part::Kind::Word, text.mid(start, i - start)});
        } else if (QStringView(text).mid(i).startsWith(locale.timeSeparator) || c == u':') {
            parts.push_back({Part::Kind::Separator, QStringLiteral(":")});
            i += c == u':' ? 1 : locale.timeSeparator.size();
        } else if (QStringView(text).mid(i).startsWith(locale.dateSeparator) || c == u'/' ||
                   c == u'-' || c == u'.' || c == u',') {
            parts.push_back(
                {Part::Kind::Separator, c == u',' ? QStringLiteral(",") : QStringLiteral("/")});
            i += QStringView(text).mid(i).startsWith(locale.dateSeparator)
                     ? locale.dateSeparator.size()
                     : 1;
        } else {
            return std::nullopt;
        }
    }
    return parts;
}

// Whether a word as written is the name, letter case aside, as the name's locale folds case:
// Turkish "MAYIS" is "Mayıs" and "EKİM" is "Ekim", English "APRIL" is "April".
bool sameName(const QString& word, const QString& name, const QLocale& locale) {
    return locale.toLower(word) == locale.toLower(name);
}

// 0 for morning, 12 for evening, -1 for a word that is neither.
int markerOffset(const QString& word, const DateLocale& locale) {
    const QString lower = word.toLower();
    if (lower == u"a" || lower == u"am" || sameName(word, locale.locale.amText(), locale.locale))
        return 0;
    if (lower == u"p" || lower == u"pm" || sameName(word, locale.locale.pmText(), locale.locale))
        return 12;
    return -1;
}

int numberOf(const Part& part) {
    return part.text.size() <= 4 ? part.text.toInt() : -1;
}

// The time that starts at `from` and runs to the end: H[:MM[:SS]] [marker]. Seconds of the day.
std::optional<int> readTime(const std::vector<Part>& parts, size_t from, const DateLocale& locale) {
    std::vector<int> fields;
    size_t i = from;
    while (i < parts.size() && isNumber(parts[i]) && parts[i].text.size() <= 2 &&
           fields.size() < 3) {
        fields.push_back(parts[i].text.toInt());
        ++i;
        if (i < parts.size() && isSeparator(parts[i], u':') && i + 1 < parts.size() &&
            isNumber(parts[i + 1]) && fields.size() < 3)
            ++i;
        else
            break;
    }
    if (fields.empty())
        return std::nullopt;
    if (i < parts.size() && isSeparator(parts[i], u' '))
        ++i;
    int offset = -1;
    if (i < parts.size() && parts[i].kind == Part::Kind::Word) {
        offset = markerOffset(parts[i].text, locale);
        if (offset < 0)
            return std::nullopt;
        ++i;
    }
    if (i != parts.size() || (fields.size() == 1 && offset < 0))
        return std::nullopt;
    int hour = fields[0];
    const int minute = fields.size() > 1 ? fields[1] : 0;
    const int second = fields.size() > 2 ? fields[2] : 0;
    if (offset >= 0) {
        if (hour > 12)
            return std::nullopt;
        hour = hour % 12 + offset;
    }
    if (hour > 23 || minute > 59 || second > 59)
        return std::nullopt;
    return hour * 3600 + minute * 60 + second;
}

// 1 to 12 for a month name (full, or abbreviated as the locale or English writes it), else 0.
int monthOf(const QString& word, const DateLocale& locale) {
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    for (int month = 1; month <= 12; ++month) {
        for (const QLocale* l : {&locale.locale, &english}) {
            if (sameName(word, l->monthName(month, QLocale::LongFormat), *l) ||
                sameName(word, l->monthName(month, QLocale::ShortFormat), *l))
                return month;
        }
    }
    return 0;
}

bool isDayName(const QString& word, const DateLocale& locale) {
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    for (int day = 1; day <= 7; ++day) {
        for (const QLocale* l : {&locale.locale, &english}) {
            if (sameName(word, l->dayName(day, QLocale::LongFormat), *l) ||
                sameName(word, l->dayName(day, QLocale::ShortFormat), *l))
                return true;
        }
    }
    return false;
}

// A year as written: two digits or fewer in the window 1930-2029, else as is.
int yearOf(const Part& part) {
    const int value = numberOf(part);
    if (value < 0)
        return -1;
    if (part.text.size() <= 2)
        return value < 30 ? 2000 + value : 1900 + value;
    return value;
}

std::optional<QDate> readDate(const std::vector<Part>& parts, const DateLocale& locale) {
    std::vector<const Part*> fields;
    for (const Part& part : parts) {
        if (part.kind != Part::Kind::Separator)
            fields.push_back(&part);
    }
    if (fields.size() == 4 && fields[0]->kind == Part::Kind::Word &&
        isDayName(fields[0]->text, locale))
        fields.erase(fields.begin());
    if (fields.size() != 3)
        return std::nullopt;

    int day = -1;
    int month = -1;
    int year = -1;
    std::vector<const Part*> numbers;
    for (const Part* field : fields) {
        if (field->kind == Part::Kind::Word) {
            if (month >= 0)
                return std::nullopt;
            month = monthOf(field->text, locale);
            if (month == 0)
                return std::nullopt;
        } else {
            if (field->text.size() > 4)
                return std::nullopt;
            numbers.push_back(field);
        }
    }
    if (month > 0) {
        // A month name with a day and a year: the year first only when it is written long.
        const bool yearFirst = numbers[0]->text.size() >= 3;
        day = numberOf(*numbers[yearFirst ? 1 : 0]);
        year = yearOf(*numbers[yearFirst ? 0 : 1]);
        if (numbers[yearFirst ? 1 : 0]->text.size() > 2)
            return std::nullopt;
    } else {
        QString order = locale.order;
        if (numbers[0]->text.size() >= 3)
            order = QStringLiteral("YMD");
        for (int k = 0; k < 3; ++k) {
            const Part& part = *numbers[static_cast<size_t>(k)];
            if (order[k] == u'Y') {
                year = yearOf(part);
            } else if (part.text.size() > 2) {
                return std::nullopt;
            } else if (order[k] == u'M') {
                month = numberOf(part);
            } else {
                day = numberOf(part);
            }
        }
    }
    const QDate date(year, month, day);
    if (!date.isValid() || year < 100 || year > 9999)
        return std::nullopt;
    return date;
}

} // namespace

std::optional<double> readDateTime(const QString& text, const DateLocale& locale) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > kMaxDateTextLength)
        return std::nullopt;
    const std::optional<std::vector<Part>> parts = partsOf(trimmed, locale);
    if (!parts)
        return std::nullopt;

    // The time, if any, is the tail that starts at the first number followed by ":" or that
    // reads as an hour with a marker.
    for (size_t start = 0; start < parts->size(); ++start) {
        if (!isNumber((*parts)[start]))
            continue;
        if (start > 0 && !isSeparator((*parts)[start - 1], u' '))
            continue;
        const std::optional<int> time = readTime(*parts, start, locale);
        if (!time)
            continue;
        if (start == 0)
            return serialOf(QDate(1899, 12, 30), *time);
        const std::vector<Part> dateParts(parts->begin(),
                                          parts->begin() + static_cast<long>(start));
        const std::optional<QDate> date = readDate(dateParts, locale);
        if (!date)
            return std::nullopt;
        return serialOf(*date, *time);
    }
    const std::optional<QDate> date = readDate(*parts, locale);
    if (!date)
        return std::nullopt;
    return serialOf(*date, 0);
}

} // namespace runtime::format
