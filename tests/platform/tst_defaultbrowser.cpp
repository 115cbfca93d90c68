// The default web browser of a freedesktop desktop, from end to end: desktops set up in temporary
// XDG folders, the browser found through the registry values the link lookup reads, started on
// an address, and the arguments it received. Where GLib's gio is installed, every row is also
// put to GLib itself (gio mime) with the same folders, so that the table holds what the desktop
// does; the few rows where the program chooses otherwise say what GLib chooses, and why.

#include "platform/PlatformServices.h"
#include "platform/process/DetachedProgramStarter.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/web/OpenWebAddress.h"
#include "platform/xdg/XdgRegistry.h"
#include "tests/platform/doubles/ListedFileFinder.h"

#include <QtTest>

using namespace platform;
using Files = QMap<QString, QByteArray>; // path under the temporary root -> contents

namespace {
const QString kAddress = QStringLiteral("https://norvik.example/keywright/");
const QString kClients = QStringLiteral("SOFTWARE\\Clients\\StartMenuInternet");
constexpr int kStartTimeoutMs = 20000; // a wait for a slow machine, not a goal
// Stands for the temporary root in the files and the expected arguments.
constexpr char kRoot[] = "@ROOT@";

QByteArray entry(const QByteArray& exec, const QByteArray& more = {}) {
    // The last of a key counts: more comes after the name, so that it may also set it.
    return "[Desktop Entry]\nType=Application\nName=Browser\n" + more + "Exec=" + exec + "\n";
}
QByteArray defaults(const QByteArray& lines) {
    return "[Default Applications]\n" + lines + "\n";
}
QByteArray https(const QByteArray& ids) {
    return "x-scheme-handler/https=" + ids;
}
// The browser program name run on the address.
QStringList opens(const QString& program, const QStringList& before = {}) {
    return QStringList{program} + before + QStringList{kAddress};
}

// Fake programs write their name and arguments, one a line, to the root's received.txt.
QByteArray fakeProgram(const QString& received) {
    return "#!/bin/sh\n{ printf '%s\\n' \"${0##*/}\"; for a in \"$@\"; do printf '%s\\n' \"$a\";"
           " done; } > \"" +
           received.toUtf8() + ".part\"\nmv \"" + received.toUtf8() + ".part\" \"" +
           received.toUtf8() + "\"\n";
}

class Desktop {
public:
    Desktop(const Files& files, const QStringList& programs, const QString& desktops) {
        const QString received = path("received.txt");
        for (const QString& program : QStringList{"bin/a", "bin/b", "bin/c"} + programs)
            write(program, fakeProgram(received), QFile::ReadOwner | QFile::ExeOwner);
        for (auto file = files.cbegin(); file != files.cend(); ++file)
            write(file.key(), withRoot(file.value()), QFile::ReadOwner | QFile::WriteOwner);
        environment_.insert("HOME", path("home"));
        environment_.insert("XDG_CONFIG_HOME", path("config"));
        environment_.insert("XDG_DATA_HOME", path("data"));
        environment_.insert("XDG_CONFIG_DIRS", path("etc1") + ':' + path("etc2"));
        environment_.insert("XDG_DATA_DIRS", path("share1") + ':' + path("share2"));
        environment_.insert("XDG_CURRENT_DESKTOP", desktops);
        environment_.insert("PATH", path("bin"));
    }

    QString path(const QString& relative) const { return root_.filePath(relative); }
    QByteArray withRoot(QByteArray text) const {
        return text.replace(kRoot, root_.path().toUtf8());
    }
    const QProcessEnvironment& environment() const { return environment_; }
    // The same desktop without the user's own folders.
    QProcessEnvironment systemOnly() const {
        QProcessEnvironment system = environment_;
        system.insert("XDG_CONFIG_HOME", path("empty"));
        system.insert("XDG_DATA_HOME", path("empty"));
        return system;
    }

