// Opening an address for real: the desktop's default browser found under temporary XDG folders
// and started detached, with nothing between it and the address that could run a shell.

#include "platform/PlatformServices.h"
#include "platform/process/DetachedProgramStarter.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/web/OpenWebAddress.h"
#include "platform/xdg/XdgRegistry.h"
#include "tests/platform/doubles/FakeBrowser.h"
#include "tests/platform/doubles/ListedFileFinder.h"

#include <QtTest>

using namespace platform;

class TestBrowserLaunch : public QObject {
    Q_OBJECT
private:
    FakeBrowser fake_;

private slots:
    void initTestCase() { QVERIFY(fake_.isValid()); }
    void init() { fake_.reset(); }

    // The address is appended after one space, unquoted, and the whole command line split at
    // its spaces: an address with spaces arrives as several arguments, every other character as
    // it was. Quotes inside a word are plain characters.
    void opensTheAddressInTheDefaultBrowser_data() {
        QTest::addColumn<QString>("address");
        const QString pwned = fake_.path("pwned");
        QTest::newRow("home page") << "https://www.norvik.example/keywright/";
        QTest::newRow("shell syntax") << "https://h/?a=1;b=$(touch " + pwned +
                                             ")&c=\"q\"&d='s'|e>f&g=`touch " + pwned + "`;touch " +
                                             pwned + " #x\\y";
    }
    void opensTheAddressInTheDefaultBrowser() {
        QFETCH(QString, address);

        XdgRegistry registry(fake_.environment());
        DetachedProgramStarter starter;
        ListedFileFinder files;
        OpenWebAddress(PlatformServices{registry, starter, files}, address);

        QCOMPARE(fake_.receivedArguments(),
                 QStringList{FakeBrowser::kOption} + address.split(u' '));
        QVERIFY(!QFileInfo::exists(fake_.path("pwned")));
    }

    void startsQuotedProgramsAndArguments() {
        DetachedProgramStarter starter;
        starter.start("\"" + fake_.browser() + "\" \"a \\\"b\\\" \\$c\" d\\e 'f g'", 1);
        QCOMPARE(fake_.receivedArguments(), (QStringList{"a \"b\" $c", "d\\e", "'f", "g'"}));
    }

    void unstartableCommandLinesRaiseFileNotFound_data() {
        QTest::addColumn<QString>("commandLine");
        QTest::newRow("empty") << "";
        QTest::newRow("blank") << "   ";
        QTest::newRow("no browser: the address alone") << " https://www.norvik.example/";
        QTest::newRow("missing path") << fake_.path("missing") + " x";
        QTest::newRow("not on the path") << "keywright-no-such-program x";
        QTest::newRow("not executable") << fake_.path("config/mimeapps.list");
        QTest::newRow("a folder") << fake_.path("config");
        QTest::newRow("unclosed quote") << "\"" + fake_.browser();
        QTest::newRow("empty program") << "\"\" x";
    }
    void unstartableCommandLinesRaiseFileNotFound() {
        QFETCH(QString, commandLine);
        DetachedProgramStarter starter;
        try {
            starter.start(commandLine, 2);
            QFAIL("started");
        } catch (const runtime::RuntimeError& error) {
            QCOMPARE(error.number(), 53);
        }
    }
};

QTEST_GUILESS_MAIN(TestBrowserLaunch)
#include "tst_browserlaunch.moc"
