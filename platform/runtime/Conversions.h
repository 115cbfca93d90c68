#pragma once

#include <QLocale>
#include <QString>
#include <QtGlobal>

// The runtime's text-to-number conversions and its numeric test. Without a locale they read
// the text in the user's locale (QLocale()).
namespace runtime {

// Text to double; Type mismatch for text that is not a number (the empty text included),
// Overflow beyond the double range.
double CDbl(const QString& text);
double CDbl(const QString& text, const QLocale& locale);

// Text to a 32-bit whole number: a fraction is rounded half to even (4.5 gives 4, 5.5 gives 6);
// Type mismatch for text that is not a number; Overflow beyond the 32-bit range.
qint32 CLng(const QString& text);
qint32 CLng(const QString& text, const QLocale& locale);

// Text to a 16-bit whole number, with the same rules as CLng.
qint16 CInt(const QString& text);
qint16 CInt(const QString& text, const QLocale& locale);

// True when the whole text reads as a number (never for dates or the empty text).
bool IsNumeric(const QString& text);
bool IsNumeric(const QString& text, const QLocale& locale);

} // namespace runtime
