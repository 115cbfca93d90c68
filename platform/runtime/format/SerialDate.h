#pragma once

#include <QDate>

#include <optional>

namespace runtime::format {

// A moment named by a serial date: whole days counted from 1899-12-30, the fraction the time of
// day, added forward in time also for negative serials (-2.5 is 1899-12-28 12:00).
struct SerialMoment {
    QDate date;
    int secondOfDay = 0;   // rounded to the nearest second
    bool wholeDays = true; // the serial's whole-day part is not 0
};

// The moment of a serial, or nothing outside 1 January 100 to 31 December 9999.
std::optional<SerialMoment> momentOf(double serial);

// The serial of a date and a time of day (seconds from midnight).
double serialOf(QDate date, int secondOfDay);

} // namespace runtime::format
