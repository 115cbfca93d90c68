// keywright-cli: the password generator for scripts.

#include "CommandLine.h"
#include "ComposePassword.h"
#include "Format.h"
#include "OutputStream.h"
#include "PasswordEntropy.h"
#include "RuntimeError.h"
#include "StringOps.h"
#include "SystemRandomSource.h"

#include <QCoreApplication>

#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

constexpr int kUsageError = 2;

void printLine(FILE* stream, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    std::fwrite(utf8.constData(), 1, static_cast<size_t>(utf8.size()), stream);
    std::fputc('\n', stream);
}

int fail(const QString& message) {
    printLine(stderr, QStringLiteral("keywright-cli: ") + message);
    return kUsageError;
}

QString reason(const runtime::RuntimeError& error) {
    return QStringLiteral("%1 (run-time error %2)").arg(error.description()).arg(error.number());
}

int generate(const cli::Request& request) {
    qint32 length = 0;
    try {
        length = core::PasswordLength(request.settings.lengthText);
    } catch (const runtime::RuntimeError& error) {
        return fail(QStringLiteral("invalid length \"%1\": %2")
                        .arg(request.settings.lengthText, reason(error)));
    }
    runtime::Randomize();
    auto* source = dynamic_cast<runtime::SystemRandomSource*>(&runtime::Rnd());
    if (!source)
        return fail(QStringLiteral("the system's random generator is unavailable"));
    cli::OutputStream out(STDOUT_FILENO);
    // One text for all the passwords: each is made in the memory of the one before, which has
    // been overwritten once written out.
    QString password;
    for (quint64 i = 0; i < request.count; ++i) {
        try {
            core::ComposePasswordInto(password, request.settings, length, *source);
        } catch (const runtime::RuntimeError& error) {
            // Only the first password can fail (the mask, say): the inputs stay the same.
            runtime::wipe(password);
            return fail(QStringLiteral("cannot make a password: %1").arg(reason(error)));
        }
        const bool written = out.writeLine(password);
        runtime::overwrite(password);
        if (!written) {
            runtime::wipe(password);
            return 0; // the reader has gone (a closed pipe): end quietly
        }
    }
    runtime::wipe(password);
    out.flush();
    return 0;
}

// The strength of the passwords, worked out from the rules that make them; no password is made.
int entropy(const cli::Request& request) {
    core::PasswordEntropy result;
    try {
        result = core::ComputePasswordEntropy(request.settings);
    } catch (const runtime::RuntimeError& error) {
        return fail(QStringLiteral("invalid length \"%1\": %2")
                        .arg(request.settings.lengthText, reason(error)));
    }
    printLine(stdout, QStringLiteral("%1%2 bits")
                          .arg(result.exact ? QString() : QStringLiteral("at most "))
                          .arg(result.bits, 0, 'f', 2));
    return 0;
}

int formatText(const cli::Request& request) {
    try {
        printLine(stdout, runtime::Format(request.text, request.mask, request.firstDayOfWeek,
                                          request.firstWeekOfYear));
        return 0;
    } catch (const runtime::RuntimeError& error) {
        return fail(QStringLiteral("cannot format \"%1\" with \"%2\": %3")
                        .arg(request.text, request.mask, reason(error)));
    }
}

} // namespace

int main(int argc, char* argv[]) {
    // A closed pipe shows as a failed write, not as a signal.
    std::signal(SIGPIPE, SIG_IGN);
    QCoreApplication app(argc, argv);
    const cli::Request request = cli::parseCommandLine(QCoreApplication::arguments());
    switch (request.kind) {
    case cli::Request::Kind::Help:
    case cli::Request::Kind::Version:
        printLine(stdout, request.message);
        return 0;
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
}
