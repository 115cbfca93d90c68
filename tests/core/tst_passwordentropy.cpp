// The entropy of the passwords of one set of settings, against the real distribution of what
// ComposePassword returns: every draw sequence for short lengths, weighted by its chance.

#include "core/ComposePassword.h"
#include "core/PasswordEntropy.h"
#include "core/RandomBetween.h"
#include "platform/runtime/RuntimeError.h"
#include "tests/support/ScriptedRandomSource.h"

#include <QHash>
#include <QtTest>

#include <cmath>

namespace {

using Source = ScriptedRandomSource;

// One raw character with the draws that make it and their chance.
struct RawChoice {
    QChar c;
    QList<float> draws;
    double chance;
};

QList<RawChoice> rawChoices(int type) {
    QList<RawChoice> choices;
    const auto add = [&](char from, char to, int upper, int lower, bool mixedType, bool digit) {
        for (char c = from; c <= to; ++c) {
            QList<float> draws;
            double chance = 1.0 / (upper - lower + 1);
            if (mixedType) {
                draws << Source::valueFor(digit ? 0 : 1, 1, 0);
                chance /= 2;
            }
            draws << Source::valueFor(c, upper, lower);
            choices.append({QChar(c), draws, chance});
        }
    };
    if (type != core::NumbersOnly)
        add('A', 'Z', 90, 65, type == core::AlphabetsAndNumbers, false);
    if (type != core::AlphabetsOnly)
        add('0', '9', 57, 48, type == core::AlphabetsAndNumbers, true);
    return choices;
}

// Every output of ComposePassword with its chance: each sequence of raw characters, then each
// sequence of the mixed pass's coins, fed through a scripted source. The source fails the test
// when the composition takes more draws than scripted, and the count below when it takes fewer.
QHash<QString, double> outputDistribution(const core::GenerationSettings& settings, int length) {
    const QList<RawChoice> choices = rawChoices(settings.type);
    const int coins = settings.pwdCase == core::MixedCases && length >= 2 ? length - 1 : 0;
    QHash<QString, double> outputs;
    QList<int> index(length, 0);
    core::NoYield noYield;
    while (true) {
        QList<float> rawDraws;
        double rawChance = 1.0;
        for (int i : index) {
            rawDraws << choices[i].draws;
            rawChance *= choices[i].chance;
        }
        for (int tosses = 0; tosses < (1 << coins); ++tosses) {
            QList<float> draws = rawDraws;
            for (int k = 0; k < coins; ++k)
                draws << Source::valueFor((tosses >> k) & 1, 1, 0);
            Source source(draws);
            outputs[core::ComposePassword(settings, source, noYield)] += rawChance / (1 << coins);
            if (source.draws() != draws.size())
                return {};
        }
        int position = 0;
        while (position < length && ++index[position] == choices.size())
            index[position++] = 0;
        if (position == length)
            break;
    }
    return outputs;
}

double shannonBits(const QHash<QString, double>& distribution) {
    double bits = 0.0;
    for (double p : distribution)
        bits -= p * std::log2(p);
    return bits;
}

core::GenerationSettings settings(int length, int type, int pwdCase, QString mask = {}) {
    core::GenerationSettings s;
    s.lengthText = QString::number(length);
    s.type = static_cast<qint16>(type);
    s.pwdCase = static_cast<qint16>(pwdCase);
    s.mask = std::move(mask);
    s.prefix = QStringLiteral("pre-");
    s.suffix = QStringLiteral("-post");
    return s;
}

// A source that hands out every value it can make, 0 to 1 - 2^-24, in order.
class EveryValueSource final : public runtime::RandomSource {
public:
    float next() override { return static_cast<float>(k_++) * runtime::kRandomResolution; }

private:
    quint32 k_ = 0;
};

} // namespace

