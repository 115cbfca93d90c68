#include "StartupOptions.h"

#include "AppInfo.h"

namespace app {

std::optional<int> answerInformationOptions(const QStringList& arguments, QTextStream& out) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--version") || argument == QLatin1String("-v")) {
            out << "keywright " << runtime::app::kVersion << '\n';
            return 0;
        }
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            out << "Usage: keywright [options]\n"
                << runtime::app::kTitle << ": makes one random password at a time in a window.\n"
                << "\n"
                << "Options:\n"
                << "  -h, --help     Show this help and exit.\n"
                << "  -v, --version  Show the version and exit.\n"
                << "\n"
                << "Qt's own options, such as -platform, are accepted too.\n"
                << "For passwords in scripts, see keywright-cli --help.\n";
            return 0;
        }
    }
    return std::nullopt;
}

} // namespace app
