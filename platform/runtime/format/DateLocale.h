#pragma once

#include <QLocale>
#include <QString>

namespace runtime::format {

// What the date and time formats take from the user's locale, in one place.
struct DateLocale {
    QLocale locale;
    QString dateSeparator; // "/" in US English
    QString timeSeparator; // ":"
    QString shortDate;     // Qt date pattern with a four-digit year: "M/d/yyyy"
    QString longDate;      // "dddd, MMMM d, yyyy"
    QString longTime;      // Qt time pattern without the time zone: "h:mm:ss AP"
    // Order of day, month and year in the short date, e.g. "MDY".
    QString order;
    // First day of week in the format language's numbering: 1 = Sunday ... 7 = Saturday.
    int firstDayOfWeek = 1;

    static DateLocale of(const QLocale& locale);
};

} // namespace runtime::format
