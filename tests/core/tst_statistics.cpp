// The distribution of characters from the system's random source, position by position, for
// every type and case, against the exact probabilities of the rules. Many draws, fixed
// thresholds: a correct build fails this less than once in a million runs, a biased one (a digit
// as likely as a letter, a wrong span, a tossed last character, a coin that favours one side)
// fails by a wide margin.
//
// Thresholds. Each check is Pearson's chi-square over independent positions, so the statistic
// sums the per-position chi-squares and has df = the sum of (categories - 1) over the positions.
// There are eleven checks (nine type x case pairs, the raw source, the bodies with every class),
// each held to a tail of 1e-7, so a correct build fails the whole test below 1.1e-6. The critical
// values are the upper 1e-7 quantiles of the chi-square distribution, x with Q(df/2, x/2) = 1e-7
// (Q the regularized upper incomplete gamma function), solved numerically to 8 digits and rounded
// up; the Wilson-Hilferty form df * (1 - 2/(9 df) + z sqrt(2/(9 df)))^3 with z = 5.19934 (the
// normal 1e-7 quantile) agrees to within 0.3 %:
//     df    critical      (df: positions x (categories - 1), see expected() below)
//     90    177.86        digits, any case: 10 x 9
//    179    295.29        the 180 bodies of 4 with every class of 0, 1, 234
//    250    384.09        letters, upper or lower: 10 x 25
//    255    390.25        the source's top and low 4 bits together: 256 - 1
//    350    505.33        mixed type, upper or lower: 10 x 35
//    484    663.47        letters, mixed case: 9 x 51 + 25 (the last keeps its capital)
//    584    779.37        mixed type, mixed case: 9 x 61 + 35
// Every expected count is above 900, so the chi-square approximation holds.

#include "core/CharacterSets.h"
#include "core/ComposePassword.h"
#include "platform/runtime/SystemRandomSource.h"

#include <QtTest>

#include <array>
#include <map>
#include <vector>

namespace {

constexpr int kLength = 10;
constexpr int kPasswords = 100000; // a million characters for every type and case

using Distribution = std::array<double, 128>;

core::GenerationSettings settings(qint16 type, qint16 pwdCase) {
    core::GenerationSettings s;
    s.lengthText = QString::number(kLength);
    s.type = type;
    s.pwdCase = pwdCase;
    return s;
}

// The exact probability of each character at one position. A raw character is a digit with
// probability d and a given capital with probability c; the case pass then keeps it, turns it,
// or (mixed case, every position but the last) splits each letter evenly between its cases.
Distribution expected(int type, int pwdCase, bool last) {
    const double digit = type == 1 ? 1.0 / 10 : type == 2 ? 1.0 / 20 : 0.0;
    const double capital = type == 0 ? 1.0 / 26 : type == 2 ? 1.0 / 52 : 0.0;
    Distribution p{};
    for (char c = '0'; c <= '9'; ++c)
        p[c] = digit;
    for (char c = 'A'; c <= 'Z'; ++c) {
        const char small = static_cast<char>(c + 32);
        if (pwdCase == 1 || (pwdCase == 2 && last)) {
            p[c] = capital;
        } else if (pwdCase == 0) {
            p[small] = capital;
        } else {
            p[c] = capital / 2;
            p[small] = capital / 2;
        }
    }
    return p;
}

// Pearson's chi-square of observed counts against expected probabilities; a count in a cell of
// probability 0 gives infinity.
double chiSquare(const std::array<qint64, 128>& counts, const Distribution& p, qint64 total) {
    double sum = 0;
    for (size_t i = 0; i < counts.size(); ++i) {
        if (p[i] == 0) {
            if (counts[i] != 0)
                return std::numeric_limits<double>::infinity();
            continue;
        }
        const double e = p[i] * static_cast<double>(total);
        const double d = static_cast<double>(counts[i]) - e;
        sum += d * d / e;
    }
    return sum;
}

int degreesOfFreedom(const Distribution& p) {
    return static_cast<int>(std::count_if(p.begin(), p.end(), [](double x) { return x > 0; })) - 1;
}

// The upper 1e-7 quantiles derived in the comment at the top, by degrees of freedom.
double critical(int df) {
    static const std::map<int, double> table = {{90, 177.86},  {179, 295.29}, {250, 384.09},
                                                {255, 390.25}, {350, 505.33}, {484, 663.47},
                                                {584, 779.37}};
    const auto it = table.find(df);
    if (it == table.end())
        qFatal("no critical value for %d degrees of freedom", df);
    return it->second;
}

} // namespace

