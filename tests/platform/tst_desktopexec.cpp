// Command lines as desktop entries write them: splitting into arguments. (Field codes and
// quoting: the command lines of tst_defaultbrowser.)

#include "platform/xdg/DesktopExec.h"

#include <QtTest>

using namespace platform;

class TestDesktopExec : public QObject {
    Q_OBJECT
private slots:
    void splits_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("arguments");

        QTest::newRow("program") << "firefox" << QStringList{"firefox"};
        QTest::newRow("arguments") << "firefox --new-window https://h/"
                                   << QStringList{"firefox", "--new-window", "https://h/"};
        QTest::newRow("runs of spaces and tabs") << "  a  b\tc  " << QStringList{"a", "b", "c"};
        QTest::newRow("quoted program with spaces")
            << "\"/opt/My Browser/browser\" -x" << QStringList{"/opt/My Browser/browser", "-x"};
        QTest::newRow("escapes inside quotes") << "\"say \\\"hi\\\" \\`x\\` \\$HOME \\\\ done\""
                                               << QStringList{"say \"hi\" `x` $HOME \\ done"};
        QTest::newRow("other backslashes inside quotes kept")
            << "\"a\\nb\\q\"" << QStringList{"a\\nb\\q"};
        QTest::newRow("backslash outside quotes literal")
            << "a\\ b\\\"c" << QStringList{"a\\", "b\\\"c"};
        QTest::newRow("shell syntax is plain text")
            << "prog ;rm -rf x && $(touch y) `id` | z > w < v & ~ * ? # $HOME"
            << QStringList{"prog", ";rm", "-rf", "x", "&&", "$(touch", "y)", "`id`", "|", "z",
                           ">",    "w",   "<",   "v", "&",  "~",       "*",  "?",    "#", "$HOME"};
        QTest::newRow("single quotes do not quote")
            << "prog 'a b'" << QStringList{"prog", "'a", "b'"};
        QTest::newRow("quotes inside a word are literal")
            << "prog q=\"a b\"" << QStringList{"prog", "q=\"a", "b\""};
        QTest::newRow("text after a closing quote joins the argument")
            << "\"a b\"c d" << QStringList{"a bc", "d"};
        QTest::newRow("empty quoted argument") << "prog \"\"" << QStringList{"prog", ""};
        QTest::newRow("field codes are not expanded")
            << "prog %u %%" << QStringList{"prog", "%u", "%%"};
        QTest::newRow("empty") << "" << QStringList();
        QTest::newRow("blank") << "   " << QStringList();
    }
    void splits() {
        QFETCH(QString, line);
        QFETCH(QStringList, arguments);
        const std::optional<QStringList> split = splitExecLine(line);
        QVERIFY(split);
        QCOMPARE(*split, arguments);
    }

    void unclosedQuoteIsRejected_data() {
        QTest::addColumn<QString>("line");
        QTest::newRow("argument") << "prog \"abc";
        QTest::newRow("escaped closing quote") << "prog \"abc\\\"";
        QTest::newRow("program") << "\"";
    }
    void unclosedQuoteIsRejected() {
        QFETCH(QString, line);
        QVERIFY(!splitExecLine(line));
    }
};

QTEST_GUILESS_MAIN(TestDesktopExec)
#include "tst_desktopexec.moc"
