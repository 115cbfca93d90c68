#include "app/KeywrightApplication.h"
#include "platform/runtime/RuntimeError.h"
#include "tests/ui/support/RecordingMessageBoxes.h"

#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <new>

// An object whose handling of an event fails in the way given.
class FailingObject final : public QObject {
public:
    explicit FailingObject(int kind) : kind_(kind) {}
    bool event(QEvent* event) override {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        switch (kind_) {
        case 6:
            runtime::raise(runtime::ErrorNumber::Overflow);
        case 13:
            runtime::raise(runtime::ErrorNumber::TypeMismatch);
        case 7:
            throw std::bad_alloc();
        default:
            throw 42;
        }
        ++handled;
        return true;
    }
    int handled = 0;

private:
    int kind_;
};

// Errors that escape a handler reach the application object, which reports them the way the
// runtime does and ends the program. The program's end is recorded here instead.
class TestKeywrightApplication : public QObject {
    Q_OBJECT

    RecordingMessageBoxes boxes;
    QList<int> endings;

    app::KeywrightApplication* application() const {
        return static_cast<app::KeywrightApplication*>(qApp);
    }

private slots:
    void init() {
        boxes.shown.clear();
        endings.clear();
        application()->setUncaughtErrorServices(boxes, [this](int code) { endings << code; });
    }

    void anErrorFromAnEventIsReportedAndEndsTheProgram_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("overflow") << 6 << "Run-time error '6':\n\nOverflow";
        QTest::newRow("type mismatch") << 13 << "Run-time error '13':\n\nType mismatch";
        QTest::newRow("out of memory") << 7 << "Run-time error '7':\n\nOut of memory";
        QTest::newRow("anything else") << 0 << "Run-time error '51':\n\nInternal error";
    }
    void anErrorFromAnEventIsReportedAndEndsTheProgram() {
        QFETCH(int, kind);
        QFETCH(QString, prompt);
        FailingObject failing(kind);
        QCoreApplication::postEvent(&failing, new QEvent(QEvent::User));
        QTRY_COMPARE(boxes.shown.size(), 1);
        QCOMPARE(boxes.shown.first().prompt, prompt);
        QCOMPARE(boxes.shown.first().style, 16);
        QVERIFY(boxes.shown.first().title.isEmpty()); // the program's title
        QCOMPARE(endings, QList<int>{app::KeywrightApplication::kUncaughtErrorExitCode});
        QCOMPARE(failing.handled, 0); // the handler went no further
    }

    void anErrorFromATimerIsReportedOnce() {
        QTimer::singleShot(0, this, [] { runtime::raise(runtime::ErrorNumber::Overflow); });
        QTRY_COMPARE(boxes.shown.size(), 1);
        QCOMPARE(boxes.shown.first().prompt, QStringLiteral("Run-time error '6':\n\nOverflow"));
        QCOMPARE(endings.size(), 1);
    }

    void eventsWithoutErrorsPassUntouched() {
        QPushButton button(QStringLiteral("works"));
        int clicks = 0;
        connect(&button, &QPushButton::clicked, this, [&] { ++clicks; });
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicks, 1);
        QVERIFY(boxes.shown.isEmpty());
        QVERIFY(endings.isEmpty());
    }
};

int main(int argc, char* argv[]) {
    app::KeywrightApplication application(argc, argv);
    TestKeywrightApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_keywrightapplication.moc"
