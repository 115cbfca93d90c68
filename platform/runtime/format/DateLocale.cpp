#include "platform/runtime/format/DateLocale.h"

#include <QRegularExpression>

namespace runtime::format {
namespace {

// The first character between two fields of a Qt pattern that is neither a letter nor a blank.
QString separatorOf(const QString& pattern, const QString& fallback) {
    bool fieldSeen = false;
    for (const QChar c : pattern) {
        if (c.isLetter())
            fieldSeen = true;
        else if (c == u'\'')
            return fallback;
        else if (fieldSeen && !c.isSpace())
            return QString(c);
    }
    return fallback;
}

// A two-digit year widened to four digits, so that every year from 100 to 9999 is clear.
QString withFourDigitYear(QString pattern) {
    if (!pattern.contains(QStringLiteral("yyyy")))
        pattern.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return pattern;
}

// The time pattern without its time-zone field ("t"), the brackets left empty by it (Spanish
// "H:mm:ss (t)") and the blanks around it.
QString withoutTimeZone(const QString& pattern) {
    QString out;
    bool quoted = false;
    for (const QChar c : pattern) {
        if (c == u'\'')
            quoted = !quoted;
        if (!quoted && c == u't')
            continue;
        out.append(c);
    }
    static const QRegularExpression emptyBrackets(QStringLiteral("\\(\\s*\\)|\\[\\s*\\]"));
    return out.remove(emptyBrackets).simplified();
}

QString orderOf(const QString& pattern) {
    QString order;
    for (const QChar c : pattern) {
        const QChar field = c == u'd' ? u'D' : c == u'M' ? u'M' : c == u'y' ? u'Y' : QChar();
        if (!field.isNull() && !order.contains(field))
            order.append(field);
    }
    return order.size() == 3 ? order : QStringLiteral("MDY");
}

} // namespace

DateLocale DateLocale::of(const QLocale& locale) {
    DateLocale result;
    result.locale = locale;
    const QString shortDate = locale.dateFormat(QLocale::ShortFormat);
    result.dateSeparator = separatorOf(shortDate, QStringLiteral("/"));
    result.timeSeparator =
        separatorOf(locale.timeFormat(QLocale::ShortFormat), QStringLiteral(":"));
    result.shortDate = withFourDigitYear(shortDate);
    result.longDate = locale.dateFormat(QLocale::LongFormat);
    result.longTime = withoutTimeZone(locale.timeFormat(QLocale::LongFormat));
    result.order = orderOf(shortDate);
    result.firstDayOfWeek = static_cast<int>(locale.firstDayOfWeek()) % 7 + 1;
    return result;
}

} // namespace runtime::format
