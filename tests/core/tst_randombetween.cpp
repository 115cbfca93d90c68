// Whole numbers drawn from an inclusive range, upper bound first.

#include "core/RandomBetween.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/SystemRandomSource.h"
#include "tests/support/ScriptedRandomSource.h"

#include <QtTest>

#include <cmath>

namespace {
// The largest value a source may give: 1 - 2^-24.
const float kLargest = std::nextafter(1.0f, 0.0f);
} // namespace

class TestRandomBetween : public QObject {
    Q_OBJECT
private slots:
    void draws_data() {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("upper");
        QTest::addColumn<int>("lower");
        QTest::addColumn<int>("expected");
        QTest::newRow("coin low") << 0.0f << 1 << 0 << 0;
        QTest::newRow("coin just below half") << std::nextafter(0.5f, 0.0f) << 1 << 0 << 0;
        QTest::newRow("coin half") << 0.5f << 1 << 0 << 1;
        QTest::newRow("coin high") << kLargest << 1 << 0 << 1;
        QTest::newRow("letter A") << 0.0f << 90 << 65 << 65;
        QTest::newRow("letter Z, never 91") << kLargest << 90 << 65 << 90;
        QTest::newRow("digit 9") << kLargest << 57 << 48 << 57;
        QTest::newRow("digit boundary") << 0.1f << 57 << 48 << 49; // 0.1f is just above 1/10
        QTest::newRow("equal bounds") << 0.7f << 5 << 5 << 5;
        QTest::newRow("span 0") << 0.9f << 4 << 5 << 5;
        QTest::newRow("negative span") << 0.5f << 0 << 10 << 5;
        QTest::newRow("negative span upper end") << kLargest << 2 << 10 << 3;
        QTest::newRow("negative bounds floor") << 0.25f << -1 << -2 << -2;
        QTest::newRow("negative result floors down") << 0.75f << -5 << -10 << -6;
        QTest::newRow("wide range") << kLargest << 2147483646 << 0 << 2147483519;
    }
    void draws() {
        QFETCH(float, r);
        QFETCH(int, upper);
        QFETCH(int, lower);
        QFETCH(int, expected);
        ScriptedRandomSource source({r});
        QCOMPARE(core::RandomBetween(source, upper, lower), expected);
        QCOMPARE(source.draws(), 1);
    }

    // The value is taken before the span is computed, so a failing call still consumes it.
    void overflowConsumesTheValue_data() {
        QTest::addColumn<int>("upper");
        QTest::addColumn<int>("lower");
        QTest::newRow("addition overflows") << 2147483647 << 0;
        QTest::newRow("subtraction overflows") << 2147483647 << -1;
        QTest::newRow("reversed extremes") << int(-2147483647 - 1) << 1;
    }
    void overflowConsumesTheValue() {
        QFETCH(int, upper);
        QFETCH(int, lower);
        ScriptedRandomSource source({0.5f});
        try {
            core::RandomBetween(source, upper, lower);
            QFAIL("no overflow raised");
        } catch (const runtime::RuntimeError& error) {
            QCOMPARE(error.number(), int(runtime::ErrorNumber::Overflow));
        }
        QCOMPARE(source.draws(), 1);
    }

    // The system source gives values exact in single precision, in [0, 1), on a 2^-24 grid.
    void systemSourceValues() {
        runtime::Randomize();
        runtime::RandomSource& source = runtime::Rnd();
        bool sawHigh = false, sawLow = false;
        for (int i = 0; i < 100000; ++i) {
            const float r = source.next();
            QVERIFY(r >= 0.0f && r < 1.0f);
            const double scaled = static_cast<double>(r) * 16777216.0;
            QCOMPARE(scaled, std::floor(scaled));
            sawHigh |= r > 0.99f;
            sawLow |= r < 0.01f;
        }
        QVERIFY(sawHigh && sawLow);
    }

    // The whole-number draw of bulk generation gives what the double-precision arithmetic gives,
    // for every one of the 2^24 values and each range the composition uses.
    void wholeNumberDrawsMatchTheArithmetic() {
        QCOMPARE((firstMismatch<1, 0>()), QString());
        QCOMPARE((firstMismatch<57, 48>()), QString());
        QCOMPARE((firstMismatch<90, 65>()), QString());
    }

private:
    template <qint32 Upper, qint32 Lower> static QString firstMismatch() {
        for (std::uint32_t n = 0; n < (1u << 24); ++n) {
            const float r = static_cast<float>(n) * runtime::kRandomResolution;
            const qint32 expected = core::RandomBetweenValue(r, Upper, Lower);
            const qint32 whole = core::RandomBetweenWhole<Upper, Lower>(n);
            if (whole != expected)
                return QStringLiteral("%1 to %2, n = %3: %4, not %5")
                    .arg(Lower)
                    .arg(Upper)
                    .arg(n)
                    .arg(whole)
                    .arg(expected);
        }
        return {};
    }
};

QTEST_GUILESS_MAIN(TestRandomBetween)
#include "tst_randombetween.moc"
