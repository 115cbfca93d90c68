// Finding and starting the system information tool, and reading registry values as text.

#include "platform/PlatformServices.h"
#include "platform/system/SystemInformation.h"
#include "tests/platform/doubles/ListedFileFinder.h"
#include "tests/platform/doubles/MemoryRegistry.h"
#include "tests/platform/doubles/RecordingProgramStarter.h"

#include <QtTest>

using namespace platform;

namespace {
const QString kToolKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString kFolderKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString kUnavailable = QStringLiteral("System Information Is Unavailable At This Time");

QByteArray sz(const QByteArray& text) {
    return text + '\0';
}

struct World {
    MemoryRegistry registry;
    RecordingProgramStarter starter;
    ListedFileFinder files;
    PlatformServices services{registry, starter, files};
    QList<QPair<QString, int>> messages;

    void startSysInfo() {
        StartSysInfo(services, [this](const QString& text, int style) {
            messages.append({text, style});
        });
    }
};
} // namespace

class TestSystemInformation : public QObject {
    Q_OBJECT
private slots:
    void startSysInfo_data() {
        QTest::addColumn<quint32>("pathType");
        QTest::addColumn<QByteArray>("path"); // null: no value
        QTest::addColumn<QByteArray>("folder");
        QTest::addColumn<QString>("file"); // the one file on disk
        QTest::addColumn<bool>("startFails");
        QTest::addColumn<QStringList>("started");
        QTest::addColumn<bool>("unavailable");

        const QByteArray none;
        const QStringList nothing;
        const QString tool = "C:\\Tools\\MSINFO32.EXE";
        const QStringList started{tool};
        const QStringList path{"C:\\msinfo32.exe"};
        QTest::newRow("path started without a test")
            << registry::kRegSz << sz("C:\\msinfo32.exe") << none << "" << false << path << false;
        QTest::newRow("path that cannot start")
            << registry::kRegSz << sz("C:\\msinfo32.exe") << none << "" << true << path << true;
        QTest::newRow("folder with the tool")
            << registry::kRegSz << none << sz("C:\\Tools") << tool << false << started << false;
        QTest::newRow("folder without the tool")
            << registry::kRegSz << none << sz("C:\\Tools") << "C:\\Tools\\OTHER.EXE" << false
            << nothing << true;
        QTest::newRow("neither") << registry::kRegSz << none << none << "" << false << nothing
                                 << true;
        QTest::newRow("path wins over folder") << registry::kRegSz << sz("C:\\msinfo32.exe")
                                               << sz("C:\\Tools") << tool << false << path << false;
        QTest::newRow("expandable path: empty path fails")
            << registry::kRegExpandSz << sz("%windir%\\msinfo32.exe") << sz("C:\\Tools") << tool
            << false << QStringList{""} << true;
        QTest::newRow("path over 1024 bytes counts as missing")
            << registry::kRegSz << sz(QByteArray(1024, 'p')) << sz("C:\\Tools") << tool << false
            << started << false;
        QTest::newRow("path of 1024 bytes fits")
            << registry::kRegSz << sz(QByteArray(1023, 'p')) << none << "" << false
            << QStringList{QString(1023, u'p')} << false;
        QTest::newRow("path without NUL keeps every character")
            << registry::kRegSz << QByteArray("C:\\msinfo32.exe ") << none << "" << false
            << QStringList{"C:\\msinfo32.exe "} << false;
        QTest::newRow("path with no data: error caught")
            << registry::kRegSz << QByteArray("") << sz("C:\\Tools") << tool << false << nothing
            << true;
    }
    void startSysInfo() {
        QFETCH(quint32, pathType);
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, folder);
        QFETCH(QString, file);
        QFETCH(bool, startFails);
        QFETCH(QStringList, started);
        QFETCH(bool, unavailable);

        World world;
        if (!path.isNull())
            world.registry.setValue(registry::kLocalMachine, kToolKey, "PATH", pathType, path);
        if (!folder.isNull())
            world.registry.setValue(registry::kLocalMachine, kFolderKey, "MSINFO", registry::kRegSz,
                                    folder);
        world.files.files.insert(file);
        world.starter.failing = startFails;

        world.startSysInfo();

