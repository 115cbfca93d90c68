// One password from the settings: exact draws, in order and count, for every type and case,
// from a scripted source and from the system source over scripted bytes (the window's way, with
// a yield, and the bulk way without).

#include "core/ComposePassword.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/SystemRandomSource.h"
#include "tests/support/ScriptedRandomBytes.h"
#include "tests/support/ScriptedRandomSource.h"

#include <QtTest>

namespace {

using Source = ScriptedRandomSource;

float letter(char c) {
    return Source::valueFor(c, 90, 65);
}
float digit(char c) {
    return Source::valueFor(c, 57, 48);
}
float coin(int side) {
    return Source::valueFor(side, 1, 0);
}

// The draws that make a body from a script of raw characters: a letter or a digit each, with
// the type's coin before it in the mixed type.
QList<float> rawDraws(const QString& raw, qint16 type) {
    QList<float> draws;
    for (QChar c : raw) {
        const bool isDigit = c.isDigit();
        if (type == core::AlphabetsAndNumbers)
            draws << coin(isDigit ? 0 : 1);
        draws << (isDigit ? digit(char(c.unicode())) : letter(char(c.unicode())));
    }
    return draws;
}

class CountingYield final : public core::Yield {
public:
    void operator()() override { ++calls; }
    int calls = 0;
};

core::GenerationSettings settings(QString length, qint16 type, qint16 pwdCase) {
    core::GenerationSettings s;
    s.lengthText = std::move(length);
    s.type = type;
    s.pwdCase = pwdCase;
    return s;
}

} // namespace

