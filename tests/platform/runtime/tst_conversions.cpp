// Text read as a number: the whole-number conversion of the password length, the numeric test of
// the length check and text to double, under a pinned US English locale.

#include "platform/runtime/CheckedArithmetic.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"

#include <QtTest>

#include <optional>

using runtime::ErrorNumber;

namespace {
// The error number a call raises, or nothing.
template <typename F> std::optional<int> errorOf(F&& call) {
    try {
        call();
    } catch (const runtime::RuntimeError& error) {
        return error.number();
    }
    return std::nullopt;
}
} // namespace

class TestConversions : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void clngConverts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        QTest::addColumn<QLocale>("locale");
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("plain") << "6" << 6 << us;
        QTest::newRow("half to even down") << "4.5" << 4 << us;
        QTest::newRow("half to even up") << "5.5" << 6 << us;
        QTest::newRow("254.5") << "254.5" << 254 << us;
        QTest::newRow("255.5") << "255.5" << 256 << us;
        QTest::newRow("below half") << "25427.45" << 25427 << us;
        QTest::newRow("above half") << "25427.55" << 25428 << us;
        QTest::newRow("negative half") << "-2.5" << -2 << us;
        QTest::newRow("blanks around") << "  12\t" << 12 << us;
        QTest::newRow("leading plus") << "+7" << 7 << us;
        QTest::newRow("trailing minus") << "7-" << -7 << us;
        QTest::newRow("parentheses") << "(7)" << -7 << us;
        QTest::newRow("currency") << "$14.20" << 14 << us;
        QTest::newRow("grouping") << "1,000" << 1000 << us;
        QTest::newRow("fraction only") << ".5" << 0 << us;
        QTest::newRow("trailing point") << "5." << 5 << us;
        QTest::newRow("exponent") << "1E3" << 1000 << us;
        QTest::newRow("exponent D") << "25d-1" << 2 << us;
        QTest::newRow("exponent sign") << "1.5e+1" << 15 << us;
        QTest::newRow("hex") << "&HF060" << 61536 << us;
        QTest::newRow("hex lower") << "&hff" << 255 << us;
        QTest::newRow("hex eight digits is signed") << "&HFFFFF060" << -4000 << us;
        QTest::newRow("octal") << "&O17" << 15 << us;
        QTest::newRow("largest") << "2147483647" << 2147483647 << us;
        QTest::newRow("smallest") << "-2147483648" << int(-2147483647 - 1) << us;
        QTest::newRow("rounds into range") << "2147483647.4" << 2147483647 << us;
        QTest::newRow("300 digits of zero") << QString(300, u'0') << 0 << us;
        const QLocale german(QLocale::German, QLocale::Germany);
        const QLocale french(QLocale::French, QLocale::France);
        QTest::newRow("de: point groups") << "1.000" << 1000 << german;
        QTest::newRow("de: comma is decimal") << "4,5" << 4 << german;
        QTest::newRow("de: 5,5") << "5,5" << 6 << german;
        QTest::newRow("de: euro and grouping") << "1.234,75 \u20AC" << 1235 << german;
        QTest::newRow("fr: ordinary space groups") << "1 000" << 1000 << french;
        QTest::newRow("fr: narrow no-break space") << "1\u202F000" << 1000 << french;
        QTest::newRow("fr: no-break space") << "1\u00A0000,5" << 1000 << french;
        QTest::newRow("fr: point still decimal") << "2.5" << 2 << french;
    }
    void clngConverts() {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QFETCH(QLocale, locale);
        QCOMPARE(runtime::CLng(text, locale), expected);
    }

    void clngRaises_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("error");
        const int mismatch = int(ErrorNumber::TypeMismatch), overflow = int(ErrorNumber::Overflow);
        QTest::newRow("empty") << "" << mismatch;
        QTest::newRow("blank") << " " << mismatch;
        QTest::newRow("letters") << "abc" << mismatch;
        QTest::newRow("number then text") << "45 Help" << mismatch;
        QTest::newRow("address") << "1726 56th Ave NE" << mismatch;
        QTest::newRow("two points") << "1.2.3" << mismatch;
        QTest::newRow("lone sign") << "-" << mismatch;
        QTest::newRow("lone point") << "." << mismatch;
        QTest::newRow("exponent without digits") << "1E" << mismatch;
        QTest::newRow("two signs") << "-5-" << mismatch;
        QTest::newRow("open parenthesis") << "(5" << mismatch;
        QTest::newRow("hex without digits") << "&H" << mismatch;
        QTest::newRow("bad hex digit") << "&HFG" << mismatch;
        QTest::newRow("octal digit 8") << "&O8" << mismatch;
        QTest::newRow("a time") << "5A" << mismatch;
        QTest::newRow("above 32 bits") << "2147483648" << overflow;
        QTest::newRow("below 32 bits") << "-2147483649" << overflow;
        QTest::newRow("rounds out of range") << "2147483647.5" << overflow;
        QTest::newRow("nine hex digits") << "&H100000000" << overflow;
        QTest::newRow("300 digits") << QString(300, u'9') << overflow;
        QTest::newRow("exponent 10000") << "1E10000" << overflow;
    }
    void clngRaises() {
        QFETCH(QString, text);
        QFETCH(int, error);
        QCOMPARE(errorOf([&] { runtime::CLng(text); }), std::optional<int>(error));
    }

    void cintRange() {
        QCOMPARE(runtime::CInt("32767"), qint16(32767));
        QCOMPARE(errorOf([] { runtime::CInt("32767.5"); }), int(ErrorNumber::Overflow));
        QCOMPARE(errorOf([] { runtime::CInt("-32769"); }), int(ErrorNumber::Overflow));
    }

    void cdbl() {
        QCOMPARE(runtime::CDbl("459.95"), 459.95);
        QCOMPARE(runtime::CDbl("255.5"), 255.5);
        QCOMPARE(runtime::CDbl("1E-400"), 0.0); // underflow reads as zero, not as an error
        QCOMPARE(runtime::CDbl("&H100000000"), 4294967296.0);
        QCOMPARE(errorOf([] { runtime::CDbl(""); }), int(ErrorNumber::TypeMismatch));
        QCOMPARE(errorOf([] { runtime::CDbl("1E400"); }), int(ErrorNumber::Overflow));
    }

    void isNumeric_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("expected");
        QTest::addColumn<QLocale>("locale");
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("53") << "53" << true << us;
        QTest::newRow("459.95") << "459.95" << true << us;
        QTest::newRow("trailing minus") << "459.-" << true << us;
        QTest::newRow("blanks") << " 7 " << true << us;
        QTest::newRow("exponent") << "1E5" << true << us;
        QTest::newRow("hex") << "&H1F" << true << us;
        QTest::newRow("currency and grouping") << "$1,234.50" << true << us;
        QTest::newRow("45 Help") << "45 Help" << false << us;
        QTest::newRow("459.*") << "459.*" << false << us;
        QTest::newRow("empty") << "" << false << us;
        QTest::newRow("blank") << " " << false << us;
        QTest::newRow("two points") << "1.2.3" << false << us;
        QTest::newRow("a time") << "5A" << false << us;
        QTest::newRow("a date") << "1/27/1993" << false << us;
        QTest::newRow("NUL inside") << QString::fromUtf16(u"5\0"
                                                          "5",
                                                          3)
                                    << false << us;
        QTest::newRow("full-width digit") << QString::fromUtf16(u"\uFF15") << false << us;
        QTest::newRow("overflowing exponent") << "1E10000" << false << us;
        const QLocale german(QLocale::German, QLocale::Germany);
        const QLocale french(QLocale::French, QLocale::France);
        QTest::newRow("de: 1.000") << "1.000" << true << german;
        QTest::newRow("de: 4,5") << "4,5" << true << german;
        QTest::newRow("de: two commas") << "4,5,6" << false << german;
        QTest::newRow("de: point after comma") << "4,5.6" << false << german;
        QTest::newRow("fr: 1 000") << "1 000" << true << french;
        QTest::newRow("fr: text after space") << "45 Help" << false << french;
        QTest::newRow("en: space does not group") << "1 000" << false << us;
    }
    void isNumeric() {
        QFETCH(QString, text);
        QFETCH(bool, expected);
        QFETCH(QLocale, locale);
        QCOMPARE(runtime::IsNumeric(text, locale), expected);
    }

    // The user's decimal separator is read; "." only where the locale does not group with it.
    void localeSeparators() {
        const QLocale german(QLocale::German, QLocale::Germany);
        QCOMPARE(runtime::CDbl("4,5", german), 4.5);
        QCOMPARE(runtime::CDbl("4.5", german), 45.0);
        QCOMPARE(runtime::CLng("4,5", german), 4);
        QVERIFY(!runtime::IsNumeric("4,5,6", german));
    }

    void wholeNumberArithmetic() {
        QCOMPARE(runtime::checkedAdd<qint16>(32766, 1), qint16(32767));
        QCOMPARE(errorOf([] { runtime::checkedAdd<qint16>(32767, 1); }),
                 int(ErrorNumber::Overflow));
        QCOMPARE(errorOf([] { runtime::checkedSub<qint32>(-2147483647 - 1, 1); }),
                 int(ErrorNumber::Overflow));
        QCOMPARE(errorOf([] { runtime::checkedMul<qint32>(65536, 32768); }),
                 int(ErrorNumber::Overflow));
        QCOMPARE(runtime::toByte(255), quint8(255));
        QCOMPARE(errorOf([] { runtime::toByte(-20); }), int(ErrorNumber::Overflow));
        QCOMPARE(runtime::toWhole<qint16>(-0.5), qint16(0));
        QCOMPARE(runtime::toWhole<qint16>(1.5), qint16(2));
        QCOMPARE(errorOf([] { runtime::toWhole<qint32>(std::nan("")); }),
                 int(ErrorNumber::Overflow));
    }
};

QTEST_GUILESS_MAIN(TestConversions)
#include "tst_conversions.moc"
