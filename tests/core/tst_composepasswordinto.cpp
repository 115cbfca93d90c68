// ComposePasswordInto, the bulk form of ComposePassword that keywright-cli uses: the same text for
// every type, case, mask, prefix and suffix, made in the caller's memory without leaving any of
// an earlier, longer text behind.

#include "core/ComposePassword.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/SystemRandomSource.h"

#include <QRegularExpression>
#include <QtTest>

class TestComposePasswordInto : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { runtime::Randomize(); }

    // Every password of a few hundred matches the pattern that the rules allow.
    void matchesTheRules_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("pwdCase");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("letters lower") << 0 << 0 << "16"
                                       << ""
                                       << ""
                                       << ""
                                       << "[a-z]{16}";
        QTest::newRow("letters upper") << 0 << 1 << "16"
                                       << ""
                                       << ""
                                       << ""
                                       << "[A-Z]{16}";
        QTest::newRow("letters mixed: last a capital") << 0 << 2 << "16"
                                                       << ""
                                                       << ""
                                                       << ""
                                                       << "[A-Za-z]{15}[A-Z]";
        QTest::newRow("digits") << 1 << 2 << "9"
                                << ""
                                << ""
                                << ""
                                << "[0-9]{9}";
        QTest::newRow("mixed mixed") << 2 << 2 << "16"
                                     << ""
                                     << ""
                                     << ""
                                     << "[0-9A-Za-z]{15}[0-9A-Z]";
        QTest::newRow("mixed upper") << 2 << 1 << "5.5"
                                     << ""
                                     << ""
                                     << ""
                                     << "[0-9A-Z]{6}";
        QTest::newRow("prefix and suffix, untouched by the case") << 0 << 1 << "4"
                                                                  << "ab-"
                                                                  << "-cd"
                                                                  << ""
                                                                  << "ab-[A-Z]{4}-cd";
        QTest::newRow("mask") << 1 << 0 << "8"
                              << ""
                              << ""
                              << "@@@@-@@@@"
                              << "[0-9]{4}-[0-9]{4}";
        QTest::newRow("mask, prefix, suffix") << 1 << 0 << "4"
                                              << "<"
                                              << ">"
                                              << "@@-@@"
                                              << "<[0-9]{2}-[0-9]{2}>";
        QTest::newRow("length 0: prefix, the mask of nothing, suffix") << 2 << 2 << "0"
                                                                       << "p"
                                                                       << "s"
                                                                       << ""
                                                                       << "ps";
        QTest::newRow("negative length") << 2 << 2 << "-7"
                                         << ""
                                         << ""
                                         << ""
                                         << "";
    }
    void matchesTheRules() {
        QFETCH(int, type);
        QFETCH(int, pwdCase);
        QFETCH(QString, length);
        QFETCH(QString, prefix);
        QFETCH(QString, suffix);
        QFETCH(QString, mask);
        QFETCH(QString, pattern);
        core::GenerationSettings s;
        s.type = static_cast<qint16>(type);
        s.pwdCase = static_cast<qint16>(pwdCase);
        s.lengthText = length;
        s.prefix = prefix;
        s.suffix = suffix;
        s.mask = mask;
        const QRegularExpression rule(QRegularExpression::anchoredPattern(pattern));
        auto& source = static_cast<runtime::SystemRandomSource&>(runtime::Rnd());
        core::NoYield noYield;
        QString password;
        for (int i = 0; i < 300; ++i) {
            core::ComposePasswordInto(password, s, core::PasswordLength(length), source);
            QVERIFY2(rule.match(password).hasMatch(), qPrintable(password));
            // The window's form gives texts of the same shape.
            const QString single = core::ComposePassword(s, source, noYield);
            QVERIFY2(rule.match(single).hasMatch(), qPrintable(single));
        }
    }

    // A password made where a longer text was: the same length as asked, and the characters of
    // the longer text past it are gone from the memory, not just hidden by the size.
    void reusesMemoryWithoutLeftovers() {
        QString password(40, QChar(u'#'));
        const QChar* memory = password.constData();
        core::GenerationSettings s;
        s.lengthText = QStringLiteral("8");
        core::ComposePasswordInto(password, s, 8,
                                  static_cast<runtime::SystemRandomSource&>(runtime::Rnd()));
        QCOMPARE(password.size(), 8);
        QCOMPARE(password.constData(), memory); // made in place
        for (int i = 8; i < 40; ++i)
            QCOMPARE(memory[i], QChar(u'\0'));
    }

    void unknownTypeFails() {
        core::GenerationSettings s;
        s.type = 3;
        QString password = QStringLiteral("kept");
        try {
            core::ComposePasswordInto(password, s, 6,
                                      static_cast<runtime::SystemRandomSource&>(runtime::Rnd()));
            QFAIL("no error raised");
        } catch (const runtime::RuntimeError& error) {
            QCOMPARE(error.number(), int(runtime::ErrorNumber::InvalidProcedureCall));
        }
    }
};

QTEST_GUILESS_MAIN(TestComposePasswordInto)
#include "tst_composepasswordinto.moc"
