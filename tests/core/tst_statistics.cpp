// The distribution of characters from the system's random source. Many draws, generous fixed
// thresholds: a correct build never fails these, a biased one (a digit as likely as a letter, a
// wrong span, a tossed last character) fails by a wide margin.

#include "ComposePassword.h"
#include "SystemRandomSource.h"

#include <QtTest>

#include <array>

namespace {

core::GenerationSettings settings(qint16 type, qint16 pwdCase, int length) {
    core::GenerationSettings s;
    s.lengthText = QString::number(length);
    s.type = type;
    s.pwdCase = pwdCase;
    return s;
}

// Pearson's chi-square of observed counts against expected probabilities.
double chiSquare(const std::array<qint64, 128>& counts, const std::array<double, 128>& p,
                 qint64 total) {
    double sum = 0;
    for (size_t i = 0; i < counts.size(); ++i) {
        if (p[i] == 0) {
            if (counts[i] != 0)
                return 1e300;
            continue;
        }
        const double expected = p[i] * static_cast<double>(total);
        const double d = static_cast<double>(counts[i]) - expected;
        sum += d * d / expected;
    }
    return sum;
}

} // namespace

class TestStatistics : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { runtime::Randomize(); }

    // Per position: digits 1/10 each in the digits type, letters 1/26 in the letters type, and
    // in the mixed type a digit 1/20 and a letter 1/52 (a coin first, then the character).
    void characterFrequencies_data() {
        QTest::addColumn<int>("type");
        QTest::newRow("letters") << 0;
        QTest::newRow("digits") << 1;
        QTest::newRow("mixed") << 2;
    }
    void characterFrequencies() {
        QFETCH(int, type);
        std::array<double, 128> p{};
        for (char c = '0'; c <= '9'; ++c)
            p[c] = type == 1 ? 0.1 : type == 2 ? 0.05 : 0.0;
        for (char c = 'A'; c <= 'Z'; ++c)
            p[c] = type == 0 ? 1.0 / 26 : type == 2 ? 1.0 / 52 : 0.0;

        std::array<qint64, 128> counts{};
        core::NoYield noYield;
        const auto s = settings(qint16(type), core::UpperCases, 250);
        qint64 total = 0;
        for (int i = 0; i < 4000; ++i) { // a million characters
            const QString password = core::ComposePassword(s, runtime::Rnd(), noYield);
            for (QChar c : password)
                ++counts[c.unicode() & 0x7F];
            total += password.size();
        }
        QCOMPARE(total, qint64(1000000));
        // 35 degrees of freedom at most: the mean is 35, the 1e-9 tail about 110.
        QVERIFY2(chiSquare(counts, p, total) < 150.0,
                 qPrintable(QString::number(chiSquare(counts, p, total))));
    }

    // In the mixed case each character but the last is small about half the time; the last,
    // when it is a letter, is always a capital.
    void mixedCase() {
        core::NoYield noYield;
        const auto s = settings(core::AlphabetsOnly, core::MixedCases, 8);
        qint64 small = 0, tossed = 0;
        for (int i = 0; i < 50000; ++i) {
            const QString password = core::ComposePassword(s, runtime::Rnd(), noYield);
            QVERIFY(password.back().isUpper());
            for (qsizetype j = 0; j + 1 < password.size(); ++j)
                small += password[j].isLower();
            tossed += password.size() - 1;
        }
        const double share = double(small) / double(tossed);
        QVERIFY2(share > 0.49 && share < 0.51, qPrintable(QString::number(share)));
    }
};

QTEST_GUILESS_MAIN(TestStatistics)
#include "tst_statistics.moc"
