// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/patterneddesktop.h"
#include "ruler/window/regionpicture.h"
#include "testsupport.h"

#include <QPainter>
#include <QTest>

// Where a ruler's region lies in a picture of the desktop, and the region's picture composed from it.
namespace {

const QColor kInk(250, 0, 0);
// The ruler's drawing in these tests: a 10 × 10 square at its top-left corner.
constexpr int kInkSide = 10;

} // namespace

class TestRegionPicture : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void layout_data();
    void layout();
    void compose_data();
    void compose();
    void noPictureComposesNothing();
    void pngPath_data();
    void pngPath();
};

void TestRegionPicture::layout_data()
{
    QTest::addColumn<QRect>("ruler");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QSize>("imageSize");
    QTest::addColumn<QRect>("source");
    QTest::addColumn<QPointF>("origin");
    QTest::addColumn<qreal>("scale");

    const QRect fullHd(0, 0, 1920, 1080);
    QTest::newRow("inside one screen") << QRect(100, 50, 300, 200) << fullHd << fullHd.size()
                                       << QRect(100, 50, 300, 200) << QPointF(0, 0) << 1.0;
    QTest::newRow("screen left of the primary")
        << QRect(-100, 10, 300, 200) << QRect(-1280, 0, 3200, 1080) << QSize(3200, 1080)
        << QRect(1180, 10, 300, 200) << QPointF(0, 0) << 1.0;
    QTest::newRow("screen above the primary")
        << QRect(10, -20, 100, 100) << QRect(0, -1080, 1920, 2160) << QSize(1920, 2160)
        << QRect(10, 1060, 100, 100) << QPointF(0, 0) << 1.0;
    QTest::newRow("across two screens")
        << QRect(1800, 100, 300, 200) << QRect(0, 0, 3840, 1080) << QSize(3840, 1080)
        << QRect(1800, 100, 300, 200) << QPointF(0, 0) << 1.0;
    QTest::newRow("off the left and top") << QRect(-50, -30, 300, 200) << fullHd << fullHd.size()
                                          << QRect(0, 0, 250, 170) << QPointF(-50, -30) << 1.0;
    QTest::newRow("off the right and bottom") << QRect(1800, 1000, 300, 200) << fullHd << fullHd.size()
                                              << QRect(1800, 1000, 120, 80) << QPointF(0, 0) << 1.0;
    QTest::newRow("scaled 200 %") << QRect(100, 50, 300, 200) << QRect(0, 0, 1280, 720) << QSize(2560, 1440)
                                  << QRect(200, 100, 600, 400) << QPointF(0, 0) << 2.0;
    QTest::newRow("scaled 150 %, edges between device pixels")
        << QRect(101, 51, 300, 200) << QRect(0, 0, 1280, 720) << QSize(1920, 1080) << QRect(152, 77, 450, 300)
        << QPointF(-0.5, -0.5) << 1.5;
    QTest::newRow("scaled 200 %, off the left")
        << QRect(-10, 0, 100, 100) << QRect(0, 0, 1280, 720) << QSize(2560, 1440) << QRect(0, 0, 180, 200)
        << QPointF(-20, 0) << 2.0;
    QTest::newRow("scaled 200 %, desktop left of zero")
        << QRect(-300, 20, 100, 100) << QRect(-640, 0, 1920, 720) << QSize(3840, 1440)
        << QRect(680, 40, 200, 200) << QPointF(0, 0) << 2.0;
    QTest::newRow("off the desktop") << QRect(2000, 2000, 100, 100) << fullHd << fullHd.size() << QRect()
                                     << QPointF(0, 0) << 1.0;
}

void TestRegionPicture::layout()
{
    QFETCH(QRect, ruler);
    QFETCH(QRect, area);
    QFETCH(QSize, imageSize);
    QFETCH(QRect, source);
    QFETCH(QPointF, origin);
    QFETCH(qreal, scale);
    const RegionPicture::Layout placed = RegionPicture::layout(ruler, area, imageSize);
    QCOMPARE(placed.isEmpty(), source.isEmpty());
    if (source.isEmpty())
        return;
    QCOMPARE(placed.source, source);
    QCOMPARE(placed.origin, origin);
    QCOMPARE(placed.scaleX, scale);
    QCOMPARE(placed.scaleY, scale);
}

