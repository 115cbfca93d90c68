// The desktop's own settings presented as registry values: default browser, its command and the
// system information tool, under temporary XDG folders.

#include "OpenWebAddress.h"
#include "SystemInformation.h"
#include "XdgRegistry.h"

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
        environment_.insert("PATH", path("bin1") + ':' + path("bin2"));
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

QString read(RegistryReader& registry, registry::Root root, const QString& keyPath,
             const QString& name = QString()) {
    quint32 type = registry::kRegSz;
    return ReadRegistryText(registry, root, keyPath, name, type, "(none)");
}
} // namespace

class TestXdgRegistry : public QObject {
    Q_OBJECT
private slots:
    void defaultBrowser_data() {
        QTest::addColumn<Files>("files");
        QTest::addColumn<QString>("desktops");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("machine");

        const Files installed{{"data/applications/a.desktop", entry("a %u")},
                              {"data/applications/b.desktop", entry("b %u")},
                              {"share2/applications/c.desktop", entry("c %u")}};
        const auto with = [&](const Files& more) {
            Files files = installed;
            files.insert(more);
            return files;
        };
        const QString none = "(none)";

        QTest::newRow("user's list")
            << with({{"config/mimeapps.list", defaults("x-scheme-handler/https=a.desktop;")}}) << ""
            << "a.desktop" << none;
        QTest::newRow("desktop-specific list first")
            << with({{"config/mimeapps.list", defaults("x-scheme-handler/https=a.desktop")},
                     {"config/gnome-mimeapps.list", defaults("x-scheme-handler/https=b.desktop")},
                     {"config/x-cinnamon-mimeapps.list",
                      defaults("x-scheme-handler/https=c.desktop")}})
            << "X-Cinnamon:GNOME"
            << "c.desktop" << none;
        QTest::newRow("second desktop's list")
            << with({{"config/mimeapps.list", defaults("x-scheme-handler/https=a.desktop")},
                     {"config/gnome-mimeapps.list", defaults("x-scheme-handler/https=b.desktop")}})
            << "X-Cinnamon:GNOME"
            << "b.desktop" << none;
        QTest::newRow("other desktops' lists ignored")
            << with({{"config/mimeapps.list", defaults("x-scheme-handler/https=a.desktop")},
                     {"config/kde-mimeapps.list", defaults("x-scheme-handler/https=b.desktop")}})
            << "GNOME"
            << "a.desktop" << none;
        QTest::newRow("configuration before data folder")
            << with({{"config/mimeapps.list", defaults("x-scheme-handler/https=a.desktop")},
                     {"data/applications/mimeapps.list",
                      defaults("x-scheme-handler/https=b.desktop")}})
            << ""
            << "a.desktop" << none;
        QTest::newRow("data folder's list")
            << with({{"data/applications/mimeapps.list",
                      defaults("x-scheme-handler/https=b.desktop")}})
            << ""
            << "b.desktop" << none;
        QTest::newRow("missing entries skipped")
            << with({{"config/mimeapps.list",
                      defaults("x-scheme-handler/https=gone.desktop;b.desktop;")}})
            << ""
            << "b.desktop" << none;
        QTest::newRow("missing entry: next list")
            << with({{"config/mimeapps.list", defaults("x-scheme-handler/https=gone.desktop")},
                     {"data/applications/mimeapps.list",
                      defaults("x-scheme-handler/https=b.desktop")}})
            << ""
            << "b.desktop" << none;
        QTest::newRow("deleted entry skipped")
            << with({{"config/mimeapps.list",
                      defaults("x-scheme-handler/https=a.desktop;b.desktop")},
                     {"data/applications/a.desktop", entry("a") + "Hidden=true\n"}})
            << ""
            << "b.desktop" << none;
        QTest::newRow("entry without a command skipped")
            << with({{"config/mimeapps.list",
                      defaults("x-scheme-handler/https=a.desktop;b.desktop")},
                     {"data/applications/a.desktop", "[Desktop Entry]\nName=A\n"}})
            << ""
            << "b.desktop" << none;
        QTest::newRow("https before http")
            << with({{"config/mimeapps.list", defaults("x-scheme-handler/http=a.desktop\n"
                                                       "x-scheme-handler/https=b.desktop")}})
            << ""
            << "b.desktop" << none;
        QTest::newRow("http when no https")
            << with({{"config/mimeapps.list", defaults("x-scheme-handler/http=a.desktop")}}) << ""
            << "a.desktop" << none;
        QTest::newRow("spaces around the separators")
            << with({{"config/mimeapps.list",
                      defaults("x-scheme-handler/https = a.desktop ; b.desktop")}})
            << ""
            << "a.desktop" << none;
        QTest::newRow("removed by an earlier list")
            << with({{"config/mimeapps.list",
                      "[Removed Associations]\nx-scheme-handler/https=b.desktop\n"},
                     {"data/applications/mimeapps.list",
                      defaults("x-scheme-handler/https=b.desktop;a.desktop")}})
            << ""
            << "a.desktop" << none;
        QTest::newRow("added association when no default")
            << with({{"config/mimeapps.list",
                      "[Added Associations]\nx-scheme-handler/https=gone.desktop;b.desktop\n"}})
            << ""
            << "b.desktop" << none;
        QTest::newRow("desktop-specific lists only set defaults")
            << with({{"config/gnome-mimeapps.list",
                      "[Added Associations]\nx-scheme-handler/https=b.desktop\n"}})
            << "GNOME" << none << none;
        QTest::newRow("other groups and types ignored")
            << with({{"config/mimeapps.list",
                      "[Added Associations]\nx-scheme-handler/https=a.desktop\n" +
                          defaults("text/html=b.desktop\nx-scheme-handler/https=c.desktop")}})
            << ""
            << "c.desktop" << none;
        QTest::newRow("system: configuration folders first")
            << with({{"etc2/mimeapps.list", defaults("x-scheme-handler/https=a.desktop")},
                     {"share1/applications/mimeapps.list",
                      defaults("x-scheme-handler/https=b.desktop")}})
            << "" << none << "a.desktop";
        QTest::newRow("system: first configuration folder wins")
            << with({{"etc1/mimeapps.list", defaults("x-scheme-handler/https=c.desktop")},
                     {"etc2/mimeapps.list", defaults("x-scheme-handler/https=a.desktop")}})
            << "" << none << "c.desktop";
        QTest::newRow("system: data folders' lists")
            << with({{"share2/applications/mimeapps.list",
                      defaults("x-scheme-handler/https=c.desktop")}})
            << "" << none << "c.desktop";
        QTest::newRow("system: desktop database when no list names one")
            << with({{"share2/applications/mimeinfo.cache",
                      "[MIME Cache]\nx-scheme-handler/https=gone.desktop;c.desktop;\n"}})
            << "" << none << "c.desktop";
        QTest::newRow("user and system each their own")
            << with({{"config/mimeapps.list", defaults("x-scheme-handler/https=a.desktop")},
                     {"etc1/mimeapps.list", defaults("x-scheme-handler/https=c.desktop")}})
            << ""
            << "a.desktop"
            << "c.desktop";
        // Defaults of every list come before any association, the user's included.
        QTest::newRow("system default outranks the user's added association")
            << with({{"config/mimeapps.list",
                      "[Added Associations]\nx-scheme-handler/https=b.desktop\n"},
                     {"etc1/mimeapps.list", defaults("x-scheme-handler/https=c.desktop")}})
            << "" << none << "c.desktop";
        QTest::newRow("system default outranks the user's desktop database")
            << with({{"data/applications/mimeinfo.cache",
                      "[MIME Cache]\nx-scheme-handler/https=b.desktop;\n"},
                     {"share1/applications/mimeapps.list",
                      defaults("x-scheme-handler/https=c.desktop")}})
            << "" << none << "c.desktop";
        QTest::newRow("system https default outranks the user's http one")
            << with({{"config/mimeapps.list", defaults("x-scheme-handler/http=a.desktop")},
                     {"etc1/mimeapps.list", defaults("x-scheme-handler/https=c.desktop")}})
            << "" << none << "c.desktop";
        QTest::newRow("user's association when no list sets a default")
            << with({{"config/mimeapps.list",
                      "[Added Associations]\nx-scheme-handler/https=b.desktop\n"},
                     {"etc1/mimeapps.list", defaults("text/html=c.desktop")}})
            << ""
            << "b.desktop" << none;
        QTest::newRow("user's choice installed system-wide")
            << with({{"config/mimeapps.list", defaults("x-scheme-handler/https=c.desktop")}}) << ""
            << "c.desktop" << none;
        QTest::newRow("dashes stand for subfolders")
            << with({{"config/mimeapps.list",
                      defaults("x-scheme-handler/https=vendor-web-browser.desktop")},
                     {"share1/applications/vendor/web/browser.desktop", entry("vb")}})
            << ""
            << "vendor-web-browser.desktop" << none;
        QTest::newRow("ids cannot leave the applications folders")
            << with({{"config/mimeapps.list",
                      defaults("x-scheme-handler/https=a-..-..-config-x.desktop;../x.desktop")},
                     {"share1/applications/a/other.desktop", entry("other")},
                     {"share1/config/x.desktop", entry("x")}})
            << "" << none << none;
        QTest::newRow("nothing set") << installed << "" << none << none;
    }
    void defaultBrowser() {
        QFETCH(Files, files);
        QFETCH(QString, desktops);
        QFETCH(QString, user);
        QFETCH(QString, machine);

        Machine machineFiles(files, desktops);
        XdgRegistry registry = machineFiles.registry();
        QCOMPARE(read(registry, registry::kCurrentUser, kClients), user);
        QCOMPARE(read(registry, registry::kLocalMachine, kClients), machine);
    }