class TestPasswordEntropy : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Lengths 1 to 3 in every type and case, with masks that move characters, fold the case, or
    // pad: the entropy equals that of the real outputs.
    void matchesEveryDrawSequence_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("pwdCase");
        QTest::addColumn<QString>("mask");
        const char* types[] = {"letters", "digits", "mixed"};
        const char* cases[] = {"lower", "upper", "mixed"};
        for (int length = 1; length <= 3; ++length)
            for (int type = 0; type <= 2; ++type)
                for (int pwdCase = 0; pwdCase <= 2; ++pwdCase)
                    QTest::addRow("L%d %s %s", length, types[type], cases[pwdCase])
                        << length << type << pwdCase << QString();
        QTest::newRow("groups") << 3 << 2 << 2 << "@@-@";
        QTest::newRow("fewer placeholders") << 3 << 2 << 2 << "&-&";
        QTest::newRow("padding") << 2 << 2 << 2 << "@@@@";
        QTest::newRow("left to right") << 2 << 0 << 2 << "!@@@";
        QTest::newRow("folds to lower") << 3 << 2 << 2 << "<";
        QTest::newRow("folds to upper") << 3 << 0 << 2 << ">@-@@";
        QTest::newRow("fold on upper") << 2 << 2 << 1 << "<";
        QTest::newRow("unknown case keeps capitals") << 2 << 2 << 7 << "";
    }
    void matchesEveryDrawSequence() {
        QFETCH(int, length);
        QFETCH(int, type);
        QFETCH(int, pwdCase);
        QFETCH(QString, mask);
        const core::GenerationSettings s = settings(length, type, pwdCase, mask);
        const QHash<QString, double> outputs = outputDistribution(s, length);
        QVERIFY(!outputs.isEmpty());
        const core::PasswordEntropy entropy = core::ComputePasswordEntropy(s);
        QCOMPARE(entropy.figure, core::PasswordEntropy::Figure::Exact);
        QVERIFY2(std::abs(entropy.bits - shannonBits(outputs)) < 1e-9,
                 qPrintable(QStringLiteral("%1 against %2")
                                .arg(entropy.bits, 0, 'f', 12)
                                .arg(shannonBits(outputs), 0, 'f', 12)));
    }

    // A number, date or named mask reads the body as a value. Its figure, reasoned from the mask,
    // against the real entropy of every output enumerated draw by draw: exact where it keeps every
    // body apart or counts its texts, an upper bound within `slack` otherwise, and the warning
    // exactly when two bodies come out alike.
    void numberMasks_data() {
        using Figure = core::PasswordEntropy::Figure;
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("mask");
        QTest::addColumn<int>("figure");
        QTest::addColumn<double>("slack");
        QTest::newRow("leading zeros dropped") << 1 << 5 << "0" << int(Figure::Exact) << 0.0;
        QTest::newRow("to two decimals") << 1 << 5 << "0.00" << int(Figure::Exact) << 0.0;
        QTest::newRow("percent") << 1 << 4 << "0%" << int(Figure::Exact) << 0.0;
        QTest::newRow("General Number") << 1 << 4 << "General Number" << int(Figure::Exact) << 0.0;
        QTest::newRow("the whole date") << 1 << 4 << "yyyymmdd" << int(Figure::Exact) << 0.0;
        QTest::newRow("thousands scaled away") << 1 << 5 << "0," << int(Figure::About) << 0.0;
        QTest::newRow("tenths of thousands") << 1 << 5 << "#,##0,.0" << int(Figure::About) << 0.0;
        QTest::newRow("zero apart") << 1 << 4 << "0,;;\\Z" << int(Figure::About) << 0.0;
        QTest::newRow("three significant digits")
            << 1 << 5 << "0.00E+00" << int(Figure::About) << 0.0;
        QTest::newRow("Yes/No") << 1 << 4 << "Yes/No" << int(Figure::AtMost) << 0.01;
        QTest::newRow("a constant") << 1 << 4 << "x" << int(Figure::AtMost) << 0.01;
        QTest::newRow("day of the month") << 1 << 4 << "dd" << int(Figure::About) << 0.0;
        QTest::newRow("month and day") << 1 << 4 << "mm/dd" << int(Figure::About) << 0.0;
        QTest::newRow("a short time") << 1 << 4 << "Short Time" << int(Figure::About) << 0.0;
        QTest::newRow("fields run together") << 1 << 5 << "yyyymd" << int(Figure::AtMost) << 0.1;
        QTest::newRow("zero among letters") << 2 << 3 << "0-0" << int(Figure::AtMost) << 0.5;
        QTest::newRow("letters left as they are") << 0 << 3 << "0-0" << int(Figure::Exact) << 0.0;
        QTest::newRow("every body tried") << 1 << 3 << "0," << int(Figure::About) << 0.0;
    }
    void numberMasks() {
        using Figure = core::PasswordEntropy::Figure;
        QFETCH(int, type);
        QFETCH(int, length);
        QFETCH(QString, mask);
        QFETCH(int, figure);
        QFETCH(double, slack);
        // Upper case: no coins to enumerate.
        const core::GenerationSettings s = settings(length, type, core::UpperCases, mask);
        const QHash<QString, double> outputs = outputDistribution(s, length);
        const double real = shannonBits(outputs);
        const double body =
            core::ComputePasswordEntropy(settings(length, type, core::UpperCases)).bits;
        // The reasoning that serves bodies too many to try, but where the row tries them all.
        const bool tryEvery = QByteArray(QTest::currentDataTag()) == "every body tried";
        const core::PasswordEntropy entropy =
            core::ComputePasswordEntropy(s, tryEvery ? core::kMostBodiesTried : 0.0);
        const QString figures = QStringLiteral("%1 bits, real %2, body %3")
                                    .arg(entropy.bits, 0, 'f', 4)
                                    .arg(real, 0, 'f', 4)
                                    .arg(body, 0, 'f', 4);
        QCOMPARE(entropy.figure, static_cast<Figure>(figure));
        QCOMPARE(entropy.alike != core::AlikeReason::None, real < body - 1e-9);
        QVERIFY2(entropy.bits >= real - 0.005, qPrintable(figures));
        QVERIFY2(entropy.bits <= real + std::max(slack, 0.005), qPrintable(figures));
    }

    // A mask that shows some body as nothing, and masks that never do.
    void emptyBodies_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("mask");
        QTest::addColumn<bool>("empty");
        for (const char* mask : {",", ";", "\\", "\"\"", "#", "#,;;0", "0;;#"})
            QTest::addRow("digits %s", mask) << 1 << 8 << mask << true;
        QTest::newRow("digits #;;0") << 1 << 8 << "#;;0" << false;
        QTest::newRow("digits 0") << 1 << 8 << "0" << false;
        QTest::newRow("digits as dates") << 1 << 8 << "dd" << false;
        QTest::newRow("letters #") << 0 << 8 << "#" << false;
        QTest::newRow("mixed #") << 2 << 8 << "#" << true;
        QTest::newRow("short mixed read as times") << 2 << 4 << "#;;0" << true;
        QTest::newRow("long mixed #;;0") << 2 << 12 << "#;;0" << false;
        QTest::newRow("two mixed characters") << 2 << 2 << "#;;0" << true;
    }
    void emptyBodies() {
        QFETCH(int, type);
        QFETCH(int, length);
        QFETCH(QString, mask);
        QFETCH(bool, empty);
        QCOMPARE(
            core::ComputePasswordEntropy(settings(length, type, core::MixedCases, mask)).emptyBody,
            empty);
    }

    // Long passwords, worked out by hand: in the mixed type a digit has chance 1/20 and a letter
    // 1/52, 1/104 in either case once tossed; the last character is never tossed.
    void longPasswords_data() {
        QTest::addColumn<QString>("length");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("pwdCase");
        QTest::addColumn<double>("bits");
        const double mixedUntossed = (std::log2(20.0) + std::log2(52.0)) / 2;
        const double mixedTossed = (std::log2(20.0) + std::log2(104.0)) / 2;
        QTest::newRow("defaults") << "6" << 2 << 2 << 5 * mixedTossed + mixedUntossed;
        QTest::newRow("mixed upper 16") << "16" << 2 << 1 << 16 * mixedUntossed;
        QTest::newRow("letters mixed 12")
            << "12" << 0 << 2 << 11 * std::log2(52.0) + std::log2(26.0);
        QTest::newRow("letters lower 255") << "255" << 0 << 0 << 255 * std::log2(26.0);
        QTest::newRow("digits mixed 20: coins add nothing")
            << "20" << 1 << 2 << 20 * std::log2(10.0);
        QTest::newRow("longest") << "65535" << 2 << 2 << 65534 * mixedTossed + mixedUntossed;
        QTest::newRow("5.5 counts as 6") << "5.5" << 0 << 1 << 6 * std::log2(26.0);
        QTest::newRow("zero") << "0" << 2 << 2 << 0.0;
        QTest::newRow("negative") << "-4" << 0 << 2 << 0.0;
    }
    void longPasswords() {
        QFETCH(QString, length);
        QFETCH(int, type);
        QFETCH(int, pwdCase);
        QFETCH(double, bits);
        core::GenerationSettings s = settings(0, type, pwdCase, QStringLiteral("@@@@-@@@@"));
        s.lengthText = length;
        const core::PasswordEntropy entropy = core::ComputePasswordEntropy(s);
        QCOMPARE(entropy.figure, core::PasswordEntropy::Figure::Exact);
        QVERIFY2(std::abs(entropy.bits - bits) < 1e-9 * std::max(1.0, bits),
                 qPrintable(QString::number(entropy.bits, 'f', 9)));
    }

    void refusesWhatComposePasswordRefuses_data() {
        QTest::addColumn<QString>("length");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("error");
        QTest::newRow("not a number") << "abc" << 2 << 13;
        QTest::newRow("empty") << "" << 2 << 13;
        QTest::newRow("beyond the longest") << "65536" << 2 << 6;
        QTest::newRow("beyond 32 bits") << "99999999999" << 2 << 6;
        QTest::newRow("type out of range") << "6" << 3 << 5;
    }
    void refusesWhatComposePasswordRefuses() {
        QFETCH(QString, length);
        QFETCH(int, type);
        QFETCH(int, error);
        core::GenerationSettings s = settings(0, type, core::MixedCases);
        s.lengthText = length;
        try {
            core::ComputePasswordEntropy(s);
            QFAIL("no error raised");
        } catch (const runtime::RuntimeError& e) {
            QCOMPARE(e.number(), error);
        }
    }

    // Each draw is counted as uniform over its range. Over every value the source can make, the
    // real chances differ from that by the 2^-24 steps only: far below any figure shown.
    void drawsAreUniformToTheResolution_data() {
        QTest::addColumn<int>("upper");
        QTest::addColumn<int>("lower");
        QTest::newRow("coin") << 1 << 0;
        QTest::newRow("digit") << 57 << 48;
        QTest::newRow("letter") << 90 << 65;
    }
    void drawsAreUniformToTheResolution() {
        QFETCH(int, upper);
        QFETCH(int, lower);
        const int span = upper - lower + 1;
        QList<quint32> counts(span, 0);
        EveryValueSource source;
        for (quint32 k = 0; k < (1u << 24); ++k)
            ++counts[core::RandomBetween(source, upper, lower) - lower];
        double bits = 0.0;
        for (quint32 count : counts) {
            const double p = count / 16777216.0;
            bits -= p * std::log2(p);
        }
        QVERIFY(std::log2(span) - bits >= 0.0);
        QVERIFY(std::log2(span) - bits < 1e-11);
    }
};

QTEST_GUILESS_MAIN(TestPasswordEntropy)
#include "tst_passwordentropy.moc"