class TestStatistics : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { runtime::Randomize(); }

    // Every type x case, every position: a digit 1/10 (digits), 1/20 (mixed type); a letter
    // 1/26 (letters), 1/52 (mixed type), split in two by the mixed case at every position but
    // the last, which keeps its capital.
    void charactersByPosition_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("pwdCase");
        QTest::addColumn<int>("df");
        const char* types[] = {"letters", "digits", "mixed"};
        const char* cases[] = {"lower", "upper", "mixed"};
        const int df[3][3] = {{250, 250, 484}, {90, 90, 90}, {350, 350, 584}};
        for (int type = 0; type < 3; ++type)
            for (int pwdCase = 0; pwdCase < 3; ++pwdCase)
                QTest::addRow("%s %s", types[type], cases[pwdCase])
                    << type << pwdCase << df[type][pwdCase];
    }
    void charactersByPosition() {
        QFETCH(int, type);
        QFETCH(int, pwdCase);
        QFETCH(int, df);

        std::vector<std::array<qint64, 128>> counts(kLength);
        core::NoYield noYield;
        const auto s = settings(static_cast<qint16>(type), static_cast<qint16>(pwdCase));
        for (int i = 0; i < kPasswords; ++i) {
            const QString password = core::ComposePassword(s, runtime::Rnd(), noYield);
            QCOMPARE(password.size(), kLength);
            for (int at = 0; at < kLength; ++at)
                ++counts[at][password[at].unicode() & 0x7F];
        }

        double statistic = 0;
        int freedom = 0;
        for (int at = 0; at < kLength; ++at) {
            const Distribution p = expected(type, pwdCase, at + 1 == kLength);
            statistic += chiSquare(counts[at], p, kPasswords);
            freedom += degreesOfFreedom(p);
        }
        QCOMPARE(freedom, df); // the table above holds the right figure
        QVERIFY2(statistic < critical(df),
                 qPrintable(QStringLiteral("chi-square %1 with %2 degrees of freedom, limit %3")
                                .arg(statistic)
                                .arg(df)
                                .arg(critical(df))));
    }

    // The source's values are 24-bit numbers over 2^24, exact in single precision: their top
    // 4 bits and their low 4 bits, taken together, are uniform over 256 values (a source that
    // drops low bits, or never reaches the top of the range, fails).
    void sourceValues() {
        constexpr qint64 draws = 1 << 20;
        std::array<qint64, 256> counts{};
        runtime::RandomSource& source = runtime::Rnd();
        for (qint64 i = 0; i < draws; ++i) {
            const float r = source.next();
            QVERIFY(r >= 0.0f && r < 1.0f);
            const auto whole = static_cast<quint32>(r * 16777216.0f);
            QCOMPARE(static_cast<float>(whole) * runtime::kRandomResolution, r);
            ++counts[(whole >> 20) << 4 | (whole & 0xF)];
        }
        const double e = static_cast<double>(draws) / 256;
        double statistic = 0;
        for (qint64 c : counts)
            statistic += (static_cast<double>(c) - e) * (static_cast<double>(c) - e) / e;
        QVERIFY2(statistic < critical(255), qPrintable(QString::number(statistic)));
    }

    // Every class where a uniform body seldom holds them all (0, 1 and 234: 180 of the 625
    // bodies of 4 digits), so the counts draw the body: each of the 180 as likely, no other.
    void setBodiesWithEveryClass() {
        core::CharacterSets sets{{{U'0'}, {U'1'}, {U'2', U'3', U'4'}}, true};
        QHash<QString, qint64> counts;
        for (int n = 0; n < 625; ++n) {
            const QString body = QString::number(625 + n, 5).sliced(1); // 4 digits below 5
            if (QRegularExpression("^(?=.*0)(?=.*1).*[2-4]").match(body).hasMatch())
                counts.insert(body, 0);
        }
        const core::SetBodyDrawer drawer(sets);
        runtime::RandomSource& source = runtime::Rnd();
        const auto next = [&source] { return static_cast<quint32>(source.next() * 16777216.0f); };
        QString body;
        for (int i = 0; i < 180000; ++i) {
            drawer.draw(body, 4, next);
            const auto found = counts.find(body);
            QVERIFY2(found != counts.end(), qPrintable(body));
            ++*found;
        }
        const double e = 180000.0 / 180;
        double statistic = 0;
        for (const qint64 c : std::as_const(counts))
            statistic += (static_cast<double>(c) - e) * (static_cast<double>(c) - e) / e;
        QVERIFY2(statistic < critical(179), qPrintable(QString::number(statistic)));
    }
};

QTEST_GUILESS_MAIN(TestStatistics)
#include "tst_statistics.moc"
