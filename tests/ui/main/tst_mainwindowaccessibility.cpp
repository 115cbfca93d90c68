// The main window as assistive technology sees it, through Qt's accessibility interfaces: every
// control named and described, text boxes labelled, link labels links that can be pressed.

#include "tests/ui/main/MainWindowWorld.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QGroupBox>

namespace {

const QString kHome = QStringLiteral(KEYWRIGHT_TEST_WEB_HOST "/keywright/");
const QString kHelp = QStringLiteral(KEYWRIGHT_TEST_WEB_HOST "/keywright/help");

// The controls a user operates or reads a setting from.
bool isControl(QWidget* widget) {
    return qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
           qobject_cast<QGroupBox*>(widget) ||
           widget->metaObject()->className() == QByteArray("ui::LinkLabel");
}

// Every interface below root, depth first.
void collect(QAccessibleInterface* root, QList<QAccessibleInterface*>& all) {
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        if (!child)
            continue;
        all << child;
        collect(child, all);
    }
}

} // namespace

class TestMainWindowAccessibility : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowWorld> world;

    QAccessibleInterface* of(const QString& name) const {
        return QAccessible::queryAccessibleInterface(world->find<QWidget>(name));
    }

private slots:
    void init() {
        world = std::make_unique<MainWindowWorld>();
        world->open();
    }
    void cleanup() { world.reset(); }

    void eachControl_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        const int edit = QAccessible::EditableText, radio = QAccessible::RadioButton,
                  button = QAccessible::Button, link = QAccessible::Link;
        QTest::newRow("mask") << "txtMasks" << edit << "Password Mask"
                              << "Format of the password. More help, see " + kHelp;
        QTest::newRow("length") << "txtPwdLong" << edit << "Password Length"
                                << "Password length (Required)";
        QTest::newRow("prefix") << "txtprefix" << edit << "Prefix"
                                << "Prefix of the password (Optional)";
        QTest::newRow("suffix") << "txtSuffix" << edit << "Suffix"
                                << "Suffix of the password (Optional)";
        QTest::newRow("output") << "txtGeneratedPwd" << edit << "Generated Password"
                                << "The password made by Generate; read only, select it and "
                                   "copy it";
        QTest::newRow("letters") << "optPwdTypes(0)" << radio << "Alphabets only"
                                 << "Characters of the password";
        QTest::newRow("digits") << "optPwdTypes(1)" << radio << "Numbers only"
                                << "Characters of the password";
        QTest::newRow("mixed type") << "optPwdTypes(2)" << radio << "Mixes of Alphabets and numbers"
                                    << "Characters of the password";
        QTest::newRow("lower") << "optAlphaCases(0)" << radio << "Lower cases"
                               << "Letter case of the password";
        QTest::newRow("upper") << "optAlphaCases(1)" << radio << "Upper cases"
                               << "Letter case of the password";
        QTest::newRow("mixed case") << "optAlphaCases(2)" << radio << "Mixed cases"
                                    << "Letter case of the password";
        QTest::newRow("case frame") << "frPwdCase" << int(QAccessible::Grouping) << "Password case"
                                    << "Letter case of the password";
        QTest::newRow("generate") << "cmdGenerate" << button << "Generate"
                                  << "Generate a password";
        QTest::newRow("about") << "cmdAbout" << button << "About"
                               << "About Norvik Password Generator";
        QTest::newRow("exit") << "Command1" << button << "Exit"
                              << "Exit Norvik Password Generator";
        QTest::newRow("clear") << "Label3" << link << "Clear"
                               << "Clear generated password in the textbox";
        QTest::newRow("home page") << "lblURL" << link << kHome << kHome;
    }
    void eachControl() {
        QFETCH(QString, control);
        QFETCH(int, role);
        QFETCH(QString, name);
        QFETCH(QString, description);
        QAccessibleInterface* accessible = of(control);
        QVERIFY(accessible);
        QCOMPARE(int(accessible->role()), role);
        QCOMPARE(accessible->text(QAccessible::Name), name);
        QCOMPARE(accessible->text(QAccessible::Description), description);
    }

    // No control is left without a name and a description, those added later included.
    void noControlIsNameless() {
        int controls = 0;
        for (QWidget* widget : world->window->findChildren<QWidget*>()) {
            if (!isControl(widget))
                continue;
            ++controls;
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
            QVERIFY(accessible);
            QVERIFY2(!accessible->text(QAccessible::Name).isEmpty(),
                     qPrintable(widget->objectName()));
            QVERIFY2(!accessible->text(QAccessible::Description).isEmpty(),
                     qPrintable(widget->objectName()));
        }
        QCOMPARE(controls, 17);
    }

    // A text box is labelled by the label above it.
    void boxesAreLabelled_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("label");
        QTest::newRow("mask") << "txtMasks"
                              << "lblMasks";
        QTest::newRow("length") << "txtPwdLong"
                                << "Label1";
        QTest::newRow("prefix") << "txtprefix"
                                << "lblPrefix";
        QTest::newRow("suffix") << "txtSuffix"
                                << "lblSuffix";
    }
    void boxesAreLabelled() {
        QFETCH(QString, box);
        QFETCH(QString, label);
        const auto relations = of(box)->relations(QAccessible::Label);
        QCOMPARE(relations.size(), 1);
        QCOMPARE(relations.first().first->object(), world->find<QWidget>(label));
    }

    // The output box is announced read-only; the others can be typed into.
    void onlyTheOutputIsReadOnly() {
        QVERIFY(of("txtGeneratedPwd")->state().readOnly);
        QVERIFY(!of("txtMasks")->state().readOnly);
    }

    // Walking the window's tree reaches both links, and pressing them does what a click does.
    void linksAreReachableAndPressable() {
        QList<QAccessibleInterface*> all;
        collect(QAccessible::queryAccessibleInterface(world->window.data()), all);
        QStringList links;
        for (QAccessibleInterface* accessible : all)
            if (accessible->role() == QAccessible::Link && accessible->state().linked)
                links << accessible->text(QAccessible::Name);
        links.sort();
        QCOMPARE(links, (QStringList{QStringLiteral("Clear"), kHome}));

        world->box("txtGeneratedPwd")->setText(QStringLiteral("k3Yw9R"));
        QAccessibleActionInterface* clear = of("Label3")->actionInterface();
        QVERIFY(clear);
        QCOMPARE(clear->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        clear->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(world->box("txtGeneratedPwd")->text(), QString());

        of("lblURL")->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(world->addressesOpened, QStringList{kHome});
    }
};

QTEST_MAIN(TestMainWindowAccessibility)
#include "tst_mainwindowaccessibility.moc"
