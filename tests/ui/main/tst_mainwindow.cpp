#include "tests/ui/main/MainWindowWorld.h"

#include <QDir>
#include <QGroupBox>
#include <QSignalSpy>
#include <QTimer>

#include <new>

namespace {

const QString kLengthPrompt = QStringLiteral("Please specify only a number between 4 to 255.");
const QString kInternalErrorPrompt =
    QStringLiteral(
        "An internal error has occurred during the generating of your password. "
        "Please make sure the inputs you have entered is valid. For more help, visit: ") +
    QStringLiteral(KEYWRIGHT_TEST_WEB_HOST "/keywright/help");
const QString kGenerating = QStringLiteral("Please wait while generating your random password...");

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowWorld> world;

    // The draws for "k3Yw9R" with type and case 2: a coin and a character for each of the six
    // characters, then a case coin for each but the last.
    static QList<float> drawsForK3Yw9R() {
        const auto coin = [](int side) { return MainWindowWorld::drawFor(side, 1, 0); };
        const auto capital = [](char c) { return MainWindowWorld::drawFor(c, 90, 65); };
        const auto digit = [](char c) { return MainWindowWorld::drawFor(c, 57, 48); };
        return {coin(1), capital('K'), coin(0), digit('3'), coin(1), capital('Y'),
                coin(1), capital('W'), coin(0), digit('9'), coin(1), capital('R'),
                coin(1), coin(0),      coin(0), coin(1),    coin(0)};
    }

    // Enough draws of 0 for a few passwords of the default settings ("000000").
    void allowDraws(int count) { world->random.values.fill(0.0f, count); }

    QLineEdit* output() const { return world->box("txtGeneratedPwd"); }
    QLineEdit* length() const { return world->box("txtPwdLong"); }

    void leaveLengthBoxWith(const QString& text) {
        length()->setFocus(Qt::OtherFocusReason);
        length()->setText(text);
        world->key(Qt::Key_Tab);
        QCoreApplication::processEvents(); // the check runs from the event loop
    }

    void checkIdleAfterGenerate() {
        QVERIFY(world->window->isEnabled());
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(!world->messages.current());
        QCOMPARE(MainWindowWorld::visibleMessageWindows(), 0);
    }

private slots:
    void init() { world = std::make_unique<MainWindowWorld>(); }
    void cleanup() { world.reset(); }

    // Start-up

    void loadRunsTheStartUpSteps() {
        QString messageDuringLoad;
        world->duringRandomize = [this, &messageDuringLoad] {
            if (ui::frmMessage* message = world->messages.current())
                messageDuringLoad = message->Label1()->text();
        };
        world->open();
        QCOMPARE(messageDuringLoad, QStringLiteral("Please wait while loading ..."));
        QCOMPARE(world->randomizeCalls, 1);
        QCOMPARE(QDir::currentPath(), QCoreApplication::applicationDirPath());
        QCOMPARE(world->window->pwdType(), 2);
        QCOMPARE(world->window->pwdCase(), 2);
        QCOMPARE(world->window->windowAlpha(), 255);
        QCOMPARE(world->opacity.calls, QStringList({"layered", "255"}));
        QVERIFY(!world->messages.current());
        QCOMPARE(MainWindowWorld::visibleMessageWindows(), 0);
        QVERIFY(world->boxes.shown.isEmpty());
        QCOMPARE(world->random.draws(), 0);
    }

    void initialSelectionsAndTexts() {
        world->open();
        QVERIFY(world->option("optPwdTypes(2)")->isChecked());
        QVERIFY(world->option("optAlphaCases(2)")->isChecked());
        QCOMPARE(length()->text(), QStringLiteral("6"));
        for (const char* name : {"txtMasks", "txtprefix", "txtSuffix", "txtGeneratedPwd"})
            QVERIFY2(world->box(name)->text().isEmpty(), name);
        QVERIFY(world->find<QGroupBox>("frPwdCase")->isEnabled());
        auto* fade = world->window->findChild<QTimer*>(QStringLiteral("tmrFadeOut"));
        QVERIFY(fade && !fade->isActive());
        QCOMPARE(fade->interval(), 20);
    }

    // Option groups

