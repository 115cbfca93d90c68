// Text read as a number: the whole-number conversion of the password length, the numeric test of
// the length check and text to double, under a pinned US English locale.

#include "CheckedArithmetic.h"
#include "Conversions.h"
#include "RuntimeError.h"

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
        QTest::newRow("plain") << "6" << 6;
        QTest::newRow("half to even down") << "4.5" << 4;
        QTest::newRow("half to even up") << "5.5" << 6;
        QTest::newRow("254.5") << "254.5" << 254;
        QTest::newRow("255.5") << "255.5" << 256;
        QTest::newRow("below half") << "25427.45" << 25427;
        QTest::newRow("above half") << "25427.55" << 25428;
        QTest::newRow("negative half") << "-2.5" << -2;
        QTest::newRow("blanks around") << "  12\t" << 12;
        QTest::newRow("leading plus") << "+7" << 7;
        QTest::newRow("trailing minus") << "7-" << -7;
        QTest::newRow("parentheses") << "(7)" << -7;
        QTest::newRow("currency") << "$14.20" << 14;
        QTest::newRow("grouping") << "1,000" << 1000;
        QTest::newRow("fraction only") << ".5" << 0;
        QTest::newRow("trailing point") << "5." << 5;
        QTest::newRow("exponent") << "1E3" << 1000;
        QTest::newRow("exponent D") << "25d-1" << 2;
        QTest::newRow("exponent sign") << "1.5e+1" << 15;
        QTest::newRow("hex") << "&HF060" << 61536;
        QTest::newRow("hex lower") << "&hff" << 255;
        QTest::newRow("hex eight digits is signed") << "&HFFFFF060" << -4000;
        QTest::newRow("octal") << "&O17" << 15;
        QTest::newRow("largest") << "2147483647" << 2147483647;
        QTest::newRow("smallest") << "-2147483648" << int(-2147483647 - 1);
        QTest::newRow("rounds into range") << "2147483647.4" << 2147483647;
        QTest::newRow("300 digits of zero") << QString(300, u'0') << 0;
    }
    void clngConverts() {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QCOMPARE(runtime::CLng(text), expected);
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
        QTest::newRow("53") << "53" << true;
        QTest::newRow("459.95") << "459.95" << true;
        QTest::newRow("trailing minus") << "459.-" << true;
        QTest::newRow("blanks") << " 7 " << true;
        QTest::newRow("exponent") << "1E5" << true;
        QTest::newRow("hex") << "&H1F" << true;
        QTest::newRow("currency and grouping") << "$1,234.50" << true;
        QTest::newRow("45 Help") << "45 Help" << false;
        QTest::newRow("459.*") << "459.*" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blank") << " " << false;
        QTest::newRow("two points") << "1.2.3" << false;
        QTest::newRow("a time") << "5A" << false;
        QTest::newRow("a date") << "1/27/1993" << false;
        QTest::newRow("NUL inside") << QString::fromUtf16(u"5\0"
                                                          "5",
                                                          3)
                                    << false;
        QTest::newRow("full-width digit") << QString::fromUtf16(u"\uFF15") << false;
        QTest::newRow("overflowing exponent") << "1E10000" << false;
    }
    void isNumeric() {
        QFETCH(QString, text);
        QFETCH(bool, expected);
        QCOMPARE(runtime::IsNumeric(text), expected);
    }

    // The user's decimal separator is read, and "." always is.
    void localeSeparators() {
        const QLocale german(QLocale::German, QLocale::Germany);
        QCOMPARE(runtime::CDbl("4,5", german), 4.5);
        QCOMPARE(runtime::CDbl("4.5", german), 4.5);
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
