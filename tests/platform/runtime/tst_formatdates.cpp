// Dates and times: serial numbers through date/time formats, week settings, and text read as a
// date or a time.

#include "tests/platform/runtime/FormatCases.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/format/Format.h"

#include <QtTest>

namespace {

// 1993-01-27 (a Wednesday) 17:04:23 unless a row says otherwise.
constexpr const char16_t* kMoment = u"1/27/1993 17:04:23";

constexpr FormatCase kFields[] = {
    {"h:m:s", u"17:04:23", u"h:m:s", u"17:4:23"},
    {"hh:mm:ss AMPM", u"17:04:23", u"hh:mm:ss AMPM", u"05:04:23 PM"},
    {"day names", u"1/27/1993", u"dddd, mmm d yyyy", u"Wednesday, Jan 27 1993"},
    {"serial 4 upper case", u"4", u"MMMM", u"January"},
    {"serial 2", u"2", u"mm/dd/yyyy", u"01/01/1900"},
    {"negative serial adds the time forward", u"-2.5", u"mm/dd/yyyy hh:nn", u"12/28/1899 12:00"},
    {"negative fraction", u"-0.75", u"mm/dd/yyyy hh:nn", u"12/30/1899 18:00"},
    {"-0.25 and 0.25 are one moment", u"-0.25", u"mm/dd/yyyy hh:nn", u"12/30/1899 06:00"},
    {"h:mm", u"1/5/2020 9:05:07", u"h:mm", u"9:05"},
    {"hh:nn:ss", u"1/5/2020 9:05:07", u"hh:nn:ss", u"09:05:07"},
    {"escaped q", u"1/5/2020 9:05:07", u"yyyy\\Qq", u"2020Q1"},
    {"d", kMoment, u"d", u"27"},
    {"dd of a one-digit day", u"1/5/2020", u"dd", u"05"},
    {"ddd", kMoment, u"ddd", u"Wed"},
    {"ddddd", kMoment, u"ddddd", u"1/27/1993"},
    {"dddddd", kMoment, u"dddddd", u"Wednesday, January 27, 1993"},
    {"aaaa", kMoment, u"aaaa", u"Wednesday"},
    {"oooo", kMoment, u"oooo", u"January"},
    {"w", kMoment, u"w", u"4"},
    {"ww", kMoment, u"ww", u"5"},
    {"m", kMoment, u"m", u"1"},
    {"mm", kMoment, u"mm", u"01"},
    {"mmm", kMoment, u"mmm", u"Jan"},
    {"q", u"11/5/2020", u"q", u"4"},
    {"y is the day of the year", kMoment, u"y", u"27"},
    {"yy", kMoment, u"yy", u"93"},
    {"yy of 2005", u"1/5/2005", u"yy", u"05"},
    {"yyyy", kMoment, u"yyyy", u"1993"},
    {"n nn s ss", u"9:05:07", u"n nn s ss", u"5 05 7 07"},
    {"c with date and time", kMoment, u"c", u"1/27/1993 5:04:23 PM"},
    {"c date only", u"1/27/1993", u"c", u"1/27/1993"},
    {"c time only", u"17:04:23", u"c", u"5:04:23 PM"},
    {"ttttt", kMoment, u"ttttt", u"5:04:23 PM"},
    {"upper case letters", kMoment, u"DD/MM/YYYY HH:NN", u"27/01/1993 17:04"},
    {"escapes and quotes", kMoment, u"\\d\\a\\y d \"of\" mmmm", u"day 27 of January"},
    {"unterminated quote", kMoment, u"d \"days", u"27 days"},
};

constexpr FormatCase kClock[] = {
    {"AM/PM evening", kMoment, u"h AM/PM", u"5 PM"},
    {"am/pm keeps its case", kMoment, u"h am/pm", u"5 pm"},
    {"A/P", kMoment, u"h A/P", u"5 P"},
    {"a/p", kMoment, u"h a/p", u"5 p"},
    {"mixed case marker as written", u"9:00", u"h Am/pM", u"9 Am"},
    {"AMPM locale text", u"9:00", u"hAMPM", u"9AM"},
    {"half past midnight", u"0:30", u"hh:nn AMPM", u"12:30 AM"},
    {"noon", u"12:00", u"h AM/PM", u"12 PM"},
    {"one minute before noon", u"11:59", u"h:nn AM/PM", u"11:59 AM"},
    {"24-hour without a marker", u"0:30", u"hh:nn", u"00:30"},
    {"m after h is minutes", kMoment, u"h:m", u"17:4"},
    {"choice: mm after hh through text is minutes", kMoment, u"hh mm", u"17 04"},
    {"choice: mm before seconds is minutes", kMoment, u"mm:ss", u"04:23"},
    {"mm before a day is the month", kMoment, u"mm/dd", u"01/27"},
    {"mmm after h is the month", kMoment, u"h mmm", u"17 Jan"},
    {"seconds round to the nearest", u"0.00001157", u"hh:nn:ss", u"00:00:01"},
    {"choice: rounding past midnight moves the date", u"0.99999999", u"mm/dd/yyyy hh:nn:ss",
     u"12/31/1899 00:00:00"},
};

constexpr FormatCase kChoices[] = {
    {"choice: bare t a p o print as they are", kMoment, u"d o t p", u"27 o t p"},
    {"choice: a run longer than a field splits", kMoment, u"ddddddd",
     u"Wednesday, January 27, 199327"},
    {"choice: yyy is yy then y", kMoment, u"yyy", u"9327"},
    {"choice: digits print as they are", kMoment, u"d0#", u"270#"},
    {"sections pick by sign", u"-1", u"dd;\\n\\e\\g", u"neg"},
    {"date section gets no minus", u"-1", u"yyyy-mm-dd", u"1899-12-29"},
    {"first serial", u"-657434", u"yyyy-mm-dd", u"100-01-01"},
    {"last serial", u"2958465.5", u"yyyy-mm-dd hh:nn", u"9999-12-31 12:00"},
    {"choice: after the last serial the text is kept", u"2958466", u"yyyy", u"2958466"},
    {"choice: before the first serial the text is kept", u"-657435", u"yyyy", u"-657435"},
    {"choice: last second rounding past the end keeps the text", u"2958465.999999999", u"yyyy",
     u"2958465.999999999"},
};

// Text read as a date or a time: the moment it stands for, or the text unchanged.
constexpr FormatCase kReading[] = {
    {"hour with A", u"5A", u"", u"1899-12-30 05:00:00"},
    {"hour with PM after a blank", u"5 PM", u"", u"1899-12-30 17:00:00"},
    {"12A is midnight", u"12a", u"", u"1899-12-30 00:00:00"},
    {"12P is noon", u"12P", u"", u"1899-12-30 12:00:00"},
    {"hours and minutes", u"17:04", u"", u"1899-12-30 17:04:00"},
    {"hours minutes seconds", u"17:04:23", u"", u"1899-12-30 17:04:23"},
    {"time with pm", u"5:04:23 pm", u"", u"1899-12-30 17:04:23"},
    {"numeric date", u"1/27/1993", u"", u"1993-01-27 00:00:00"},
    {"two-digit year", u"1/27/93", u"", u"1993-01-27 00:00:00"},
    {"choice: 29 is 2029", u"1/27/29", u"", u"2029-01-27 00:00:00"},
    {"choice: 30 is 1930", u"1/27/30", u"", u"1930-01-27 00:00:00"},
    {"year first", u"1993-01-27", u"", u"1993-01-27 00:00:00"},
    {"month name first", u"January 27, 1993", u"", u"1993-01-27 00:00:00"},
    {"medium date", u"27-Jan-93", u"", u"1993-01-27 00:00:00"},
    {"short month name", u"Jan 27 1993", u"", u"1993-01-27 00:00:00"},
    {"long date with weekday", u"Wednesday, January 27, 1993", u"", u"1993-01-27 00:00:00"},
    {"letters and digits run together", u"27JAN93", u"", u"1993-01-27 00:00:00"},
    {"date and time", u"1/27/1993 5:04 PM", u"", u"1993-01-27 17:04:00"},
    {"blanks around", u"  17:04  ", u"", u"1899-12-30 17:04:00"},
    {"early date", u"12/28/1899 12:00", u"", u"1899-12-28 12:00:00"},
    {"not a marker", u"4B", u"", u"4B"},
    {"hour out of range", u"25:00", u"", u"25:00"},
    {"13 with a marker", u"13P", u"", u"13P"},
    {"minutes out of range", u"10:70", u"", u"10:70"},
    {"no such day", u"2/30/1993", u"", u"2/30/1993"},
    {"choice: no year is not read", u"1/27", u"", u"1/27"},
    {"unknown month", u"Foo 27, 1993", u"", u"Foo 27, 1993"},
    {"unknown marker", u"1/27/1993 5:04 XM", u"", u"1/27/1993 5:04 XM"},
    {"year beyond 9999", u"1/1/10000", u"", u"1/1/10000"},
    {"year below 100", u"1/1/099", u"", u"1/1/099"},
    {"two month names", u"Jan Feb 1993", u"", u"Jan Feb 1993"},
    {"other characters", u"1/27/1993 @ 5PM", u"", u"1/27/1993 @ 5PM"},
    {"choice: longer than 64 characters",
     u"January 27, 1993                                                   5:04 PM", u"",
     u"January 27, 1993                                                   5:04 PM"},
};

} // namespace

