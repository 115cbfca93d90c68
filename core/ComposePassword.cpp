#include "ComposePassword.h"

#include "Conversions.h"
#include "Format.h"
#include "RandomBetween.h"
#include "RuntimeError.h"
#include "StringOps.h"

namespace core {
namespace {

constexpr qint32 kCapitalZ = 90, kCapitalA = 65, kDigit9 = 57, kDigit0 = 48;

// Owns the working text and wipes it on every way out, the failing ones included.
class WorkingText {
public:
    ~WorkingText() { runtime::wipe(text); }
    QString text;
};

void appendRawCharacters(QString& body, qint32 length, qint16 type, runtime::RandomSource& source,
                         Yield& yield) {
    for (qint32 position = 1; position <= length; ++position) {
        qint32 code;
        switch (type) {
        case AlphabetsOnly:
            code = RandomBetween(source, kCapitalZ, kCapitalA);
            break;
        case NumbersOnly:
            code = RandomBetween(source, kDigit9, kDigit0);
            break;
        default: // AlphabetsAndNumbers: a coin, then a digit (0) or a capital (1)
            code = RandomBetween(source, 1, 0) == 0 ? RandomBetween(source, kDigit9, kDigit0)
                                                    : RandomBetween(source, kCapitalZ, kCapitalA);
            break;
        }
        body.append(runtime::Chr(code));
        yield();
    }
}

// The body holds only capitals, small letters and digits here, so the case of each character is
// changed in place: linear in the length.
void mixCase(QString& body, runtime::RandomSource& source, Yield& yield) {
    const qsizetype n = body.size();
    // The last character is never tossed: it keeps the case it was made with.
    for (qsizetype i = 0; i + 1 < n; ++i) {
        const QChar c = body[i];
        body[i] = RandomBetween(source, 1, 0) == 0 ? c.toUpper() : c.toLower();
        yield();
    }
}

void changeCase(QString& body, qint16 pwdCase, runtime::RandomSource& source, Yield& yield) {
    if (pwdCase == UpperCases) {
        for (QChar& c : body)
            c = c.toUpper();
    } else if (pwdCase == LowerCases) {
        for (QChar& c : body)
            c = c.toLower();
    } else if (pwdCase == MixedCases) {
        mixCase(body, source, yield);
    }
}

} // namespace

qint32 PasswordLength(const QString& lengthText) {
    const qint32 length = runtime::CLng(lengthText);
    if (length > kMaxPasswordLength)
        runtime::raise(runtime::ErrorNumber::Overflow);
    return length;
}

QString ComposePassword(const GenerationSettings& settings, runtime::RandomSource& source,
                        Yield& yield) {
    // The length is converted once, before the first draw.
    const qint32 length = PasswordLength(settings.lengthText);
    if (settings.type < AlphabetsOnly || settings.type > AlphabetsAndNumbers)
        runtime::raise(runtime::ErrorNumber::InvalidProcedureCall);

    WorkingText body;
    if (length > 0)
        body.text.reserve(length);
    appendRawCharacters(body.text, length, settings.type, source, yield);
    changeCase(body.text, settings.pwdCase, source, yield);

    WorkingText masked;
    masked.text = runtime::Format(body.text, settings.mask, runtime::kFirstDayOfWeekSunday,
                                  runtime::kFirstWeekOfYearJan1);

    QString result;
    result.reserve(settings.prefix.size() + masked.text.size() + settings.suffix.size());
    result.append(settings.prefix).append(masked.text).append(settings.suffix);
    return result;
}

} // namespace core
