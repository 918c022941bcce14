// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "render/edgefinder.h"
#include "testsupport.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QTest>
#include <vector>

namespace {

constexpr QSize kSize(200, 120);
const QRect kBox(40, 20, 60, 30);
const QColor kGround(60, 60, 60);
const QColor kInk(230, 230, 230);
constexpr int kTolerance = 24;

// The synthetic pictures of the rows.
enum class Scene
{
    SolidBox,
    BoxAtBorder,
    SlowGradient,
    GradientWithStep,
    SteepRamp,
    SoftEdgeQuarter,
    SoftEdgeHalf,
    SoftEdgeThreeQuarters,
    NoiseBelowTolerance,
    NearlyEqualColors,
    VerticalLine,
    HorizontalLine,
    PaddedScanLines,
    ThreeByteFormat,
};

QImage filled(QColor color, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(kSize, format);
    image.fill(color);
    return image;
}

QImage withBox(const QRect &box)
{
    QImage image = filled(kGround);
    QPainter(&image).fillRect(box, kInk);
    return image;
}

// A grey ramp along x, one level per pixel, plus `jump` levels from x = `at` on.
QImage ramp(int perPixel, int at, int jump)
{
    QImage image = filled(Qt::black);
    for (int y = 0; y < kSize.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < kSize.width(); ++x) {
            const int level = std::min(255, perPixel * x + (x >= at ? jump : 0));
            row[x] = qRgb(level, level, level);
        }
    }
    return image;
}

// kBox drawn anti-aliased at a fractional offset, so its outer pixels are partly covered.
QImage softBox(double offset)
{
    QImage image = filled(kGround);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(kBox).translated(offset, offset), kInk);
    return image;
}

QImage noisyBox(int amplitude)
{
    QImage image = withBox(kBox);
    QRandomGenerator random(17);
    for (int y = kBox.top(); y <= kBox.bottom(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = kBox.left(); x <= kBox.right(); ++x) {
            const int level = kInk.red() + random.bounded(-amplitude / 2, amplitude / 2 + 1);
            row[x] = qRgb(level, level - 1, level);
        }
    }
    return image;
}

// The same box in a buffer whose lines are longer than the picture is wide.
QImage padded()
{
    static std::vector<uchar> buffer;
    const qsizetype line = (kSize.width() + 13) * 4;
    buffer.assign(std::size_t(line * kSize.height()), 0xee);
    QImage image(buffer.data(), kSize.width(), kSize.height(), line, QImage::Format_RGB32);
    image.fill(kGround);
    QPainter(&image).fillRect(kBox, kInk);
    return image;
}

// Flat black up to x = 99, then a ramp of 8 levels a pixel: each step is beyond the gradient step.
QImage steepRamp()
{
    QImage image = filled(Qt::black);
    for (int y = 0; y < kSize.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 100; x < kSize.width(); ++x) {
            const int level = std::min(255, 8 * (x - 99));
            row[x] = qRgb(level, level, level);
        }
    }
    return image;
}

QImage picture(Scene scene)
{
    switch (scene) {
    case Scene::SolidBox:
        return withBox(kBox);
    case Scene::BoxAtBorder:
        return withBox(QRect(0, 0, 70, 50));
    case Scene::SlowGradient:
        return ramp(1, kSize.width(), 0);
    case Scene::GradientWithStep:
        return ramp(1, 120, 40);
    case Scene::SteepRamp:
        return steepRamp();
    case Scene::SoftEdgeQuarter:
        return softBox(0.25);
    case Scene::SoftEdgeHalf:
        return softBox(0.5);
    case Scene::SoftEdgeThreeQuarters:
        return softBox(0.75);
    case Scene::NoiseBelowTolerance:
        return noisyBox(kTolerance - 4);
    case Scene::NearlyEqualColors: {
        QImage image = filled(QColor(100, 100, 100));
        QPainter(&image).fillRect(kBox, QColor(100, 102, 100));
        return image;
    }
    case Scene::VerticalLine:
        return withBox(QRect(50, 0, 1, kSize.height()));
    case Scene::HorizontalLine:
        return withBox(QRect(0, 30, kSize.width(), 1));
    case Scene::PaddedScanLines:
        return padded();
    case Scene::ThreeByteFormat:
        return withBox(kBox).convertToFormat(QImage::Format_RGB888);
    }
    return {};
}

} // namespace

