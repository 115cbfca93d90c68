#include "tests/ui/main/MainWindowWorld.h"
#include "ui/widgets/ProgramFont.h"

#include <QGroupBox>
#include <QStyle>
#include <QStyleOptionButton>

class TestMainWindowLayout : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowWorld> world;

    static const QString helpAddress;
    static const QString homeAddress;

private slots:
    void init() {
        world = std::make_unique<MainWindowWorld>();
        world->open();
    }
    void cleanup() { world.reset(); }

    void windowIsFixedWithACaptionOnlyTitleBar() {
        ui::frmMain* window = world->window;
        QCOMPARE(window->windowTitle(), QStringLiteral("Norvik Password Generator"));
        QCOMPARE(window->size(), QSize(399, 269));
        QCOMPARE(window->minimumSize(), QSize(399, 269));
        QCOMPARE(window->maximumSize(), QSize(399, 269));
        const Qt::WindowFlags flags = window->windowFlags();
        QCOMPARE(window->windowType(), Qt::Window); // a taskbar button
        QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
        QVERIFY(flags.testFlag(Qt::WindowTitleHint));
        QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowSystemMenuHint));
        // Closing destroys the window, and the program ends with its last window.
        QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));
        QVERIFY(window->testAttribute(Qt::WA_QuitOnClose));
        const QList<QSize> sizes = window->windowIcon().availableSizes();
        for (const QSize size : {QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48)})
            QVERIFY2(sizes.contains(size), qPrintable(QString::number(size.width())));
    }

    // Pixel places at 96 dots per inch, worked out by hand from the twips.
    void fixedControlsSitWhereTheLayoutPutsThem_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("Command1") << "Command1" << QRect(315, 237, 75, 26);
        QTest::newRow("cmdAbout") << "cmdAbout" << QRect(232, 237, 75, 26);
        QTest::newRow("txtGeneratedPwd") << "txtGeneratedPwd" << QRect(211, 138, 181, 21);
        QTest::newRow("frPwdCase") << "frPwdCase" << QRect(6, 138, 198, 90);
        QTest::newRow("optAlphaCases(2)") << "optAlphaCases(2)" << QRect(9, 56, 86, 17);
        QTest::newRow("optAlphaCases(1)") << "optAlphaCases(1)" << QRect(9, 36, 111, 17);
        QTest::newRow("optAlphaCases(0)") << "optAlphaCases(0)" << QRect(10, 16, 112, 17);
        QTest::newRow("txtprefix") << "txtprefix" << QRect(10, 111, 84, 19);
        QTest::newRow("txtSuffix") << "txtSuffix" << QRect(119, 110, 84, 19);
        QTest::newRow("optPwdTypes(2)") << "optPwdTypes(2)" << QRect(208, 101, 185, 17);
        QTest::newRow("optPwdTypes(1)") << "optPwdTypes(1)" << QRect(209, 81, 111, 17);
        QTest::newRow("optPwdTypes(0)") << "optPwdTypes(0)" << QRect(208, 61, 112, 17);
        QTest::newRow("txtPwdLong") << "txtPwdLong" << QRect(10, 68, 44, 19);
        QTest::newRow("txtMasks") << "txtMasks" << QRect(10, 28, 383, 19);
        QTest::newRow("cmdGenerate") << "cmdGenerate" << QRect(315, 206, 75, 26);
    }
    void fixedControlsSitWhereTheLayoutPutsThem() {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QCOMPARE(world->find<QWidget>(name)->geometry(), geometry);
    }

    void labelsAreSizedToTheirText_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("anchor");
        QTest::addColumn<bool>("anchoredRight");
        QTest::newRow("lblMasks") << "lblMasks" << QPoint(10, 10) << false;
        QTest::newRow("Label1") << "Label1" << QPoint(10, 52) << false;
        QTest::newRow("lblPrefix") << "lblPrefix" << QPoint(10, 94) << false;
        QTest::newRow("lblSuffix") << "lblSuffix" << QPoint(121, 94) << false;
        // Links keep their right edge: the Clear link under the output box's right end, the
        // home page at the window's top right whatever the length of the host.
        QTest::newRow("Label3") << "Label3" << QPoint(390, 159) << true;
        QTest::newRow("lblURL") << "lblURL" << QPoint(393, 5) << true;
    }
    void labelsAreSizedToTheirText() {
        QFETCH(QString, name);
        QFETCH(QPoint, anchor);
        QFETCH(bool, anchoredRight);
        auto* label = world->find<QLabel>(name);
        QCOMPARE(label->size(), label->sizeHint());
        QCOMPARE(anchoredRight ? label->geometry().topRight() : label->geometry().topLeft(),
                 anchor);
    }

    void noticeWrapsInItsWidthInSmallPrint() {
        QLabel* notice = world->label("Label2");
        QVERIFY(!notice->text().isEmpty());
        QVERIFY(notice->wordWrap());
        QCOMPARE(notice->font().pixelSize(), 9); // 6.75 points
        QCOMPARE(notice->geometry().topLeft(), QPoint(3, 245));
        QCOMPARE(notice->width(), 229);
        QCOMPARE(notice->height(), notice->heightForWidth(229));
        const QFontMetrics metrics = notice->fontMetrics();
        const QRect wrapped =
            metrics.boundingRect(QRect(0, 0, 229, 1000), Qt::TextWordWrap, notice->text());
        QVERIFY2(wrapped.height() < 3 * metrics.lineSpacing(), "the notice takes two lines");
    }

    void everyControlLiesInsideTheWindowAndNoneOverlap() {
        const QRect client = world->window->rect();
        const QList<QWidget*> controls =
            world->window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        QCOMPARE(controls.size(), 19); // and the 3 case options in the frame, and the timer
        for (QWidget* control : controls) {
            QVERIFY2(client.contains(control->geometry()), qPrintable(control->objectName()));
            for (QWidget* other : controls) {
                if (other != control)
                    QVERIFY2(!control->geometry().intersects(other->geometry()),
                             qPrintable(control->objectName() + " / " + other->objectName()));
            }
        }
        auto* frame = world->find<QGroupBox>(QStringLiteral("frPwdCase"));
        const int captionMiddle = frame->fontMetrics().height() / 2;
        for (QWidget* option : frame->findChildren<QRadioButton*>()) {
            QVERIFY(frame->rect().contains(option->geometry()));
            QVERIFY2(option->y() > captionMiddle + 1, "options sit below the frame's top line");
        }
    }

    // With the installed font no caption needs more room than the layout gives it.
    void noCaptionIsClipped_data() {
        QTest::addColumn<QString>("name");
        for (const char* name :
             {"optAlphaCases(0)", "optAlphaCases(1)", "optAlphaCases(2)", "optPwdTypes(0)",
              "optPwdTypes(1)", "optPwdTypes(2)", "cmdGenerate", "cmdAbout", "Command1"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void noCaptionIsClipped() {
        QFETCH(QString, name);
        auto* control = world->find<QAbstractButton>(name);
        const int textWidth =
            control->fontMetrics().horizontalAdvance(control->text().remove(QLatin1Char('&')));
        if (qobject_cast<QRadioButton*>(control)) {
            QStyleOptionButton option;
            option.initFrom(control);
            option.text = control->text();
            const QRect contents =
                control->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, control);
            QVERIFY2(textWidth <= contents.width(),
                     qPrintable(QStringLiteral("%1 > %2").arg(textWidth).arg(contents.width())));
        } else {
            QVERIFY(textWidth + 8 <= control->width());
        }
        QVERIFY(control->fontMetrics().height() <= control->height());
    }

    void captionsAndToolTips_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("Command1") << "Command1"
                                  << "&Exit"
                                  << "Exit Norvik Password Generator";
        QTest::newRow("cmdAbout") << "cmdAbout"
                                  << "&About"
                                  << "About Norvik Password Generator";
        QTest::newRow("cmdGenerate") << "cmdGenerate"
                                     << "&Generate"
                                     << "Generate a password";
        QTest::newRow("txtGeneratedPwd") << "txtGeneratedPwd"
                                         << ""
                                         << "Generated Password";
        QTest::newRow("txtprefix") << "txtprefix"
                                   << ""
                                   << "Prefix of the password (Optional)";
        QTest::newRow("txtSuffix") << "txtSuffix"
                                   << ""
                                   << "Suffix of the password (Optional)";
        QTest::newRow("txtPwdLong") << "txtPwdLong"
                                    << "6"
                                    << "Password length (Required)";
        QTest::newRow("txtMasks") << "txtMasks"
                                  << ""
                                  << "Format of the password. More help, see " + helpAddress;
        QTest::newRow("optAlphaCases(2)") << "optAlphaCases(2)"
                                          << "Mixed cases"
                                          << "";
        QTest::newRow("optAlphaCases(1)") << "optAlphaCases(1)"
                                          << "Upper cases"
                                          << "";
        QTest::newRow("optAlphaCases(0)") << "optAlphaCases(0)"
                                          << "Lower cases"
                                          << "";
        QTest::newRow("optPwdTypes(2)") << "optPwdTypes(2)"
                                        << "Mixes of Alphabets and numbers"
                                        << "";
        QTest::newRow("optPwdTypes(1)") << "optPwdTypes(1)"
                                        << "Numbers only"
                                        << "";
        QTest::newRow("optPwdTypes(0)") << "optPwdTypes(0)"
                                        << "Alphabets only"
                                        << "";
        QTest::newRow("Label3") << "Label3"
                                << "Clear"
                                << "Clear generated password in the textbox";
        QTest::newRow("lblURL") << "lblURL" << homeAddress << homeAddress;
        QTest::newRow("lblPrefix") << "lblPrefix"
                                   << "Prefix"
                                   << "";
        QTest::newRow("lblSuffix") << "lblSuffix"
                                   << "Suffix"
                                   << "";
        QTest::newRow("Label1") << "Label1"
                                << "Password Length"
                                << "";
        QTest::newRow("lblMasks") << "lblMasks"
                                  << "Password Mask"
                                  << "";
    }
    void captionsAndToolTips() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, toolTip);
        QWidget* control = world->find<QWidget>(name);
        QString shown;
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            shown = button->text();
        else if (auto* box = qobject_cast<QLineEdit*>(control))
            shown = box->text();
        else if (auto* label = qobject_cast<QLabel*>(control))
            shown = label->text();
        QCOMPARE(shown, text);
        QCOMPARE(control->toolTip(), toolTip);
        QVERIFY(control->isVisible());
        QVERIFY(control->isEnabled());
    }

    void webAddressesComeFromTheBuildsHost() {
        QVERIFY(helpAddress.endsWith(QLatin1String("/keywright/help")));
        QVERIFY(homeAddress.endsWith(QLatin1String("/keywright/")));
        QCOMPARE(helpAddress.chopped(4), homeAddress);
    }

    void frameCaption() {
        auto* frame = world->find<QGroupBox>(QStringLiteral("frPwdCase"));
        QCOMPARE(frame->title(), QStringLiteral("Password case"));
        QCOMPARE(frame->findChildren<QRadioButton*>().size(), 3);
        QVERIFY(frame->focusPolicy() == Qt::NoFocus);
    }

    void fontsOfTheWindow() {
        QCOMPARE(world->window->font().pixelSize(), 11); // 8.25 points
        QCOMPARE(world->window->font().families().value(0), QStringLiteral("Tahoma"));
        QCOMPARE(world->box("txtGeneratedPwd")->font().pixelSize(), 12); // 9 points
        QCOMPARE(world->box("txtMasks")->font().pixelSize(), 11);
        for (const char* link : {"Label3", "lblURL"}) {
            QLabel* label = world->label(link);
            QVERIFY(label->font().underline());
            QCOMPARE(label->font().pixelSize(), 11);
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 255));
            QCOMPARE(label->cursor().shape(), Qt::CrossCursor);
        }
    }

    void textBoxesTakeAnyLength() {
        for (const char* name :
             {"txtGeneratedPwd", "txtPwdLong", "txtMasks", "txtprefix", "txtSuffix"})
            QVERIFY2(world->box(name)->maxLength() > 3 * 65535, name);
        QLineEdit* output = world->box("txtGeneratedPwd");
        QVERIFY(output->isReadOnly());
        QCOMPARE(output->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(world->box("txtPwdLong")->alignment() & Qt::AlignHorizontal_Mask,
                 Qt::AlignHCenter);
    }

    void focusStartsInTheMaskBox() { QCOMPARE(world->focusName(), QStringLiteral("txtMasks")); }

    // Within an option group only the selected option is a tab stop; arrows move in the group.
    void tabVisitsTheControlsInTabIndexOrder() {
        const QStringList expected = {
            "txtPwdLong",      "txtprefix", "txtSuffix",   "optPwdTypes(2)", "optAlphaCases(2)",
            "txtGeneratedPwd", "cmdAbout",  "cmdGenerate", "Command1",       "txtMasks"};
        QStringList visited;
        for (qsizetype i = 0; i < expected.size(); ++i) {
            world->key(Qt::Key_Tab);
            visited << world->focusName();
        }
        QCOMPARE(visited.join(" "), expected.join(" "));

        QStringList backwards;
        for (qsizetype i = 0; i < expected.size(); ++i) {
            world->key(Qt::Key_Backtab, Qt::ShiftModifier);
            backwards << world->focusName();
        }
        QStringList reversed(expected.rbegin() + 1, expected.rend());
        reversed << "txtMasks";
        QCOMPARE(backwards, reversed);
        QVERIFY(world->boxes.shown.isEmpty()); // the length "6" passed its check on the way
    }

    void tabSkipsTheCaseOptionsWhileTheFrameIsDisabled() {
        QTest::mouseClick(world->option("optPwdTypes(1)"), Qt::LeftButton);
        world->box("txtSuffix")->setFocus(Qt::OtherFocusReason);
        QStringList visited;
        for (int i = 0; i < 3; ++i) {
            world->key(Qt::Key_Tab);
            visited << world->focusName();
        }
        QCOMPARE(visited, QStringList({"optPwdTypes(1)", "txtGeneratedPwd", "cmdAbout"}));
    }
};

const QString TestMainWindowLayout::helpAddress =
    QStringLiteral(KEYWRIGHT_TEST_WEB_HOST) + QStringLiteral("/keywright/help");
const QString TestMainWindowLayout::homeAddress =
    QStringLiteral(KEYWRIGHT_TEST_WEB_HOST) + QStringLiteral("/keywright/");

QTEST_MAIN(TestMainWindowLayout)
#include "tst_mainwindowlayout.moc"
