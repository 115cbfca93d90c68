#pragma once

#include "platform/runtime/format/DateLocale.h"

#include <QString>

#include <optional>

namespace runtime::format {

// Reads a text as a date, a time, or a date followed by a time, and gives its serial date:
// "5A", "5 PM", "17:04", "17:04:23", "1/27/1993" (in the locale's order), "1993-01-27",
// "January 27, 1993", "27-Jan-93", "1/27/1993 5:04 PM". Nothing for any other text.
std::optional<double> readDateTime(const QString& text, const DateLocale& locale);

} // namespace runtime::format
