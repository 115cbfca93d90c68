#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

namespace runtime::format {

// Formats the magnitude of a value through one section of a numeric format: digit placeholders
// 0 and #, the decimal point, grouping and scaling commas, %, E+ E- e+ e-, and literal text.
// The caller chooses the section and adds any sign.
QString formatNumberSection(double magnitude, QStringView section, const QLocale& locale);

} // namespace runtime::format
