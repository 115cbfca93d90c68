// Finding the default browser's command in the registry and starting it on an address.

#include "platform/PlatformServices.h"
#include "platform/web/OpenWebAddress.h"
#include "tests/platform/doubles/ListedFileFinder.h"
#include "tests/platform/doubles/MemoryRegistry.h"
#include "tests/platform/doubles/RecordingProgramStarter.h"

#include <QtTest>

using namespace platform;
using Commands = QMap<QString, QByteArray>; // browser name -> stored command bytes

namespace {
const QString kClients = QStringLiteral("SOFTWARE\\Clients\\StartMenuInternet");
const QString kAddress = QStringLiteral("https://www.norvik.example/keywright/");

// A stored text with its terminating NUL.
QByteArray sz(const QByteArray& text) {
    return text + '\0';
}

QString commandKey(const QString& browser) {
    return kClients + u'\\' + browser + QStringLiteral("\\shell\\open\\command");
}

struct World {
    MemoryRegistry registry;
    RecordingProgramStarter starter;
    ListedFileFinder files;
    PlatformServices services{registry, starter, files};
};
} // namespace

class TestOpenWebAddress : public QObject {
    Q_OBJECT
private slots:
    void startsTheBrowserCommand_data() {
        QTest::addColumn<QByteArray>("user");    // HKCU's browser name; null: no value
        QTest::addColumn<QByteArray>("machine"); // HKLM's
        QTest::addColumn<Commands>("commands");  // under HKLM
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("commandLine");

        const Commands both{{"FIREFOX.EXE", sz("firefox")}, {"IEXPLORE.EXE", sz("iexplore")}};
        QTest::newRow("the user's choice wins")
            << sz("FIREFOX.EXE") << sz("IEXPLORE.EXE") << both << kAddress << "firefox " + kAddress;
        QTest::newRow("no user value: the machine's")
            << QByteArray() << sz("IEXPLORE.EXE") << both << kAddress << "iexplore " + kAddress;
        QTest::newRow("empty user value: the machine's")
            << sz("") << sz("IEXPLORE.EXE") << both << kAddress << "iexplore " + kAddress;
        QTest::newRow("user value of spaces: the machine's")
            << sz("   ") << sz("IEXPLORE.EXE") << both << kAddress << "iexplore " + kAddress;
        QTest::newRow("command keeps its arguments")
            << QByteArray() << sz("B") << Commands{{"B", sz("\"/opt/b/browser\" -new-window")}}
            << kAddress << "\"/opt/b/browser\" -new-window " + kAddress;
        QTest::newRow("placeholder left as it is")
            << QByteArray() << sz("B") << Commands{{"B", sz("browser -osint -url \"%1\"")}}
            << kAddress << "browser -osint -url \"%1\" " + kAddress;
        QTest::newRow("leading spaces go, trailing stay")
            << QByteArray() << sz("B") << Commands{{"B", sz("  browser  ")}} << kAddress
            << "browser   " + kAddress;
        QTest::newRow("no terminating NUL: both ends trimmed")
            << QByteArray() << sz("B") << Commands{{"B", "  browser  "}} << kAddress
            << "browser " + kAddress;
        QTest::newRow("a 499-character command fits")
            << QByteArray() << sz("B") << Commands{{"B", sz(QByteArray(499, 'b'))}} << kAddress
            << QString(499, u'b') + u' ' + kAddress;
        QTest::newRow("a 500-character command does not")
            << QByteArray() << sz("B") << Commands{{"B", sz(QByteArray(500, 'b'))}} << kAddress
            << " " + kAddress;
        QTest::newRow("the user's browser is looked up under HKLM only")
            << sz("MINE") << sz("") << Commands{{"B", sz("browser")}} << kAddress << " " + kAddress;
        QTest::newRow("nothing registered")
            << QByteArray() << QByteArray() << Commands() << kAddress << " " + kAddress;
        QTest::newRow("address passed unquoted, spaces and all")
            << QByteArray() << sz("B") << Commands{{"B", sz("browser")}}
            << "https://h/a b;$(x)\"q\""
            << "browser https://h/a b;$(x)\"q\"";
        QTest::newRow("non-ASCII names and commands")
            << sz("Bröwser") << QByteArray() << Commands{{"Bröwser", sz("/opt/bröwser")}}
            << kAddress << "/opt/bröwser " + kAddress;
    }
    void startsTheBrowserCommand() {
        QFETCH(QByteArray, user);
        QFETCH(QByteArray, machine);
        QFETCH(Commands, commands);
        QFETCH(QString, address);
        QFETCH(QString, commandLine);

        World world;
        if (!user.isNull())
            world.registry.setValue(registry::kCurrentUser, kClients, {}, registry::kRegSz, user);
        if (!machine.isNull())
            world.registry.setValue(registry::kLocalMachine, kClients, {}, registry::kRegSz,
                                    machine);
        for (auto command = commands.cbegin(); command != commands.cend(); ++command) {
            world.registry.setValue(registry::kLocalMachine, commandKey(command.key()), {},
                                    registry::kRegSz, command.value());
            // A browser's own command under HKCU is never used.
            world.registry.setText(registry::kCurrentUser, commandKey(command.key()), {},
                                   "user-command");
        }
        try {
            OpenWebAddress(world.services, address);
        } catch (const runtime::RuntimeError&) {
            // A blank command line cannot start; what was asked for is checked below.
        }

        QCOMPARE(world.starter.starts.size(), 1);
        QCOMPARE(world.starter.starts[0].commandLine, commandLine);
        QCOMPARE(world.starter.starts[0].windowStyle, 2);
        QCOMPARE(world.registry.openKeyCount(), 0);
    }

