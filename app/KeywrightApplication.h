#pragma once

#include <QApplication>

#include <exception>
#include <functional>

namespace platform {
class MessageBoxes;
}

namespace app {

// The application object. An error that no handler of its own caught is reported here, the way
// the runtime reports it ("Run-time error '6':" and its text, under the program's title), and
// then the program ends; no exception ever crosses the event loop.
class KeywrightApplication final : public QApplication {
    Q_OBJECT
public:
    static constexpr int kUncaughtErrorExitCode = 1;

    KeywrightApplication(int& argc, char** argv);
    ~KeywrightApplication() override;

    // Where the report goes and how the program ends; by default a message box and the end of
    // the process at once.
    void setUncaughtErrorServices(platform::MessageBoxes& boxes,
                                  std::function<void(int exitCode)> endProgram);

    bool notify(QObject* receiver, QEvent* event) override;

    // Reports an error that escaped and ends the program; also for errors before the event
    // loop runs (the main window's load).
    void reportUncaughtError(const std::exception* error);

    // "Run-time error '6':\n\nOverflow"; Out of memory (7) and Internal error (51) for
    // failures that are not run-time errors.
    static QString uncaughtErrorText(const std::exception* error);

private:
    platform::MessageBoxes* boxes_;
    std::function<void(int)> endProgram_;
};

} // namespace app
