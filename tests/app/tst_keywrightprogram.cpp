#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

// The keywright executable as a user starts it.
class TestKeywrightProgram : public QObject {
    Q_OBJECT

    static QProcessEnvironment environment() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("KEYWRIGHT_EXIT_AFTER_FIRST_PAINT"));
        env.remove(QStringLiteral("KEYWRIGHT_SCREENSHOT"));
        return env;
    }

    static int run(const QStringList& arguments, const QProcessEnvironment& env, QString* out) {
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(KEYWRIGHT_EXECUTABLE), arguments);
        if (!program.waitForFinished(30000)) {
            program.kill();
            program.waitForFinished();
            return -1;
        }
        if (out)
            *out = QString::fromUtf8(program.readAllStandardOutput());
        return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -2;
    }

private slots:
    // Without any display: a window would fail to start, the answers must not.
    void informationOptionsNeedNoDisplay_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("--version") << "--version"
                                   << "keywright " KEYWRIGHT_TEST_VERSION;
        QTest::newRow("--help") << "--help"
                                << "Usage: keywright [options]";
    }
    void informationOptionsNeedNoDisplay() {
        QFETCH(QString, option);
        QFETCH(QString, firstLine);
        QProcessEnvironment env = environment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        QString out;
        QCOMPARE(run({option}, env, &out), 0);
        QCOMPARE(out.section(QLatin1Char('\n'), 0, 0), firstLine);
    }

    // An answer that cannot be written fails: a closed standard output (which must not be lent
    // to a file the program opens) or a full disk.
    void informationOptionsReportUnwritableOutput_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<bool>("closed");
        QTest::newRow("--version, closed") << "--version" << true;
        QTest::newRow("--version, full") << "--version" << false;
    }
    void informationOptionsReportUnwritableOutput() {
        QFETCH(QString, option);
        QFETCH(bool, closed);
        if (!closed && !QFile::exists(QStringLiteral("/dev/full")))
            QSKIP("no /dev/full on this system");
        QProcess program;
        program.setProcessEnvironment(environment());
        if (closed)
            program.setChildProcessModifier([] { ::close(STDOUT_FILENO); });
        else
            program.setStandardOutputFile(QStringLiteral("/dev/full"));
        program.start(QStringLiteral(KEYWRIGHT_EXECUTABLE), {option});
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        QCOMPARE(program.readAllStandardError(),
                 QByteArray("keywright: cannot write the output\n"));
    }

    // The whole start-up: the window loads, is shown and painted, and the program ends.
    void startsAndPaintsTheWindow() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString picture = dir.filePath(QStringLiteral("window.png"));
        QProcessEnvironment env = environment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("KEYWRIGHT_SCREENSHOT"), picture);
        QCOMPARE(run({}, env, nullptr), 0);
        const QImage image(picture);
        QCOMPARE(image.size(), QSize(399, 269));
    }

    // Offscreen, or on the compositor of the Wayland pass: the real program maps its window and
    // ends by itself there too.
    void exitsAfterTheFirstPaintWhenAsked() {
        QProcessEnvironment env = environment();
        if (env.value(QStringLiteral("QT_QPA_PLATFORM")) != QLatin1String("wayland"))
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("KEYWRIGHT_EXIT_AFTER_FIRST_PAINT"), QStringLiteral("1"));
        QCOMPARE(run({}, env, nullptr), 0);
    }
};

QTEST_GUILESS_MAIN(TestKeywrightProgram)
#include "tst_keywrightprogram.moc"
