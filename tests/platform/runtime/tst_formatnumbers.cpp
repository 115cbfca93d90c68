// Numbers through numeric formats: placeholders, sections, grouping, scaling, rounding,
// scientific notation, and the bounds on what a huge value or format can print.

#include "tests/platform/runtime/FormatCases.h"

#include "platform/runtime/format/Format.h"

#include <QtTest>

namespace {

// Rows marked "choice" pin a point the format language leaves open (see FormatChoices.h).
constexpr FormatCase kPlaceholders[] = {
    {"grouping and decimals", u"5459.4", u"##,##0.00", u"5,459.40"},
    {"no grouping", u"334.9", u"###0.00", u"334.90"},
    {"0 positive", u"5", u"0", u"5"},
    {"0 negative", u"-5", u"0", u"-5"},
    {"0 rounds half up", u"0.5", u"0", u"1"},
    {"0.00 positive", u"5", u"0.00", u"5.00"},
    {"0.00 negative", u"-5", u"0.00", u"-5.00"},
    {"0.00 fraction", u"0.5", u"0.00", u"0.50"},
    {"#,##0 positive", u"5", u"#,##0", u"5"},
    {"#,##0 negative", u"-5", u"#,##0", u"-5"},
    {"#,##0 fraction", u"0.5", u"#,##0", u"1"},
    {"# of zero is empty", u"0", u"#", u""},
    {"#.## keeps the point", u"5", u"#.##", u"5."},
    {"#.## below one", u"0.5", u"#.##", u".5"},
    {"more digits than placeholders", u"1234567", u"0", u"1234567"},
    {"leading zeros", u"123", u"00000", u"00123"},
    {"grouping of padded zeros", u"5", u"0,000", u"0,005"},
    {"grouping of a long number", u"1234567.891", u"#,##0.00", u"1,234,567.89"},
    {"comma position does not matter", u"1234567", u"#0,0", u"1,234,567"},
    {"# after 0 in the fraction", u"1.5", u"0.0#", u"1.5"},
    {"# in the fraction shows digits", u"1.25", u"0.0#", u"1.25"},
    {"0 after # in the fraction", u"1.5", u"0.#0", u"1.50"},
    {"fraction beyond a double's digits", u"0.1", u"0.000000000000000000000000",
     u"0.100000000000000000000000"},
    {"no digits beyond the shortest form", u"123456789012345678", u"0", u"123456789012345680"},
    {"percent", u"5", u"0.00%", u"500.00%"},
    {"percent whole", u"5", u"0%", u"500%"},
    {"percent negative", u"-5", u"0%", u"-500%"},
    {"percent fraction", u"0.5", u"0%", u"50%"},
    {"choice: percent multiplies once", u"0.5", u"0%%", u"50%%"},
    {"scaling by millions", u"100000000", u"##0,,", u"100"},
    {"scaling rounds", u"1900000", u"0,,", u"2"},
    {"scaling before the point", u"1900000", u"0,,.0", u"1.9"},
    {"grouping and scaling", u"1234567890", u"#,##0,,", u"1,235"},
    {"choice: comma before placeholders prints nothing", u"5", u",0", u"5"},
    {"choice: second point is literal", u"1.5", u"0.0.0", u"1.5.0"},
    {"dollar", u"0.075", u"$#.###", u"$.075"},
    {"escaped #", u"19", u"\\####\\#", u"#19#"},
    {"quoted text", u"5", u"\"Total: \"0", u"Total: 5"},
    {"unterminated quote", u"5", u"0\" left", u"5 left"},
    {"literal characters", u"5", u"(0) $-+", u"(5) $-+"},
    {"choice: colon and slash are literal", u"3", u"0:00/0", u"0:00/3"},
    {"rounding half away from zero", u"2.5", u"0", u"3"},
    {"rounding half away from zero negative", u"-2.5", u"0", u"-3"},
    {"rounding carries", u"9.996", u"0.00", u"10.00"},
    {"rounding carries into grouping", u"999999.5", u"#,##0", u"1,000,000"},
};

constexpr FormatCase kScientific[] = {
    {"E+ positive", u"5", u"0.00E+00", u"5.00E+00"},
    {"E+ negative", u"-5", u"0.00E+00", u"-5.00E+00"},
    {"E+ fraction", u"0.5", u"0.00E+00", u"5.00E-01"},
    {"E- positive", u"5", u"0.00E-00", u"5.00E00"},
    {"E- negative", u"-5", u"0.00E-00", u"-5.00E00"},
    {"E- fraction", u"0.5", u"0.00E-00", u"5.00E-01"},
    {"lower case e", u"123456", u"0.0e-0", u"1.2e5"},
    {"zero", u"0", u"0.00E+00", u"0.00E+00"},
    {"mantissa carries into the exponent", u"9.999", u"0.00E+00", u"1.00E+01"},
    {"exponent wider than its placeholders", u"1E300", u"0.0E+0", u"1.0E+300"},
    {"tiny value", u"1E-300", u"0.0E+0", u"1.0E-300"},
    {"choice: every whole placeholder is filled", u"12345", u"00.00E+00", u"12.35E+03"},
    {"choice: no whole placeholder", u"12345", u".00E+00", u".12E+05"},
    {"choice: # counts towards the exponent width", u"5", u"0E+##", u"5E+00"},
    {"E without a sign is a literal", u"5", u"0E0", u"0E5"},
    {"second exponent is literal", u"5", u"0E+0E+0", u"5E+0E+0"},
};

constexpr FormatCase kSections[] = {
    {"two sections positive", u"5", u"$#,##0;($#,##0)", u"$5"},
    {"two sections negative", u"-5", u"$#,##0;($#,##0)", u"($5)"},
    {"two sections fraction", u"0.5", u"$#,##0;($#,##0)", u"$1"},
    {"two sections decimals positive", u"5", u"$#,##0.00;($#,##0.00)", u"$5.00"},
    {"two sections decimals negative", u"-5", u"$#,##0.00;($#,##0.00)", u"($5.00)"},
    {"two sections decimals fraction", u"0.5", u"$#,##0.00;($#,##0.00)", u"$0.50"},
    {"two sections zero uses the first", u"0", u"0.0;(0.0)", u"0.0"},
    {"zero section", u"0", u"$#,##0;;\\Z\\e\\r\\o", u"Zero"},
    {"empty negative section adds a minus", u"-5", u"$#,##0;;\\Z\\e\\r\\o", u"-$5"},
    {"empty negative section, two sections", u"-5", u"0;", u"-5"},
    {"empty zero section borrows the first", u"0", u"0.0;(0);", u"0.0"},
    {"third section only for exact zero", u"0.001", u"0.0;(0.0);zero", u"0.0"},
    {"choice: negative rounding to zero keeps its sign", u"-0.001", u"0.00", u"-0.00"},
    {"choice: negative rounding to zero keeps its section", u"-0.001", u"0.00;(0.00)", u"(0.00)"},
    {"choice: the Null section is never used", u"", u"0;0;0;\\N\\u\\l\\l", u""},
    {"choice: sections after the fourth are ignored", u"-5", u"0;(0);z;n;x", u"(5)"},
    {"semicolon in quotes", u"-5", u"0\";\"0", u"-0;5"},
    {"escaped semicolon", u"-5", u"0\\;0", u"-0;5"},
};

} // namespace

