// The desktop's own settings presented as registry values, under temporary XDG folders: the
// values as the ANSI calls give them, and the system information tool. (The default browser and
// its command: tst_defaultbrowser.)

#include "platform/PlatformServices.h"
#include "platform/process/DetachedProgramStarter.h"
#include "platform/system/SystemInformation.h"
#include "platform/web/OpenWebAddress.h"
#include "platform/xdg/XdgRegistry.h"
#include "tests/platform/doubles/ListedFileFinder.h"

#include <QtTest>

using namespace platform;
using Files = QMap<QString, QByteArray>; // path under the temporary root -> contents

namespace {
const QString kClients = QStringLiteral("SOFTWARE\\Clients\\StartMenuInternet");

QByteArray entry(const QByteArray& exec) {
    return "[Desktop Entry]\nType=Application\nName=Browser\nExec=" + exec + "\n";
}
QByteArray defaults(const QByteArray& lines) {
    return "[Default Applications]\n" + lines + "\n";
}

// A home, a system and a search path, all inside one temporary folder.
class Machine {
public:
    explicit Machine(const Files& files, const QString& desktops = QString()) {
        for (auto file = files.cbegin(); file != files.cend(); ++file)
            write(file.key(), file.value());
        environment_.insert("HOME", path("home"));
        environment_.insert("XDG_CONFIG_HOME", path("config"));
        environment_.insert("XDG_DATA_HOME", path("data"));
        environment_.insert("XDG_CONFIG_DIRS", path("etc1") + ':' + path("etc2"));
        environment_.insert("XDG_DATA_DIRS", path("share1") + ':' + path("share2"));
        environment_.insert("XDG_CURRENT_DESKTOP", desktops);
        environment_.insert("PATH", path("bin1") + ':' + path("bin 2"));
    }

    QString path(const QString& relative) const { return root_.filePath(relative); }
    void write(const QString& relative, const QByteArray& contents,
               QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner) {
        QDir().mkpath(QFileInfo(path(relative)).path());
        QFile file(path(relative));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
        file.setPermissions(permissions);
    }
    XdgRegistry registry() const { return XdgRegistry(environment_); }

private:
    QTemporaryDir root_;
    QProcessEnvironment environment_;
};

} // namespace

class TestXdgRegistry : public QObject {
    Q_OBJECT
private slots:
    void valueAsTheAnsiCallsGiveIt() {
        Machine machine({{"config/mimeapps.list", defaults("x-scheme-handler/https=é.desktop")},
                         {"data/applications/é.desktop", entry("/bin/sh")}});
        XdgRegistry registry = machine.registry();
        RegistryKey key = 0;
        QCOMPARE(
            registry.openKey(registry::kCurrentUser, kClients.toLower(), registry::kKeyRead, key),
            registry::kSuccess);
        QByteArray buffer(20, '?');
        quint32 type = 0;
        quint32 size = 20;
        QCOMPARE(registry.queryValue(key, {}, type, buffer, size), registry::kSuccess);
        QCOMPARE(type, registry::kRegSz);
        QCOMPARE(size, 11u);
        QCOMPARE(buffer.left(12), QByteArray("\xc3\xa9.desktop\0?", 12));
        registry.closeKey(key);
    }

    void refusesRightsToChange() {
        Machine machine({{"config/mimeapps.list", defaults("x-scheme-handler/https=a.desktop")},
                         {"data/applications/a.desktop", entry("/bin/sh")}});
        XdgRegistry registry = machine.registry();
        RegistryKey key = 0;
        QCOMPARE(registry.openKey(registry::kCurrentUser, kClients, 0x2003F, key),
                 registry::kAccessDenied);
        QCOMPARE(key, RegistryKey(0));
    }

    void systemInformationTool_data() {
        QTest::addColumn<QStringList>("executables"); // under the temporary root
        QTest::addColumn<QStringList>("plainFiles");
        QTest::addColumn<QString>("tool"); // "" when none is found

        QTest::newRow("hardinfo") << QStringList{"bin1/hardinfo"} << QStringList()
                                  << "bin1/hardinfo";
        QTest::newRow("folder with a space")
            << QStringList{"bin 2/hardinfo"} << QStringList() << "bin 2/hardinfo";
        QTest::newRow("the newer one first") << QStringList{"bin1/hardinfo", "bin 2/hardinfo2"}
                                             << QStringList() << "bin 2/hardinfo2";
        QTest::newRow("first folder on the path")
            << QStringList{"bin1/kinfocenter", "bin 2/kinfocenter"} << QStringList()
            << "bin1/kinfocenter";
        QTest::newRow("not executable") << QStringList() << QStringList{"bin1/hardinfo"} << "";
        QTest::newRow("none") << QStringList() << QStringList() << "";
    }
    void systemInformationTool() {
        QFETCH(QStringList, executables);
        QFETCH(QStringList, plainFiles);
        QFETCH(QString, tool);

        Machine machine({});
        // Each tool leaves a file beside itself when it runs.
        for (const QString& file : executables)
            machine.write(file, "#!/bin/sh\n: > \"$0.ran\"\n", QFile::ReadOwner | QFile::ExeOwner);
        for (const QString& file : plainFiles)
            machine.write(file, "#!/bin/sh\n");
        XdgRegistry registry = machine.registry();

        // The path read is started whole, spaces and all.
        DetachedProgramStarter starter;
        ListedFileFinder files;
        QStringList shown;
        StartSysInfo(PlatformServices{registry, starter, files},
                     [&](const QString& text, int) { shown.append(text); });
        if (tool.isEmpty()) {
            QCOMPARE(shown, QStringList{kSystemInformationUnavailable});
        } else {
            QVERIFY(shown.isEmpty());
            QVERIFY(QTest::qWaitFor([&] { return QFileInfo::exists(machine.path(tool) + ".ran"); },
                                    20000)); // a wait for a slow machine, not a goal
        }

        QString path;
        // Only the full path is given: no folder to look in.
        QVERIFY(!GetKeyValue(registry, registry::kLocalMachine,
                             "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", path));
    }
};

QTEST_GUILESS_MAIN(TestXdgRegistry)
#include "tst_xdgregistry.moc"
