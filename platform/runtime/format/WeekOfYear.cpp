#include "platform/runtime/format/WeekOfYear.h"

namespace runtime::format {
namespace {

QDate weekStart(QDate date, int firstDayOfWeek) {
    return date.addDays(1 - weekdayNumber(date, firstDayOfWeek));
}

QDate firstWeekStart(int year, int firstDayOfWeek, int firstWeekOfYear) {
    const QDate january1(year, 1, 1);
    const QDate start = weekStart(january1, firstDayOfWeek);
    const int weekday = weekdayNumber(january1, firstDayOfWeek);
    switch (firstWeekOfYear) {
    case 2:
        return weekday <= 4 ? start : start.addDays(7);
    case 3:
        return weekday == 1 ? start : start.addDays(7);
    default:
        return start;
    }
}

} // namespace

int weekdayNumber(QDate date, int firstDayOfWeek) {
    const int sundayFirst = date.dayOfWeek() % 7 + 1; // Qt counts Monday 1 ... Sunday 7
    return (sundayFirst - firstDayOfWeek + 7) % 7 + 1;
}

int weekOfYear(QDate date, int firstDayOfWeek, int firstWeekOfYear) {
    const int year = date.year();
    QDate start = firstWeekStart(year, firstDayOfWeek, firstWeekOfYear);
    if (firstWeekOfYear == 2 && date >= firstWeekStart(year + 1, firstDayOfWeek, 2))
        return 1;
    if (date < start)
        start = firstWeekStart(year - 1, firstDayOfWeek, firstWeekOfYear);
    return static_cast<int>(start.daysTo(weekStart(date, firstDayOfWeek)) / 7) + 1;
}

} // namespace runtime::format
