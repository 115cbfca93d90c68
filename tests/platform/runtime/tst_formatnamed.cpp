// Named formats: the whole format text names a number or date/time layout, in any case.

#include "tests/platform/runtime/FormatCases.h"

#include "platform/runtime/format/Format.h"

#include <QtTest>

namespace {

constexpr FormatCase kNumbers[] = {
    {"general number", u"1234.567", u"General Number", u"1234.567"},
    {"general number large", u"1234567", u"General Number", u"1234567"},
    {"currency", u"1234.5", u"Currency", u"$1,234.50"},
    {"choice: currency negative follows the locale", u"-1234.5", u"Currency", u"($1,234.50)"},
    {"currency rounds", u"0.125", u"Currency", u"$0.13"},
    {"fixed", u"1234.567", u"Fixed", u"1234.57"},
    {"fixed fraction", u"0.5", u"Fixed", u"0.50"},
    {"fixed negative", u"-5", u"Fixed", u"-5.00"},
    {"standard", u"1234.567", u"Standard", u"1,234.57"},
    {"percent", u"0.5", u"Percent", u"50.00%"},
    {"scientific", u"1234.5", u"Scientific", u"1.23E+03"},
    {"scientific small", u"0.000123", u"Scientific", u"1.23E-04"},
    {"yes/no zero", u"0", u"Yes/No", u"No"},
    {"yes/no non-zero", u"5", u"Yes/No", u"Yes"},
    {"true/false negative", u"-0.5", u"True/False", u"True"},
    {"true/false zero", u"0", u"True/False", u"False"},
    {"on/off zero", u"0", u"on/off", u"Off"},
    {"on/off upper case name", u"2", u"ON/OFF", u"On"},
    {"name in lower case", u"1234.567", u"standard", u"1,234.57"},
    {"a name with more text is a user format", u"5", u"Fixed 0", u"Fixe4 0"},
};

constexpr FormatCase kDates[] = {
    {"general date", u"1/27/1993 17:04:23", u"General Date", u"1/27/1993 5:04:23 PM"},
    {"general date without time", u"1/27/1993", u"General Date", u"1/27/1993"},
    {"general date without date", u"17:04:23", u"General Date", u"5:04:23 PM"},
    {"choice: general date of serial 0", u"0", u"General Date", u"12:00:00 AM"},
    {"long date", u"1/27/1993", u"Long Date", u"Wednesday, January 27, 1993"},
    {"medium date", u"1/27/1993", u"Medium Date", u"27-Jan-93"},
    {"short date", u"1/27/1993", u"Short Date", u"1/27/1993"},
    {"short date of a serial", u"33996", u"Short Date", u"1/27/1993"},
    {"short date keeps four year digits", u"-657434", u"short date", u"1/1/0100"},
    {"long time", u"17:04:23", u"Long Time", u"5:04:23 PM"},
    {"medium time", u"17:04:23", u"Medium Time", u"05:04 PM"},
    {"short time", u"17:04:23", u"Short Time", u"17:04"},
    {"short time leading zero", u"9:05", u"SHORT TIME", u"09:05"},
    {"date format out of range keeps the text", u"3000000", u"Long Date", u"3000000"},
};

} // namespace

class TestFormatNamed : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useUsEnglish(); }

    void numbers_data() { addFormatRows(kNumbers); }
    void numbers() { check(); }

    void dates_data() { addFormatRows(kDates); }
    void dates() { check(); }

private:
    static void check() {
        QFETCH(QString, text);
        QFETCH(QString, format);
        QFETCH(QString, expected);
        QCOMPARE(runtime::Format(text, format), expected);
    }
};

QTEST_GUILESS_MAIN(TestFormatNamed)
#include "tst_formatnamed.moc"