class TestFormatDates : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useUsEnglish(); }

    void fields_data() { addFormatRows(kFields); }
    void fields() { check(); }

    void clock_data() { addFormatRows(kClock); }
    void clock() { check(); }

    void choices_data() { addFormatRows(kChoices); }
    void choices() { check(); }

    void reading_data() { addFormatRows(kReading); }
    void reading() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(runtime::Format(text, QStringLiteral("yyyy-mm-dd hh:nn:ss")), expected);
    }

    void weeks_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("firstDay");
        QTest::addColumn<int>("firstWeek");
        QTest::addColumn<QString>("expected");
        QTest::newRow("w Sunday first") << "1/27/1993"
                                        << "w" << 1 << 1 << "4";
        QTest::newRow("w Monday first") << "1/27/1993"
                                        << "w" << 2 << 1 << "3";
        QTest::newRow("w Saturday first") << "1/27/1993"
                                          << "w" << 7 << 1 << "5";
        QTest::newRow("ww defaults") << "1/27/1993"
                                     << "ww" << 1 << 1 << "5";
        QTest::newRow("ww four days") << "1/27/1993"
                                      << "ww" << 1 << 2 << "4";
        QTest::newRow("ww full week") << "1/27/1993"
                                      << "ww" << 1 << 3 << "4";
        QTest::newRow("ww Monday four days") << "1/27/1993"
                                             << "ww" << 2 << 2 << "4";
        QTest::newRow("week 54") << "12/31/2000"
                                 << "ww" << 1 << 1 << "54";
        QTest::newRow("1 January is week 1") << "1/1/2000"
                                             << "ww" << 1 << 1 << "1";
        QTest::newRow("choice: ISO rolls the last Monday into week 1") << "12/29/2003"
                                                                       << "ww" << 2 << 2 << "1";
        QTest::newRow("ISO week 53") << "12/31/2020"
                                     << "ww" << 2 << 2 << "53";
        QTest::newRow("before week 1 under four days") << "1/1/2021"
                                                       << "ww" << 2 << 2 << "53";
        QTest::newRow("before week 1 under full week") << "1/1/2021"
                                                       << "ww" << 1 << 3 << "52";
        QTest::newRow("full week keeps the year's end") << "12/31/2021"
                                                        << "ww" << 1 << 3 << "52";
        QTest::newRow("choice: system day is the locale's Sunday") << "1/27/1993"
                                                                   << "w" << 0 << 0 << "4";
        QTest::newRow("choice: system week is the week of 1 January in US English")
            << "1/27/1993"
            << "ww" << 0 << 0 << "5";
    }
    void weeks() {
        QFETCH(QString, date);
        QFETCH(QString, format);
        QFETCH(int, firstDay);
        QFETCH(int, firstWeek);
        QFETCH(QString, expected);
        QCOMPARE(runtime::Format(date, format, firstDay, firstWeek), expected);
    }

    void weekSettingsOutOfRange_data() {
        QTest::addColumn<int>("firstDay");
        QTest::addColumn<int>("firstWeek");
        QTest::newRow("day 8") << 8 << 1;
        QTest::newRow("day -1") << -1 << 1;
        QTest::newRow("week 4") << 1 << 4;
        QTest::newRow("week -1") << 1 << -1;
    }
    void weekSettingsOutOfRange() {
        QFETCH(int, firstDay);
        QFETCH(int, firstWeek);
        try {
            runtime::Format(QStringLiteral("1/27/1993"), QStringLiteral("ww"), firstDay, firstWeek);
            QFAIL("no error raised");
        } catch (const runtime::RuntimeError& error) {
            QCOMPARE(error.number(), 5);
        }
    }

    // Names, separators and markers come from the user's locale.
    void locale() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const QString moment = QStringLiteral("27.01.1993 17:04");
        QCOMPARE(runtime::Format(moment, QStringLiteral("dddd d. mmmm yyyy")),
                 QStringLiteral("Mittwoch 27. Januar 1993"));
        QCOMPARE(runtime::Format(moment, QStringLiteral("dd/mm/yy hh:nn")),
                 QStringLiteral("27.01.93 17:04"));
        QCOMPARE(runtime::Format(moment, QStringLiteral("Short Date")),
                 QStringLiteral("27.01.1993"));
        QCOMPARE(runtime::Format(moment, QStringLiteral("w"), 0), QStringLiteral("3"));
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); // its own letter case
        QCOMPARE(runtime::Format(QStringLiteral("PAZARTESİ 3 MAYIS 1993"), QStringLiteral("d/m")),
                 QStringLiteral("3.5"));
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        QCOMPARE(runtime::Format(QStringLiteral("17:04:23"), QStringLiteral("Long Time")),
                 QStringLiteral("17:04:23"));
        useUsEnglish();
    }

private:
    static void check() {
        QFETCH(QString, text);
        QFETCH(QString, format);
        QFETCH(QString, expected);
        QCOMPARE(runtime::Format(text, format), expected);
    }
};

QTEST_GUILESS_MAIN(TestFormatDates)
#include "tst_formatdates.moc"
