#include "app/StartupOptions.h"

#include "platform/runtime/AppInfo.h"

#include <QCoreApplication>

namespace app {

namespace {

enum class Information { None, Version, Help };

Information informationAsked(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--version") || argument == QLatin1String("-v"))
            return Information::Version;
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
            return Information::Help;
    }
    return Information::None;
}

} // namespace

bool asksForInformation(const QStringList& arguments) {
    return informationAsked(arguments) != Information::None;
}

std::optional<int> answerInformationOptions(const QStringList& arguments, QTextStream& out) {
    switch (informationAsked(arguments)) {
    case Information::None:
        return std::nullopt;
    case Information::Version:
        out << "keywright " << runtime::app::kVersion << '\n';
        return 0;
    case Information::Help:
        out << QCoreApplication::translate(
                   "keywright", "Usage: keywright [options]\n"
                                "%1: makes one random password at a time in a window.\n"
                                "\n"
                                "Options:\n"
                                "  -h, --help     Show this help and exit.\n"
                                "  -v, --version  Show the version and exit.\n"
                                "\n"
                                "Qt's own options, such as -platform, are accepted too.\n"
                                "For passwords in scripts, see keywright-cli --help.\n")
                   .arg(QString::fromUtf8(runtime::app::kTitle));
        return 0;
    }
    return std::nullopt;
}

} // namespace app