    void optionGroupsKeepTheirOwnChoice_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("pwdCase");
        QTest::addColumn<bool>("frameEnabled");
        QTest::newRow("none") << QStringList() << 2 << 2 << true;
        QTest::newRow("alphabets") << QStringList{"optPwdTypes(0)"} << 0 << 2 << true;
        QTest::newRow("numbers") << QStringList{"optPwdTypes(1)"} << 1 << 2 << false;
        QTest::newRow("numbers, then mixes")
            << QStringList{"optPwdTypes(1)", "optPwdTypes(2)"} << 2 << 2 << true;
        QTest::newRow("numbers, then alphabets")
            << QStringList{"optPwdTypes(1)", "optPwdTypes(0)"} << 0 << 2 << true;
        QTest::newRow("lower") << QStringList{"optAlphaCases(0)"} << 2 << 0 << true;
        QTest::newRow("upper, then alphabets")
            << QStringList{"optAlphaCases(1)", "optPwdTypes(0)"} << 0 << 1 << true;
        // The case is kept while the frame is disabled, and Generate still receives it.
        QTest::newRow("lower, then numbers")
            << QStringList{"optAlphaCases(0)", "optPwdTypes(1)"} << 1 << 0 << false;
        QTest::newRow("a selected option clicked again")
            << QStringList{"optPwdTypes(1)", "optPwdTypes(1)"} << 1 << 2 << false;
    }
    void optionGroupsKeepTheirOwnChoice() {
        QFETCH(QStringList, clicks);
        QFETCH(int, type);
        QFETCH(int, pwdCase);
        QFETCH(bool, frameEnabled);
        world->open();
        for (const QString& name : clicks)
            QTest::mouseClick(world->option(name), Qt::LeftButton);
        QCOMPARE(world->window->pwdType(), type);
        QCOMPARE(world->window->pwdCase(), pwdCase);
        QVERIFY(world->option(QStringLiteral("optPwdTypes(%1)").arg(type))->isChecked());
        QVERIFY(world->option(QStringLiteral("optAlphaCases(%1)").arg(pwdCase))->isChecked());
        QCOMPARE(world->find<QGroupBox>("frPwdCase")->isEnabled(), frameEnabled);
    }

    void caseOptionsCannotBeOperatedWhileTheFrameIsDisabled() {
        world->open();
        QTest::mouseClick(world->option("optPwdTypes(1)"), Qt::LeftButton);
        QTest::mouseClick(world->option("optAlphaCases(0)"), Qt::LeftButton);
        QCOMPARE(world->window->pwdCase(), 2);
        QVERIFY(world->option("optAlphaCases(2)")->isChecked());
    }

    void arrowKeysChooseWithinAGroup() {
        world->open();
        world->option("optPwdTypes(2)")->setFocus(Qt::TabFocusReason);
        world->key(Qt::Key_Up);
        QCOMPARE(world->window->pwdType(), 1);
        QVERIFY(!world->find<QGroupBox>("frPwdCase")->isEnabled());
        world->key(Qt::Key_Up);
        QCOMPARE(world->window->pwdType(), 0);
        QVERIFY(world->find<QGroupBox>("frPwdCase")->isEnabled());
        QCOMPARE(world->window->pwdCase(), 2);
    }

    // Length check

    void lengthIsCheckedWhenTheFocusLeaves_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("complains");
        QTest::addColumn<QString>("after");
        QTest::newRow("empty") << "" << true << "6";
        QTest::newRow("letters") << "abc" << true << "6";
        QTest::newRow("beyond the double range") << "1e400" << true << "6";
        QTest::newRow("3") << "3" << true << "4";
        QTest::newRow("0") << "0" << true << "4";
        QTest::newRow("-10") << "-10" << true << "4";
        QTest::newRow("3.5") << "3.5" << true << "4";
        QTest::newRow("3.99") << "3.99" << true << "4";
        QTest::newRow("256") << "256" << true << "255";
        QTest::newRow("1000") << "1000" << true << "255";
        QTest::newRow("255.5") << "255.5" << true << "255";
        QTest::newRow("4") << "4" << false << "4";
        QTest::newRow("255") << "255" << false << "255";
        QTest::newRow("a fraction inside") << "12.5" << false << "12.5";
        QTest::newRow("blanks around") << " 12 " << false << " 12 ";
        QTest::newRow("exponent inside") << "1e2" << false << "1e2";
    }
    void lengthIsCheckedWhenTheFocusLeaves() {
        QFETCH(QString, text);
        QFETCH(bool, complains);
        QFETCH(QString, after);
        world->open();
        QString textWhileShown;
        world->boxes.whileShown = [this, &textWhileShown] { textWhileShown = length()->text(); };
        leaveLengthBoxWith(text);
        QCOMPARE(length()->text(), after);
        QCOMPARE(world->boxes.shown.size(), complains ? 1 : 0);
        if (complains) {
            const RecordingMessageBoxes::Box& box = world->boxes.shown.first();
            QCOMPARE(box.prompt, kLengthPrompt);
            QCOMPARE(box.style, 48);
            QCOMPARE(box.title, QStringLiteral("Input error"));
            // The box comes first; the corrected text is written after it has been closed.
            QCOMPARE(textWhileShown, text);
        }
        QCOMPARE(world->focusName(), QStringLiteral("txtprefix")); // the focus is not taken back
    }

    void focusTakenByAnotherWindowOrAMenuIsNoLeaving_data() {
        QTest::addColumn<int>("reason");
        QTest::newRow("another window") << int(Qt::ActiveWindowFocusReason);
        QTest::newRow("context menu") << int(Qt::PopupFocusReason);
    }
    void focusTakenByAnotherWindowOrAMenuIsNoLeaving() {
        QFETCH(int, reason);
        world->open();
        length()->setFocus(Qt::OtherFocusReason);
        length()->setText(QStringLiteral("abc"));
        QFocusEvent focusOut(QEvent::FocusOut, Qt::FocusReason(reason));
        QCoreApplication::sendEvent(length(), &focusOut);
        QCoreApplication::processEvents();
        QVERIFY(world->boxes.shown.isEmpty());
        QCOMPARE(length()->text(), QStringLiteral("abc"));
    }

    // Clicking Generate straight out of a wrong length: the check's box takes the click, and
    // no password is made from the unchecked text.
    void aClickThatLeavesAWrongLengthIsSpentOnTheCheck() {
        world->open();
        length()->setFocus(Qt::OtherFocusReason);
        length()->setText(QStringLiteral("abc"));
        QTest::mouseClick(world->button("cmdGenerate"), Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(world->boxes.shown.size(), 1);
        QCOMPARE(world->boxes.shown.first().title, QStringLiteral("Input error"));
        QCOMPARE(length()->text(), QStringLiteral("6"));
        QVERIFY(output()->text().isEmpty());
        QCOMPARE(world->random.draws(), 0);
        QVERIFY(!world->button("cmdGenerate")->isDown());
    }

    void aClickThatLeavesAGoodLengthGenerates() {
        world->open();
        allowDraws(11);
        length()->setFocus(Qt::OtherFocusReason);
        length()->setText(QStringLiteral("4"));
        QTest::mouseClick(world->button("cmdGenerate"), Qt::LeftButton);
        QCOMPARE(output()->text(), QStringLiteral("0000"));
        QCoreApplication::processEvents();
        QVERIFY(world->boxes.shown.isEmpty());
    }

    // Clear and select-all

    void clearEmptiesTheOutputBox_data() {
        QTest::addColumn<QString>("before");
        QTest::newRow("a password") << "k3Yw9R";
        QTest::newRow("empty") << "";
    }
    void clearEmptiesTheOutputBox() {
        QFETCH(QString, before);
        world->open();
        output()->setText(before);
        QTest::mouseClick(world->label("Label3"), Qt::LeftButton, {}, QPoint(3, 3));
        QVERIFY(output()->text().isEmpty());
    }

    void focusingTheOutputBoxSelectsItAll_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("byMouse");
        QTest::newRow("by keyboard") << "k3Yw9R" << false;
        QTest::newRow("by mouse") << "k3Yw9R" << true;
        QTest::newRow("empty, by keyboard") << "" << false;
        QTest::newRow("empty, by mouse") << "" << true;
    }
    void focusingTheOutputBoxSelectsItAll() {
        QFETCH(QString, text);
        QFETCH(bool, byMouse);
        world->open();
        output()->setText(text);
        output()->setCursorPosition(2);
        if (byMouse) {
            QTest::mouseClick(output(), Qt::LeftButton, {}, QPoint(5, 5));
            QCoreApplication::processEvents();
        } else {
            world->button("Command1")->setFocus(Qt::OtherFocusReason);
            world->key(Qt::Key_Backtab, Qt::ShiftModifier);
            world->key(Qt::Key_Backtab, Qt::ShiftModifier);
            world->key(Qt::Key_Backtab, Qt::ShiftModifier);
        }
        QCOMPARE(world->focusName(), QStringLiteral("txtGeneratedPwd"));
        QCOMPARE(output()->selectedText(), text);
        if (text.isEmpty())
            QCOMPARE(output()->cursorPosition(), 0);
        else
            QCOMPARE(output()->selectionStart(), 0);
    }

    void theOutputBoxTakesNoTyping() {
        world->open();
        output()->setText(QStringLiteral("k3Yw9R"));
        output()->setFocus(Qt::OtherFocusReason);
        QTest::keyClicks(output(), QStringLiteral("xyz"));
        QTest::keyClick(output(), Qt::Key_Backspace);
        QTest::keyClick(output(), Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(output()->text(), QStringLiteral("k3Yw9R"));
    }

    // Keys

    void enterInATextBoxOrOnAnOptionPressesGenerate_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("key");
        for (const char* name : {"txtMasks", "txtPwdLong", "txtprefix", "txtSuffix",
                                 "txtGeneratedPwd", "optPwdTypes(2)", "optAlphaCases(2)"}) {
            QTest::addRow("%s, Return", name) << QString::fromLatin1(name) << int(Qt::Key_Return);
            QTest::addRow("%s, Enter", name) << QString::fromLatin1(name) << int(Qt::Key_Enter);
        }
    }
    void enterInATextBoxOrOnAnOptionPressesGenerate() {
        QFETCH(QString, name);
        QFETCH(int, key);
        world->open();
        allowDraws(17);
        world->find<QWidget>(name)->setFocus(Qt::OtherFocusReason);
        world->key(Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(output()->text(), QStringLiteral("000000"));
        QCOMPARE(world->focusName(), name); // the focus stays where it was
        QVERIFY(world->aboutShown.isEmpty());
    }

    void enterOnAButtonPressesThatButton() {
        world->open();
        world->button("cmdAbout")->setFocus(Qt::OtherFocusReason);
        world->key(Qt::Key_Return);
        QCOMPARE(world->aboutShown.size(), 1);
        QVERIFY(output()->text().isEmpty());
        QCOMPARE(world->random.draws(), 0);
    }

    void accessKeysPressTheirButtons_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("generated");
        QTest::addColumn<bool>("about");
        QTest::addColumn<bool>("fading");
        QTest::newRow("Alt+G") << int(Qt::Key_G) << true << false << false;
        QTest::newRow("Alt+A") << int(Qt::Key_A) << false << true << false;
        QTest::newRow("Alt+E") << int(Qt::Key_E) << false << false << true;
    }
    void accessKeysPressTheirButtons() {
        QFETCH(int, key);
        QFETCH(bool, generated);
        QFETCH(bool, about);
        QFETCH(bool, fading);
        world->open();
        allowDraws(17);
        const char* name = generated ? "cmdGenerate" : about ? "cmdAbout" : "Command1";
        QSignalSpy pressed(world->button(name), &QAbstractButton::clicked);
        world->key(Qt::Key(key), Qt::AltModifier);
        // A button pressed by its access key is let go shortly after; its handler has run by
        // the time the click is signalled, so what did not happen by then never will.
        QTRY_COMPARE(pressed.size(), 1);
        QCoreApplication::processEvents();
        QCOMPARE(output()->text().isEmpty(), !generated);
        QCOMPARE(world->aboutShown.isEmpty(), !about);
        auto* fade = world->window->findChild<QTimer*>(QStringLiteral("tmrFadeOut"));
        QCOMPARE(fade && fade->isActive(), fading);
    }

    void escapeDoesNothing_data() {
        QTest::addColumn<QString>("name");
        for (const char* name :
             {"txtMasks", "txtPwdLong", "txtprefix", "txtSuffix", "optPwdTypes(2)",
              "optAlphaCases(2)", "txtGeneratedPwd", "cmdAbout", "cmdGenerate", "Command1"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void escapeDoesNothing() {
        QFETCH(QString, name);
        world->open();
        for (const char* box : {"txtMasks", "txtprefix", "txtSuffix", "txtGeneratedPwd"})
            world->box(box)->setText(QStringLiteral("text"));
        world->find<QWidget>(name)->setFocus(Qt::OtherFocusReason);
        world->key(Qt::Key_Escape);
        QCoreApplication::processEvents();
        QVERIFY(world->window && world->window->isVisible());
        for (const char* box : {"txtMasks", "txtprefix", "txtSuffix", "txtGeneratedPwd"})
            QCOMPARE(world->box(box)->text(), QStringLiteral("text"));
        QCOMPARE(length()->text(), QStringLiteral("6"));
        QCOMPARE(world->focusName(), name);
        QVERIFY(world->boxes.shown.isEmpty());
        QVERIFY(world->aboutShown.isEmpty());
        QCOMPARE(world->random.draws(), 0);
        QVERIFY(!world->window->findChild<QTimer*>(QStringLiteral("tmrFadeOut"))->isActive());
    }

    // Generate

    void generateShowsPrefixPasswordAndSuffix() {
        world->open();
        world->random.values = drawsForK3Yw9R();
        world->box("txtprefix")->setText(QStringLiteral("pre-"));
        world->box("txtSuffix")->setText(QStringLiteral("-post"));
        QString message;
        bool enabledMeanwhile = true;
        Qt::CursorShape pointerMeanwhile = Qt::ArrowCursor;
        world->random.beforeFirstDraw = [&] {
            if (ui::frmMessage* window = world->messages.current())
                message = window->Label1()->text();
            enabledMeanwhile = world->window->isEnabled();
            if (const QCursor* cursor = QGuiApplication::overrideCursor())
                pointerMeanwhile = cursor->shape();
        };
        QTest::mouseClick(world->button("cmdGenerate"), Qt::LeftButton);
        QCOMPARE(output()->text(), QStringLiteral("pre-k3Yw9R-post"));
        QCOMPARE(world->random.draws(), 17);
        QCOMPARE(message, kGenerating);
        QVERIFY(!enabledMeanwhile);
        QCOMPARE(pointerMeanwhile, Qt::WaitCursor);
        checkIdleAfterGenerate();
        QVERIFY(world->boxes.shown.isEmpty());
        QVERIFY(world->uncaughtErrors.isEmpty());
    }

    void theMaskShapesTheBody() {
        world->open();
        allowDraws(17);
        world->box("txtMasks")->setText(QStringLiteral("@@@-@@@"));
        world->key(Qt::Key_Return);
        QCOMPARE(output()->text(), QStringLiteral("000-000"));
    }

    void theWindowTakesNoInputWhileComposing() {
        world->open();
        allowDraws(17);
        world->random.beforeFirstDraw = [&] {
            QTest::mouseClick(world->button("Command1"), Qt::LeftButton);
            QTest::mouseClick(world->label("Label3"), Qt::LeftButton, {}, QPoint(3, 3));
            QTest::mouseClick(world->option("optPwdTypes(0)"), Qt::LeftButton);
            QTest::keyClick(world->box("txtMasks"), Qt::Key_X);
        };
        world->box("txtMasks")->setFocus(Qt::OtherFocusReason);
        world->key(Qt::Key_Return);
        QCOMPARE(output()->text(), QStringLiteral("000000"));
        QVERIFY(!world->window->findChild<QTimer*>(QStringLiteral("tmrFadeOut"))->isActive());
        QCOMPARE(world->window->pwdType(), 2);
        QVERIFY(world->box("txtMasks")->text().isEmpty());
        // and the focus is back where the user left it
        QCOMPARE(world->focusName(), QStringLiteral("txtMasks"));
    }

    // The window manager can close even a disabled window: it goes once the password is made.
    void closingWhileComposingWaitsForTheEnd() {
        world->open();
        allowDraws(17);
        bool closedMeanwhile = true;
        world->random.beforeFirstDraw = [&] {
            closedMeanwhile = world->window->close();
            QCoreApplication::processEvents();
        };
        world->key(Qt::Key_Return);
        QVERIFY(!closedMeanwhile);
        QVERIFY(world->window);
        QCOMPARE(world->box("txtGeneratedPwd")->text(), QStringLiteral("000000"));
        QTRY_VERIFY(world->window.isNull());
        QCOMPARE(world->random.draws(), 17);
    }

    void twoPressesShowOnlyTheSecondPassword() {
        world->open();
        world->random.values = drawsForK3Yw9R();
        world->random.values.append(QList<float>(17, 0.0f));
        world->key(Qt::Key_Return);
        QCOMPARE(output()->text(), QStringLiteral("k3Yw9R"));
        world->key(Qt::Key_Return);
        QCOMPARE(output()->text(), QStringLiteral("000000"));
        QCOMPARE(world->random.draws(), 34);
    }

    void aFailureEndsInOneInternalErrorBox_data() {
        QTest::addColumn<QString>("lengthText");
        QTest::addColumn<QString>("previous");
        QTest::addColumn<bool>("outOfMemory"); // memory runs out at the first draw
        QTest::newRow("letters, empty box") << "abc"
                                            << "" << false;
        QTest::newRow("letters, a password kept") << "abc"
                                                  << "k3Yw9R" << false;
        QTest::newRow("empty") << ""
                               << "k3Yw9R" << false;
        QTest::newRow("beyond 32 bits") << "3000000000"
                                        << "k3Yw9R" << false;
        QTest::newRow("beyond the longest password") << "65536"
                                                     << "k3Yw9R" << false;
        QTest::newRow("out of memory") << "6"
                                       << "k3Yw9R" << true;
    }
    void aFailureEndsInOneInternalErrorBox() {
        QFETCH(QString, lengthText);
        QFETCH(QString, previous);
        QFETCH(bool, outOfMemory);
        world->open();
        if (outOfMemory)
            world->random.beforeFirstDraw = [] { throw std::bad_alloc(); };
        output()->setText(previous);
        // Enter in the length box: the check of the length has not run.
        length()->setFocus(Qt::OtherFocusReason);
        length()->setText(lengthText);
        bool messageWhileBoxOpen = false;
        bool enabledWhileBoxOpen = false;
        bool pointerNormalWhileBoxOpen = false;
        world->boxes.whileShown = [&] {
            messageWhileBoxOpen = world->messages.current() &&
                                  world->messages.current()->Label1()->text() == kGenerating;
            enabledWhileBoxOpen = world->window->isEnabled();
            pointerNormalWhileBoxOpen = !QGuiApplication::overrideCursor();
        };
        world->key(Qt::Key_Return);
        QCOMPARE(world->boxes.shown.size(), 1);
        QCOMPARE(world->boxes.shown.first().prompt, kInternalErrorPrompt);
        QCOMPARE(world->boxes.shown.first().style, 48);
        QCOMPARE(world->boxes.shown.first().title, QStringLiteral("Internal Error"));
        QVERIFY(messageWhileBoxOpen); // the wait message goes only after the box
        QVERIFY(enabledWhileBoxOpen);
        QVERIFY(pointerNormalWhileBoxOpen);
        checkIdleAfterGenerate();
        QCOMPARE(output()->text(), previous);
        QCOMPARE(length()->text(), lengthText);
        QCOMPARE(world->random.draws(), 0);
        QCOMPARE(world->focusName(), QStringLiteral("txtPwdLong"));
        QCoreApplication::processEvents();
        QCOMPARE(world->boxes.shown.size(), 1);   // and no length check on top
        QVERIFY(world->uncaughtErrors.isEmpty()); // the command handled it
    }

    // Past the length check only by Enter: a length of 0 gives an empty body.
    void lengthZeroGivesPrefixAndSuffix() {
        world->open();
        world->box("txtprefix")->setText(QStringLiteral("ab"));
        world->box("txtSuffix")->setText(QStringLiteral("cd"));
        length()->setFocus(Qt::OtherFocusReason);
        length()->setText(QStringLiteral("0"));
        world->key(Qt::Key_Return);
        QCOMPARE(output()->text(), QStringLiteral("abcd"));
        QCOMPARE(world->random.draws(), 0);
    }

    void theOutputBoxHoldsTheLongestPassword() {
        world->open();
        // Upper case: one draw a digit and no case pass.
        QTest::mouseClick(world->option("optAlphaCases(1)"), Qt::LeftButton);
        QTest::mouseClick(world->option("optPwdTypes(1)"), Qt::LeftButton);
        allowDraws(65535);
        const QString prefix(40000, QLatin1Char('p'));
        world->box("txtprefix")->setText(prefix);
        world->box("txtSuffix")->setText(QStringLiteral("s"));
        length()->setFocus(Qt::OtherFocusReason);
        length()->setText(QStringLiteral("65535"));
        world->key(Qt::Key_Return);
        QCOMPARE(output()->text().size(), 40000 + 65535 + 1);
        QVERIFY(output()->text().startsWith(prefix + QStringLiteral("000")));
    }

    // About and the home page link lead out of the window through hooks.

    void aboutAndLinkUseTheirHooks() {
        world->open();
        QTest::mouseClick(world->button("cmdAbout"), Qt::LeftButton);
        QCOMPARE(world->aboutShown.size(), 1);
        QTest::mouseClick(world->label("lblURL"), Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(world->addressesOpened,
                 QStringList{QStringLiteral(KEYWRIGHT_TEST_WEB_HOST "/keywright/")});
    }

    void withoutHooksAboutAndLinkDoNothing() {
        world->open(true, false);
        QTest::mouseClick(world->button("cmdAbout"), Qt::LeftButton);
        QTest::mouseClick(world->label("lblURL"), Qt::LeftButton, {}, QPoint(3, 3));
        QVERIFY(world->window->isVisible());
        QVERIFY(world->boxes.shown.isEmpty());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