    void browserCommand_data() {
        QTest::addColumn<Files>("files");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("command");

        QTest::newRow("field code removed")
            << Files{{"share1/applications/b.desktop", entry("firefox-esr %u")}} << "b.desktop"
            << "firefox-esr";
        QTest::newRow("quoting kept for the starter")
            << Files{{"share1/applications/b.desktop", entry("\"/opt/My B/b\" --new %U")}}
            << "b.desktop"
            << "\"/opt/My B/b\" --new";
        QTest::newRow("string escapes undone")
            << Files{{"share1/applications/b.desktop", entry("/opt/b\\sx --n=100%% %u")}}
            << "b.desktop"
            << "/opt/b x --n=100%";
        QTest::newRow("user's entry shadows the system's")
            << Files{{"data/applications/b.desktop", entry("mine %u")},
                     {"share1/applications/b.desktop", entry("theirs %u")}}
            << "b.desktop"
            << "mine";
        QTest::newRow("first data folder wins")
            << Files{{"share1/applications/b.desktop", entry("first %u")},
                     {"share2/applications/b.desktop", entry("second %u")}}
            << "b.desktop"
            << "first";
        QTest::newRow("in a subfolder")
            << Files{{"share2/applications/kde/b.desktop", entry("kb %u")}} << "kde-b.desktop"
            << "kb";
        QTest::newRow("deleted entry")
            << Files{{"share1/applications/b.desktop", entry("b %u") + "Hidden=true\n"}}
            << "b.desktop"
            << "(none)";
        QTest::newRow("no such entry") << Files() << "b.desktop"
                                       << "(none)";
    }
    void browserCommand() {
        QFETCH(Files, files);
        QFETCH(QString, id);
        QFETCH(QString, command);

        Machine machine(files);
        XdgRegistry registry = machine.registry();
        const QString key = kClients + u'\\' + id + QStringLiteral("\\shell\\open\\command\\");
        QCOMPARE(read(registry, registry::kLocalMachine, key), command);
        // Commands are machine-wide only.
        QCOMPARE(read(registry, registry::kCurrentUser, key), QStringLiteral("(none)"));
    }

