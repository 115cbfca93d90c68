#include "platform/runtime/format/NamedFormats.h"

#include "platform/runtime/StringOps.h"
#include "platform/runtime/format/DateFormat.h"
#include "platform/runtime/format/NumberFormat.h"
#include "platform/runtime/format/PlainNumber.h"

#include <array>

namespace runtime::format {
namespace {

using Kind = NamedFormatShape::Kind;

struct Named {
    QStringView name;
    Kind kind;
    QStringView pattern; // numeric or date pattern; for Words "no|yes"
};

constexpr std::array kNamed{
    Named{u"General Number", Kind::Plain, u""},
    Named{u"Currency", Kind::Currency, u""},
    Named{u"Fixed", Kind::Numeric, u"0.00"},
    Named{u"Standard", Kind::Numeric, u"#,##0.00"},
    Named{u"Percent", Kind::Numeric, u"0.00%"},
    Named{u"Scientific", Kind::Numeric, u"0.00E+00"},
    Named{u"Yes/No", Kind::Words, u"No|Yes"},
    Named{u"True/False", Kind::Words, u"False|True"},
    Named{u"On/Off", Kind::Words, u"Off|On"},
    Named{u"General Date", Kind::Date, u"c"},
    Named{u"Long Date", Kind::Date, u"dddddd"},
    Named{u"Medium Date", Kind::Date, u"dd-mmm-yy"},
    Named{u"Short Date", Kind::Date, u"ddddd"},
    Named{u"Long Time", Kind::Date, u"ttttt"},
    Named{u"Medium Time", Kind::Date, u"hh:nn AMPM"},
    Named{u"Short Time", Kind::Date, u"hh:nn"},
};

const Named* find(QStringView format) {
    for (const Named& named : kNamed) {
        if (format.compare(named.name, Qt::CaseInsensitive) == 0)
            return &named;
    }
    return nullptr;
}

QString withSign(double value, QString magnitude) {
    if (value >= 0)
        return magnitude;
    QString signedText = QStringLiteral("-") + magnitude;
    wipe(magnitude); // the text may be a password
    return signedText;
}

// The locale's currency pattern ("$1.00", "($1.00)", "-1,00 €") with our digits in place of
// the sample number, so that rounding stays half away from zero on the decimal value.
QString currency(double value, const QLocale& locale) {
    const int decimals = currencyDecimals(locale);
    QString digits = formatNumberSection(
        value,
        decimals > 0 ? QStringLiteral("#,##0.") + QString(decimals, u'0') : QStringLiteral("#,##0"),
        locale);
    const QString pattern = locale.toCurrencyString(value < 0 ? -1.0 : 1.0);
    const QString sampleNumber = locale.toString(1.0, 'f', decimals);
    const qsizetype at = pattern.indexOf(sampleNumber);
    QString result = at < 0 ? withSign(value, locale.currencySymbol() + digits)
                            : QString(pattern).replace(at, sampleNumber.size(), digits);
    wipe(digits); // the text may be a password
    return result;
}

} // namespace

int currencyDecimals(const QLocale& locale) {
    const QString sample = locale.toCurrencyString(1.0);
    const qsizetype point = sample.indexOf(locale.decimalPoint());
    int decimals = 0;
    while (point >= 0 && point + 1 + decimals < sample.size() &&
           sample[point + 1 + decimals].isDigit())
        ++decimals;
    return decimals;
}

bool isNamedFormat(QStringView format) {
    return find(format) != nullptr;
}

std::optional<NamedFormatShape> namedFormatShape(QStringView format) {
    const Named* named = find(format);
    if (named == nullptr)
        return std::nullopt;
    return NamedFormatShape{named->kind, named->pattern};
}

std::optional<QString> formatNamed(double value, QStringView name, const DateLocale& locale) {
    const Named* named = find(name);
    if (named == nullptr)
        return std::nullopt;
    switch (named->kind) {
    case Kind::Plain:
        return plainNumber(value, locale.locale);
    case Kind::Currency:
        return currency(value, locale.locale);
    case Kind::Numeric:
        return withSign(value, formatNumberSection(value, named->pattern, locale.locale));
    case Kind::Words: {
        const qsizetype bar = named->pattern.indexOf(u'|');
        return (value != 0 ? named->pattern.mid(bar + 1) : named->pattern.left(bar)).toString();
    }
    case Kind::Date:
        return formatDateSection(value, named->pattern, 0, 0, locale);
    }
    return std::nullopt;
}

} // namespace runtime::format