void TestRegionPicture::compose_data()
{
    QTest::addColumn<QRect>("ruler");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<int>("scale");
    QTest::addColumn<QSize>("size");
    // Where the ruler's corner square lands in the region's picture; null where it is off the desktop.
    QTest::addColumn<QRect>("ink");

    QTest::newRow("inside") << QRect(300, 260, 200, 120) << QRect(0, 0, 800, 600) << 1 << QSize(200, 120)
                            << QRect(0, 0, kInkSide, kInkSide);
    QTest::newRow("desktop left of zero") << QRect(-300, 260, 200, 120) << QRect(-400, 0, 800, 600) << 1
                                          << QSize(200, 120) << QRect(0, 0, kInkSide, kInkSide);
    QTest::newRow("scaled 200 %") << QRect(300, 260, 200, 120) << QRect(0, 0, 800, 600) << 2
                                  << QSize(400, 240) << QRect(0, 0, 2 * kInkSide, 2 * kInkSide);
    QTest::newRow("off the left") << QRect(-5, 20, 200, 120) << QRect(0, 0, 800, 600) << 1 << QSize(195, 120)
                                  << QRect(0, 0, kInkSide - 5, kInkSide);
    QTest::newRow("off the top, scaled")
        << QRect(40, -50, 200, 120) << QRect(0, 0, 800, 600) << 2 << QSize(400, 140) << QRect();
}

// The region's pixels are the desktop's where the ruler draws nothing and the ruler's where it draws.
void TestRegionPicture::compose()
{
    QFETCH(QRect, ruler);
    QFETCH(QRect, area);
    QFETCH(int, scale);
    QFETCH(QSize, size);
    QFETCH(QRect, ink);
    const ScreenPicture desktop = patternedDesktop(area, scale);
    const QImage region = RegionPicture::compose(
        desktop, ruler, [](QPainter &painter) { painter.fillRect(QRect(0, 0, kInkSide, kInkSide), kInk); });
    QCOMPARE(region.size(), size);
    const QPoint shownCorner = ruler.intersected(area).topLeft();
    const QPoint offset = (shownCorner - area.topLeft()) * scale;
    for (int y = 0; y < size.height(); y += 3) {
        for (int x = 0; x < size.width(); x += 3) {
            const QRgb expected =
                ink.contains(x, y) ? kInk.rgb() : desktop.image.pixel(offset + QPoint(x, y));
            QVERIFY2(region.pixel(x, y) == expected, qPrintable(QStringLiteral("at %1, %2").arg(x).arg(y)));
        }
    }
}

void TestRegionPicture::noPictureComposesNothing()
{
    ScreenPicture refused;
    refused.failure = QStringLiteral("The portal refused.");
    bool drawn = false;
    QVERIFY(
        RegionPicture::compose(refused, QRect(0, 0, 100, 100), [&](QPainter &) { drawn = true; }).isNull());
    const ScreenPicture elsewhere = patternedDesktop(QRect(0, 0, 100, 100));
    QVERIFY(
        RegionPicture::compose(elsewhere, QRect(200, 0, 50, 50), [&](QPainter &) { drawn = true; }).isNull());
    QVERIFY(!drawn);
}

void TestRegionPicture::pngPath_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("path");
    QTest::newRow("no ending") << "/home/u/shot"
                               << "/home/u/shot.png";
    QTest::newRow("png") << "/home/u/shot.png"
                         << "/home/u/shot.png";
    QTest::newRow("PNG in capitals") << "/home/u/shot.PNG"
                                     << "/home/u/shot.PNG";
    QTest::newRow("another ending") << "/home/u/shot.jpg"
                                    << "/home/u/shot.jpg.png";
    QTest::newRow("dotted folder") << "/home/u/v1.2/shot"
                                   << "/home/u/v1.2/shot.png";
    QTest::newRow("cancelled") << ""
                               << "";
}

void TestRegionPicture::pngPath()
{
    QFETCH(QString, chosen);
    QFETCH(QString, path);
    QCOMPARE(RegionPicture::pngPath(chosen), path);
}

GRADORA_TEST_GUILESS_MAIN(TestRegionPicture)
#include "tst_regionpicture.moc"
