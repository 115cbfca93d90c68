#include "ui/widgets/LinkLabel.h"
#include "ui/widgets/ProgramFont.h"

#include <QSignalSpy>
#include <QtTest>

class TestWidgets : public QObject {
    Q_OBJECT

private slots:
    void fontIsTahomaOrTheFallbackAtPixelSizes_data() {
        QTest::addColumn<double>("points");
        QTest::addColumn<int>("pixels");
        QTest::newRow("8.25 pt") << 8.25 << 11;
        QTest::newRow("9 pt") << 9.0 << 12;
        QTest::newRow("6.75 pt") << 6.75 << 9;
    }
    void fontIsTahomaOrTheFallbackAtPixelSizes() {
        QFETCH(double, points);
        QFETCH(int, pixels);
        const QFont font = ui::programFont(points);
        const QFontInfo info(font);
        QCOMPARE(info.pixelSize(), pixels);
        // Another substitute would be wider and clip captions: the fallback font must be there.
        QVERIFY2(info.family() == QLatin1String(ui::kDesignFamily) ||
                     info.family() == QLatin1String(ui::kFallbackFamily),
                 qPrintable(info.family()));
    }

    void aClickIsAPressAndReleaseOfTheLeftButtonOverTheLabel_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QPoint>("releaseAt");
        QTest::addColumn<int>("clicks");
        QTest::newRow("left, released over it") << int(Qt::LeftButton) << QPoint(5, 5) << 1;
        QTest::newRow("left, released elsewhere") << int(Qt::LeftButton) << QPoint(500, 5) << 0;
        QTest::newRow("right button") << int(Qt::RightButton) << QPoint(5, 5) << 0;
    }
    void aClickIsAPressAndReleaseOfTheLeftButtonOverTheLabel() {
        QFETCH(int, button);
        QFETCH(QPoint, releaseAt);
        QFETCH(int, clicks);
        ui::LinkLabel label(QStringLiteral("https://norvik.example/keywright/"));
        label.resize(label.sizeHint());
        label.show();
        QVERIFY(QTest::qWaitForWindowExposed(&label));
        QSignalSpy clicked(&label, &ui::LinkLabel::clicked);
        QTest::mousePress(&label, Qt::MouseButton(button), {}, QPoint(5, 5));
        QTest::mouseRelease(&label, Qt::MouseButton(button), {}, releaseAt);
        QCOMPARE(clicked.size(), clicks);
    }
};

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