        QStringList commandLines;
        for (const RecordingProgramStarter::Start& start : world.starter.starts) {
            commandLines.append(start.commandLine);
            QCOMPARE(start.windowStyle, 1);
        }
        QCOMPARE(commandLines, started);
        QCOMPARE(world.messages.size(), unavailable ? 1 : 0);
        if (unavailable)
            QCOMPARE(world.messages[0], qMakePair(kUnavailable, 0));
        QCOMPARE(world.registry.openKeyCount(), 0);
    }

    void pathIsNotTestedOnDisk() {
        World world;
        world.registry.setText(registry::kLocalMachine, kToolKey, "PATH", "C:\\msinfo32.exe");
        world.startSysInfo();
        QVERIFY(world.files.asked.isEmpty());
    }

    // The keys only need reading: a user who may not change them still finds the tool.
    void opensKeysForReadingOnly() {
        World world;
        world.registry.setWritable(false);
        world.registry.setText(registry::kLocalMachine, kFolderKey, "MSINFO", "C:\\Tools");
        world.files.files.insert("C:\\Tools\\MSINFO32.EXE");
        world.startSysInfo();

        QCOMPARE(world.messages.size(), 0);
        QCOMPARE(world.registry.opens().size(), 2);
        for (const MemoryRegistry::Open& open : world.registry.opens())
            QCOMPARE(open.access & registry::kWriteRights, 0u);
    }

    void everyClickStartsTheToolAgain() {
        World world;
        world.registry.setText(registry::kLocalMachine, kToolKey, "PATH", "C:\\msinfo32.exe");
        world.startSysInfo();
        world.startSysInfo();
        QCOMPARE(world.starter.starts.size(), 2);
    }

    void getKeyValue_data() {
        QTest::addColumn<quint32>("type");
        QTest::addColumn<QByteArray>("data"); // null: no value
        QTest::addColumn<bool>("read");
        QTest::addColumn<QString>("value"); // the caller passes "prior"

        QTest::newRow("text") << registry::kRegSz << sz("C:\\Tools") << true << "C:\\Tools";
        QTest::newRow("text without NUL") << registry::kRegSz << QByteArray("abc") << true << "abc";
        QTest::newRow("only one NUL dropped")
            << registry::kRegSz << sz(QByteArray("abc\0", 4)) << true << QStringLiteral("abc\0");
        QTest::newRow("UTF-8 text") << registry::kRegSz << sz("Ångström") << true << "Ångström";
        QTest::newRow("number 1296")
            << registry::kRegDword << QByteArray("\x10\x05\x00\x00", 4) << true << "1296";
        QTest::newRow("number 0") << registry::kRegDword << QByteArray(4, '\0') << true << "0";
        QTest::newRow("number 1") << registry::kRegDword << QByteArray("\x01\x00\x00\x00", 4)
                                  << true << "1";
        QTest::newRow("number 65535")
            << registry::kRegDword << QByteArray("\xff\xff\x00\x00", 4) << true << "65535";
        QTest::newRow("number 0x12345678")
            << registry::kRegDword << QByteArray("\x78\x56\x34\x12", 4) << true << "305419896";
        QTest::newRow("expandable text: value untouched")
            << registry::kRegExpandSz << sz("x") << true << "prior";
        QTest::newRow("binary: value untouched")
            << quint32(3) << QByteArray("\x01\x02", 2) << true << "prior";
        QTest::newRow("missing") << registry::kRegSz << QByteArray() << false << "";
        QTest::newRow("over 1024 bytes")
            << registry::kRegSz << QByteArray(1025, 'a') << false << "";
        QTest::newRow("exactly 1024 bytes")
            << registry::kRegSz << QByteArray(1024, 'a') << true << QString(1024, u'a');
    }
    void getKeyValue() {
        QFETCH(quint32, type);
        QFETCH(QByteArray, data);
        QFETCH(bool, read);
        QFETCH(QString, value);

        MemoryRegistry registry;
        registry.setText(registry::kLocalMachine, "Key", "Other", "other");
        if (!data.isNull())
            registry.setValue(registry::kLocalMachine, "Key", "Name", type, data);
        QString text = "prior";
        QCOMPARE(GetKeyValue(registry, registry::kLocalMachine, "Key", "Name", text), read);
        QCOMPARE(text, value);
        QCOMPARE(registry.openKeyCount(), 0);
    }

    void getKeyValueOfMissingKey() {
        MemoryRegistry registry;
        QString text = "prior";
        QVERIFY(!GetKeyValue(registry, registry::kLocalMachine, "Key", "Name", text));
        QCOMPARE(text, QString());
    }

    void getKeyValueWithNoDataRaises() {
        MemoryRegistry registry;
        registry.setValue(registry::kLocalMachine, "Key", "Name", registry::kRegSz, "");
        QString text;
        try {
            GetKeyValue(registry, registry::kLocalMachine, "Key", "Name", text);
            QFAIL("read a value with no data");
        } catch (const runtime::RuntimeError& error) {
            QCOMPARE(error.number(), 5);
        }
        QCOMPARE(registry.openKeyCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TestSystemInformation)
#include "tst_systeminformation.moc"
