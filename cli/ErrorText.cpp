#include "cli/ErrorText.h"

#include <QCoreApplication>

namespace cli {
namespace {

bool needsEscape(char32_t codePoint) {
    switch (QChar::category(codePoint)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

void appendEscape(QString& out, char32_t codePoint) {
    switch (codePoint) {
    case U'\t':
        out += QLatin1String("\\t");
        return;
    case U'\n':
        out += QLatin1String("\\n");
        return;
    case U'\r':
        out += QLatin1String("\\r");
        return;
    default:
        break;
    }
    const auto [prefix, digits] = codePoint <= 0xFF     ? std::pair{"\\x", 2}
                                  : codePoint <= 0xFFFF ? std::pair{"\\u", 4}
                                                        : std::pair{"\\U", 8};
    out += QLatin1String(prefix);
    out += QStringLiteral("%1")
               .arg(static_cast<uint>(codePoint), digits, 16, QLatin1Char('0'))
               .toUpper();
}

} // namespace

QString printable(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t codePoint = text[i].unicode();
        qsizetype units = 1;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            codePoint = QChar::surrogateToUcs4(text[i], text[i + 1]);
            units = 2;
        }
        if (codePoint == U'\\')
            out += QLatin1String("\\\\");
        else if (needsEscape(codePoint))
            appendEscape(out, codePoint);
        else
            out += QStringView(text).mid(i, units);
        i += units - 1;
    }
    return out;
}

qsizetype utf8SequenceLength(QByteArrayView bytes) {
    if (bytes.isEmpty())
        return 0;
    const auto lead = static_cast<unsigned char>(bytes[0]);
    if (lead < 0x80)
        return 1;
    const qsizetype length = lead >= 0xC2 && lead <= 0xDF   ? 2
                             : lead >= 0xE0 && lead <= 0xEF ? 3
                             : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                            : 0;
    if (length == 0 || bytes.size() < length)
        return 0;
    char32_t codePoint = lead & (0x7FU >> length);
    for (qsizetype i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[i]);
        if ((next & 0xC0U) != 0x80U)
            return 0;
        codePoint = (codePoint << 6U) | (next & 0x3FU);
    }
    // No overlong form, no surrogate, nothing beyond U+10FFFF.
    constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (codePoint < kLeast[length] || codePoint > 0x10FFFF ||
        (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return 0;
    return length;
}

QString printableBytes(QByteArrayView bytes) {
    QString out;
    qsizetype runStart = 0;
    qsizetype i = 0;
    while (i < bytes.size()) {
        const qsizetype length = utf8SequenceLength(bytes.sliced(i));
        if (length > 0) {
            i += length;
            continue;
        }
        out += printable(QString::fromUtf8(bytes.sliced(runStart, i - runStart)));
        out += QLatin1String("\\x") +
               QStringLiteral("%1")
                   .arg(static_cast<unsigned char>(bytes[i]), 2, 16, QLatin1Char('0'))
                   .toUpper();
        runStart = ++i;
    }
    out += printable(QString::fromUtf8(bytes.sliced(runStart)));
    return out;
}

QString reason(const runtime::RuntimeError& error) {
    return QCoreApplication::translate("keywright-cli", "%1 (run-time error %2)")
        .arg(error.description())
        .arg(error.number());
}

} // namespace cli
