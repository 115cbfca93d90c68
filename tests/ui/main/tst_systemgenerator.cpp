// The window as the program builds it draws from the operating system's generator: with the
// generator scripted (ScriptedSystemGenerator.cpp, linked into this test), Generate shows exactly
// the password that the scripted bytes give, and a generator that fails ends in the one Internal
// Error box with no password.

#include "platform/desktop/OverrideBusyPointer.h"
#include "platform/runtime/SystemRandomSource.h"
#include "tests/support/ScriptedRandomBytes.h"
#include "tests/ui/support/RecordingMessageBoxes.h"
#include "tests/ui/support/RecordingWindowOpacity.h"
#include "ui/main/frmMain.h"
#include "ui/message/MessageDisplay.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

float drawFor(int wanted, int upper, int lower) {
    return (float(wanted - lower) + 0.5f) / float(upper - lower + 1);
}
float coin(int side) {
    return drawFor(side, 1, 0);
}
float capital(char c) {
    return drawFor(c, 90, 65);
}
float digit(char c) {
    return drawFor(c, 57, 48);
}

// The main window with the program's own random source and the real busy pointer and message
// window; message boxes are recorded.
struct World {
    RecordingMessageBoxes boxes;
    platform::OverrideBusyPointer pointer;
    ui::MessageDisplay messages;
    RecordingWindowOpacity opacity;
    QPointer<ui::frmMain> window;

    World() {
        QApplication::setQuitOnLastWindowClosed(false);
        ui::frmMainServices services(boxes, pointer, messages, runtime::Rnd());
        services.opacity = &opacity;
        window = new ui::frmMain(services);
        window->show();
    }
    ~World() {
        delete window.data();
        qunsetenv("KEYWRIGHT_TEST_GETRANDOM");
    }
    template <typename T> T* find(const char* name) const {
        T* control = window->findChild<T*>(QLatin1String(name));
        if (!control)
            qFatal("no control %s", name);
        return control;
    }
    void generate() const { QTest::mouseClick(find<QPushButton>("cmdGenerate"), Qt::LeftButton); }
};

} // namespace

class TestSystemGenerator : public QObject {
    Q_OBJECT
private slots:
    void passwordIsTheOneTheBytesGive_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("pwdCase");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QList<float>>("draws");
        QTest::addColumn<QString>("expected");
        QTest::newRow("letters and digits, mixed case")
            << "optPwdTypes(2)"
            << "optAlphaCases(2)"
            << "6"
            << QList<float>{coin(1), capital('K'), coin(0), digit('3'), coin(1), capital('Y'),
                            coin(1), capital('W'), coin(0), digit('9'), coin(1), capital('R'),
                            coin(1), coin(0),      coin(0), coin(1),    coin(0)}
            << "k3Yw9R";
        QTest::newRow("digits") << "optPwdTypes(1)"
                                << "optAlphaCases(1)"
                                << "8"
                                << QList<float>{digit('2'), digit('0'), digit('2'), digit('6'),
                                                digit('1'), digit('2'), digit('0'), digit('8')}
                                << "20261208";
        QTest::newRow("letters, lower case")
            << "optPwdTypes(0)"
            << "optAlphaCases(0)"
            << "5"
            << QList<float>{capital('Z'), capital('A'), capital('Q'), capital('M'), capital('B')}
            << "zaqmb";
    }
    void passwordIsTheOneTheBytesGive() {
        QFETCH(QString, type);
        QFETCH(QString, pwdCase);
        QFETCH(QString, length);
        QFETCH(QList<float>, draws);
        QFETCH(QString, expected);
        World world;
        // The case first: "Numbers only" disables the case options.
        QTest::mouseClick(world.find<QRadioButton>(qPrintable(pwdCase)), Qt::LeftButton);
        QTest::mouseClick(world.find<QRadioButton>(qPrintable(type)), Qt::LeftButton);
        world.find<QLineEdit>("txtPwdLong")->setText(length);
        // Exactly the bytes of these draws: a password that took any other bytes, or more of
        // them, would differ or fail.
        qputenv("KEYWRIGHT_TEST_GETRANDOM", ScriptedRandomBytes::forValues(draws).toHex());
        world.generate();
        QCOMPARE(world.boxes.shown.size(), 0);
        QCOMPARE(world.find<QLineEdit>("txtGeneratedPwd")->text(), expected);
    }

    void failingGeneratorEndsInInternalError() {
        World world;
        QLineEdit* output = world.find<QLineEdit>("txtGeneratedPwd");
        output->setText(QStringLiteral("kept"));
        qputenv("KEYWRIGHT_TEST_GETRANDOM", "fail");
        world.generate();
        QCOMPARE(world.boxes.shown.size(), 1);
        QCOMPARE(world.boxes.shown.first().title, QStringLiteral("Internal Error"));
        QCOMPARE(output->text(), QStringLiteral("kept"));
        QVERIFY(world.window->isEnabled());
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(!world.messages.current());
    }
};

QTEST_MAIN(TestSystemGenerator)
#include "tst_systemgenerator.moc"
