#pragma once

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

// A desktop whose default web browser is a script that writes its arguments, one a line, to a
// file: home and system folders in a temporary folder, a mimeapps.list naming the browser, and
// its desktop entry (vendor subfolder, a path with a space, an option before the address).
class FakeBrowser {
public:
    static constexpr int kStartTimeoutMs = 20000; // a wait for a slow machine, not a goal
    static inline const QString kOption = QStringLiteral("--new-window");

    FakeBrowser() {
        browser_ = root_.filePath("fake bin/fake browser");
        received_ = root_.filePath("received.txt");
        const QByteArray received = received_.toUtf8();
        write(browser_, "#!/bin/sh\n"
                        "for argument in \"$@\"; do printf '%s\\n' \"$argument\"; done > \"" +
                            received +
                            ".part\"\n"
                            "mv \"" +
                            received + ".part\" \"" + received + "\"\n");
        QFile::setPermissions(browser_, QFile::ReadOwner | QFile::ExeOwner);
        write(root_.filePath("config/mimeapps.list"),
              "[Default Applications]\nx-scheme-handler/https=fake-browser.desktop\n");
        write(root_.filePath("data/applications/fake/browser.desktop"),
              "[Desktop Entry]\nType=Application\nName=Fake\nExec=\"" + browser_.toUtf8() + "\" " +
                  kOption.toUtf8() + " %u\n");
    }

    bool isValid() const { return root_.isValid(); }
    QString browser() const { return browser_; }
    // A file name under the temporary folder, for things that must not come to exist.
    QString path(const QString& name) const { return root_.filePath(name); }

    QProcessEnvironment environment() const {
        QProcessEnvironment environment;
        environment.insert("HOME", root_.filePath("home"));
        environment.insert("XDG_CONFIG_HOME", root_.filePath("config"));
        environment.insert("XDG_DATA_HOME", root_.filePath("data"));
        environment.insert("XDG_CONFIG_DIRS", root_.filePath("etc"));
        environment.insert("XDG_DATA_DIRS", root_.filePath("share"));
        return environment;
    }

    // Forgets what the browser received so far.
    void reset() { QFile::remove(received_); }

    // The arguments of the browser's last run, once it has run.
    QStringList receivedArguments() const {
        if (!QTest::qWaitFor([&] { return QFileInfo::exists(received_); }, kStartTimeoutMs))
            return {"(the browser did not run)"};
        QFile file(received_);
        if (!file.open(QIODevice::ReadOnly))
            return {"(unreadable)"};
        QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
        lines.removeLast(); // after the last newline
        return lines;
    }

private:
    static void write(const QString& path, const QByteArray& contents) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(contents);
    }

    QTemporaryDir root_;
    QString browser_;
    QString received_;
};
