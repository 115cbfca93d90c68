#pragma once

#include <QString>
#include <QtGlobal>

#include <cstddef>
#include <string>

// The runtime's string operations on counted UTF-16 text; positions count from 1.
namespace runtime {

// The character with the given code (0 to 65535); Invalid procedure call otherwise.
QChar Chr(qint32 code);

// Up to length characters from position start (1-based); the rest of the text when length
// is negative. Invalid procedure call for a start below 1.
QString Mid(const QString& text, qint32 start, qint32 length = -1);
QString Left(const QString& text, qint32 length);

// Removes leading and trailing spaces (only the space character, not tabs or NULs).
QString Trim(const QString& text);
QString LTrim(const QString& text);
QString RTrim(const QString& text);

// Position (1-based) of the first occurrence of what in text from position start, binary
// comparison; 0 when there is none.
qint32 InStr(const QString& text, const QString& what, qint32 start = 1);

// Appends one character given by its code point: two UTF-16 units where it needs them.
void appendCodePoint(QString& text, char32_t c);

// Upper-case hexadecimal digits of a 32-bit value, without leading zeros.
QString Hex(qint32 value);

// Stores zeros over the bytes, in a way the compiler may not drop even for memory about to be
// freed.
void clearBytes(void* data, std::size_t size);

// Sets every character of a text that owns its characters to NUL, keeping its length; a text
// that shares its characters with another is left alone (its other owner wipes them).
void overwrite(QString& text);

// Overwrites the characters of a text, then releases them, so that no copy of a password is left
// behind in freed memory. The text is empty afterwards.
void wipe(QString& text);

// The same for the digits and other working text of the conversions: every byte the string has
// reserved is overwritten, then the memory is released.
void wipe(std::string& text);

// Wipes a string on every way out of the scope it was made for.
class WipeOnExit {
public:
    explicit WipeOnExit(std::string& text) : text_(text) {}
    ~WipeOnExit() { wipe(text_); }
    WipeOnExit(const WipeOnExit&) = delete;
    WipeOnExit& operator=(const WipeOnExit&) = delete;

private:
    std::string& text_;
};

} // namespace runtime
