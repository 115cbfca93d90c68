// The About dialog with doubles for the registry, the program starter, the disk and the
// message boxes.

#include "tests/ui/about/AboutWorld.h"
#include "ui/about/frmAbout.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

using namespace platform;

namespace {
const QString kHost = QStringLiteral(KEYWRIGHT_TEST_WEB_HOST);

template <typename T> T* control(QWidget& dialog, const QString& name) {
    T* found = dialog.findChild<T*>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

// Runs check on the modal dialog once it is open, then presses key in it.
void whenOpen(std::function<void(ui::frmAbout&)> check, Qt::Key key = Qt::Key_Return) {
    QTimer::singleShot(0, [check = std::move(check), key] {
        auto* dialog = qobject_cast<ui::frmAbout*>(QApplication::activeModalWidget());
        if (!dialog || !QTest::qWaitForWindowActive(dialog))
            qFatal("no active modal About dialog");
        check(*dialog);
        QTest::keyClick(QApplication::focusWidget(), key);
    });
}
} // namespace

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void texts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("toolTip");

        QTest::newRow("lblTitle") << "lblTitle"
                                  << "Norvik Password Generator"
                                  << "";
        QTest::newRow("lblVersion") << "lblVersion"
                                    << "Version " KEYWRIGHT_TEST_VERSION << "";
        QTest::newRow("Label1")
            << "Label1"
            << "Norvik Password Generator is a simple software that assist you to generate a "
               "strong password. For help on the usage, please click on the following link:"
            << "";
        QTest::newRow("Label2")
            << "Label2"
            << "Specific help on each item on the main window is available by hovering on them. "
               "For more help on the Password Mask, see link above"
            << "";
        QTest::newRow("lblHelp") << "lblHelp" << kHost + "/keywright/help/"
                                 << kHost + "/keywright/help/";
        QTest::newRow("lblURL") << "lblURL" << kHost + "/keywright/" << kHost + "/keywright/";
    }
    void texts() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, toolTip);
        AboutWorld world;
        ui::frmAbout dialog(world.services);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("About Norvik Password Generator"));
        QCOMPARE(control<QLabel>(dialog, name)->text(), text);
        QCOMPARE(control<QLabel>(dialog, name)->toolTip(), toolTip);
    }

    void buttons_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("cmdOK") << "cmdOK"
                               << "&OK"
                               << "Close the dialog" << QRect(196, 149, 84, 23);
        QTest::newRow("cmdSysInfo") << "cmdSysInfo"
                                    << "&System Info..."
                                    << "Information about your system" << QRect(288, 149, 83, 23);
    }
    void buttons() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, toolTip);
        QFETCH(QRect, geometry);
        AboutWorld world;
        ui::frmAbout dialog(world.services);
        auto* button = control<QPushButton>(dialog, name);
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->toolTip(), toolTip);
        QCOMPARE(button->geometry(), geometry);
    }

    void fixedCentredDialog() {
        AboutWorld world;
        ui::frmAbout dialog(world.services);
        QCOMPARE(dialog.minimumSize(), QSize(382, 182));
        QCOMPARE(dialog.maximumSize(), QSize(382, 182));
        QVERIFY(!(dialog.windowFlags() & Qt::WindowMinMaxButtonsHint));
        QVERIFY(dialog.windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!dialog.windowIcon().isNull()); // the program's, not the generic one
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QPoint offset =
            dialog.frameGeometry().center() - dialog.screen()->availableGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 2, qPrintable(QString::number(offset.x())));
    }

    // Texts in the fallback font and the build's host must not run into each other, into the
    // separator or out of the dialog.
    void controlsKeepApart() {
        AboutWorld world;
        ui::frmAbout dialog(world.services);
        const QRect separator(6, 137, 372, 3);
        const QStringList names{"cmdOK",  "cmdSysInfo", "Label2",   "lblHelp",
                                "Label1", "lblURL",     "lblTitle", "lblVersion"};
        for (const QString& name : names) {
            const QRect geometry = control<QWidget>(dialog, name)->geometry();
            QVERIFY2(dialog.rect().contains(geometry), qPrintable(name));
            QVERIFY2(!geometry.intersects(separator), qPrintable(name));
            for (const QString& other : names) {
                // The help link continues the last line of Label1: checked by its pixels below.
                if (other == name || (name == "Label1" && other == "lblHelp") ||
                    (name == "lblHelp" && other == "Label1"))
                    continue;
                QVERIFY2(!geometry.intersects(control<QWidget>(dialog, other)->geometry()),
                         qPrintable(name + " and " + other));
            }
        }
    }

    // With the build's host, the one-line labels show their whole text: the home link, held to
    // the left of OK, is not cut.
    void oneLineLabelsShowTheirWholeText() {
        AboutWorld world;
        ui::frmAbout dialog(world.services);
        for (const char* name : {"lblTitle", "lblVersion", "lblHelp", "lblURL"}) {
            auto* label = control<QLabel>(dialog, name);
            const int needed = label->fontMetrics().horizontalAdvance(label->text());
            QVERIFY2(label->contentsRect().width() >= needed,
                     qPrintable(QStringLiteral("%1: %2 of %3 pixels")
                                    .arg(name)
                                    .arg(label->contentsRect().width())
                                    .arg(needed)));
        }
    }

    // The sentence ends before its link begins on the row they share.
    void helpLinkFollowsItsSentence() {
        AboutWorld world;
        ui::frmAbout dialog(world.services);
        QWidget* sentence = control<QWidget>(dialog, "Label1");
        const QRect link = control<QWidget>(dialog, "lblHelp")->geometry();
        const QImage image = sentence->grab().toImage();
        const qreal ratio = image.devicePixelRatio();
        const QColor background = image.pixelColor(0, 0);
        int inkRight = -1;
        for (int y = link.top() - sentence->y(); y <= link.bottom() - sentence->y(); ++y) {
            for (int x = 0; x < sentence->width(); ++x) {
                if (y >= 0 && y < sentence->height() &&
                    image.pixelColor(int(x * ratio), int(y * ratio)) != background)
                    inkRight = std::max(inkRight, x);
            }
        }
        QVERIFY2(inkRight >= 0, "the sentence's last line shares the link's row");
        QVERIFY2(sentence->x() + inkRight < link.left(),
                 qPrintable(QStringLiteral("text to %1, link from %2")
                                .arg(sentence->x() + inkRight)
                                .arg(link.left())));
        QVERIFY(dialog.rect().contains(link));
    }

    void fonts() {
        AboutWorld world;
        ui::frmAbout dialog(world.services);
        const QFont title = control<QLabel>(dialog, "lblTitle")->font();
        QVERIFY(title.bold());
        QCOMPARE(title.pixelSize(), 15);
        QCOMPARE(control<QLabel>(dialog, "Label1")->font().pixelSize(), 11);
        QCOMPARE(control<QLabel>(dialog, "Label1")->font().families(), dialog.font().families());
        for (const char* link : {"lblHelp", "lblURL"}) {
            auto* label = control<QLabel>(dialog, link);
            QVERIFY(label->font().underline());
            QCOMPARE(label->font().pixelSize(), 11);
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 255));
            QCOMPARE(label->cursor().shape(), Qt::CrossCursor);
        }
    }

    // A grey line over a wider white one, between the text and the buttons.
    void etchedLine() {
        AboutWorld world;
        ui::frmAbout dialog(world.services);
        const QImage image = dialog.grab().toImage();
        const qreal ratio = image.devicePixelRatio();
        const auto pixel = [&](int x, int y) {
            return image.pixelColor(int(x * ratio), int(y * ratio));
        };
        for (int x : {7, 100, 376}) {
            QCOMPARE(pixel(x, 137), QColor(0x80, 0x80, 0x80));
            QCOMPARE(pixel(x, 138), QColor(Qt::white));
            QCOMPARE(pixel(x, 139), QColor(Qt::white));
            QVERIFY(pixel(x, 136) != QColor(0x80, 0x80, 0x80));
            QVERIFY(pixel(x, 140) != QColor(Qt::white));
        }
    }

    void modalWithTheFocusOnOk() {
        AboutWorld world;
        bool checked = false;
        whenOpen([&](ui::frmAbout& dialog) {
            QVERIFY(dialog.isModal());
            QCOMPARE(QApplication::focusWidget(), control<QPushButton>(dialog, "cmdOK"));
            checked = true;
        });
        ui::frmAbout::showModal(world.services);
        QVERIFY(checked);
    }

    void keysCloseThroughOk_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
    }
    void keysCloseThroughOk() {
        QFETCH(int, key);
        AboutWorld world;
        ui::frmAbout dialog(world.services);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QSignalSpy ok(control<QPushButton>(dialog, "cmdOK"), &QPushButton::clicked);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QCOMPARE(ok.count(), 1);
        QVERIFY(!dialog.isVisible());
    }

    // Every About loads a new dialog; closing it unloads it.
    void loadedAfresh() {
        AboutWorld world;
        QList<QPointer<ui::frmAbout>> dialogs;
        for (int about = 0; about < 2; ++about) {
            whenOpen([&](ui::frmAbout& dialog) {
                dialogs.append(&dialog);
                QCOMPARE(control<QLabel>(dialog, "lblVersion")->text(),
                         QStringLiteral("Version " KEYWRIGHT_TEST_VERSION));
                QCOMPARE(dialog.windowTitle(), QStringLiteral("About Norvik Password Generator"));
            });
            ui::frmAbout::showModal(world.services);
            QVERIFY(dialogs.last().isNull());
        }
        QCOMPARE(dialogs.size(), 2);
    }

    void linksOpenTheirAddress_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("address");
        QTest::newRow("lblHelp") << "lblHelp" << kHost + "/keywright/help/";
        QTest::newRow("lblURL") << "lblURL" << kHost + "/keywright/";
    }
    void linksOpenTheirAddress() {
        QFETCH(QString, link);
        QFETCH(QString, address);
        AboutWorld world;
        world.registerBrowser("browser --new");
        ui::frmAbout dialog(world.services);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        QTest::mouseClick(control<QLabel>(dialog, link), Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(world.starter.starts.size(), 1);
        QCOMPARE(world.starter.starts[0].commandLine, "browser --new " + address);
        QCOMPARE(world.starter.starts[0].windowStyle, 2);
        QVERIFY(world.boxes.shown.isEmpty());
        QVERIFY(dialog.isVisible());
    }

    // A browser that cannot be started is reported; the dialog and the program go on.
    void linkWithoutBrowserIsReported() {
        AboutWorld world;
        world.starter.failing = true;
        ui::frmAbout dialog(world.services);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        bool openMeanwhile = false;
        world.boxes.whileShown = [&] { openMeanwhile = dialog.isVisible(); };

        QTest::mouseClick(control<QLabel>(dialog, "lblURL"), Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(world.boxes.shown.size(), 1);
        QVERIFY(world.boxes.shown[0].prompt.contains(
            "\n" + control<QLabel>(dialog, "lblURL")->text() + "\n"));
        QCOMPARE(world.boxes.shown[0].style, int(MessageBoxes::Exclamation));
        QCOMPARE(world.boxes.shown[0].title, QString());
        QVERIFY(openMeanwhile);
        QVERIFY(dialog.isVisible());
    }

    void systemInfo_data() {
        QTest::addColumn<QString>("path"); // "" when none is registered
        QTest::addColumn<QStringList>("started");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("tool installed")
            << "/usr/bin/hardinfo" << QStringList{"/usr/bin/hardinfo"} << QStringList();
        QTest::newRow("no tool") << "" << QStringList()
                                 << QStringList{"System Information Is Unavailable At This Time"};
    }
    void systemInfo() {
        QFETCH(QString, path);
        QFETCH(QStringList, started);
        QFETCH(QStringList, messages);
        AboutWorld world;
        if (!path.isEmpty())
            world.registry.setText(registry::kLocalMachine,
                                   "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", path);
        ui::frmAbout dialog(world.services);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        control<QPushButton>(dialog, "cmdSysInfo")->click();
        QStringList commandLines;
        for (const RecordingProgramStarter::Start& start : world.starter.starts) {
            commandLines << start.commandLine;
            QCOMPARE(start.windowStyle, 1);
        }
        QCOMPARE(commandLines, started);
        QStringList prompts;
        for (const RecordingMessageBoxes::Box& box : world.boxes.shown) {
            prompts << box.prompt;
            QCOMPARE(box.style, 0);
            QCOMPARE(box.title, QString());
        }
        QCOMPARE(prompts, messages);
        QVERIFY(dialog.isVisible());
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
