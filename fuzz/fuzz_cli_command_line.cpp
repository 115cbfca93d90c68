// keywright-cli's command line from arbitrary arguments: the input is split at NUL bytes into the
// arguments after the program's name, each read as UTF-8. Beyond "no crash, no sanitizer report",
// every run checks what holds for any arguments: an error has a message, and the line printed
// for it is one line with no control character; a request to generate has a count of at least 1
// and a known type and case; a length passes the check only as 1 to the longest body, and is
// otherwise refused with a reason; the escaping leaves ordinary text alone.

#include "cli/CommandLine.h"
#include "cli/ErrorText.h"
#include "cli/LengthCheck.h"
#include "core/ComposePassword.h"

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr qsizetype kMostArguments = 32;

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "command line: %s\n", what);
        std::abort();
    }
}

// No control or format character, no line or paragraph separator, no lone surrogate.
bool isOneHarmlessLine(const QString& line) {
    for (qsizetype i = 0; i < line.size(); ++i) {
        char32_t codePoint = line[i].unicode();
        if (line[i].isSurrogate()) {
            if (!line[i].isHighSurrogate() || i + 1 == line.size() || !line[i + 1].isLowSurrogate())
                return false;
            codePoint = QChar::surrogateToUcs4(line[i], line[i + 1]);
            ++i;
        }
        switch (QChar::category(codePoint)) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            return false;
        default:
            break;
        }
    }
    return true;
}

void checkPrintable(const QString& text) {
    const QString shown = cli::printable(text);
    check(isOneHarmlessLine(shown), "escaped text is one line with no control character");
    if (isOneHarmlessLine(text) && !text.contains(u'\\'))
        check(shown == text, "ordinary text is shown as typed");
    check(shown.size() >= text.size(), "nothing is dropped");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QStringList arguments{QStringLiteral("keywright-cli")};
    size_t start = 0;
    for (size_t i = 0; i <= size && arguments.size() <= kMostArguments; ++i) {
        if (i == size || data[i] == 0) {
            arguments << QString::fromUtf8(reinterpret_cast<const char*>(data + start),
                                           static_cast<qsizetype>(i - start));
            start = i + 1;
        }
    }
    for (const QString& argument : arguments)
        checkPrintable(argument);

    const cli::Request request = cli::parseCommandLine(arguments);
    switch (request.kind) {
    case cli::Request::Kind::Error:
        check(!request.message.isEmpty(), "an error has a message");
        checkPrintable(request.message);
        break;
    case cli::Request::Kind::Help:
    case cli::Request::Kind::Version:
        check(!request.message.isEmpty(), "help and version have a text");
        break;
    case cli::Request::Kind::FormatText:
        check(arguments.contains(request.mask), "the mask is one of the arguments");
        break;
    case cli::Request::Kind::Generate:
    case cli::Request::Kind::Entropy: {
        check(request.count >= 1, "at least one password");
        check(request.settings.type >= core::AlphabetsOnly &&
                  request.settings.type <= core::AlphabetsAndNumbers,
              "a known type");
        check(request.settings.pwdCase >= core::LowerCases &&
                  request.settings.pwdCase <= core::MixedCases,
              "a known case");
        const cli::LengthCheck length = cli::checkLength(request.settings.lengthText);
        if (length.error.isEmpty())
            check(length.length >= 1 && length.length <= core::kMaxPasswordLength,
                  "an accepted length gives 1 to the longest body");
        else
            checkPrintable(length.error);
        break;
    }
    }
    return 0;
}
