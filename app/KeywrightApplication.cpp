#include "app/KeywrightApplication.h"

#include <QCoreApplication>

#include "platform/runtime/RuntimeError.h"
#include "ui/message/WidgetMessageBoxes.h"

#include <cstdio>
#include <cstdlib>
#include <new>

namespace app {
namespace {

ui::WidgetMessageBoxes& widgetBoxes() {
    static ui::WidgetMessageBoxes boxes;
    return boxes;
}

[[noreturn]] void endProcessAtOnce(int exitCode) {
    // Like the runtime: no window is unloaded and no handler runs any more.
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

} // namespace

KeywrightApplication::KeywrightApplication(int& argc, char** argv)
    : QApplication(argc, argv), boxes_(&widgetBoxes()), endProgram_(endProcessAtOnce) {}

KeywrightApplication::~KeywrightApplication() = default;

void KeywrightApplication::setUncaughtErrorServices(platform::MessageBoxes& boxes,
                                                    std::function<void(int)> endProgram) {
    boxes_ = &boxes;
    endProgram_ = std::move(endProgram);
}

bool KeywrightApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        reportUncaughtError(&error);
    } catch (...) {
        reportUncaughtError(nullptr);
    }
    return true;
}

void KeywrightApplication::reportUncaughtError(const std::exception* error) {
    boxes_->MsgBox(uncaughtErrorText(error), platform::MessageBoxes::Critical);
    endProgram_(kUncaughtErrorExitCode);
}

QString KeywrightApplication::uncaughtErrorText(const std::exception* error) {
    int number = 51;
    QString description = QCoreApplication::translate("KeywrightApplication", "Internal error");
    if (const auto* runtimeError = dynamic_cast<const runtime::RuntimeError*>(error)) {
        number = runtimeError->number();
        description = runtimeError->description();
    } else if (dynamic_cast<const std::bad_alloc*>(error)) {
        number = 7;
        description = QCoreApplication::translate("KeywrightApplication", "Out of memory");
    }
    return runtime::errorReportText(number, description);
}

} // namespace app
