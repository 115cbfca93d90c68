// The main window under load, through QtTest on the offscreen platform: a benchmark, run by hand
// (bench/window.sh), not a test. The real window, message window, busy pointer and random source;
// message boxes answer at once and are recorded, so no modal box blocks.
//   generateSoak         10,000 presses of Generate: resident memory grows by at most 1 MiB.
//   enterRandomLengths   Enter in the length box with 1,000 random texts: every press ends in a
//                        password of the right length or the error message, the window enabled,
//                        the pointer normal and no message window left.
//   generateLatency      Generate at L = 255 and L = 65,535: median time from the click to the
//                        painted password, and the longest wait for the event loop meanwhile.

#include "core/ComposePassword.h"
#include "platform/desktop/OverrideBusyPointer.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/SystemRandomSource.h"
#include "tests/ui/support/RecordingMessageBoxes.h"
#include "tests/ui/support/RecordingWindowOpacity.h"
#include "ui/main/frmMain.h"
#include "ui/message/MessageDisplay.h"
#include "ui/message/frmMessage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTimer>
#include <QtTest>

#include <malloc.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// Resident memory of this process in KiB, from /proc/self/status.
qint64 residentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

// Lets the window's queued work and deferred deletions (the message windows) run, as the event
// loop does between two presses of a user.
void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int visibleMessageWindows() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        count += qobject_cast<ui::frmMessage*>(widget) && widget->isVisible() ? 1 : 0;
    return count;
}

// A length text as a user, or a fuzzer, might leave it: noise, digits, huge numbers, fractions,
// signs, exponents, hexadecimal, blanks.
QString randomLengthText(QRandomGenerator& random) {
    const auto digits = [&](int count) {
        QString text;
        for (int i = 0; i < count; ++i)
            text += QChar(u'0' + random.bounded(10));
        return text;
    };
    switch (random.bounded(9)) {
    case 0: { // any characters, from the whole 16-bit range
        QString text;
        const int size = random.bounded(12);
        for (int i = 0; i < size; ++i)
            text += QChar(static_cast<char16_t>(random.bounded(1, 0x10000)));
        return text;
    }
    case 1: { // printable ASCII
        QString text;
        const int size = random.bounded(12);
        for (int i = 0; i < size; ++i)
            text += QChar(static_cast<char16_t>(random.bounded(32, 127)));
        return text;
    }
    case 2:
        return digits(random.bounded(1, 4)); // 0 to 999
    case 3:
        return digits(random.bounded(10, 40)); // far beyond 32 bits
    case 4:
        return QStringLiteral("%1.%2").arg(random.bounded(300)).arg(digits(random.bounded(1, 4)));
    case 5:
        return QStringLiteral("-%1").arg(digits(random.bounded(1, 12)));
    case 6:
        return QStringLiteral("%1e%2").arg(random.bounded(10)).arg(random.bounded(-5, 400));
    case 7:
        return QStringLiteral("&H%1").arg(random.bounded(0x20000), 0, 16);
    default:
        return QStringLiteral(" %1 ").arg(random.bounded(70000));
    }
}

// One main window with the real seams but the message boxes.
struct Window {
    RecordingMessageBoxes boxes;
    platform::OverrideBusyPointer pointer;
    ui::MessageDisplay messages;
    RecordingWindowOpacity opacity;
    std::unique_ptr<ui::frmMain> window;

    Window() {
        ui::frmMainServices services(boxes, pointer, messages, runtime::Rnd());
        services.opacity = &opacity;
        window = std::make_unique<ui::frmMain>(services);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qFatal("the main window did not appear");
        settle();
    }

    QLineEdit* box(const char* name) const {
        auto* box = window->findChild<QLineEdit*>(QLatin1String(name));
        if (!box)
            qFatal("no box %s", name);
        return box;
    }
    QPushButton* generate() const {
        return window->findChild<QPushButton*>(QStringLiteral("cmdGenerate"));
    }
};

// Notes when a widget is painted.
struct PaintWatch : QObject {
    explicit PaintWatch(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            seen = true;
        return false;
    }
    bool seen = false;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

class WindowSoak : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void generateSoak() {
        Window w;
        QPushButton* generate = w.generate();
        QVERIFY(generate);
        const qint64 atStart = residentKiB();
        // Warm-up: fonts, the message window's first creation, the allocator's pools.
        for (int i = 0; i < 200; ++i) {
            QTest::mouseClick(generate, Qt::LeftButton);
            settle();
        }
        malloc_trim(0);
        const qint64 before = residentKiB();
        QString previous;
        int repeated = 0;
        for (int i = 0; i < 10000; ++i) {
            QTest::mouseClick(generate, Qt::LeftButton);
            settle();
            const QString password = w.box("txtGeneratedPwd")->text();
            repeated += password == previous ? 1 : 0;
            previous = password;
        }
        malloc_trim(0);
        const qint64 after = residentKiB();
        qInfo("resident memory: %lld KiB at start, %lld KiB after 200 presses, %lld KiB after "
              "10,000 more: %+lld KiB",
              atStart, before, after, after - before);
        QCOMPARE(w.boxes.shown.size(), 0);
        QVERIFY2(repeated < 5, "presses give new passwords"); // 62^6 passwords: repeats are rare
        QVERIFY2(after - before <= 1024, "resident memory grows by at most 1 MiB");
    }

