#include "core/ComposePassword.h"

#include "core/RandomBetween.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/StringOps.h"
#include "platform/runtime/SystemRandomSource.h"
#include "platform/runtime/format/Format.h"

#include <algorithm>

namespace core {
namespace {

constexpr qint32 kCapitalZ = 90, kCapitalA = 65, kDigit9 = 57, kDigit0 = 48;

// Owns the working text and wipes it on every way out, the failing ones included.
class WorkingText {
public:
    ~WorkingText() { runtime::wipe(text); }
    QString text;
};

// The body holds only capitals, small letters and digits: their case changes by one bit.
constexpr char16_t toUpperAscii(char16_t c) {
    return c >= u'a' && c <= u'z' ? c - 32 : c;
}
constexpr char16_t toLowerAscii(char16_t c) {
    return c >= u'A' && c <= u'Z' ? c + 32 : c;
}

// Values already fetched, read in order: the draws of one whole password, taken from the system
// source at once, so that a draw is a load and no check.
struct FetchedValues {
    const unsigned char* next;
    std::uint32_t nextWholeNumber() {
        // The source keeps a byte after the last value.
        const std::uint32_t n = runtime::SystemRandomSource::wholeNumberAt(next);
        next += runtime::SystemRandomSource::kBytesPerValue;
        return n;
    }
};

// The composition after the length check, written once for any source and yield type: the window
// passes the interfaces, bulk generation the concrete final classes (no virtual call per draw,
// and the system source's draws done in whole numbers, with the same results).
template <typename Source, typename YieldFn>
void composeBody(QString& body, qint32 length, const GenerationSettings& settings, Source& source,
                 YieldFn& yield) {
    // Raw characters, appended one by one at the end of the body.
    body.resize(std::max<qint32>(length, 0));
    char16_t* chars = reinterpret_cast<char16_t*>(body.data());
    const qint16 type = settings.type;
    for (qint32 i = 0; i < length; ++i) {
        if (type == AlphabetsAndNumbers) {
            // A coin first, 0 a digit and 1 a capital, then the character's value. The draw is
            // worked out for both ranges and the coin picks one, so that the character's
            // arithmetic need not wait for the coin's, and no branch follows the coin.
            const qint32 capital = RandomBetweenOf<1, 0>(NextDrawValue(source)) != 0 ? 1 : 0;
            const auto value = NextDrawValue(source);
            const qint32 letter = RandomBetweenOf<kCapitalZ, kCapitalA>(value);
            const qint32 digit = RandomBetweenOf<kDigit9, kDigit0>(value);
            chars[i] = static_cast<char16_t>(digit + capital * (letter - digit));
        } else if (type == NumbersOnly) {
            chars[i] =
                static_cast<char16_t>(RandomBetweenOf<kDigit9, kDigit0>(NextDrawValue(source)));
        } else {
            chars[i] =
                static_cast<char16_t>(RandomBetweenOf<kCapitalZ, kCapitalA>(NextDrawValue(source)));
        }
        yield();
    }

    // Case pass: the case is compared with upper, then lower, then mixed.
    const qsizetype n = body.size();
    if (settings.pwdCase == UpperCases) {
        for (qsizetype i = 0; i < n; ++i)
            chars[i] = toUpperAscii(chars[i]);
    } else if (settings.pwdCase == LowerCases) {
        for (qsizetype i = 0; i < n; ++i)
            chars[i] = toLowerAscii(chars[i]);
    } else if (settings.pwdCase == MixedCases) {
        // One coin for each position but the last, which keeps the case it was made with.
        for (qsizetype i = 0; i + 1 < n; ++i) {
            // 0 turns the character to upper case, 1 to lower case: for a letter that is the
            // 0x20 bit, for a digit nothing. Arithmetic rather than a branch on the coin.
            const char16_t lower = RandomBetweenOf<1, 0>(NextDrawValue(source)) != 0 ? 1 : 0;
            const char16_t c = chars[i];
            const char16_t folded = c | 0x20;
            const char16_t letterBit = (folded >= u'a' && folded <= u'z') ? 0x20 : 0;
            chars[i] = static_cast<char16_t>((c & ~letterBit) | (lower * letterBit));
            yield();
        }
    }
}

// The composition without yields from the system source: every value it takes fetched first.
void composeFetched(QString& body, qint32 length, const GenerationSettings& settings,
                    runtime::SystemRandomSource& source) {
    const auto draws = static_cast<std::size_t>(DrawsPerPassword(length, settings));
    FetchedValues values{source.takeValues(draws)};
    [[maybe_unused]] const unsigned char* const end =
        values.next + draws * runtime::SystemRandomSource::kBytesPerValue;
    auto nothing = [] {};
    composeBody(body, length, settings, values, nothing);
    Q_ASSERT(values.next == end);
}

void checkType(const GenerationSettings& settings) {
    if (settings.type < AlphabetsOnly || settings.type > AlphabetsAndNumbers)
        runtime::raise(runtime::ErrorNumber::InvalidProcedureCall);
}

// The mask, then prefix and suffix: the output written into result. An empty mask gives the body
// back unchanged, so Format is not asked.
void finish(QString& result, WorkingText& body, const GenerationSettings& settings) {
    WorkingText masked;
    if (settings.mask.isEmpty())
        std::swap(masked.text, body.text);
    else
        masked.text = runtime::Format(body.text, settings.mask, runtime::kFirstDayOfWeekSunday,
                                      runtime::kFirstWeekOfYearJan1);
    if (settings.prefix.isEmpty() && settings.suffix.isEmpty()) {
        // Shared with the result, so the working copies are not wiped.
        runtime::wipe(result);
        result = std::exchange(masked.text, QString());
        return;
    }
    runtime::wipe(result);
    result.reserve(settings.prefix.size() + masked.text.size() + settings.suffix.size());
    result.append(settings.prefix).append(masked.text).append(settings.suffix);
}

} // namespace

qint32 PasswordLength(const QString& lengthText) {
    const qint32 length = runtime::CLng(lengthText);
    if (length > kMaxPasswordLength)
        runtime::raise(runtime::ErrorNumber::Overflow);
    return length;
}

qint64 DrawsPerPassword(qint32 length, const GenerationSettings& settings) {
    if (length <= 0)
        return 0;
    const qint64 characters = settings.type == AlphabetsAndNumbers ? 2 * qint64{length} : length;
    const qint64 coins = settings.pwdCase == MixedCases ? qint64{length} - 1 : 0;
    return characters + coins;
}

QString ComposePassword(const GenerationSettings& settings, runtime::RandomSource& source,
                        Yield& yield) {
    // The length is converted once, before the first draw.
    const qint32 length = PasswordLength(settings.lengthText);
    checkType(settings);
    // The source may fetch all the values at once.
    source.expectDraws(DrawsPerPassword(length, settings));

    WorkingText body;
    auto* systemSource = dynamic_cast<runtime::SystemRandomSource*>(&source);
    if (systemSource && dynamic_cast<NoYield*>(&yield)) {
        composeFetched(body.text, length, settings, *systemSource);
    } else {
        composeBody(body.text, length, settings, source, yield);
    }
    QString result;
    finish(result, body, settings);
    return result;
}

void FinishPassword(QString& password, QString& body, const GenerationSettings& settings) {
    WorkingText working;
    std::swap(working.text, body);
    finish(password, working, settings);
}

void ComposePasswordInto(QString& password, const GenerationSettings& settings, qint32 length,
                         runtime::SystemRandomSource& source) {
    checkType(settings);
    if (password.size() > std::max<qint32>(length, 0))
        runtime::overwrite(password); // nothing of the longer text stays behind the new one
    if (settings.mask.isEmpty() && settings.prefix.isEmpty() && settings.suffix.isEmpty()) {
        // The body is the whole result: make it in place, in the caller's memory.
        composeFetched(password, length, settings, source);
        return;
    }
    WorkingText body;
    composeFetched(body.text, length, settings, source);
    finish(password, body, settings);
}

} // namespace core