    // What the programs started since the last call received, or "(nothing ran)".
    QStringList received() const {
        const QString file = path("received.txt");
        if (!QTest::qWaitFor([&] { return QFileInfo::exists(file); }, kStartTimeoutMs))
            return {"(nothing ran)"};
        QFile in(file);
        QStringList lines;
        if (in.open(QIODevice::ReadOnly))
            lines = QString::fromUtf8(in.readAll()).split(u'\n');
        lines.removeLast(); // after the last newline
        QFile::remove(file);
        return lines;
    }

private:
    void write(const QString& relative, const QByteArray& contents,
               QFile::Permissions permissions) {
        QDir().mkpath(QFileInfo(path(relative)).path());
        QFile file(path(relative));
        if (file.open(QIODevice::WriteOnly))
            file.write(contents);
        file.setPermissions(permissions);
    }

    QTemporaryDir root_;
    QProcessEnvironment environment_;
};

QString read(RegistryReader& registry, registry::Root root, const QString& keyPath) {
    quint32 type = registry::kRegSz;
    return ReadRegistryText(registry, root, keyPath, {}, type, {});
}

// GLib's default handler of https, else of http, in environment: "" for none.
QString glibChoice(const QString& gio, QProcessEnvironment environment) {
    environment.insert("GIO_USE_VFS", "local");
    environment.insert("LC_ALL", "C.UTF-8");
    for (const char* scheme : {"x-scheme-handler/https", "x-scheme-handler/http"}) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(gio, {"mime", scheme});
        if (!process.waitForFinished(kStartTimeoutMs))
            return "(gio did not finish)";
        static const QRegularExpression line(QStringLiteral("^Default application for .*: (\\S+)$"),
                                             QRegularExpression::MultilineOption);
        const QRegularExpressionMatch match =
            line.match(QString::fromUtf8(process.readAllStandardOutput()));
        if (match.hasMatch())
            return match.captured(1);
    }
    return {};
}
} // namespace