    void enterRandomLengths() {
        Window w;
        QLineEdit* length = w.box("txtPwdLong");
        QLineEdit* output = w.box("txtGeneratedPwd");
        QRandomGenerator random(20261208); // a fixed seed: the same texts every run
        int passwords = 0, errors = 0;
        for (int i = 0; i < 1000; ++i) {
            const QString text = randomLengthText(random);
            qint64 expected = -1; // -1: the error message
            try {
                expected = std::max<qint32>(core::PasswordLength(text), 0);
            } catch (const runtime::RuntimeError&) {
            }
            const QString before = output->text();
            const qsizetype boxesBefore = w.boxes.shown.size();

            length->setFocus(Qt::OtherFocusReason);
            length->setText(text);
            QTest::keyClick(length, Qt::Key_Return);
            settle();

            const QByteArray where = "length text \"" + text.toUtf8() + '"';
            if (expected < 0) {
                QVERIFY2(w.boxes.shown.size() == boxesBefore + 1, where);
                QCOMPARE(w.boxes.shown.last().title, QStringLiteral("Internal Error"));
                QVERIFY2(output->text() == before, where);
                ++errors;
            } else {
                QVERIFY2(w.boxes.shown.size() == boxesBefore, where);
                QVERIFY2(output->text().size() == expected, where);
                ++passwords;
            }
            QVERIFY2(w.window->isEnabled(), where);
            QVERIFY2(!QGuiApplication::overrideCursor(), where);
            QVERIFY2(!w.messages.current() && visibleMessageWindows() == 0, where);
            QVERIFY2(!QApplication::activeModalWidget(), where);
        }
        qInfo("1,000 presses of Enter: %d passwords, %d error messages", passwords, errors);
        QVERIFY(passwords > 100 && errors > 100); // both paths were taken
    }

    void generateLatency_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("presses");
        QTest::newRow("L=255") << 255 << 200;
        QTest::newRow("L=65535") << 65535 << 20;
    }
    // From the click to the password painted in the output box, and the click alone (the
    // handler); meanwhile a timer of 1 ms asks for the event loop, and the longest wait for it
    // during a press shows how long the window would leave a close or the fade-out waiting.
    void generateLatency() {
        QFETCH(int, length);
        QFETCH(int, presses);
        Window w;
        QLineEdit* output = w.box("txtGeneratedPwd");
        w.box("txtPwdLong")->setText(QString::number(length));
        QPushButton* generate = w.generate();
        PaintWatch paints(output);
        QElapsedTimer clock;
        clock.start();
        qint64 lastTurn = 0, longestWait = 0;
        bool pressing = false;
        QTimer turns;
        turns.setTimerType(Qt::PreciseTimer);
        turns.setInterval(1);
        QObject::connect(&turns, &QTimer::timeout, [&] {
            const qint64 now = clock.nsecsElapsed();
            if (pressing)
                longestWait = std::max(longestWait, now - lastTurn);
            lastTurn = now;
        });
        turns.start();
        std::vector<double> clicks, painted, waits;
        for (int i = 0; i < presses; ++i) {
            settle();
            const qint64 start = clock.nsecsElapsed();
            lastTurn = start;
            longestWait = 0;
            pressing = true;
            QTest::mouseClick(generate, Qt::LeftButton);
            pressing = false;
            const qint64 handled = clock.nsecsElapsed();
            longestWait = std::max(longestWait, handled - lastTurn);
            // The new password is painted after the handler; any earlier paint showed the old.
            paints.seen = false;
            while (!paints.seen)
                QCoreApplication::processEvents();
            const qint64 shown = clock.nsecsElapsed();
            clicks.push_back(static_cast<double>(handled - start) / 1e6);
            painted.push_back(static_cast<double>(shown - start) / 1e6);
            waits.push_back(static_cast<double>(longestWait) / 1e6);
            QCOMPARE(output->text().size(), length);
        }
        qInfo("Generate at L = %d, %d presses: click to painted password median %.3f ms (best "
              "%.3f ms); the click alone median %.3f ms; longest wait for the event loop during "
              "a press: median %.1f ms, worst %.1f ms",
              length, presses, median(painted), *std::min_element(painted.begin(), painted.end()),
              median(clicks), median(waits), *std::max_element(waits.begin(), waits.end()));
    }
};

QTEST_MAIN(WindowSoak)
#include "window_soak.moc"
