// The program icon as the desktop and Windows take it: every PNG of the hicolor theme and every
// image of the .ico at its size, square, with a transparent corner; the SVG square; the windows'
// icon the same artwork.

#include "ui/widgets/ProgramIcon.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

const QString kIcons = QStringLiteral(KEYWRIGHT_ICON_DIR);
const QString kAppId = QStringLiteral("example.norvik.Keywright");

// The tile's rounded corner leaves the very corner of every image see-through.
bool cornerIsTransparent(const QImage& image) {
    return image.hasAlphaChannel() && qAlpha(image.pixel(0, 0)) == 0 &&
           qAlpha(image.pixel(image.width() - 1, image.height() - 1)) == 0;
}

// The middle of the image is drawn: not a blank or see-through picture.
bool middleIsOpaque(const QImage& image) {
    return qAlpha(image.pixel(image.width() / 2, image.height() / 2)) == 255;
}

} // namespace

class TestProgramIcon : public QObject {
    Q_OBJECT
private slots:
    void themePng_data() {
        QTest::addColumn<int>("size");
        for (int size : {16, 24, 32, 48, 64, 128, 256})
            QTest::addRow("%d", size) << size;
    }
    void themePng() {
        QFETCH(int, size);
        const QString path =
            QStringLiteral("%1/hicolor/%2x%2/apps/%3.png").arg(kIcons).arg(size).arg(kAppId);
        QImageReader reader(path);
        QCOMPARE(reader.format(), QByteArray("png"));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), QSize(size, size));
        QVERIFY(cornerIsTransparent(image));
        QVERIFY(middleIsOpaque(image));
    }

    // The Windows icon holds 16, 24, 32, 48 and 256 pixels, in that order.
    void windowsIcon() {
        QImageReader reader(kIcons + QStringLiteral("/keywright.ico"), "ico");
        QCOMPARE(reader.imageCount(), 5);
        QList<int> sizes;
        do {
            const QImage image = reader.read();
            QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
            QCOMPARE(image.width(), image.height());
            QVERIFY(cornerIsTransparent(image));
            QVERIFY(middleIsOpaque(image));
            sizes << image.width();
        } while (reader.jumpToNextImage());
        QCOMPARE(sizes, (QList<int>{16, 24, 32, 48, 256}));
    }

    // The windows show the same artwork as the desktop: the program's icon resource is made of
    // the theme's PNGs.
    void windowIconIsTheArtwork_data() {
        QTest::addColumn<int>("size");
        for (int size : {16, 24, 32, 48})
            QTest::addRow("%d", size) << size;
    }
    void windowIconIsTheArtwork() {
        QFETCH(int, size);
        const QImage shown = ui::programIcon()
                                 .pixmap(QSize(size, size))
                                 .toImage()
                                 .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QImage artwork =
            QImage(QStringLiteral("%1/hicolor/%2x%2/apps/%3.png").arg(kIcons).arg(size).arg(kAppId))
                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(shown.size(), QSize(size, size));
        QVERIFY(shown == artwork);
    }

    // The scalable icon: an SVG document on a square canvas.
    void scalableSvg() {
        QFile file(QStringLiteral("%1/%2.svg").arg(kIcons, kAppId));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QVERIFY(xml.readNextStartElement());
        QCOMPARE(xml.name(), QStringLiteral("svg"));
        QCOMPARE(xml.namespaceUri(), QStringLiteral("http://www.w3.org/2000/svg"));
        const QStringList box = xml.attributes()
                                    .value(QStringLiteral("viewBox"))
                                    .toString()
                                    .split(u' ', Qt::SkipEmptyParts);
        QCOMPARE(box.size(), 4);
        QCOMPARE(box[2], box[3]);
        xml.skipCurrentElement();
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    }
};

QTEST_MAIN(TestProgramIcon)
#include "tst_programicon.moc"
