#include "ErrorText.h"

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

QString reason(const runtime::RuntimeError& error) {
    return QCoreApplication::translate("keywright-cli", "%1 (run-time error %2)")
        .arg(error.description())
        .arg(error.number());
}

} // namespace cli
