// keywright-cli: the password generator for scripts.

#include "cli/CommandLine.h"
#include "cli/ErrorText.h"
#include "cli/LengthCheck.h"
#include "cli/MaskWarning.h"
#include "cli/OutputStream.h"
#include "cli/RunRandomSource.h"
#include "core/CharacterSets.h"
#include "core/ComposePassword.h"
#include "core/PasswordEntropy.h"
#include "core/SetPasswordEntropy.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/StandardDescriptors.h"
#include "platform/runtime/StringOps.h"
#include "platform/runtime/format/Format.h"

#include "translations/Translations.h"

#include <QCoreApplication>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <optional>
#include <unistd.h>

namespace {

constexpr int kUsageError = 2;
constexpr int kOutputError = 1;

void printLine(FILE* stream, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    std::fwrite(utf8.constData(), 1, static_cast<size_t>(utf8.size()), stream);
    std::fputc('\n', stream);
}

// The message names what was typed: escaped, so that it stays one line and sends the terminal no
// control sequence.
int fail(const QString& message) {
    printLine(stderr, QStringLiteral("keywright-cli: ") + cli::printable(message));
    return kUsageError;
}

// A reader that has gone (a closed pipe) ends the program quietly; any other failure to write (a
// full disk) is reported, so that a script does not take missing output for success.
int outputFailed(int error) {
    if (error == EPIPE)
        return 0;
    printLine(stderr,
              QStringLiteral("keywright-cli: ") +
                  QCoreApplication::translate("keywright-cli", "cannot write the output: %1")
                      .arg(QString::fromLocal8Bit(std::strerror(error))));
    return kOutputError;
}

// Prints the one line of a command other than generation, and reports a failed write.
int printResult(const QString& text) {
    printLine(stdout, text);
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        return outputFailed(errno);
    return 0;
}

// The strength of the passwords of a request whose length has been checked: from the window's
// rules, or from the character sets.
core::PasswordEntropy strengthOf(const cli::Request& request, qint32 length) {
    if (request.sets)
        return core::ComputeSetPasswordEntropy(*request.sets, length, request.settings.mask);
    return core::ComputePasswordEntropy(request.settings);
}

// The length, checked: the error line when it is no length, or too short to hold every class.
std::optional<QString> lengthError(const cli::Request& request, const cli::LengthCheck& checked) {
    if (!checked.error.isEmpty())
        return checked.error;
    if (request.sets && request.sets->everyClass && checked.length < request.sets->classes.size())
        return QCoreApplication::translate(
                   "keywright-cli",
                   "--every-class needs a length of at least %1, one character for each class")
            .arg(request.sets->classes.size());
    return std::nullopt;
}

int generate(const cli::Request& request) {
    const cli::LengthCheck checked = cli::checkLength(request.settings.lengthText);
    if (const auto error = lengthError(request, checked))
        return fail(*error);
    const qint32 length = checked.length;
    if (!request.settings.mask.isEmpty()) {
        core::PasswordEntropy strength;
        try {
            strength = strengthOf(request, length);
        } catch (const runtime::RuntimeError&) {
            // The generation itself reports what is wrong.
        }
        if (strength.emptyBody)
            return fail(cli::emptyBodyError());
        if (const auto warning = cli::maskWarning(strength))
            printLine(stderr, QStringLiteral("keywright-cli: ") + *warning);
    }
    std::unique_ptr<runtime::SystemRandomSource> source;
    try {
        source = cli::makeRunRandomSource(
            request.sets ? static_cast<quint64>(length)
                         : static_cast<quint64>(core::DrawsPerPassword(length, request.settings)),
            request.count);
    } catch (const runtime::RuntimeError& error) {
        return fail(QCoreApplication::translate("keywright-cli", "cannot make a password: %1")
                        .arg(cli::reason(error)));
    }
    cli::OutputStream out(STDOUT_FILENO);
    // One text for all the passwords: each is made in the memory of the one before, which has
    // been overwritten once written out.
    QString password;
    const std::optional<core::SetBodyDrawer> drawer =
        request.sets ? std::optional(core::SetBodyDrawer(*request.sets)) : std::nullopt;
    for (quint64 i = 0; i < request.count; ++i) {
        try {
            if (drawer)
                core::ComposeSetPasswordInto(password, request.settings, *drawer, length, *source);
            else
                core::ComposePasswordInto(password, request.settings, length, *source);
        } catch (const runtime::RuntimeError& error) {
            // Only the first password can fail (the mask, say): the inputs stay the same.
            runtime::wipe(password);
            return fail(QCoreApplication::translate("keywright-cli", "cannot make a password: %1")
                            .arg(cli::reason(error)));
        }
        const bool written = out.writeLine(password);
        runtime::overwrite(password);
        if (!written) {
            runtime::wipe(password);
            return outputFailed(out.error());
        }
    }
    runtime::wipe(password);
    return out.flush() ? 0 : outputFailed(out.error());
}

// The strength of the passwords, worked out from the rules that make them; no password is made.
int entropy(const cli::Request& request) {
    const cli::LengthCheck checked = cli::checkLength(request.settings.lengthText);
    if (const auto error = lengthError(request, checked))
        return fail(*error);
    core::PasswordEntropy result;
    try {
        result = strengthOf(request, checked.length);
    } catch (const runtime::RuntimeError& error) {
        return fail(QCoreApplication::translate("keywright-cli", "cannot work out the strength: %1")
                        .arg(cli::reason(error)));
    }
    if (result.emptyBody)
        return fail(cli::emptyBodyError());
    if (const auto warning = cli::maskWarning(result))
        printLine(stderr, QStringLiteral("keywright-cli: ") + *warning);
    return printResult(cli::strengthText(result));
}

int formatText(const cli::Request& request) {
    try {
        return printResult(runtime::Format(request.text, request.mask, request.firstDayOfWeek,
                                           request.firstWeekOfYear));
    } catch (const runtime::RuntimeError& error) {
        return fail(
            QCoreApplication::translate("keywright-cli", "cannot format \"%1\" with \"%2\": %3")
                .arg(request.text, request.mask, cli::reason(error)));
    }
}

} // namespace

