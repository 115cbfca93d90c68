// keywright-cli's passwords come from the system's generators: with getrandom and OpenSSL's
// RAND_bytes scripted (ScriptedSystemGenerator.cpp, preloaded), a small run prints exactly the
// passwords that the operating system's bytes give and a large run those that OpenSSL's give; a
// generator that fails ends the run with an error and no password.

#include "tests/support/ScriptedRandomBytes.h"

#include <QProcess>
#include <QtTest>

namespace {

float drawFor(int wanted, int upper, int lower) {
    return (float(wanted - lower) + 0.5f) / float(upper - lower + 1);
}
QList<float> digits(const char* text) {
    QList<float> draws;
    for (const char* c = text; *c; ++c)
        draws << drawFor(*c, 57, 48);
    return draws;
}
QList<float> capitals(const char* text) {
    QList<float> draws;
    for (const char* c = text; *c; ++c)
        draws << drawFor(*c, 90, 65);
    return draws;
}
QByteArray hex(const QList<float>& draws) {
    return ScriptedRandomBytes::forValues(draws).toHex();
}

struct Run {
    int exitCode = -1;
    QByteArray out;
    QString errors;
};

Run runCli(const QStringList& arguments, const QByteArray& getrandom, const QByteArray& randBytes) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(KEYWRIGHT_SCRIPTED_GENERATOR));
    // A sanitized build checks that its runtime comes first among the libraries; the preloaded
    // one comes before it here, on purpose.
    const QString asan = environment.value(QStringLiteral("ASAN_OPTIONS"));
    environment.insert(QStringLiteral("ASAN_OPTIONS"),
                       asan + (asan.isEmpty() ? "" : ":") + "verify_asan_link_order=0");
    environment.insert(QStringLiteral("KEYWRIGHT_TEST_GETRANDOM"), QString::fromLatin1(getrandom));
    environment.insert(QStringLiteral("KEYWRIGHT_TEST_RAND_BYTES"), QString::fromLatin1(randBytes));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(KEYWRIGHT_CLI_PATH), arguments);
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.errors = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace

class TestCliGenerator : public QObject {
    Q_OBJECT
private slots:
    // Small runs: the operating system's bytes, all of them asked for at once (a request for
    // more than the run needs would run past the script and fail); OpenSSL is never asked.
    void smallRunsTakeTheOperatingSystemsBytes_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("one password of digits")
            << QStringList{"-l", "8", "-t", "digits", "-c", "upper"} << hex(digits("20261208"))
            << QByteArray("20261208\n");
        QTest::newRow("three passwords of small letters")
            << QStringList{"-l", "4", "-t", "letters", "-c", "lower", "-n", "3"}
            << hex(capitals("KEYSWORDPASS")) << QByteArray("keys\nword\npass\n");
    }
    void smallRunsTakeTheOperatingSystemsBytes() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, expected);
        const Run run = runCli(arguments, bytes, "fail");
        QCOMPARE(run.errors, QString());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, expected);
    }

    // A run beyond what one request of the operating system's generator serves well takes
    // OpenSSL's bytes; the operating system's generator is not asked.
    void largeRunsTakeOpenSslsBytes() {
        const int count = 25000; // 25,000 x 16 digits x 3 bytes: above the one-request limit
        const Run run =
            runCli({"-l", "16", "-t", "digits", "-c", "upper", "-n", QString::number(count)},
                   "fail", hex(digits("0123456789012345")) + '*');
        QCOMPARE(run.errors, QString());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QByteArray("0123456789012345\n").repeated(count));
    }

    // No bytes, no password: an error on standard error and a failing status.
    void failingGeneratorGivesNoPassword_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("small run") << QStringList{"-l", "16"};
        QTest::newRow("large run") << QStringList{"-l", "16", "-n", "100000"};
    }
    void failingGeneratorGivesNoPassword() {
        QFETCH(QStringList, arguments);
        const Run run = runCli(arguments, "fail", "fail");
        QVERIFY(run.exitCode > 0);
        QCOMPARE(run.out, QByteArray());
        QVERIFY2(run.errors.contains(QStringLiteral("random generator")), qPrintable(run.errors));
        QCOMPARE(run.errors.count(u'\n'), 1);
    }
};

QTEST_GUILESS_MAIN(TestCliGenerator)
#include "tst_cligenerator.moc"
