#pragma once

#include "DateLocale.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace runtime::format {

// True when a format section holds a date or time field outside quotes and escapes.
bool isDateSection(QStringView section);

// Formats a serial date through one date/time section. Day 0 and week 0 take the locale's
// settings. Nothing when the serial lies outside 1 January 100 to 31 December 9999.
std::optional<QString> formatDateSection(double serial, QStringView section, int firstDayOfWeek,
                                         int firstWeekOfYear, const DateLocale& locale);

} // namespace runtime::format
