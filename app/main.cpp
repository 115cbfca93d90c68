// keywright: the Norvik Password Generator window.

#include "app/FirstPaintHook.h"
#include "app/KeywrightApplication.h"
#include "app/StartupOptions.h"
#include "platform/desktop/OverrideBusyPointer.h"
#include "platform/files/DiskFileFinder.h"
#include "platform/process/DetachedProgramStarter.h"
#include "platform/runtime/StandardDescriptors.h"
#include "platform/runtime/SystemRandomSource.h"
#include "platform/system/SystemRegistry.h"
#include "translations/Translations.h"
#include "ui/about/WebLink.h"
#include "ui/about/frmAbout.h"
#include "ui/main/frmMain.h"
#include "ui/message/MessageDisplay.h"
#include "ui/message/WidgetMessageBoxes.h"
#include "ui/widgets/OwnTitleBar.h"
#include "ui/widgets/ProgramIcon.h"

#include <QTextStream>

#include <cstdio>
#include <cstdlib>

namespace {

QStringList argumentList(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

int main(int argc, char* argv[]) {
    // Before anything opens a file: a closed standard descriptor must not lend its number to the
    // display connection or a file, which would then receive the program's messages.
    if (!runtime::ensureStandardDescriptors())
        return 1;
    if (const QStringList arguments = argumentList(argc, argv);
        app::asksForInformation(arguments)) {
        // --version and --help answer without a display, in the user's language; an answer that
        // cannot be written (a closed or full standard output) is a failure.
        QCoreApplication core(argc, argv);
        installTranslations(core);
        QTextStream out(stdout);
        const std::optional<int> exitCode = app::answerInformationOptions(arguments, out);
        out.flush();
        if (out.status() != QTextStream::Ok || std::fflush(stdout) != 0 || std::ferror(stdout)) {
            std::fputs(qPrintable(QCoreApplication::translate(
                           "keywright", "keywright: cannot write the output\n")),
                       stderr);
            return 1;
        }
        return exitCode.value_or(0);
    }

    app::KeywrightApplication application(argc, argv);
    installTranslations(application);
    QGuiApplication::setDesktopFileName(QStringLiteral(KEYWRIGHT_APP_ID));
    // Every window, Qt's own included, carries the program's icon.
    QApplication::setWindowIcon(ui::programIcon());
    ui::installOwnTitleBars(application);
    ui::WidgetMessageBoxes boxes;
    platform::OverrideBusyPointer pointer;
    ui::MessageDisplay messages;
    const std::unique_ptr<platform::RegistryReader> registry = platform::makeSystemRegistry();
    platform::DetachedProgramStarter starter;
    platform::DiskFileFinder files;
    const ui::frmAboutServices about{{*registry, starter, files}, boxes};
    ui::frmMainServices services(boxes, pointer, messages, runtime::Rnd());
    services.showAbout = [&about] { ui::frmAbout::showModal(about); };
    services.openWebAddress = [&about](const QString& address) {
        ui::openWebLink(about.platform, about.boxes, address);
    };
    services.reportUncaughtError = [&application](const std::exception* error) {
        application.reportUncaughtError(error);
    };

    ui::frmMain* window = nullptr;
    try {
        window = new ui::frmMain(services);
    } catch (const std::exception& error) {
        application.reportUncaughtError(&error);
        return app::KeywrightApplication::kUncaughtErrorExitCode;
    }
    app::installFirstPaintHook(*window);
    window->show();
    // The window destroys itself when closed; the last window closed ends the loop.
    const int exitCode = application.exec();
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        // Qt 6.4's Wayland client can deadlock while the application object is destroyed (the
        // display waits for its event thread, which waits for the compositor). Every window has
        // gone and nothing is kept, so the program ends here, without that teardown.
        std::fflush(nullptr);
        std::_Exit(exitCode);
    }
    return exitCode;
}
