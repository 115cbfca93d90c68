// Opening an address for real: the desktop's default browser found under temporary XDG folders
// and started detached, with nothing between it and the address that could run a shell.

#include "DetachedProgramStarter.h"
#include "ListedFileFinder.h"
#include "OpenWebAddress.h"
#include "PlatformServices.h"
#include "RuntimeError.h"
#include "XdgRegistry.h"

#include <QtTest>

using namespace platform;

namespace {
constexpr int kStartTimeoutMs = 20000; // generous: only a wait for a slow machine, not a goal
}

class TestBrowserLaunch : public QObject {
    Q_OBJECT
private:
    QTemporaryDir root_;
    QString browser_;  // the fake browser, in a folder whose name has a space
    QString received_; // where it writes its arguments, one a line
    QString pwned_;    // a file only a shell could create

    void write(const QString& path, const QByteArray& contents) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }

    // The fake browser's arguments, once it has run.
    QStringList receivedArguments() {
        if (!QTest::qWaitFor([&] { return QFileInfo::exists(received_); }, kStartTimeoutMs))
            return {"(the browser did not run)"};
        QFile file(received_);
        if (!file.open(QIODevice::ReadOnly))
            return {"(unreadable)"};
        QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
        lines.removeLast(); // after the last newline
        return lines;
    }

    QProcessEnvironment environment() const {
        QProcessEnvironment environment;
        environment.insert("HOME", root_.filePath("home"));
        environment.insert("XDG_CONFIG_HOME", root_.filePath("config"));
        environment.insert("XDG_DATA_HOME", root_.filePath("data"));
        environment.insert("XDG_CONFIG_DIRS", root_.filePath("etc"));
        environment.insert("XDG_DATA_DIRS", root_.filePath("share"));
        return environment;
    }

private slots:
    void initTestCase() {
        QVERIFY(root_.isValid());
        browser_ = root_.filePath("fake bin/fake browser");
        received_ = root_.filePath("received.txt");
        pwned_ = root_.filePath("pwned");
        write(browser_, "#!/bin/sh\n"
                        "for argument in \"$@\"; do printf '%s\\n' \"$argument\"; done > \"" +
                            received_.toUtf8() +
                            ".part\"\n"
                            "mv \"" +
                            received_.toUtf8() + ".part\" \"" + received_.toUtf8() + "\"\n");
        QVERIFY(QFile::setPermissions(browser_, QFile::ReadOwner | QFile::ExeOwner));
        write(root_.filePath("config/mimeapps.list"),
              "[Default Applications]\nx-scheme-handler/https=fake-browser.desktop\n");
        write(root_.filePath("data/applications/fake/browser.desktop"),
              "[Desktop Entry]\nType=Application\nName=Fake\nExec=\"" + browser_.toUtf8() +
                  "\" --new-window %u\n");
    }
    void init() { QFile::remove(received_); }

    // The address is appended after one space, unquoted, and the whole command line split at
    // its spaces: an address with spaces arrives as several arguments, every other character as
    // it was. Quotes inside a word are plain characters.
    void opensTheAddressInTheDefaultBrowser_data() {
        QTest::addColumn<QString>("address");
        QTest::newRow("home page") << "https://www.norvik.example/keywright/";
        QTest::newRow("shell syntax") << "https://h/?a=1;b=$(touch " + pwned_ +
                                             ")&c=\"q\"&d='s'|e>f&g=`touch " + pwned_ + "`;touch " +
                                             pwned_ + " #x\\y";
    }
    void opensTheAddressInTheDefaultBrowser() {
        QFETCH(QString, address);

        XdgRegistry registry(environment());
        DetachedProgramStarter starter;
        ListedFileFinder files;
        OpenWebAddress(PlatformServices{registry, starter, files}, address);

        QCOMPARE(receivedArguments(), QStringList{"--new-window"} + address.split(u' '));
        QVERIFY(!QFileInfo::exists(pwned_));
    }

    void startsQuotedProgramsAndArguments() {
        DetachedProgramStarter starter;
        starter.start("\"" + browser_ + "\" \"a \\\"b\\\" \\$c\" d\\e 'f g'", 1);
        QCOMPARE(receivedArguments(), (QStringList{"a \"b\" $c", "d\\e", "'f", "g'"}));
    }

    void unstartableCommandLinesRaiseFileNotFound_data() {
        QTest::addColumn<QString>("commandLine");
        QTest::newRow("empty") << "";
        QTest::newRow("blank") << "   ";
        QTest::newRow("no browser: the address alone") << " https://www.norvik.example/";
        QTest::newRow("missing path") << root_.filePath("missing") + " x";
        QTest::newRow("not on the path") << "keywright-no-such-program x";
        QTest::newRow("not executable") << root_.filePath("config/mimeapps.list");
        QTest::newRow("a folder") << root_.filePath("config");
        QTest::newRow("unclosed quote") << "\"" + browser_;
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
