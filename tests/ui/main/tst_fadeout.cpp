#include "tests/ui/main/MainWindowWorld.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

class TestFadeOut : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowWorld> world;

    QTimer* fadeTimer() const {
        return world->window->findChild<QTimer*>(QStringLiteral("tmrFadeOut"));
    }

    static QStringList loadCalls() { return {"layered", "255"}; }
    // Re-layered on the first tick, then eleven steps of 25 down to 0.
    static QStringList fadeCalls() {
        return {"layered", "230", "205", "180", "155", "130", "105", "80", "55", "30", "5", "0"};
    }

    // The main window closes for good and no other window is left to keep the program going:
    // the application ends when its last window closes.
    static bool noWindowLeft() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible())
                return false;
        }
        return true;
    }

private slots:
    void init() {
        world = std::make_unique<MainWindowWorld>();
        world->open();
    }
    void cleanup() { world.reset(); }

    void exitFadesOutInElevenStepsAndUnloadsTheWindow() {
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(world->button("Command1"), Qt::LeftButton);
        // Fully opaque until the first tick, one interval after the click.
        QCOMPARE(world->opacity.calls, loadCalls());
        QVERIFY(fadeTimer()->isActive());
        QCOMPARE(fadeTimer()->interval(), 20);

        QTRY_VERIFY_WITH_TIMEOUT(world->window.isNull(), 10000);
        QVERIFY(clock.elapsed() >= 11 * 19); // eleven ticks, however late each one came
        QCOMPARE(world->opacity.calls, loadCalls() + fadeCalls());
        QVERIFY(noWindowLeft());
    }

    void theWindowStaysUsableWhileFading() {
        world->random.values.fill(0.0f, 17);
        QTest::mouseClick(world->button("Command1"), Qt::LeftButton);
        QTRY_VERIFY(world->opacity.calls.size() > 3);
        world->box("txtMasks")->setFocus(Qt::MouseFocusReason);
        world->key(Qt::Key_Return);
        QCOMPARE(world->box("txtGeneratedPwd")->text(), QStringLiteral("000000"));
        QTRY_VERIFY_WITH_TIMEOUT(world->window.isNull(), 10000);
        QCOMPARE(world->opacity.calls, loadCalls() + fadeCalls());
    }

    void aSecondExitClickChangesNothing() {
        QTest::mouseClick(world->button("Command1"), Qt::LeftButton);
        const int timerId = fadeTimer()->timerId();
        QTRY_VERIFY(world->opacity.calls.size() > 2); // the first tick has come
        QTest::mouseClick(world->button("Command1"), Qt::LeftButton);
        QCOMPARE(fadeTimer()->timerId(), timerId); // not restarted
        QTRY_VERIFY_WITH_TIMEOUT(world->window.isNull(), 10000);
        QCOMPARE(world->opacity.calls, loadCalls() + fadeCalls());
    }

    // The last tick can come while a message box of another handler is open (its loop runs the
    // timer): the window goes once that handler has ended, not from under it.
    void aBoxOpenAtTheLastTickHoldsTheUnloadUntilItCloses_data() {
        QTest::addColumn<QString>("trigger");
        QTest::newRow("Generate's error box") << "Enter";
        QTest::newRow("the length check's box") << "Tab";
        QTest::newRow("the About dialog") << "About";
    }
    void aBoxOpenAtTheLastTickHoldsTheUnloadUntilItCloses() {
        QFETCH(QString, trigger);
        bool aliveAfterTheFade = false;
        // The real box or dialog runs its own event loop until the user answers.
        const auto waitForTheUser = [&] {
            QEventLoop loop;
            QTimer::singleShot(600, &loop, &QEventLoop::quit);
            loop.exec();
            aliveAfterTheFade = !world->window.isNull() && world->window->isVisible();
        };
        world->boxes.whileShown = waitForTheUser;
        world->whileAboutShown = waitForTheUser;
        QTest::mouseClick(world->button("Command1"), Qt::LeftButton);
        if (trigger == QLatin1String("About")) {
            QTest::mouseClick(world->button("cmdAbout"), Qt::LeftButton);
            QCOMPARE(world->aboutShown.size(), 1);
        } else {
            QLineEdit* length = world->box("txtPwdLong");
            length->setFocus(Qt::OtherFocusReason);
            length->setText(QStringLiteral("abc"));
            world->key(trigger == QLatin1String("Enter") ? Qt::Key_Return : Qt::Key_Tab);
            QCoreApplication::processEvents(); // the length check runs from the event loop
            QCOMPARE(world->boxes.shown.size(), 1);
        }
        QCOMPARE(world->opacity.calls, loadCalls() + fadeCalls());
        QVERIFY(aliveAfterTheFade);
        QTRY_VERIFY(world->window.isNull());
        QVERIFY(noWindowLeft());
        QVERIFY(world->uncaughtErrors.isEmpty());
    }

    // The tick has no handler of its own: its error is reported, as the runtime reports it.
    void anErrorInATickIsReported() {
        world->opacity.failAt = QStringLiteral("205");
        QTest::mouseClick(world->button("Command1"), Qt::LeftButton);
        QTRY_VERIFY(!world->uncaughtErrors.isEmpty());
        QCOMPARE(world->uncaughtErrors.first(), QStringLiteral("6"));
        QCOMPARE(world->opacity.calls.mid(2, 3), QStringList({"layered", "230", "205"}));
        QVERIFY(world->boxes.shown.isEmpty());
    }

    void closingByOtherMeansEndsAtOnceWithoutFading() {
        QVERIFY(world->window->close());
        QTRY_VERIFY(world->window.isNull());
        QCOMPARE(world->opacity.calls, loadCalls());
        QVERIFY(noWindowLeft());
    }
};

QTEST_MAIN(TestFadeOut)
#include "tst_fadeout.moc"
