#include "platform/runtime/StringOps.h"

#include "platform/runtime/RuntimeError.h"

#include <cstring>
#include <string.h>

namespace runtime {

QChar Chr(qint32 code) {
    if (code < 0 || code > 0xFFFF)
        raise(ErrorNumber::InvalidProcedureCall);
    return QChar(static_cast<char16_t>(code));
}

QString Mid(const QString& text, qint32 start, qint32 length) {
    if (start < 1)
        raise(ErrorNumber::InvalidProcedureCall);
    if (start > text.size())
        return QString();
    return length < 0 ? text.mid(start - 1) : text.mid(start - 1, length);
}

QString Left(const QString& text, qint32 length) {
    if (length < 0)
        raise(ErrorNumber::InvalidProcedureCall);
    return text.left(length);
}

QString LTrim(const QString& text) {
    qsizetype begin = 0;
    while (begin < text.size() && text[begin] == u' ')
        ++begin;
    return text.mid(begin);
}

QString RTrim(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ')
        --end;
    return text.left(end);
}

QString Trim(const QString& text) {
    return LTrim(RTrim(text));
}

qint32 InStr(const QString& text, const QString& what, qint32 start) {
    if (start < 1)
        raise(ErrorNumber::InvalidProcedureCall);
    if (start > text.size() + 1)
        return 0;
    const qsizetype found = text.indexOf(what, start - 1, Qt::CaseSensitive);
    return found < 0 ? 0 : static_cast<qint32>(found + 1);
}

QString Hex(qint32 value) {
    return QString::number(static_cast<quint32>(value), 16).toUpper();
}

void clearBytes(void* data, std::size_t size) {
    if (size == 0) // data may then be null, which explicit_bzero does not take
        return;
#ifdef __GLIBC__
    explicit_bzero(data, size);
#else
    volatile unsigned char* bytes = static_cast<volatile unsigned char*>(data);
    for (size_t i = 0; i < size; ++i)
        bytes[i] = 0;
#endif
}

void appendCodePoint(QString& text, char32_t c) {
    if (QChar::requiresSurrogates(c)) {
        text.append(QChar(QChar::highSurrogate(c)));
        text.append(QChar(QChar::lowSurrogate(c)));
    } else {
        text.append(QChar(static_cast<char16_t>(c)));
    }
}

void overwrite(QString& text) {
    if (text.isEmpty() || !text.isDetached())
        return;
    clearBytes(text.data(), static_cast<size_t>(text.size()) * sizeof(QChar));
}

void wipe(QString& text) {
    overwrite(text);
    text.clear();
}

void wipe(std::string& text) {
    // Digits dropped from the end (resize, pop_back) still lie between the size and the capacity.
    text.resize(text.capacity());
    clearBytes(text.data(), text.size());
    text.clear();
    text.shrink_to_fit();
}

} // namespace runtime
