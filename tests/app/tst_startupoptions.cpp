#include "app/StartupOptions.h"

#include <QtTest>

class TestStartupOptions : public QObject {
    Q_OBJECT

private slots:
    void informationOptionsAnswerWithoutStarting_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("answered");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("no arguments") << QStringList{"keywright"} << false << "";
        QTest::newRow("--version")
            << QStringList{"keywright", "--version"} << true << "keywright " KEYWRIGHT_TEST_VERSION;
        QTest::newRow("-v") << QStringList{"keywright", "-v"} << true
                            << "keywright " KEYWRIGHT_TEST_VERSION;
        QTest::newRow("--help") << QStringList{"keywright", "--help"} << true
                                << "Usage: keywright [options]";
        QTest::newRow("-h") << QStringList{"keywright", "-h"} << true
                            << "Usage: keywright [options]";
        QTest::newRow("after a Qt option")
            << QStringList{"keywright", "-platform", "offscreen", "--version"} << true
            << "keywright " KEYWRIGHT_TEST_VERSION;
        QTest::newRow("Qt options only")
            << QStringList{"keywright", "-platform", "offscreen"} << false << "";
        QTest::newRow("the program name is no option") << QStringList{"--version"} << false << "";
    }
    void informationOptionsAnswerWithoutStarting() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, answered);
        QFETCH(QString, firstLine);
        QString printed;
        QTextStream out(&printed);
        const std::optional<int> exitCode = app::answerInformationOptions(arguments, out);
        out.flush();
        QCOMPARE(exitCode.has_value(), answered);
        if (answered) {
            QCOMPARE(*exitCode, 0);
            QCOMPARE(printed.section(QLatin1Char('\n'), 0, 0), firstLine);
            QVERIFY(printed.endsWith(QLatin1Char('\n')));
        } else {
            QVERIFY(printed.isEmpty());
        }
    }

    void helpNamesBothOptions() {
        QString printed;
        QTextStream out(&printed);
        app::answerInformationOptions({"keywright", "--help"}, out);
        out.flush();
        QVERIFY(printed.contains(QLatin1String("--version")));
        QVERIFY(printed.contains(QLatin1String("--help")));
        QVERIFY(printed.contains(QLatin1String("Norvik Password Generator")));
    }
};

QTEST_GUILESS_MAIN(TestStartupOptions)
#include "tst_startupoptions.moc"