class TestComposePassword : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // raw: the capitals and digits drawn; coins: the mixed pass's tosses (0 upper, 1 lower).
    void exactOutput_data() {
        QTest::addColumn<QString>("length");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("pwdCase");
        QTest::addColumn<QString>("raw");
        QTest::addColumn<QList<int>>("coins");
        QTest::addColumn<QString>("expected");
        QTest::newRow("letters upper") << "4" << 0 << 1 << "QWER" << QList<int>{} << "QWER";
        QTest::newRow("letters lower") << "4" << 0 << 0 << "QWER" << QList<int>{} << "qwer";
        QTest::newRow("letters mixed, last keeps its capital")
            << "4" << 0 << 2 << "QWER" << QList<int>{1, 0, 1} << "qWeR";
        QTest::newRow("digits upper") << "5" << 1 << 1 << "01239" << QList<int>{} << "01239";
        QTest::newRow("digits mixed still toss L-1 coins")
            << "5" << 1 << 2 << "90210" << QList<int>{1, 1, 0, 1} << "90210";
        QTest::newRow("mixed type upper") << "6" << 2 << 1 << "A1B2C3" << QList<int>{} << "A1B2C3";
        QTest::newRow("mixed type lower") << "6" << 2 << 0 << "A1B2C3" << QList<int>{} << "a1b2c3";
        QTest::newRow("mixed type mixed")
            << "6" << 2 << 2 << "AB12CD" << QList<int>{1, 0, 1, 1, 1} << "aB12cD";
        QTest::newRow("5.5 gives 6") << "5.5" << 0 << 1 << "ABCDEF" << QList<int>{} << "ABCDEF";
        QTest::newRow("4.5 gives 4") << "4.5" << 0 << 1 << "ABCD" << QList<int>{} << "ABCD";
        QTest::newRow("one character: no coin") << "1" << 0 << 2 << "Z" << QList<int>{} << "Z";
        QTest::newRow("zero: empty body") << "0" << 2 << 2 << "" << QList<int>{} << "";
        QTest::newRow("negative: empty body") << "-10" << 0 << 2 << "" << QList<int>{} << "";
        QTest::newRow("two characters: one coin") << "2" << 0 << 2 << "AB" << QList<int>{1} << "aB";
    }
    void exactOutput() {
        QFETCH(QString, length);
        QFETCH(int, type);
        QFETCH(int, pwdCase);
        QFETCH(QString, raw);
        QFETCH(QList<int>, coins);
        QFETCH(QString, expected);
        QList<float> draws = rawDraws(raw, qint16(type));
        for (int side : coins)
            draws << coin(side);
        const core::GenerationSettings s = settings(length, qint16(type), qint16(pwdCase));
        Source source(draws);
        CountingYield yield;
        QCOMPARE(core::ComposePassword(s, source, yield), expected);
        QCOMPARE(source.draws(), draws.size()); // every scripted value used, none more
        QCOMPARE(yield.calls, raw.size() + coins.size());

        // The same values as bytes of the system source: every byte used, none more, all of
        // them fetched in one request before the first draw.
        const QByteArray bytes = ScriptedRandomBytes::forValues(draws);
        const int requests = draws.isEmpty() ? 0 : 1;
        {
            ScriptedRandomBytes generator(bytes);
            runtime::SystemRandomSource system(generator);
            CountingYield windowYield;
            QCOMPARE(core::ComposePassword(s, system, windowYield), expected);
            QCOMPARE(generator.used(), bytes.size());
            QCOMPARE(generator.requests(), requests);
            QCOMPARE(windowYield.calls, raw.size() + coins.size());
        }
        {
            ScriptedRandomBytes generator(bytes);
            runtime::SystemRandomSource system(generator);
            core::NoYield noYield;
            QCOMPARE(core::ComposePassword(s, system, noYield), expected);
            QCOMPARE(generator.used(), bytes.size());
            QCOMPARE(generator.requests(), requests);
        }
        {
            // Bulk generation: the run announces its draws, then makes the password in place.
            ScriptedRandomBytes generator(bytes);
            runtime::SystemRandomSource system(generator);
            const qint32 l = core::PasswordLength(length);
            system.expectDraws(core::DrawsPerPassword(l, s));
            QString password;
            core::ComposePasswordInto(password, s, l, system);
            QCOMPARE(password, expected);
            QCOMPARE(generator.used(), bytes.size());
            QCOMPARE(generator.requests(), requests);
        }
    }

    // Failures come before any draw, and nothing is returned.
    void failsBeforeAnyDraw_data() {
        QTest::addColumn<QString>("length");
        QTest::addColumn<int>("error");
        QTest::newRow("letters") << "abc" << 13;
        QTest::newRow("empty") << "" << 13;
        QTest::newRow("beyond 32 bits") << "3000000000" << 6;
        QTest::newRow("beyond the longest password") << "65536" << 6;
        QTest::newRow("huge exponent") << "1E10000" << 6;
    }
    void failsBeforeAnyDraw() {
        QFETCH(QString, length);
        QFETCH(int, error);
        Source source;
        CountingYield yield;
        try {
            core::ComposePassword(settings(length, 2, 2), source, yield);
            QFAIL("no error raised");
        } catch (const runtime::RuntimeError& e) {
            QCOMPARE(e.number(), error);
        }
        QCOMPARE(source.draws(), 0);
        QCOMPARE(yield.calls, 0);
    }

    void longestPasswordIsAccepted() {
        QList<float> draws(core::kMaxPasswordLength, letter('K'));
        Source source(draws);
        core::NoYield noYield;
        const QString password = core::ComposePassword(
            settings(QString::number(core::kMaxPasswordLength), 0, 1), source, noYield);
        QCOMPARE(password, QString(core::kMaxPasswordLength, u'K'));
    }

    // Prefix and suffix are placed as typed; the case pass and the mask touch the body only.
    void prefixAndSuffixUntouched_data() {
        QTest::addColumn<int>("pwdCase");
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("expected");
        QTest::newRow("upper case") << 1 << ""
                                    << "pre-ABCD-Suf";
        QTest::newRow("lower case") << 0 << ""
                                    << "pre-abcd-Suf";
        QTest::newRow("mask") << 1 << "@@-@@"
                              << "pre-AB-CD-Suf";
        QTest::newRow("lowering mask") << 1 << "<"
                                       << "pre-abcd-Suf";
    }
    void prefixAndSuffixUntouched() {
        QFETCH(int, pwdCase);
        QFETCH(QString, mask);
        QFETCH(QString, expected);
        Source source(rawDraws("ABCD", 0));
        core::NoYield noYield;
        core::GenerationSettings s = settings("4", 0, qint16(pwdCase));
        s.prefix = "pre-";
        s.suffix = "-Suf";
        s.mask = mask;
        QCOMPARE(core::ComposePassword(s, source, noYield), expected);
    }

    // An empty body still goes through the mask, between prefix and suffix.
    void emptyBodyThroughMask() {
        Source source;
        core::NoYield noYield;
        core::GenerationSettings s = settings("0", 2, 2);
        s.prefix = "<";
        s.suffix = ">";
        s.mask = "@@;none";
        QCOMPARE(core::ComposePassword(s, source, noYield), QString("<none>"));
    }

    void invalidTypeFailsBeforeAnyDraw() {
        Source source;
        core::NoYield noYield;
        QVERIFY_THROWS_EXCEPTION(runtime::RuntimeError,
                                 core::ComposePassword(settings("4", 7, 2), source, noYield));
        QCOMPARE(source.draws(), 0);
    }
};

QTEST_GUILESS_MAIN(TestComposePassword)
#include "tst_composepassword.moc"
