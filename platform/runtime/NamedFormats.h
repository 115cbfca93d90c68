#pragma once

#include "DateLocale.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace runtime::format {

// True when the whole format text is a named format ("Currency", "short date", ...).
bool isNamedFormat(QStringView format);

// Formats a value through a named format. Nothing when a date format is given a serial outside
// 1 January 100 to 31 December 9999.
std::optional<QString> formatNamed(double value, QStringView name, const DateLocale& locale);

} // namespace runtime::format