Q_DECLARE_METATYPE(Scene)

class TestEdgeFinder : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void boxes_data();
    void boxes();
    void softEdges_data();
    void softEdges();
    void outsideThePicture();
    void colorDistance_data();
    void colorDistance();
};

void TestEdgeFinder::boxes_data()
{
    QTest::addColumn<Scene>("scene");
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<int>("tolerance");
    QTest::addColumn<QRect>("box");

    const QRect whole(QPoint(), kSize);
    QTest::newRow("solid box from its middle") << Scene::SolidBox << kBox.center() << kTolerance << kBox;
    QTest::newRow("solid box from its top-left pixel")
        << Scene::SolidBox << kBox.topLeft() << kTolerance << kBox;
    QTest::newRow("solid box from its bottom-right pixel")
        << Scene::SolidBox << kBox.bottomRight() << kTolerance << kBox;
    QTest::newRow("around the box the border is the edge")
        << Scene::SolidBox << QPoint(5, 5) << kTolerance << whole;
    QTest::newRow("beside the box") << Scene::SolidBox << QPoint(10, 30) << kTolerance
                                    << QRect(QPoint(0, 0), QPoint(39, kSize.height() - 1));
    QTest::newRow("box touching the border")
        << Scene::BoxAtBorder << QPoint(10, 10) << kTolerance << QRect(0, 0, 70, 50);
    QTest::newRow("the widest tolerance takes everything")
        << Scene::SolidBox << kBox.center() << EdgeFinder::kMaxTolerance << whole;
    QTest::newRow("a tolerance beyond the range is the widest")
        << Scene::SolidBox << kBox.center() << 1000 << whole;
    QTest::newRow("a slow gradient is no edge")
        << Scene::SlowGradient << QPoint(100, 60) << kTolerance << whole;
    QTest::newRow("a step in a gradient is") << Scene::GradientWithStep << QPoint(60, 60) << kTolerance
                                             << QRect(QPoint(0, 0), QPoint(119, kSize.height() - 1));
    QTest::newRow("beyond the step the gradient runs on")
        << Scene::GradientWithStep << QPoint(150, 60) << kTolerance
        << QRect(QPoint(120, 0), QPoint(kSize.width() - 1, kSize.height() - 1));
    QTest::newRow("a steep ramp ends within the tolerance")
        << Scene::SteepRamp << QPoint(50, 60) << kTolerance
        << QRect(QPoint(0, 0), QPoint(99 + kTolerance / 8, kSize.height() - 1));
    QTest::newRow("noise below the tolerance")
        << Scene::NoiseBelowTolerance << kBox.center() << kTolerance << kBox;
    QTest::newRow("a difference of 2 passes a tolerance of 2")
        << Scene::NearlyEqualColors << kBox.center() << 2 << whole;
    QTest::newRow("a difference of 2 stops a tolerance of 1")
        << Scene::NearlyEqualColors << kBox.center() << 1 << kBox;
    QTest::newRow("a tolerance of 0 stops at any change")
        << Scene::NearlyEqualColors << kBox.center() << 0 << kBox;
    QTest::newRow("on a 1-px vertical line")
        << Scene::VerticalLine << QPoint(50, 60) << kTolerance << QRect(50, 0, 1, kSize.height());
    QTest::newRow("a 1-px line is an edge")
        << Scene::VerticalLine << QPoint(20, 60) << kTolerance << QRect(0, 0, 50, kSize.height());
    QTest::newRow("on a 1-px horizontal line")
        << Scene::HorizontalLine << QPoint(120, 30) << kTolerance << QRect(0, 30, kSize.width(), 1);
    QTest::newRow("below a 1-px horizontal line")
        << Scene::HorizontalLine << QPoint(120, 80) << kTolerance
        << QRect(QPoint(0, 31), QPoint(kSize.width() - 1, kSize.height() - 1));
    QTest::newRow("scan lines longer than the picture")
        << Scene::PaddedScanLines << kBox.center() << kTolerance << kBox;
    QTest::newRow("a three-byte picture") << Scene::ThreeByteFormat << kBox.center() << kTolerance << kBox;
}

