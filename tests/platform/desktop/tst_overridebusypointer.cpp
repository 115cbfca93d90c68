#include "platform/desktop/OverrideBusyPointer.h"

#include <QGuiApplication>
#include <QtTest>

using platform::BusyPointer;

class TestOverrideBusyPointer : public QObject {
    Q_OBJECT

    static int overrideDepth() {
        int depth = 0;
        while (QGuiApplication::overrideCursor()) {
            QGuiApplication::restoreOverrideCursor();
            ++depth;
        }
        return depth;
    }

private slots:
    void pointerIsAPropertyNotAStack_data() {
        QTest::addColumn<QList<int>>("settings");
        QTest::addColumn<int>("depth");
        QTest::newRow("busy") << QList<int>{BusyPointer::Hourglass} << 1;
        QTest::newRow("busy twice")
            << QList<int>{BusyPointer::Hourglass, BusyPointer::Hourglass} << 1;
        QTest::newRow("busy, default")
            << QList<int>{BusyPointer::Hourglass, BusyPointer::Default} << 0;
        QTest::newRow("default only") << QList<int>{BusyPointer::Default} << 0;
        QTest::newRow("default twice after busy")
            << QList<int>{BusyPointer::Hourglass, BusyPointer::Default, BusyPointer::Default} << 0;
    }
    void pointerIsAPropertyNotAStack() {
        QFETCH(QList<int>, settings);
        QFETCH(int, depth);
        platform::OverrideBusyPointer pointer;
        for (int setting : settings)
            pointer.setMousePointer(BusyPointer::MousePointer(setting));
        if (depth > 0)
            QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        QCOMPARE(overrideDepth(), depth);
    }

    void anOverrideOfSomeoneElseIsLeftAlone() {
        QGuiApplication::setOverrideCursor(Qt::IBeamCursor);
        {
            platform::OverrideBusyPointer pointer;
            pointer.setMousePointer(BusyPointer::Default);
        }
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::IBeamCursor);
        QCOMPARE(overrideDepth(), 1);
    }

    void destructionRestoresThePointer() {
        {
            platform::OverrideBusyPointer pointer;
            pointer.setMousePointer(BusyPointer::Hourglass);
        }
        QCOMPARE(overrideDepth(), 0);
    }
};

QTEST_MAIN(TestOverrideBusyPointer)
#include "tst_overridebusypointer.moc"
