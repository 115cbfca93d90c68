#include "platform/runtime/NumberReader.h"

#include "platform/runtime/StringOps.h"

#include <charconv>
#include <cmath>
#include <string>

namespace runtime {
namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

int digitValue(QChar c, int radix) {
    const char16_t u = c.unicode();
    int value = -1;
    if (u >= u'0' && u <= u'9')
        value = u - u'0';
    else if (u >= u'a' && u <= u'f')
        value = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        value = u - u'A' + 10;
    return value < radix ? value : -1;
}

// "&H1F", "&O17": up to 32 bits read as a signed 32-bit value; more digits give an unsigned
// floating value.
NumberReading readRadix(QStringView body) {
    NumberReading result;
    if (body.size() < 3 || body[0] != u'&')
        return result;
    const QChar kind = body[1].toUpper();
    const int radix = kind == u'H' ? 16 : kind == u'O' ? 8 : 0;
    if (radix == 0)
        return result;
    double value = 0.0;
    for (qsizetype i = 2; i < body.size(); ++i) {
        const int digit = digitValue(body[i], radix);
        if (digit < 0)
            return result;
        value = value * radix + digit;
    }
    if (std::isinf(value)) {
        result.status = NumberReading::Status::Overflow;
        return result;
    }
    if (value <= 4294967295.0) {
        const auto bits = static_cast<quint32>(value);
        result.value = static_cast<double>(static_cast<qint32>(bits));
        result.isRadix = true;
    } else {
        result.value = value;
    }
    result.status = NumberReading::Status::Number;
    return result;
}

} // namespace

namespace {
// Plain short digits (a length such as "16") need no locale: they are read at once.
std::optional<NumberReading> readPlainDigits(const QString& text) {
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    qint32 value = 0;
    for (QChar c : text) {
        if (c.unicode() < u'0' || c.unicode() > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return NumberReading{NumberReading::Status::Number, static_cast<double>(value), false};
}
} // namespace

NumberReading readNumber(const QString& text) {
    if (const auto plain = readPlainDigits(text))
        return *plain;
    return readNumber(text, QLocale());
}

NumberReading readNumber(const QString& text, const QLocale& locale) {
    if (const auto plain = readPlainDigits(text))
        return *plain;
    NumberReading notANumber;
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    QStringView body = QStringView(text).mid(begin, end - begin);
    if (body.isEmpty())
        return notANumber;
    if (body[0] == u'&')
        return readRadix(body);

    const QString currency = locale.currencySymbol();
    const QString decimalSeparator = locale.decimalPoint();
    const QString groupSeparator = locale.groupSeparator();
    // "." is a decimal point unless the locale groups with it (German "1.000" is a thousand).
    const bool pointIsDecimal = groupSeparator != u".";
    // Where the locale groups with a no-break space (French), an ordinary space groups too:
    // that is what a keyboard types.
    const bool spaceGroups = groupSeparator == QStringView(u"\u00A0") ||
                             groupSeparator == QStringView(u"\u202F") || groupSeparator == u" ";

    bool negative = false;
    bool signSeen = false;
    bool currencySeen = false;
    bool parentheses = false;
    qsizetype pos = 0;

    auto takeCurrency = [&] {
        if (!currencySeen && !currency.isEmpty() && body.mid(pos).startsWith(currency)) {
            pos += currency.size();
            currencySeen = true;
            while (pos < body.size() && isBlank(body[pos]))
                ++pos;
        }
    };
    auto takeSign = [&] {
        if (!signSeen && pos < body.size() && (body[pos] == u'+' || body[pos] == u'-')) {
            negative = body[pos] == u'-';
            signSeen = true;
            ++pos;
            while (pos < body.size() && isBlank(body[pos]))
                ++pos;
        }
    };

    if (body[0] == u'(') {
        parentheses = true;
        ++pos;
        while (pos < body.size() && isBlank(body[pos]))
            ++pos;
    }
    takeCurrency();
    if (!parentheses)
        takeSign();
    takeCurrency();

    // Mantissa, copied in plain ASCII for the locale-free reader. The text may be a password
    // (a mask that reads it as a number): the copy is wiped, and reserved at its full length at
    // once so that no shorter buffer is ever left behind.
    std::string ascii;
    const WipeOnExit wipeAscii(ascii);
    ascii.reserve(static_cast<size_t>(body.size()) + 8);
    if (negative)
        ascii.push_back('-');
    bool digits = false;
    bool fraction = false;
    while (pos < body.size()) {
        const QChar c = body[pos];
        if (c.unicode() >= u'0' && c.unicode() <= u'9') {
            ascii.push_back(static_cast<char>(c.unicode()));
            digits = true;
            ++pos;
        } else if (!fraction && body.mid(pos).startsWith(decimalSeparator)) {
            ascii.push_back('.');
            fraction = true;
            pos += decimalSeparator.size();
        } else if (!fraction && pointIsDecimal && c == u'.') {
            ascii.push_back('.');
            fraction = true;
            ++pos;
        } else if (!fraction && digits && !groupSeparator.isEmpty() &&
                   body.mid(pos).startsWith(groupSeparator)) {
            pos += groupSeparator.size();
        } else if (!fraction && digits && spaceGroups &&
                   (c == u' ' || c == u'\u00A0' || c == u'\u202F')) {
            ++pos;
        } else {
            break;
        }
    }
    if (!digits)
        return notANumber;

    // Exponent: E or D, an optional sign, at least one digit.
    if (pos < body.size() && (body[pos].toUpper() == u'E' || body[pos].toUpper() == u'D')) {
        qsizetype p = pos + 1;
        std::string exponent;
        const WipeOnExit wipeExponent(exponent);
        exponent.reserve(static_cast<size_t>(body.size() - pos) + 1);
        exponent.push_back('e');
        if (p < body.size() && (body[p] == u'+' || body[p] == u'-'))
            exponent.push_back(static_cast<char>(body[p++].unicode()));
        bool exponentDigits = false;
        while (p < body.size() && body[p].unicode() >= u'0' && body[p].unicode() <= u'9') {
            exponent.push_back(static_cast<char>(body[p++].unicode()));
            exponentDigits = true;
        }
        if (!exponentDigits)
            return notANumber;
        ascii += exponent;
        pos = p;
    }

    while (pos < body.size() && isBlank(body[pos]))
        ++pos;
    takeCurrency();
    if (!parentheses && !signSeen && pos < body.size() &&
        (body[pos] == u'+' || body[pos] == u'-')) {
        if (body[pos] == u'-')
            ascii.insert(ascii.begin(), '-');
        signSeen = true;
        ++pos;
        while (pos < body.size() && isBlank(body[pos]))
            ++pos;
    }
    takeCurrency();
    if (parentheses) {
        if (pos >= body.size() || body[pos] != u')')
            return notANumber;
        ++pos;
        ascii.insert(ascii.begin(), '-');
    }
    if (pos != body.size())
        return notANumber;

    double value = 0.0;
    const auto [end_ptr, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    NumberReading result;
    if (error == std::errc::result_out_of_range) {
        // from_chars reports both overflow and underflow; only overflow is an error.
        const auto e = ascii.find('e');
        const bool tiny = e != std::string::npos && ascii.find('-', e) != std::string::npos;
        if (!tiny) {
            result.status = NumberReading::Status::Overflow;
            return result;
        }
        value = 0.0;
    } else if (error != std::errc() || end_ptr != ascii.data() + ascii.size()) {
        return notANumber;
    }
    result.status = NumberReading::Status::Number;
    result.value = value == 0.0 ? 0.0 : value;
    return result;
}

} // namespace runtime
