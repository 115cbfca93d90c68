#include "app/FirstPaintHook.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QPixmap>
#include <QTimer>
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
        save(window_, screenshotPath_);
        const QString aboutPath = qEnvironmentVariable("KEYWRIGHT_SCREENSHOT_ABOUT");
        auto* about = window_.findChild<QAbstractButton*>(QStringLiteral("cmdAbout"));
        if (aboutPath.isEmpty() || !about) {
            QCoreApplication::quit();
            return;
        }
        // The About dialog runs its own modal loop: it is pictured from inside that loop once it
        // has been shown and painted, and quitting ends both loops.
        auto* poll = new QTimer(this);
        poll->setInterval(100);
        connect(poll, &QTimer::timeout, this, [this, poll, aboutPath] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog || !dialog->isVisible() || ++polls_ < 3)
                return;
            poll->stop();
            save(*dialog, aboutPath);
            QCoreApplication::quit();
        });
        poll->start();
        about->click();
    }

    static void save(QWidget& widget, const QString& path) {
        if (!path.isEmpty() && !widget.grab().save(path))
            qWarning("keywright: cannot save the screenshot to %s", qPrintable(path));
    }

    QWidget& window_;
    QString screenshotPath_;
    bool seen_ = false;
    int polls_ = 0;
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
