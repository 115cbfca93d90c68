#include "ui/message/MessageDisplay.h"
#include "ui/message/frmMessage.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QtTest>

using ui::frmMessage;
using ui::MessageDisplay;

class TestMessageDisplay : public QObject {
    Q_OBJECT

    // Message windows that are on screen, whatever shows them.
    static int visibleMessageWindows() {
        int count = 0;
        for (QWidget* widget : QApplication::topLevelWidgets())
            count += qobject_cast<frmMessage*>(widget) && widget->isVisible() ? 1 : 0;
        return count;
    }

    // ShowMessage returns at once; the window appears when the event loop runs.
    static void letTheLoopRun() { QCoreApplication::processEvents(); }

private slots:
    void cleanup() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(visibleMessageWindows(), 0);
    }

    void sizesFollowTheLinesOfText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("lines");
        QTest::newRow("one line") << "Please wait while loading ..." << 1;
        QTest::newRow("generating") << "Please wait while generating your random password..." << 1;
        QTest::newRow("three lines") << "first\nsecond\nthird" << 3;
    }
    void sizesFollowTheLinesOfText() {
        QFETCH(QString, text);
        QFETCH(int, lines);
        MessageDisplay display;
        display.ShowMessage(text);
        letTheLoopRun();
        frmMessage* window = display.current();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        // 4740 twips wide, 195 a line; the window 240 twips larger each way.
        QCOMPARE(window->Label1()->geometry(), QRect(8, 8, 316, 13 * lines));
        QCOMPARE(window->size(), QSize(332, 13 * lines + 16));
        QCOMPARE(window->Label1()->text(), text);
    }

    void longTextWrapsWithinTheWidth() {
        MessageDisplay display;
        const QString text = QStringLiteral("Please wait while generating your random password. ")
                                 .repeated(4)
                                 .trimmed();
        display.ShowMessage(text);
        frmMessage* window = display.current();
        QVERIFY(window);
        QCOMPARE(window->width(), 332);
        const int labelHeight = window->Label1()->height();
        QVERIFY2(labelHeight >= 3 * 13 && labelHeight % 13 == 0,
                 qPrintable(QString::number(labelHeight)));
        QCOMPARE(window->height(), labelHeight + 16);
        // The label's own wrapping needs no more room than it was given.
        QVERIFY(window->Label1()->heightForWidth(316) <= labelHeight);
    }

    void windowIsABorderlessDarkGreyToolWindowCentredOnTheScreen() {
        MessageDisplay display;
        display.ShowMessage(QStringLiteral("Please wait while loading ..."));
        frmMessage* window = display.current();
        QVERIFY(window);
        QVERIFY(window->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(window->windowType(), Qt::Tool); // no taskbar button
        QVERIFY(!window->parentWidget());
        QVERIFY(window->testAttribute(Qt::WA_ShowWithoutActivating));
        QVERIFY(!window->testAttribute(Qt::WA_QuitOnClose)); // never keeps the program alive
        QCOMPARE(window->palette().color(QPalette::Window), QColor(0x40, 0x40, 0x40));
        QCOMPARE(window->Label1()->palette().color(QPalette::WindowText), QColor(Qt::white));
        QVERIFY(window->Label1()->alignment().testFlag(Qt::AlignHCenter));
        const QPoint screenCentre = QGuiApplication::primaryScreen()->geometry().center();
        QVERIFY((window->geometry().center() - screenCentre).manhattanLength() <= 2);
        QVERIFY(!window->windowIcon().isNull());
    }

    void everyMessageReplacesTheLastWindow() {
        MessageDisplay display;
        display.ShowMessage(QStringLiteral("first"));
        QPointer<frmMessage> first = display.current();
        display.ShowMessage(QStringLiteral("second"));
        letTheLoopRun();
        QVERIFY(display.current() != first.data());
        QCOMPARE(display.current()->Label1()->text(), QStringLiteral("second"));
        QCOMPARE(visibleMessageWindows(), 1);
        QTRY_VERIFY(first.isNull()); // the first window is destroyed, not only hidden
        display.CloseMessage();
    }

    void emptyTextLeavesNoWindow_data() {
        QTest::addColumn<bool>("showingBefore");
        QTest::newRow("none before") << false;
        QTest::newRow("one showing") << true;
    }
    void emptyTextLeavesNoWindow() {
        QFETCH(bool, showingBefore);
        MessageDisplay display;
        if (showingBefore) {
            display.ShowMessage(QStringLiteral("Please wait while loading ..."));
            letTheLoopRun();
            QCOMPARE(visibleMessageWindows(), 1);
        }
        display.ShowMessage(QString());
        letTheLoopRun();
        QVERIFY(!display.current());
        QCOMPARE(visibleMessageWindows(), 0);
    }

    void closeMessageTakesTheWindowAway() {
        MessageDisplay display;
        display.ShowMessage(QStringLiteral("Please wait while loading ..."));
        letTheLoopRun();
        QPointer<frmMessage> window = display.current();
        QVERIFY(window->isVisible());
        display.CloseMessage();
        QVERIFY(!display.current());
        QCOMPARE(visibleMessageWindows(), 0);
        QTRY_VERIFY(window.isNull());
    }

    // The message at start-up is closed before the event loop first runs: it must cost no
    // native window.
    void aMessageClosedBeforeTheLoopRunsNeverReachesTheScreen() {
        MessageDisplay display;
        display.ShowMessage(QStringLiteral("Please wait while loading ..."));
        QPointer<frmMessage> window = display.current();
        display.CloseMessage();
        QVERIFY(window);
        QVERIFY(!window->testAttribute(Qt::WA_WState_Created));
        letTheLoopRun();
        QVERIFY(!window || !window->isVisible());
        QCOMPARE(visibleMessageWindows(), 0);
    }

    void closeMessageWithoutAWindowIsHarmless() {
        MessageDisplay display;
        display.CloseMessage();
        display.CloseMessage();
        QVERIFY(!display.current());
        QCOMPARE(visibleMessageWindows(), 0);
    }

    void withoutADelayTheWindowStays() {
        MessageDisplay display;
        display.ShowMessage(QStringLiteral("stays"), 0);
        QVERIFY(!display.current()->Timer1()->isActive());
        QTest::qWait(200);
        QVERIFY(display.current());
        display.CloseMessage();
    }

    void aDelayClosesTheWindowByItself() {
        MessageDisplay display;
        display.ShowMessage(QStringLiteral("goes"), 150);
        QPointer<frmMessage> window = display.current();
        QVERIFY(window);
        QCOMPARE(window->Timer1()->interval(), 150);
        QTRY_VERIFY_WITH_TIMEOUT(!display.current(), 5000);
        QCOMPARE(visibleMessageWindows(), 0);
        QTRY_VERIFY(window.isNull());
        display.CloseMessage(); // changes nothing on screen
        QVERIFY(!display.current());
    }

    void aNewMessageStopsTheEarlierWindowsTimer() {
        MessageDisplay display;
        display.ShowMessage(QStringLiteral("goes soon"), 50);
        display.ShowMessage(QStringLiteral("stays"));
        QTest::qWait(200);
        QVERIFY(display.current());
        QCOMPARE(display.current()->Label1()->text(), QStringLiteral("stays"));
        display.CloseMessage();
    }
};

QTEST_MAIN(TestMessageDisplay)
#include "tst_messagedisplay.moc"
