// Text through the text formats of the format language, and the string operations.

#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/StringOps.h"
#include "platform/runtime/format/Format.h"

#include <QtTest>

class TestTextFormat : public QObject {
    Q_OBJECT
private slots:
    void formats_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("expected");
        QTest::newRow("lower") << "HELLO"
                               << "<"
                               << "hello";
        QTest::newRow("upper") << "This is it"
                               << ">"
                               << "THIS IS IT";
        QTest::newRow("upper with placeholders") << "Hello"
                                                 << ">@@@@@"
                                                 << "HELLO";
        QTest::newRow("@ pads on the left") << "8888888"
                                            << "(@@@)&&&-&&&&"
                                            << "(   )888-8888";
        QTest::newRow("& pads with nothing") << "8888888"
                                             << "(&&&)&&&-&&&&"
                                             << "()888-8888";
        QTest::newRow("first section") << "6666666"
                                       << "(@@@)&&&-&&&&;No Phone"
                                       << "(   )666-6666";
        QTest::newRow("second section for empty") << ""
                                                  << "(@@@)&&&-&&&&;No Phone"
                                                  << "No Phone";
        QTest::newRow("exact fit") << "1234567890abc"
                                   << "(@@@) @@@-@@@@ ext. @@@"
                                   << "(123) 456-7890 ext. abc";
        QTest::newRow("escapes and leftover")
            << "example text"
            << "\\E\\n\\t\\i\\r\\e\\ \\s\\t\\r\\i\\n\\g\\:\\ \\\"@\\\"\\."
            << "Entire string: \"e\".xample text";
        QTest::newRow("right justify") << "$1.50"
                                       << "@@@@@@@"
                                       << "  $1.50";
        QTest::newRow("left to right") << "F"
                                       << "!0&"
                                       << "0F";
        QTest::newRow("right to left fill") << "AB"
                                            << "@-@-@"
                                            << " -A-B";
        QTest::newRow("! fills from the left") << "AB"
                                               << "!@-@-@"
                                               << "A-B- ";
        // Characters outside the basic plane are two UTF-16 units; a placeholder takes both.
        QTest::newRow("surrogate pair per @")
            << QStringLiteral("\U0001F600") << "@-@" << QStringLiteral(" -\U0001F600");
        QTest::newRow("surrogate pairs per &") << QStringLiteral("\U0001F600\U0001F601") << "&-&"
                                               << QStringLiteral("\U0001F600-\U0001F601");
        QTest::newRow("surrogate pair with !")
            << QStringLiteral("\U0001F600x") << "!@-@-@" << QStringLiteral("\U0001F600-x- ");
        QTest::newRow("surrogate pair with >")
            << QStringLiteral("\U00010428a") << ">@-@" << QStringLiteral("\U00010400-A");
        QTest::newRow("leftover after all") << "ABCDE"
                                            << "@-@"
                                            << "A-BCDE";
        QTest::newRow("password groups") << "AB12CD34EF56"
                                         << "@@@@-@@@@-@@@@"
                                         << "AB12-CD34-EF56";
        QTest::newRow("quoted text") << "ab"
                                     << "\"x;y\"@@"
                                     << "x;yab";
        QTest::newRow("escaped section mark") << "ab"
                                              << "@\\;@"
                                              << "a;b";
        QTest::newRow("unterminated quote") << "ab"
                                            << "@@\"tail"
                                            << "abtail";
        QTest::newRow("trailing backslash") << "ab"
                                            << "@@\\"
                                            << "ab";
        QTest::newRow("case applies to literals") << "ab"
                                                  << ">x@@"
                                                  << "XAB";
        QTest::newRow("last case flag wins") << "aB"
                                             << "<>@@"
                                             << "AB";
        QTest::newRow("third section ignored") << "ab"
                                               << "@@;x;y"
                                               << "ab";
        QTest::newRow("empty text, one section") << ""
                                                 << "@@-&&"
                                                 << "  -";
        QTest::newRow("empty text, empty second") << ""
                                                  << "@@;"
                                                  << "";
        QTest::newRow("surrogate pair kept whole")
            << QString::fromUtf16(u"\U0001F511x") << "&&&" << QString::fromUtf16(u"\U0001F511x");
        QTest::newRow("empty format") << "AbC"
                                      << ""
                                      << "AbC";
    }
    void formats() {
        QFETCH(QString, text);
        QFETCH(QString, format);
        QFETCH(QString, expected);
        QCOMPARE(runtime::Format(text, format), expected);
    }

    void weekSettingsOutOfRange_data() {
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("week");
        QTest::newRow("day -1") << -1 << 1;
        QTest::newRow("day 8") << 8 << 1;
        QTest::newRow("week 4") << 1 << 4;
        QTest::newRow("week -1") << 1 << -1;
    }
    void weekSettingsOutOfRange() {
        QFETCH(int, day);
        QFETCH(int, week);
        QVERIFY_THROWS_EXCEPTION(runtime::RuntimeError, runtime::Format("a", "@", day, week));
    }

    // A format far larger than the text stays linear: one output character per literal.
    void thousandsOfPlaceholders() {
        const QString format(5000, u'@');
        const QString result = runtime::Format("abc", format);
        QCOMPARE(result.size(), 5000);
        QVERIFY(result.endsWith("abc"));
        QCOMPARE(runtime::Format(QString(20000, u'x'), "\\-@").size(), 20001);
    }

    void stringOperations() {
        QCOMPARE(runtime::Mid("abcdef", 2, 3), QString("bcd"));
        QCOMPARE(runtime::Mid("abc", 5), QString());
        QVERIFY_THROWS_EXCEPTION(runtime::RuntimeError, runtime::Mid("abc", 0, 1));
        QCOMPARE(runtime::InStr(QString::fromUtf16(u"ab\0cd", 5), QString(QChar(0))), 3);
        QCOMPARE(runtime::InStr("abc", "x"), 0);
        QCOMPARE(runtime::Trim(QString("  \tword  ")), QString("\tword"));
        QCOMPARE(runtime::Chr(65), QChar(u'A'));
        QVERIFY_THROWS_EXCEPTION(runtime::RuntimeError, runtime::Chr(65536));
        QCOMPARE(runtime::Hex(-1), QString("FFFFFFFF"));
        QCOMPARE(runtime::Hex(1296), QString("510"));
    }

    void overwriteClearsOwnedTextOnly() {
        QString secret = QStringLiteral("Secret1");
        secret.detach();
        const QString shared = secret;
        runtime::overwrite(secret); // shared: left alone, the other owner still reads it
        QCOMPARE(shared, QString("Secret1"));
        QCOMPARE(secret, QString("Secret1"));

        QString owned = shared;
        owned.detach();
        runtime::overwrite(owned);
        QCOMPARE(owned, QString(7, QChar(0)));
        QCOMPARE(shared, QString("Secret1"));
        runtime::wipe(owned);
        QVERIFY(owned.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTextFormat)
#include "tst_textformat.moc"
