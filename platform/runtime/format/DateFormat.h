#pragma once

#include "platform/runtime/format/DateLocale.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace runtime::format {

// True when a format section holds a date or time field outside quotes and escapes.
bool isDateSection(QStringView section);

// What a date/time section shows of a whole day (time fields show the same for every one).
struct DateSectionShape {
    bool wholeDate = false; // c, ddddd, dddddd
    bool year = false;      // yyyy
    bool yearInCentury = false;
    bool month = false;
    bool day = false;
    bool dayOfYear = false;
    bool week = false;
    bool weekday = false; // w, ddd, dddd, aaaa
    bool quarter = false;
    // Every field prints digits and every literal is digits: a text that could be a number.
    bool digitsOnly = true;
    // Two fields of varying width (a day, a name) meet with nothing between them that tells
    // where one ends: "yyyymd" shows 2000-1-11 and 2000-11-1 alike.
    bool fieldsRunTogether = false;
};

DateSectionShape dateSectionShape(QStringView section);

// Formats a serial date through one date/time section. Day 0 and week 0 take the locale's
// settings. Nothing when the serial lies outside 1 January 100 to 31 December 9999.
std::optional<QString> formatDateSection(double serial, QStringView section, int firstDayOfWeek,
                                         int firstWeekOfYear, const DateLocale& locale);

} // namespace runtime::format
