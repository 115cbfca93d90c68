// The About dialog as assistive technology sees it: its buttons and both links named and
// described, the links reachable in the dialog's tree and pressable like a click.

#include "tests/ui/about/AboutWorld.h"
#include "ui/about/frmAbout.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QtTest>

using namespace platform;

namespace {

const QString kHost = QStringLiteral(KEYWRIGHT_TEST_WEB_HOST);
const QString kHelp = kHost + QStringLiteral("/keywright/help/");
const QString kHome = kHost + QStringLiteral("/keywright/");

// A machine with a default browser, so that pressing a link starts something.
struct BrowserWorld : AboutWorld {
    BrowserWorld() { registerBrowser(QStringLiteral("browser")); }
};

QAccessibleInterface* of(QWidget& dialog, const QString& name) {
    QWidget* control = dialog.findChild<QWidget*>(name);
    return control ? QAccessible::queryAccessibleInterface(control) : nullptr;
}

} // namespace

class TestAboutAccessibility : public QObject {
    Q_OBJECT
private slots:
    void eachControl_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::newRow("OK") << "cmdOK" << int(QAccessible::Button) << "OK"
                            << "Close the dialog";
        QTest::newRow("System Info") << "cmdSysInfo" << int(QAccessible::Button) << "System Info..."
                                     << "Information about your system";
        QTest::newRow("help") << "lblHelp" << int(QAccessible::Link) << kHelp << kHelp;
        QTest::newRow("home") << "lblURL" << int(QAccessible::Link) << kHome << kHome;
    }
    void eachControl() {
        QFETCH(QString, control);
        QFETCH(int, role);
        QFETCH(QString, name);
        QFETCH(QString, description);
        BrowserWorld world;
        ui::frmAbout dialog(world.services);
        QAccessibleInterface* accessible = of(dialog, control);
        QVERIFY(accessible);
        QCOMPARE(int(accessible->role()), role);
        QCOMPARE(accessible->text(QAccessible::Name), name);
        QCOMPARE(accessible->text(QAccessible::Description), description);
    }

    // The dialog's tree holds both links; pressing one starts the browser on its address, as
    // a click does, and the dialog stays.
    void linksAreReachableAndPressable_data() {
        QTest::addColumn<QString>("address");
        QTest::newRow("help") << kHelp;
        QTest::newRow("home") << kHome;
    }
    void linksAreReachableAndPressable() {
        QFETCH(QString, address);
        BrowserWorld world;
        ui::frmAbout dialog(world.services);
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&dialog);
        QAccessibleInterface* link = nullptr;
        for (int i = 0; i < root->childCount(); ++i) {
            QAccessibleInterface* child = root->child(i);
            if (child && child->role() == QAccessible::Link &&
                child->text(QAccessible::Name) == address)
                link = child;
        }
        QVERIFY2(link, "the link is not in the dialog's tree");
        QVERIFY(link->state().linked);
        QAccessibleActionInterface* actions = link->actionInterface();
        QVERIFY(actions);
        QCOMPARE(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(world.starter.starts.size(), 1);
        QVERIFY2(world.starter.starts[0].commandLine.endsWith(address),
                 qPrintable(world.starter.starts[0].commandLine));
        QVERIFY(world.boxes.shown.isEmpty());
    }
};

QTEST_MAIN(TestAboutAccessibility)
#include "tst_aboutaccessibility.moc"
