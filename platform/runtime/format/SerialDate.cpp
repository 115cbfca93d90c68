#include "platform/runtime/format/SerialDate.h"

#include "platform/runtime/format/FormatChoices.h"

#include <cmath>

namespace runtime::format {
namespace {

constexpr int kSecondsPerDay = 86400;

QDate dayZero() {
    return QDate(1899, 12, 30);
}

} // namespace

std::optional<SerialMoment> momentOf(double serial) {
    if (!std::isfinite(serial))
        return std::nullopt;
    const double whole = std::trunc(serial);
    if (whole < static_cast<double>(kFirstSerialDay) || whole > static_cast<double>(kLastSerialDay))
        return std::nullopt;
    auto days = static_cast<long long>(whole);
    // Half a second and more rounds up; a full day moves to the next date.
    auto seconds =
        static_cast<long long>(std::floor(std::fabs(serial - whole) * kSecondsPerDay + 0.5));
    if (seconds >= kSecondsPerDay) {
        seconds -= kSecondsPerDay;
        ++days;
        if (days > kLastSerialDay)
            return std::nullopt;
    }
    SerialMoment moment;
    moment.date = dayZero().addDays(days);
    moment.secondOfDay = static_cast<int>(seconds);
    moment.wholeDays = days != 0;
    return moment;
}

double serialOf(QDate date, int secondOfDay) {
    const auto days = static_cast<double>(dayZero().daysTo(date));
    const double fraction = static_cast<double>(secondOfDay) / kSecondsPerDay;
    return days < 0 ? days - fraction : days + fraction;
}

} // namespace runtime::format