class TestDefaultBrowser : public QObject {
    Q_OBJECT
private slots:
    void defaultBrowser_data() {
        QTest::addColumn<Files>("files");
        QTest::addColumn<QStringList>("programs"); // executables beside bin/a, bin/b, bin/c
        QTest::addColumn<QString>("desktops");     // $XDG_CURRENT_DESKTOP
        QTest::addColumn<QString>("user");         // HKCU's value: the desktop's choice
        QTest::addColumn<QString>("machine");      // HKLM's: the system folders' choice
        QTest::addColumn<QStringList>("started");  // the arguments received; none: error 53
        QTest::addColumn<QStringList>("glib");     // GLib's user and machine choice, if others

        const Files installed{{"share1/applications/a.desktop", entry("a %u")},
                              {"share1/applications/b.desktop", entry("b %u")},
                              {"share2/applications/c.desktop", entry("c %u")}};
        const auto with = [&](const Files& more) {
            Files files = installed;
            files.insert(more);
            return files;
        };
        const auto row = [](const char* name) { return &QTest::newRow(name); };
        const QStringList none;
        const QStringList same;
        const QString empty;

        // Which list counts, in which order.
        *row("user's default") << with({{"config/mimeapps.list", defaults(https("a.desktop;"))}})
                               << none << empty << "a.desktop" << empty << opens("a") << same;
        *row("desktop-specific list first")
            << with({{"config/mimeapps.list", defaults(https("a.desktop"))},
                     {"config/gnome-mimeapps.list", defaults(https("b.desktop"))},
                     {"config/x-cinnamon-mimeapps.list", defaults(https("c.desktop"))}})
            << none << "X-Cinnamon:GNOME"
            << "c.desktop" << empty << opens("c") << same;
        *row("second desktop's list")
            << with({{"config/mimeapps.list", defaults(https("a.desktop"))},
                     {"config/gnome-mimeapps.list", defaults(https("b.desktop"))}})
            << none << "X-Cinnamon:GNOME"
            << "b.desktop" << empty << opens("b") << same;
        *row("other desktops' lists ignored")
            << with({{"config/mimeapps.list", defaults(https("a.desktop"))},
                     {"config/kde-mimeapps.list", defaults(https("b.desktop"))}})
            << none << "GNOME"
            << "a.desktop" << empty << opens("a") << same;
        *row("desktop-specific lists set only defaults")
            << with({{"config/gnome-mimeapps.list", "[Added Associations]\n" + https("b.desktop")}})
            << none << "GNOME" << empty << empty << none << same;
        *row("user's configuration before the system's")
            << with({{"config/mimeapps.list", defaults(https("b.desktop"))},
                     {"etc1/mimeapps.list", defaults(https("a.desktop"))}})
            << none << empty << "b.desktop"
            << "a.desktop" << opens("b") << same;
        *row("first configuration folder wins")
            << with({{"etc1/mimeapps.list", defaults(https("c.desktop"))},
                     {"etc2/mimeapps.list", defaults(https("a.desktop"))}})
            << none << empty << "c.desktop"
            << "c.desktop" << opens("c") << same;
        *row("system's configuration before the user's data folder")
            << with({{"data/applications/mimeapps.list", defaults(https("a.desktop"))},
                     {"etc2/mimeapps.list", defaults(https("b.desktop"))}})
            << none << empty << "b.desktop"
            << "b.desktop" << opens("b") << same;
        *row("user's data folder before the system's")
            << with({{"data/applications/mimeapps.list", defaults(https("a.desktop"))},
                     {"share2/applications/mimeapps.list", defaults(https("b.desktop"))}})
            << none << empty << "a.desktop"
            << "b.desktop" << opens("a") << same;
        *row("https before http") << with({{"config/mimeapps.list",
                                            defaults("x-scheme-handler/http=a.desktop\n" +
                                                     https("b.desktop"))}})
                                  << none << empty << "b.desktop" << empty << opens("b") << same;
        *row("http when no https")
            << with({{"config/mimeapps.list", defaults("x-scheme-handler/http=a.desktop")}}) << none
            << empty << "a.desktop" << empty << opens("a") << same;
        *row("a data folder's older defaults.list")
            << with({{"share1/applications/defaults.list", defaults(https("a.desktop"))},
                     {"share2/applications/mimeapps.list", defaults(https("c.desktop"))}})
            << none << empty << "a.desktop"
            << "a.desktop" << opens("a") << same;
        *row("a repeated group continues the first; the last of a key counts")
            << with({{"config/mimeapps.list",
                      defaults(https("a.desktop")) + "[Added Associations]\n" + https("c.desktop") +
                          "\n" + defaults(https("gone.desktop") + "\n" + https("b.desktop"))}})
            << none << empty << "b.desktop" << empty << opens("b") << same;
        *row("system's https before the user's http")
            << with({{"config/mimeapps.list", defaults("x-scheme-handler/http=a.desktop")},
                     {"etc1/mimeapps.list", defaults(https("c.desktop"))}})
            << none << empty << "c.desktop"
            << "c.desktop" << opens("c") << same;

        // The first installed application of a list.
        *row("missing entry skipped")
            << with({{"config/mimeapps.list", defaults(https("gone.desktop;b.desktop;"))}}) << none
            << empty << "b.desktop" << empty << opens("b") << same;
        *row("program not installed: next of the list")
            << with({{"config/mimeapps.list", defaults(https("x.desktop;b.desktop;"))},
                     {"share1/applications/x.desktop", entry("keywright-no-such %u")}})
            << none << empty << "b.desktop" << empty << opens("b") << same;
        *row("program not installed: next list")
            << with({{"config/mimeapps.list", defaults(https("x.desktop"))},
                     {"etc1/mimeapps.list", defaults(https("c.desktop"))},
                     {"share1/applications/x.desktop", entry("/keywright/no/such %u")}})
            << none << empty << "c.desktop"
            << "c.desktop" << opens("c") << same;
        *row("TryExec not installed")
            << with({{"config/mimeapps.list", defaults(https("x.desktop;b.desktop"))},
                     {"share1/applications/x.desktop", entry("a %u", "TryExec=keywright-no\n")}})
            << none << empty << "b.desktop" << empty << opens("b") << same;
        *row("TryExec installed, by path")
            << with({{"config/mimeapps.list", defaults(https("x.desktop;b.desktop"))},
                     {"share1/applications/x.desktop", entry("a %u", "TryExec=@ROOT@/bin/c\n")}})
            << none << empty << "x.desktop" << empty << opens("a") << same;
        // A copy whose programs are gone gives way to the same id in the next folder.
        for (const QByteArray& stale : {entry("no-such %u"), entry("a %u", "TryExec=no-such\n")})
            *row(stale.contains("Try") ? "stale copy, TryExec" : "stale copy, Exec")
                << with({{"config/mimeapps.list", defaults(https("b.desktop;c.desktop"))},
                         {"data/applications/b.desktop", stale}})
                << none << empty << "b.desktop" << empty << opens("b") << same;
        *row("D-Bus activatable with a command line")
            << with({{"config/mimeapps.list", defaults(https("x.desktop;b.desktop"))},
                     {"share1/applications/x.desktop", entry("a %u", "DBusActivatable=true\n")}})
            << none << empty << "x.desktop" << empty << opens("a") << same;
        // GLib would start it through D-Bus; this program starts programs only.
        *row("D-Bus activatable without one: differs from GLib")
            << with({{"config/mimeapps.list", defaults(https("x.desktop;b.desktop"))},
                     {"share1/applications/x.desktop",
                      "[Desktop Entry]\nType=Application\nName=X\nDBusActivatable=true\n"}})
            << none << empty << "b.desktop" << empty << opens("b") << QStringList{"x.desktop", ""};
        // Hidden=true means deleted: the user's way to remove a system entry. GLib's default
        // lookup still chooses it (and opens the system's entry); this follows the Desktop
        // Entry standard and the user's intent.
        *row("user deleted the system's entry: differs from GLib")
            << with({{"config/mimeapps.list", defaults(https("a.desktop;b.desktop"))},
                     {"data/applications/a.desktop", entry("a %u", "Hidden=true\n")}})
            << none << empty << "b.desktop" << empty << opens("b") << QStringList{"a.desktop", ""};
        *row("deleted default: differs from GLib")
            << with({{"etc1/mimeapps.list", defaults(https("x.desktop;c.desktop"))},
                     {"share1/applications/x.desktop", entry("a %u", "Hidden=true\n")}})
            << none << empty << "c.desktop"
            << "c.desktop" << opens("c") << QStringList{"x.desktop", "x.desktop"};

        // Associations, when no list sets a default.
        *row("system default before the user's association")
            << with({{"config/mimeapps.list", "[Added Associations]\n" + https("b.desktop")},
                     {"etc1/mimeapps.list", defaults(https("c.desktop"))}})
            << none << empty << "c.desktop"
            << "c.desktop" << opens("c") << same;
        *row("user's association")
            << with({{"config/mimeapps.list",
                      "[Added Associations]\n" + https("gone.desktop;b.desktop")},
                     {"share1/applications/mimeinfo.cache", "[MIME Cache]\n" + https("a.desktop")}})
            << none << empty << "b.desktop"
            << "a.desktop" << opens("b") << same;
        *row("system's desktop database")
            << with({{"share2/applications/mimeinfo.cache",
                      "[MIME Cache]\n" + https("gone.desktop;c.desktop;")}})
            << none << empty << "c.desktop"
            << "c.desktop" << opens("c") << same;
        *row("earlier folder's association before a later database")
            << with({{"etc2/mimeapps.list", "[Added Associations]\n" + https("b.desktop")},
                     {"data/applications/mimeinfo.cache", "[MIME Cache]\n" + https("a.desktop")}})
            << none << empty << "b.desktop"
            << "b.desktop" << opens("b") << same;
        *row("user's removal hides the system's database")
            << with({{"config/mimeapps.list", "[Removed Associations]\n" + https("c.desktop")},
                     {"share2/applications/x.desktop", entry("a %u")},
                     {"share2/applications/mimeinfo.cache",
                      "[MIME Cache]\n" + https("c.desktop;x.desktop")}})
            << none << empty << "x.desktop"
            << "c.desktop" << opens("a") << same;
        *row("a folder's removal hides later folders, not its own database")
            << with({{"share2/applications/mimeapps.list",
                      "[Removed Associations]\n" + https("c.desktop")},
                     {"share2/applications/mimeinfo.cache", "[MIME Cache]\n" + https("c.desktop")}})
            << none << empty << "c.desktop"
            << "c.desktop" << opens("c") << same;
        *row("a folder's database speaks only for its own and later entries")
            << with({{"share2/applications/mimeinfo.cache", "[MIME Cache]\n" + https("a.desktop")}})
            << none << empty << empty << empty << none << same;
        // An empty user's value leaves the machine's choice, as the link lookup reads it: GLib
        // opens nothing where the user removed every association the system offers.
        *row("user removed all the system offers: differs from GLib")
            << with({{"config/mimeapps.list", "[Removed Associations]\n" + https("c.desktop")},
                     {"share2/applications/mimeinfo.cache", "[MIME Cache]\n" + https("c.desktop")}})
            << none << empty << empty << "c.desktop" << opens("c") << QStringList{"", "c.desktop"};
        // A default is used while it is associated: the user's removal takes the system's
        // default away too, as the MIME applications standard has it. GLib applies
        // removals to associations only.
        *row("user's removal hides a system default: differs from GLib")
            << with({{"config/mimeapps.list", "[Removed Associations]\n" + https("c.desktop")},
                     {"etc1/mimeapps.list", defaults(https("c.desktop;b.desktop"))}})
            << none << empty << "b.desktop"
            << "c.desktop" << opens("b") << QStringList{"c.desktop", "c.desktop"};

        // Desktop file ids.
        *row("subfolders in the id")
            << with({{"config/mimeapps.list", defaults(https("vendor-web-x.desktop"))},
                     {"share1/applications/vendor/web/x.desktop", entry("c %u")}})
            << none << empty << "vendor-web-x.desktop" << empty << opens("c") << same;
        *row("ids stay inside the applications folders")
            << with({{"config/mimeapps.list",
                      defaults(https("a-..-..-etc1-x.desktop;../etc1/x.desktop"))},
                     {"share1/applications/a/y.desktop", entry("a")},
                     {"share1/etc1/x.desktop", entry("b %u")}})
            << none << empty << empty << empty << none << same;
        *row("user's entry before the system's")
            << with({{"config/mimeapps.list", defaults(https("b.desktop"))},
                     {"data/applications/b.desktop", entry("c %u")}})
            << none << empty << "b.desktop" << empty << opens("c") << same;
        *row("first data folder's entry")
            << with({{"config/mimeapps.list", defaults(https("x.desktop"))},
                     {"share1/applications/x.desktop", entry("a %u")},
                     {"share2/applications/x.desktop", entry("b %u")}})
            << none << empty << "x.desktop" << empty << opens("a") << same;

        // The command line: the address last, the field codes expanded, arguments quoted.
        *row("options before the address")
            << with({{"config/mimeapps.list", defaults(https("x.desktop"))},
                     {"share1/applications/x.desktop", entry("a --new-window %u")}})
            << none << empty << "x.desktop" << empty << opens("a", {"--new-window"}) << same;
        *row("address code before other arguments: address last")
            << with({{"config/mimeapps.list", defaults(https("x.desktop"))},
                     {"share1/applications/x.desktop", entry("a %U --private")}})
            << none << empty << "x.desktop" << empty << opens("a", {"--private"}) << same;
        *row("icon, name, file and percent")
            << with({{"config/mimeapps.list", defaults(https("x.desktop"))},
                     {"share1/applications/x.desktop",
                      entry("a %i --class=%c %k 100%% %d%D %u", "Icon=web\nName=My $Browser\n")}})
            << none << empty << "x.desktop" << empty
            << opens("a", {"--icon", "web", "--class=My $Browser",
                           "@ROOT@/share1/applications/x.desktop", "100%"})
            << same;
        *row("a command longer than 499 bytes, read whole")
            << with({{"config/mimeapps.list", defaults(https("x.desktop"))},
                     {"share1/applications/x.desktop", entry("a " + QByteArray(600, 'x') + " %u")}})
            << none << empty << "x.desktop" << empty << opens("a", {QString(600, u'x')}) << same;
        *row("no icon: no --icon") << with({{"config/mimeapps.list", defaults(https("x.desktop"))},
                                            {"share1/applications/x.desktop", entry("a %i %u")}})
                                   << none << empty << "x.desktop" << empty << opens("a") << same;
        *row("folder with a space, quoting and escapes")
            << with({{"config/mimeapps.list", defaults(https("x.desktop"))},
                     {"share1/applications/x.desktop",
                      entry("\"@ROOT@/my bin/browser\" \"a \\\\\"b\\\\\" \\\\$c\"\\s'd e' %u")}})
            << QStringList{"my bin/browser"} << empty << "x.desktop" << empty
            << opens("browser", {"a \"b\" $c", "'d", "e'"}) << same;
        *row("terminal: x-terminal-emulator")
            << with({{"config/mimeapps.list", defaults(https("x.desktop"))},
                     {"share1/applications/x.desktop", entry("a -x %u", "Terminal=true\n")}})
            << QStringList{"bin/x-terminal-emulator", "bin/xterm"} << empty << "x.desktop" << empty
            << opens("x-terminal-emulator", {"-e", "@ROOT@/bin/a", "-x"}) << same;
        *row("terminal: the first of the others")
            << with({{"config/mimeapps.list", defaults(https("x.desktop"))},
                     {"share1/applications/x.desktop", entry("a %u", "Terminal=true\n")}})
            << QStringList{"bin/xterm", "bin/gnome-terminal"} << empty << "x.desktop" << empty
            << opens("gnome-terminal", {"--", "@ROOT@/bin/a"}) << same;
        *row("terminal: none to run it in")
            << with({{"config/mimeapps.list", defaults(https("x.desktop"))},
                     {"share1/applications/x.desktop", entry("a %u", "Terminal=true\n")}})
            << none << empty << "x.desktop" << empty << none << same;

        *row("nothing set") << installed << none << empty << empty << empty << none << same;
    }
    void defaultBrowser() {
        QFETCH(Files, files);
        QFETCH(QStringList, programs);
        QFETCH(QString, desktops);
        QFETCH(QString, user);
        QFETCH(QString, machine);
        QFETCH(QStringList, started);
        QFETCH(QStringList, glib);

        const Desktop desktop(files, programs, desktops);
        XdgRegistry registry(desktop.environment());
        QCOMPARE(read(registry, registry::kCurrentUser, kClients), user);
        QCOMPARE(read(registry, registry::kLocalMachine, kClients), machine);

        DetachedProgramStarter starter;
        ListedFileFinder noFiles;
        try {
            OpenWebAddress(PlatformServices{registry, starter, noFiles}, kAddress);
            const QString expected =
                QString::fromUtf8(desktop.withRoot(started.join('\n').toUtf8()));
            QCOMPARE(desktop.received().join('\n'), expected);
        } catch (const runtime::RuntimeError& error) {
            QCOMPARE(error.number(), 53);
            QVERIFY2(started.isEmpty(), "no browser started");
        }

        const QString gio = QStandardPaths::findExecutable("gio");
        if (gio.isEmpty())
            return; // the table alone
        const QStringList ours{user, machine};
        const QStringList theirs{glibChoice(gio, desktop.environment()),
                                 glibChoice(gio, desktop.systemOnly())};
        QCOMPARE(theirs, glib.isEmpty() ? ours : glib);
    }
};

QTEST_GUILESS_MAIN(TestDefaultBrowser)
#include "tst_defaultbrowser.moc"
