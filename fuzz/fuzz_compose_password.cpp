// ComposePassword with arbitrary settings and a random source fed from the input. The length is
// bounded so that one run stays short. Beyond "no crash, no sanitizer report", every run checks
// what holds for any settings: only a RuntimeError may escape; the prefix and suffix stand as
// typed; with no mask the body has the asked length, its characters come from the chosen type and
// case, the last letter of a mixed case keeps its capital; and the draws add up.

#include "core/ComposePassword.h"
#include "platform/runtime/RandomSource.h"
#include "platform/runtime/RuntimeError.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

constexpr qint32 kLengthBound = 2048;

// Reads the input front to back; past its end it gives zeros.
class Input {
public:
    Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
    quint16 word() { return static_cast<quint16>(byte() | (byte() << 8)); }

    // A text of up to maxChars UTF-16 units, its length given by one byte.
    QString text(size_t maxChars) {
        const size_t chars = byte() % (maxChars + 1);
        QString result;
        for (size_t i = 0; i < chars && at_ < size_; ++i)
            result.append(QChar(static_cast<char16_t>(word())));
        return result;
    }

    // Whatever is left, as the random values.
    const uint8_t* rest() const { return data_ + at_; }
    size_t restSize() const { return size_ - at_; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

// Values in [0, 1) from three bytes each, cycling through the bytes given; counts the draws.
class BytesSource final : public runtime::RandomSource {
public:
    BytesSource(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    float next() override {
        ++draws;
        std::uint32_t value = 0;
        for (int i = 0; i < 3; ++i)
            value = value << 8 | (size_ ? data_[at_++ % size_] : 0u);
        return static_cast<float>(value) * runtime::kRandomResolution;
    }

    qint64 draws = 0;

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

class CountingYield final : public core::Yield {
public:
    void operator()() override { ++calls; }
    qint64 calls = 0;
};

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "ComposePassword: %s\n", what);
        std::abort();
    }
}

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}
bool isCapital(char16_t c) {
    return c >= u'A' && c <= u'Z';
}
bool isSmall(char16_t c) {
    return c >= u'a' && c <= u'z';
}

void checkBody(const QString& body, qint32 length, const core::GenerationSettings& s) {
    check(body.size() == std::max<qint32>(length, 0), "the body has the asked length");
    for (qsizetype i = 0; i < body.size(); ++i) {
        const char16_t c = body[i].unicode();
        const bool letter = isCapital(c) || isSmall(c);
        check(letter || isDigit(c), "only letters and digits");
        if (s.type == core::AlphabetsOnly)
            check(letter, "letters only");
        if (s.type == core::NumbersOnly)
            check(isDigit(c), "digits only");
        if (s.pwdCase == core::UpperCases)
            check(!isSmall(c), "upper case");
        else if (s.pwdCase == core::LowerCases)
            check(!isCapital(c), "lower case");
        else if (s.pwdCase != core::MixedCases || i + 1 == body.size())
            check(!isSmall(c), "untouched characters stay capitals");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input input(data, size);
    core::GenerationSettings s;
    // Any 16-bit type and case: only 0 to 2 come from the window, the rest must fail cleanly or
    // leave the body alone.
    s.type = static_cast<qint16>(input.word());
    s.pwdCase = static_cast<qint16>(input.word());
    if (input.byte() & 1) { // mostly types and cases the window can set
        s.type = static_cast<qint16>(static_cast<quint16>(s.type) % 3);
        s.pwdCase = static_cast<qint16>(static_cast<quint16>(s.pwdCase) % 3);
    }
    s.lengthText = input.text(24);
    s.prefix = input.text(8);
    s.suffix = input.text(8);
    if (input.byte() & 1)
        s.mask = input.text(32);

    qint32 length = 0;
    bool lengthFails = false;
    try {
        length = core::PasswordLength(s.lengthText);
    } catch (const runtime::RuntimeError&) {
        lengthFails = true; // ComposePassword must fail the same way, below
    }
    if (!lengthFails && length > kLengthBound) {
        length %= kLengthBound;
        s.lengthText = QString::number(length);
    }

    BytesSource source(input.rest(), input.restSize());
    CountingYield yield;
    QString result;
    try {
        result = core::ComposePassword(s, source, yield);
    } catch (const runtime::RuntimeError&) {
        check(source.draws == 0 || !s.mask.isEmpty(),
              "with no mask only the length and the type fail, before any draw");
        return 0;
    }
    check(!lengthFails, "a length that does not convert fails");
    check(s.type >= 0 && s.type <= 2, "an unknown type fails");
    check(result.startsWith(s.prefix), "the prefix stands as typed");
    check(result.endsWith(s.suffix), "the suffix stands as typed");

    const qint64 n = std::max<qint32>(length, 0);
    const qint64 coins = s.pwdCase == core::MixedCases && n >= 2 ? n - 1 : 0;
    check(source.draws == (s.type == core::AlphabetsAndNumbers ? 2 * n : n) + coins,
          "draws: one per character, two in the mixed type, one coin per position but the last");
    check(yield.calls == n + coins, "a yield after every character and every coin");

    if (s.mask.isEmpty() && result.size() >= s.prefix.size() + s.suffix.size())
        checkBody(result.mid(s.prefix.size(), result.size() - s.prefix.size() - s.suffix.size()),
                  length, s);
    return 0;
}