void TestEdgeFinder::boxes()
{
    QFETCH(Scene, scene);
    QFETCH(QPoint, start);
    QFETCH(int, tolerance);
    QFETCH(QRect, box);
    QCOMPARE(EdgeFinder::findBox(picture(scene), start, tolerance), box);
}

// An anti-aliased edge is found within one pixel of where it truly lies.
void TestEdgeFinder::softEdges_data()
{
    QTest::addColumn<Scene>("scene");
    QTest::addColumn<double>("offset");
    QTest::newRow("a quarter pixel off") << Scene::SoftEdgeQuarter << 0.25;
    QTest::newRow("half a pixel off") << Scene::SoftEdgeHalf << 0.5;
    QTest::newRow("three quarters off") << Scene::SoftEdgeThreeQuarters << 0.75;
}

void TestEdgeFinder::softEdges()
{
    QFETCH(Scene, scene);
    QFETCH(double, offset);
    const QRect found = EdgeFinder::findBox(picture(scene), kBox.center(), kTolerance);
    const QRectF truth = QRectF(kBox).translated(offset, offset);
    // Pixel x covers [x, x + 1): the left edge lies at found.left(), the right one at found.right() + 1.
    QVERIFY2(qAbs(found.left() - truth.left()) <= 1, qPrintable(QString::number(found.left())));
    QVERIFY2(qAbs(found.top() - truth.top()) <= 1, qPrintable(QString::number(found.top())));
    QVERIFY2(qAbs(found.right() + 1 - truth.right()) <= 1, qPrintable(QString::number(found.right())));
    QVERIFY2(qAbs(found.bottom() + 1 - truth.bottom()) <= 1, qPrintable(QString::number(found.bottom())));
}

void TestEdgeFinder::outsideThePicture()
{
    const QImage image = picture(Scene::SolidBox);
    QVERIFY(EdgeFinder::findBox(image, QPoint(-1, 10), kTolerance).isNull());
    QVERIFY(EdgeFinder::findBox(image, QPoint(10, kSize.height()), kTolerance).isNull());
    QVERIFY(EdgeFinder::findBox(QImage(), QPoint(0, 0), kTolerance).isNull());
}

void TestEdgeFinder::colorDistance_data()
{
    QTest::addColumn<QRgb>("a");
    QTest::addColumn<QRgb>("b");
    QTest::addColumn<int>("distance");
    QTest::newRow("equal") << qRgb(10, 20, 30) << qRgb(10, 20, 30) << 0;
    QTest::newRow("the largest channel counts") << qRgb(10, 20, 30) << qRgb(13, 10, 31) << 10;
    QTest::newRow("blue alone") << qRgb(0, 0, 0) << qRgb(0, 0, 255) << 255;
    QTest::newRow("alpha is ignored") << qRgba(5, 5, 5, 0) << qRgba(5, 5, 5, 255) << 0;
}

void TestEdgeFinder::colorDistance()
{
    QFETCH(QRgb, a);
    QFETCH(QRgb, b);
    QFETCH(int, distance);
    QCOMPARE(EdgeFinder::colorDistance(a, b), distance);
}

GRADORA_TEST_GUILESS_MAIN(TestEdgeFinder)
#include "tst_edgefinder.moc"