int main(int argc, char* argv[]) {
    // Before anything opens a file: a closed standard output must fail the writes, not lend its
    // number to a descriptor of Qt's that would swallow the passwords.
    if (!runtime::ensureStandardDescriptors())
        return kOutputError;
    // A closed pipe shows as a failed write, not as a signal.
    std::signal(SIGPIPE, SIG_IGN);
    // The arguments as given, before Qt reads them as text with a replacement for what is not
    // UTF-8: such an argument is refused, not taken for other text.
    QList<QByteArray> rawArguments;
    for (int i = 0; i < argc; ++i)
        rawArguments.append(QByteArray(argv[i]));
    QCoreApplication app(argc, argv);
    installTranslations(app);
    if (const auto undecodable = cli::undecodableArgument(rawArguments)) {
        printLine(stderr, QStringLiteral("keywright-cli: ") + *undecodable);
        return kUsageError;
    }
    // Memory that cannot be had (a huge mask or count on a small machine) ends with one line.
    try {
        const cli::Request request = cli::parseCommandLine(QCoreApplication::arguments());
        switch (request.kind) {
        case cli::Request::Kind::Help:
        case cli::Request::Kind::Version:
            return printResult(request.message);
        case cli::Request::Kind::Error:
            return fail(request.message);
        case cli::Request::Kind::FormatText:
            return formatText(request);
        case cli::Request::Kind::Entropy:
            return entropy(request);
        case cli::Request::Kind::Generate:
            break;
        }
        return generate(request);
    } catch (const std::bad_alloc&) {
        return fail(QCoreApplication::translate("keywright-cli", "out of memory"));
    }
}