class TestFormatNumbers : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useUsEnglish(); }

    void placeholders_data() { addFormatRows(kPlaceholders); }
    void placeholders() { check(); }

    void scientific_data() { addFormatRows(kScientific); }
    void scientific() { check(); }

    void sections_data() { addFormatRows(kSections); }
    void sections() { check(); }

    // Huge values and formats print what the double holds and what the format asks for, no
    // more: the length is bounded by the value's 309 digits plus the format's own length.
    void bounds_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("1E300 whole") << "1E300"
                                     << "0"
                                     << "^10{300}$";
        QTest::newRow("1E300 grouped") << "1E300"
                                       << "#,##0"
                                       << "^1(,000){100}$";
        QTest::newRow("largest double as percent") << "1.7976931348623157E308"
                                                   << "0%"
                                                   << "^17976931348623157"
                                                      "0{294}%$";
        QTest::newRow("tiny value") << "1E-300"
                                    << "0.0"
                                    << "^0\\.0$";
        QTest::newRow("300 digits") << QString(300, u'7') << "0"
                                    << "^7{15}80{284}$";
        QTest::newRow("thousands of placeholders") << "5" << QString(5000, u'0') << "^0{4999}5$";
        QTest::newRow("thousands of fraction places") << "0.5"
                                                      << "0." + QString(5000, u'#') << "^0\\.5$";
        QTest::newRow("thousands of scaling commas") << "5"
                                                     << "0" + QString(10000, u',') << "^0$";
        QTest::newRow("thousands of percents") << "5"
                                               << "0" + QString(10000, u'%') << "^500%{10000}$";
        QTest::newRow("wide exponent") << "5"
                                       << "0.0E+" + QString(3000, u'0') << "^5\\.0E\\+0{3000}$";
        QTest::newRow("exponent placeholders before the value")
            << "1E-300" << QString(400, u'0') + "E+0"
            << "^10{399}E-699$";
    }
    void bounds() {
        QFETCH(QString, text);
        QFETCH(QString, format);
        QFETCH(QString, pattern);
        const QString result = runtime::Format(text, format);
        QVERIFY2(QRegularExpression(pattern).match(result).hasMatch(),
                 qPrintable(result.left(200)));
    }

private:
    static void check() {
        QFETCH(QString, text);
        QFETCH(QString, format);
        QFETCH(QString, expected);
        QCOMPARE(runtime::Format(text, format), expected);
    }
};

QTEST_GUILESS_MAIN(TestFormatNumbers)
#include "tst_formatnumbers.moc"
