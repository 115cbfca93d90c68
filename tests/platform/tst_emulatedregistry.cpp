// The rules of the registry calls that every emulated registry keeps: key paths, rights,
// handles and buffer sizes.

#include "tests/platform/doubles/MemoryRegistry.h"

#include <QtTest>

using namespace platform;

class TestEmulatedRegistry : public QObject {
    Q_OBJECT
private slots:
    void openKey_data() {
        QTest::addColumn<quint32>("root");
        QTest::addColumn<QString>("keyPath");
        QTest::addColumn<quint32>("access");
        QTest::addColumn<int>("status");

        const quint32 hklm = registry::kLocalMachine;
        const quint32 read = registry::kKeyRead;
        QTest::newRow("key") << hklm << "Soft\\Key" << read << registry::kSuccess;
        QTest::newRow("trailing backslash: same key")
            << hklm << "Soft\\Key\\" << read << registry::kSuccess;
        QTest::newRow("names ignore case") << hklm << "SOFT\\key" << read << registry::kSuccess;
        QTest::newRow("two trailing backslashes")
            << hklm << "Soft\\Key\\\\" << read << registry::kFileNotFound;
        QTest::newRow("empty name inside")
            << hklm << "Soft\\\\Key" << read << registry::kFileNotFound;
        QTest::newRow("leading backslash")
            << hklm << "\\Soft\\Key" << read << registry::kFileNotFound;
        QTest::newRow("missing key") << hklm << "Soft\\Other" << read << registry::kFileNotFound;
        QTest::newRow("other root")
            << quint32(registry::kCurrentUser) << "Soft\\Key" << read << registry::kFileNotFound;
        QTest::newRow("unknown root")
            << quint32(0x80000003) << "Soft\\Key" << read << registry::kInvalidHandle;
        QTest::newRow("rights to change a read-only key")
            << hklm << "Soft\\Key" << quint32(0x2003F) << registry::kAccessDenied;
        QTest::newRow("whatever is allowed")
            << hklm << "Soft\\Key" << registry::kMaximumAllowed << registry::kSuccess;
    }
    void openKey() {
        QFETCH(quint32, root);
        QFETCH(QString, keyPath);
        QFETCH(quint32, access);
        QFETCH(int, status);

        MemoryRegistry registry;
        registry.setText(registry::kLocalMachine, "Soft\\Key", "Name", "value");
        RegistryKey key = 99;
        QCOMPARE(registry.openKey(root, keyPath, access, key), status);
        QCOMPARE(key != 0, status == registry::kSuccess);
    }

    void queryValue_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<quint32>("room");
        QTest::addColumn<int>("status");
        QTest::addColumn<quint32>("dataSize");
        QTest::addColumn<QByteArray>("buffer");

        QTest::newRow("fits") << "Name" << 8u << registry::kSuccess << 6u
                              << QByteArray("value\0##", 8);
        QTest::newRow("exactly") << "Name" << 6u << registry::kSuccess << 6u
                                 << QByteArray("value\0##", 8);
        QTest::newRow("name ignores case")
            << "NAME" << 8u << registry::kSuccess << 6u << QByteArray("value\0##", 8);
        QTest::newRow("too large: untouched, size needed")
            << "Name" << 5u << registry::kMoreData << 6u << QByteArray(8, '#');
        QTest::newRow("default value")
            << "" << 8u << registry::kSuccess << 2u << QByteArray("d\0######", 8);
        QTest::newRow("missing value")
            << "Other" << 8u << registry::kFileNotFound << 8u << QByteArray(8, '#');
    }
    void queryValue() {
        QFETCH(QString, name);
        QFETCH(quint32, room);
        QFETCH(int, status);
        QFETCH(quint32, dataSize);
        QFETCH(QByteArray, buffer);

        MemoryRegistry registry;
        registry.setText(registry::kLocalMachine, "Key", "Name", "value");
        registry.setText(registry::kLocalMachine, "Key", "", "d");
        RegistryKey key = 0;
        QCOMPARE(registry.openKey(registry::kLocalMachine, "Key", registry::kKeyRead, key),
                 registry::kSuccess);
        QByteArray data(8, '#');
        quint32 size = room;
        quint32 type = 0;
        QCOMPARE(registry.queryValue(key, name, type, data, size), status);
        QCOMPARE(size, dataSize);
        QCOMPARE(data, buffer);
        QCOMPARE(type, status == registry::kSuccess ? registry::kRegSz : 0u);
    }

    void handles() {
        MemoryRegistry registry;
        registry.setText(registry::kLocalMachine, "Key", "Name", "value");
        RegistryKey key = 0;
        QByteArray data(8, '#');
        quint32 size = 8;
        quint32 type = 0;
        QCOMPARE(registry.queryValue(0, "Name", type, data, size), registry::kInvalidHandle);

        // Without the right to query values, a key cannot be read.
        QCOMPARE(registry.openKey(registry::kLocalMachine, "Key", 0x20000, key),
                 registry::kSuccess);
        QCOMPARE(registry.queryValue(key, "Name", type, data, size), registry::kAccessDenied);
        QCOMPARE(registry.closeKey(key), registry::kSuccess);
        QCOMPARE(registry.queryValue(key, "Name", type, data, size), registry::kInvalidHandle);
        QCOMPARE(registry.closeKey(key), registry::kInvalidHandle);
        QCOMPARE(registry.closeKey(0), registry::kSuccess);
    }
};

QTEST_GUILESS_MAIN(TestEmulatedRegistry)
#include "tst_emulatedregistry.moc"
