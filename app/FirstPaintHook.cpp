#include "FirstPaintHook.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPixmap>
#include <QWidget>

namespace app {
namespace {

class FirstPaintWatcher final : public QObject {
public:
    FirstPaintWatcher(QWidget& window, QString screenshotPath)
        : QObject(&window), window_(window), screenshotPath_(std::move(screenshotPath)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Queued, so that the frame is finished and flushed to the screen first.
            QMetaObject::invokeMethod(
                this, [this] { finish(); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void finish() {
        if (!screenshotPath_.isEmpty() && !window_.grab().save(screenshotPath_))
            qWarning("keywright: cannot save the screenshot to %s", qPrintable(screenshotPath_));
        QCoreApplication::quit();
    }

    QWidget& window_;
    QString screenshotPath_;
    bool seen_ = false;
};

} // namespace

void installFirstPaintHook(QWidget& window) {
    const QString screenshot = qEnvironmentVariable("KEYWRIGHT_SCREENSHOT");
    if (screenshot.isEmpty() &&
        qEnvironmentVariableIntValue("KEYWRIGHT_EXIT_AFTER_FIRST_PAINT") != 1)
        return;
    window.installEventFilter(new FirstPaintWatcher(window, screenshot));
}

} // namespace app