    void readsInOrderWithTheNameInTheCommandKey() {
        World world;
        world.registry.setText(registry::kCurrentUser, kClients, {}, "FIREFOX.EXE");
        OpenWebAddress(world.services, kAddress);

        const QList<MemoryRegistry::Open>& opens = world.registry.opens();
        QCOMPARE(opens.size(), 3);
        QCOMPARE(opens[0].root, registry::kLocalMachine);
        QCOMPARE(opens[0].keyPath, kClients);
        QCOMPARE(opens[1].root, registry::kCurrentUser);
        QCOMPARE(opens[1].keyPath, kClients);
        QCOMPARE(opens[2].root, registry::kLocalMachine);
        QCOMPARE(opens[2].keyPath,
                 "SOFTWARE\\Clients\\StartMenuInternet\\FIREFOX.EXE\\shell\\open\\command\\");
    }

    void noBrowserLeavesTheNameEmpty() {
        World world;
        OpenWebAddress(world.services, kAddress);
        // Two backslashes in a row: a key that cannot exist.
        QCOMPARE(world.registry.opens().last().keyPath,
                 "SOFTWARE\\Clients\\StartMenuInternet\\\\shell\\open\\command\\");
        QCOMPARE(world.starter.starts[0].commandLine, " " + kAddress);
    }

    // No handler here: the caller decides how a browser that will not start is reported.
    void startFailureReachesTheCaller() {
        World world;
        world.registry.setText(registry::kLocalMachine, kClients, {}, "B");
        world.registry.setText(registry::kLocalMachine, commandKey("B"), {}, "browser");
        world.starter.failing = true;
        try {
            OpenWebAddress(world.services, kAddress);
            QFAIL("no error");
        } catch (const runtime::RuntimeError& error) {
            QCOMPARE(error.number(), 53);
        }
        QCOMPARE(world.registry.openKeyCount(), 0);
    }

    void readRegistryText_data() {
        QTest::addColumn<QByteArray>("stored"); // null: no value
        QTest::addColumn<QString>("text");

        QTest::newRow("text") << sz("word") << "word";
        QTest::newRow("two spaces each side") << sz("  word  ") << "word  ";
        QTest::newRow("no NUL") << QByteArray("  word  ") << "word";
        QTest::newRow("tabs are not trimmed") << sz("\tword\t") << "\tword\t";
        QTest::newRow("cut at the first NUL") << sz(QByteArray("word\0rest", 9)) << "word";
        QTest::newRow("NUL first: default") << sz(QByteArray("\0word", 5)) << "default";
        QTest::newRow("spaces only: default") << sz("   ") << "default";
        QTest::newRow("empty: default") << sz("") << "default";
        QTest::newRow("no data at all: default") << QByteArray("") << "default";
        QTest::newRow("missing: default") << QByteArray() << "default";
        QTest::newRow("fills the buffer exactly") << QByteArray(500, 'x') << QString(500, u'x');
        QTest::newRow("one byte too many: default") << sz(QByteArray(500, 'x')) << "default";
        QTest::newRow("UTF-8") << sz("café") << "café";
    }
    void readRegistryText() {
        QFETCH(QByteArray, stored);
        QFETCH(QString, text);

        MemoryRegistry registry;
        // The type is never checked: an expandable text reads the same.
        if (!stored.isNull())
            registry.setValue(registry::kLocalMachine, "Key", "Name", registry::kRegExpandSz,
                              stored);
        quint32 type = registry::kRegSz;
        QCOMPARE(
            ReadRegistryText(registry, registry::kLocalMachine, "Key\\", "Name", type, "default"),
            text);
        QCOMPARE(registry.openKeyCount(), 0);
    }

    void cutAtNul_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("cut");
        QTest::newRow("none") << "abc"
                              << "abc";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("only a NUL") << QString(QChar(0)) << "";
        QTest::newRow("inside") << QStringLiteral("ab\0cd") << "ab";
        QTest::newRow("two") << QStringLiteral("ab\0\0") << "ab";
    }
    void cutAtNul() {
        QFETCH(QString, text);
        QFETCH(QString, cut);
        QCOMPARE(CutAtNul(text), cut);
    }
};

QTEST_GUILESS_MAIN(TestOpenWebAddress)
#include "tst_openwebaddress.moc"
