// The links of both windows from end to end: a click on the real label starts the desktop's
// default browser (a fake one under temporary XDG folders) on exactly the label's address,
// through no shell; a browser that cannot start is reported and the program goes on.

#include "platform/desktop/OverrideBusyPointer.h"
#include "platform/files/DiskFileFinder.h"
#include "platform/process/DetachedProgramStarter.h"
#include "platform/runtime/SystemRandomSource.h"
#include "platform/xdg/XdgRegistry.h"
#include "tests/platform/doubles/FakeBrowser.h"
#include "tests/ui/support/RecordingMessageBoxes.h"
#include "ui/about/WebLink.h"
#include "ui/about/frmAbout.h"
#include "ui/main/frmMain.h"
#include "ui/message/MessageDisplay.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

namespace {
const QString kHost = QStringLiteral(KEYWRIGHT_TEST_WEB_HOST);

// The program's own wiring, over the fake desktop (or one with no browser at all).
struct Desktop {
    explicit Desktop(const QProcessEnvironment& environment) : registry(environment) {}

    platform::XdgRegistry registry;
    platform::DetachedProgramStarter starter;
    platform::DiskFileFinder files;
    RecordingMessageBoxes boxes;
    ui::frmAboutServices about{{registry, starter, files}, boxes};
};

void click(QWidget& window, const char* link) {
    auto* label = window.findChild<QLabel*>(QLatin1String(link));
    if (!label)
        qFatal("no link %s", link);
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(3, 3));
}
} // namespace

class TestWebLinks : public QObject {
    Q_OBJECT
private:
    FakeBrowser fake_;
    QPointer<ui::frmMain> window_;
    ui::MessageDisplay messages_;
    platform::OverrideBusyPointer pointer_;

    // The main window as the program builds it, its links and About on desktop.
    ui::frmMain* openMainWindow(Desktop& desktop) {
        ui::frmMainServices services(desktop.boxes, pointer_, messages_, runtime::Rnd());
        services.randomize = [] {};
        services.showAbout = [&desktop] { ui::frmAbout::showModal(desktop.about); };
        services.openWebAddress = [&desktop](const QString& address) {
            ui::openWebLink(desktop.about.platform, desktop.boxes, address);
        };
        window_ = new ui::frmMain(services);
        window_->show();
        if (!QTest::qWaitForWindowExposed(window_))
            qFatal("main window not shown");
        return window_;
    }

private slots:
    void initTestCase() {
        QVERIFY(fake_.isValid());
        QApplication::setQuitOnLastWindowClosed(false);
    }
    void init() { fake_.reset(); }
    void cleanup() { delete window_.data(); }

    void aboutLinks_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("address");
        QTest::newRow("help page") << "lblHelp" << kHost + "/keywright/help/";
        QTest::newRow("home page") << "lblURL" << kHost + "/keywright/";
    }
    void aboutLinks() {
        QFETCH(QString, link);
        QFETCH(QString, address);
        Desktop desktop(fake_.environment());
        ui::frmAbout dialog(desktop.about);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        click(dialog, qPrintable(link));
        QCOMPARE(fake_.receivedArguments(), (QStringList{FakeBrowser::kOption, address}));
        QVERIFY(desktop.boxes.shown.isEmpty());
        QVERIFY(dialog.isVisible());
    }

    void mainWindowHomePage() {
        Desktop desktop(fake_.environment());
        ui::frmMain* window = openMainWindow(desktop);
        click(*window, "lblURL");
        QCOMPARE(fake_.receivedArguments(),
                 (QStringList{FakeBrowser::kOption, kHost + "/keywright/"}));
    }

    // Whatever the label shows is passed on unchanged and split only at its spaces; nothing in
    // it reaches a shell.
    void mainWindowLinkRunsNothingElse() {
        const QString pwned = fake_.path("pwned");
        const QString address = "https://h/?a=1;touch " + pwned + "&b=$(touch " + pwned +
                                ")&c=\"q\"&d=`touch " + pwned + "`|e>f";
        Desktop desktop(fake_.environment());
        ui::frmMain* window = openMainWindow(desktop);
        window->findChild<QLabel*>("lblURL")->setText(address);

        click(*window, "lblURL");
        QCOMPARE(fake_.receivedArguments(),
                 QStringList{FakeBrowser::kOption} + address.split(u' '));
        QVERIFY(!QFileInfo::exists(pwned));
    }

    // No browser at all: the failure is shown and the program keeps running.
    void mainWindowWithoutBrowser() {
        QTemporaryDir empty;
        QProcessEnvironment nothing;
        for (const char* name :
             {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_DIRS"})
            nothing.insert(name, empty.path());
        Desktop desktop(nothing);
        ui::frmMain* window = openMainWindow(desktop);

        click(*window, "lblURL");
        QCOMPARE(desktop.boxes.shown.size(), 1);
        // It says what failed, with the address to copy.
        QCOMPARE(desktop.boxes.shown[0].prompt,
                 "No web browser could be started for this address:\n\n" + kHost +
                     "/keywright/\n\nCopy the address into a web browser, or choose a default "
                     "web browser in the system settings.");
        QCOMPARE(desktop.boxes.shown[0].style, int(platform::MessageBoxes::Exclamation));
        QVERIFY(window_);
        QVERIFY(window->isVisible());
    }

    // About opens the dialog modally over the main window, returns when it is closed, and the
    // dialog is gone then.
    void mainWindowAbout() {
        Desktop desktop(fake_.environment());
        ui::frmMain* window = openMainWindow(desktop);
        QPointer<ui::frmAbout> shown;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            shown = qobject_cast<ui::frmAbout*>(QApplication::activeModalWidget());
            modal = shown && shown->isVisible();
            if (shown)
                QTest::keyClick(shown, Qt::Key_Escape);
        });
        window->findChild<QPushButton*>("cmdAbout")->click();
        QVERIFY(modal);
        QVERIFY(shown.isNull());
    }
};

QTEST_MAIN(TestWebLinks)
#include "tst_weblinks.moc"
