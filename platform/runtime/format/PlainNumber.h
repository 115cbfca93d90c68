#pragma once

#include <QLocale>
#include <QString>

namespace runtime::format {

// A number's plain text, the way Format shows it without a format and General Number shows it:
// "5", "-5", "0.5", "1296", "1.5E+20"; no grouping, no leading blank.
QString plainNumber(double value, const QLocale& locale);

} // namespace runtime::format
