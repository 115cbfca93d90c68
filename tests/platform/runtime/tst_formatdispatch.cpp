// Which formatting a text gets: text formats take the raw text, numeric and date formats take
// the number or date/time the text reads as, anything else comes back unchanged; Format with no
// format at all; and bad input that must give a result or a run-time error in bounded time.

#include "tests/platform/runtime/FormatCases.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/format/Format.h"

#include <QProcess>
#include <QtTest>

namespace {

constexpr FormatCase kDispatch[] = {
    {"number text padded", u"2", u"00", u"02"},
    {"number text with zeros", u"41", u"0000", u"0041"},
    {"5A is 5 AM under zeros", u"5A", u"00", u"00"},
    {"5A under four zeros", u"5A", u"0000", u"0000"},
    {"4A under four zeros", u"4A", u"0000", u"0000"},
    {"5A under an hour format", u"5A", u"hh", u"05"},
    {"5P under an hour format", u"5P", u"h AM/PM", u"5 PM"},
    {"5A as a fraction of a day", u"5A", u"0.0000", u"0.2083"},
    {"4B is neither", u"4B", u"0000", u"4B"},
    {"F is neither", u"F", u"00", u"F"},
    {"empty text under a numeric format", u"", u"0", u""},
    {"hexadecimal text", u"&H5A", u"00", u"90"},
    {"eight hex digits are signed", u"&HFFFFF060", u"0", u"-4000"},
    {"four hex digits are not", u"&HF060", u"0", u"61536"},
    {"date text under a numeric format", u"1/27/1993", u"0", u"33996"},
    {"date text under Yes/No", u"5A", u"Yes/No", u"Yes"},
    {"currency text", u"$14.20", u"0.0", u"14.2"},
    {"grouped text", u"1,000", u"0", u"1000"},
    {"parenthesised negative", u"(5)", u"0;(0)", u"(5)"},
    {"choice: number beyond the double range is kept", u"1E10000", u"0", u"1E10000"},
    {"text format takes the raw text", u"12", u"@@@@", u"  12"},
    {"text format keeps number text as it is", u"$1.50", u"@@@@@@@", u"  $1.50"},
    {"text format beats digits", u"F", u"!0&", u"0F"},
    {"empty format", u"5", u"", u"5"},
    {"empty format keeps any text", u"aBc", u"", u"aBc"},
};

constexpr FormatCase kNoFormat[] = {
    {"hexadecimal text", u"&h000510", u"", u"1296"},
    {"whole number", u"5", u"", u"5"},
    {"negative", u"-5", u"", u"-5"},
    {"fraction keeps its zero", u"0.5", u"", u"0.5"},
    {"23", u"23", u"", u"23"},
    {"top bit set", u"&HFFFFFFFF", u"", u"-1"},
    {"grouping dropped", u"1,000", u"", u"1000"},
    {"blanks dropped", u" 5 ", u"", u"5"},
    {"currency dropped", u"$14.20", u"", u"14.2"},
    {"other text unchanged", u"ABC", u"", u"ABC"},
    {"choice: date text unchanged", u"1/27/1993", u"", u"1/27/1993"},
    {"choice: 5A unchanged", u"5A", u"", u"5A"},
    {"choice: 15 significant digits", u"0.30000000000000004", u"", u"0.3"},
    {"choice: largest fixed", u"999999999999999", u"", u"999999999999999"},
    {"choice: 1E+15 in scientific", u"1234567890123456", u"", u"1.23456789012346E+15"},
    {"choice: 1E-05 fixed", u"0.00001", u"", u"0.00001"},
    {"choice: below 1E-05 scientific", u"0.0000015", u"", u"1.5E-06"},
    {"choice: huge in scientific", u"1E300", u"", u"1E+300"},
    {"choice: beyond the double range unchanged", u"1E10000", u"", u"1E10000"},
};

} // namespace

class TestFormatDispatch : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useUsEnglish(); }

    void dispatch_data() { addFormatRows(kDispatch); }
    void dispatch() {
        QFETCH(QString, text);
        QFETCH(QString, format);
        QFETCH(QString, expected);
        QCOMPARE(runtime::Format(text, format), expected);
    }

    void noFormat_data() { addFormatRows(kNoFormat); }
    void noFormat() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(runtime::Format(text), expected);
    }

    // Numbers are read and written with the user's decimal and grouping separators.
    void locale() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(runtime::Format(QStringLiteral("1234,5"), QStringLiteral("#,##0.00")),
                 QStringLiteral("1.234,50"));
        QCOMPARE(runtime::Format(QStringLiteral("0,5")), QStringLiteral("0,5"));
        useUsEnglish();
    }

    // Hostile formats and texts end with a result of bounded size, or a run-time error.
    void badInput_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("format");
        const QString quotes = QString(2000, u'"');
        const QString escapes = QString(4001, u'\\');
        QTest::newRow("thousands of placeholders") << "123" << QString(20000, u'#');
        QTest::newRow("thousands of quotes") << "5" << quotes + "0";
        QTest::newRow("thousands of escapes") << "5" << escapes + "0";
        QTest::newRow("nested quotes and escapes") << "5" << QString("\"\\\"\\").repeated(3000);
        QTest::newRow("unterminated quote") << "5"
                                            << "0\"" + QString(5000, u'd');
        QTest::newRow("thousands of sections") << "-5" << QString(";").repeated(5000);
        QTest::newRow("thousands of date fields") << "5A" << QString("dddddd").repeated(2000);
        QTest::newRow("300-digit number") << QString(300, u'9') << "#,##0.00";
        QTest::newRow("huge exponent text") << "1E10000"
                                            << "0.0E+0";
        QTest::newRow("tiny exponent text") << "1E-10000"
                                            << "0.0E+0";
        QTest::newRow("long date-like text") << QString("1/").repeated(5000) + "1993"
                                             << "dd";
        QTest::newRow("long time-like text") << QString("1:").repeated(5000) << "hh";
        QTest::newRow("long number text") << QString(100000, u'1') << "0";
        QTest::newRow("control characters") << QString(QChar(0)) + "5" << QString(QChar(0));
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QString(QChar(0xDC00));
    }
    void badInput() {
        QFETCH(QString, text);
        QFETCH(QString, format);
        try {
            const QString result = runtime::Format(text, format);
            // "c" alone prints a whole date and time: a few dozen characters per format
            // character at most, plus the text and a double's 309 digits.
            QVERIFY2(result.size() <= text.size() + 64 * format.size() + 1000,
                     qPrintable(QString::number(result.size())));
        } catch (const runtime::RuntimeError& error) {
            QVERIFY(error.number() > 0);
        }
    }

    // keywright-cli format goes through the same Format.
    void commandLine() {
#ifdef KEYWRIGHT_CLI_PATH
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
        environment.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(KEYWRIGHT_CLI_PATH),
                      {QStringLiteral("format"), QStringLiteral("5A"), QStringLiteral("hh")});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()).trimmed(),
                 QStringLiteral("05"));
#else
        QSKIP("keywright-cli is not part of this build");
#endif
    }
};

QTEST_GUILESS_MAIN(TestFormatDispatch)
#include "tst_formatdispatch.moc"