    void valueAsTheAnsiCallsGiveIt() {
        Machine machine({{"config/mimeapps.list", defaults("x-scheme-handler/https=é.desktop")},
                         {"data/applications/é.desktop", entry("e")}});
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
                         {"data/applications/a.desktop", entry("a")}});
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

        QTest::newRow("hardinfo") << QStringList{"bin2/hardinfo"} << QStringList()
                                  << "bin2/hardinfo";
        QTest::newRow("the newer one first")
            << QStringList{"bin1/hardinfo", "bin2/hardinfo2"} << QStringList() << "bin2/hardinfo2";
        QTest::newRow("first folder on the path")
            << QStringList{"bin1/kinfocenter", "bin2/kinfocenter"} << QStringList()
            << "bin1/kinfocenter";
        QTest::newRow("not executable") << QStringList() << QStringList{"bin1/hardinfo"} << "";
        QTest::newRow("none") << QStringList() << QStringList() << "";
    }
    void systemInformationTool() {
        QFETCH(QStringList, executables);
        QFETCH(QStringList, plainFiles);
        QFETCH(QString, tool);

        Machine machine({});
        for (const QString& file : executables)
            machine.write(file, "#!/bin/sh\n", QFile::ReadOwner | QFile::ExeOwner);
        for (const QString& file : plainFiles)
            machine.write(file, "#!/bin/sh\n");
        XdgRegistry registry = machine.registry();

        QString path;
        const bool found = GetKeyValue(registry, registry::kLocalMachine,
                                       "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", path);
        QCOMPARE(found, !tool.isEmpty());
        QCOMPARE(path, tool.isEmpty() ? QString() : machine.path(tool));
        // Only the full path is given: no folder to look in.
        QVERIFY(!GetKeyValue(registry, registry::kLocalMachine,
                             "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", path));
    }
};

QTEST_GUILESS_MAIN(TestXdgRegistry)
#include "tst_xdgregistry.moc"
