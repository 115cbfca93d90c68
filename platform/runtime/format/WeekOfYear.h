#pragma once

#include <QDate>

namespace runtime::format {

// Weekday of a date counted from the first day of week (1 = Sunday ... 7 = Saturday): 1 to 7.
int weekdayNumber(QDate date, int firstDayOfWeek);

// Week of the year, 1 to 54. firstWeekOfYear: 1 the week of 1 January, 2 the first week with
// four days or more in the new year, 3 the first full week.
int weekOfYear(QDate date, int firstDayOfWeek, int firstWeekOfYear);

} // namespace runtime::format
