#pragma once

#include <QString>

// The runtime's Format: an expression through a format text, as the format language reads it.
namespace runtime {

// Days and weeks as the format language numbers them: 0 means the system setting,
// 1 (Sunday; the week of 1 January) is the default.
constexpr int kFirstDayOfWeekSunday = 1;
constexpr int kFirstWeekOfYearJan1 = 1;

// Formats a text expression. An empty format gives the text back unchanged. Invalid procedure
// call when the day (0 to 7) or week (0 to 3) setting is out of range.
QString Format(const QString& expression, const QString& format,
               int firstDayOfWeek = kFirstDayOfWeekSunday,
               int firstWeekOfYear = kFirstWeekOfYearJan1);

// Formats a text expression with no format text at all: a text that reads as a number gives
// that number's plain text ("&h000510" gives "1296"), any other text comes back unchanged.
QString Format(const QString& expression);

} // namespace runtime
