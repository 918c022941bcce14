// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "figure/figurefixture.h"
#include "figure/figuremodel.h"
#include "figure/figurepainter.h"
#include "figure/figurereadings.h"
#include "testsupport.h"

#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QTest>

#include <cmath>

using FigureFixture::created;
using FigureFixture::kindName;
using FigureFixture::kWindow;

namespace {

const QColor kRuler(111, 33, 55);
const QColor kBackground(20, 200, 90);
const QColor kGuides(Qt::red);

// Only the outline: no control points, rotation centre or readings.
FigureStyle outlineOnly()
{
    FigureStyle style;
    style.rulerColor = kRuler;
    style.backgroundColor = kBackground;
    style.guidesColor = kGuides;
    style.window = kWindow;
    style.noControlPoints = true;
    style.showFigureReadings = false;
    return style;
}

QImage painted(const FigureModel &model, const FigureStyle &style, const FlyingRulerTicks &ticks = {})
{
    QImage image(kWindow, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const FigureReadings readings = FigureReadings::measure(model, FigureUnits{}, FigureRulerFrame{kWindow});
    FigurePainter::drawFigure(painter, model, readings, style, ticks);
    painter.end();
    return image;
}

bool isColor(const QImage &image, QPoint p, const QColor &color)
{
    return image.rect().contains(p) && image.pixelColor(p).rgb() == color.rgb() &&
           qAlpha(image.pixel(p)) == 255;
}

// Rotated lines are rasterised to the nearest pixels: accept a neighbour.
bool inkNear(const QImage &image, QPoint p, int radius)
{
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            if (isColor(image, p + QPoint(dx, dy), kRuler))
                return true;
        }
    }
    return false;
}

int countPixels(const QImage &image, const QRect &area, const std::function<bool(QRgb)> &test)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.rect().contains(x, y) && test(image.pixel(x, y)))
                ++count;
        }
    }
    return count;
}

bool anyInk(const QImage &image, const QRect &area)
{
    return countPixels(image, area, [](QRgb p) { return qAlpha(p) > 0; }) > 0;
}

} // namespace

class TestFigurePainter : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void outline_data();
    void outline();
    void uprightRectangleIsPixelExact();
    void readingsCountTheDrawnPixels_data();
    void readingsCountTheDrawnPixels();
    void controlPoints_data();
    void controlPoints();
    void rotationCenterLines();
    void readingsHaveOpaqueBackground();
    void readingsNeverUpsideDown();
    void flippedTextOffsets_data();
    void flippedTextOffsets();
    void ratioSuffixOnTheFigure();
    void flyingRulerTicksHook();
    void hiddenFigureDrawsNothing();
};

void TestFigurePainter::outline_data()
{
    QTest::addColumn<FigureKind>("kind");
    QTest::addColumn<double>("angle");
    QTest::addColumn<QList<QPointF>>("ink");   // figure coordinates, relative to the anchor
    QTest::addColumn<QList<QPointF>>("empty"); // likewise

    for (double angle : {0.0, 90.0, 30.0}) {
        const QByteArray at = " at " + QByteArray::number(angle);
        QTest::newRow("rectangle" + at) << FigureKind::CornerRectangle << angle
                                        << QList<QPointF>{{100, 0}, {499, 100}, {100, 299}, {0, 100}}
                                        << QList<QPointF>{{100, 4}, {250, 150}, {100, -4}, {503, 100}};
        QTest::newRow("centred rectangle" + at) << FigureKind::CenteredRectangle << angle
                                                << QList<QPointF>{{-249, 0}, {249, 50}, {0, -149}, {100, 149}}
                                                << QList<QPointF>{{0, 0}, {-245, 0}, {0, 153}};
        QTest::newRow("ellipse with its box" + at)
            << FigureKind::CornerEllipse << angle
            << QList<QPointF>{{0, 0}, {249, 0}, {499, 149}, {249 + 249 * M_SQRT1_2, 149 + 149 * M_SQRT1_2}}
            << QList<QPointF>{{249, 149}, {249 + 240 * M_SQRT1_2, 149 + 140 * M_SQRT1_2}};
        QTest::newRow("centred circle" + at)
            << FigureKind::CenteredCircle << angle
            << QList<QPointF>{{199, 0}, {0, -199}, {-199 * M_SQRT1_2, 199 * M_SQRT1_2}}
            << QList<QPointF>{{0, 0}, {199, 199}, {100, 100}};
        QTest::newRow("right triangle" + at)
            << FigureKind::CornerRightTriangle << angle << QList<QPointF>{{100, 0}, {249.5, 149.5}, {0, 200}}
            << QList<QPointF>{{400, 250}, {100, 100}};
        QTest::newRow("centred rhombus" + at)
            << FigureKind::CenteredRhombus << angle << QList<QPointF>{{-249, 0}, {0, -149}, {-124.5, -74.5}}
            << QList<QPointF>{{-245, -145}, {0, 0}};
        QTest::newRow("centred isosceles" + at)
            << FigureKind::CenteredIsoscelesTriangle << angle << QList<QPointF>{{0, 149}, {0, -149}, {124, 0}}
            << QList<QPointF>{{200, -100}, {0, 0}};
    }
}

void TestFigurePainter::outline()
{
    QFETCH(FigureKind, kind);
    QFETCH(double, angle);
    QFETCH(QList<QPointF>, ink);
    QFETCH(QList<QPointF>, empty);

    FigureModel model = created(kind, angle);
    model.sendToCenter(kWindow);
    const QImage image = painted(model, outlineOnly());
    // Slanted lines are rasterised to a neighbouring pixel.
    constexpr int tolerance = 1;
    const QTransform toWindow = model.screenTransform();
    for (const QPointF &p : ink) {
        const QPoint at = toWindow.map(p).toPoint();
        QVERIFY2(inkNear(image, at, tolerance),
                 qPrintable(QStringLiteral("no outline at %1,%2").arg(at.x()).arg(at.y())));
    }
    for (const QPointF &p : empty) {
        const QPoint at = toWindow.map(p).toPoint();
        QVERIFY2(!inkNear(image, at, 1), qPrintable(QStringLiteral("ink at %1,%2").arg(at.x()).arg(at.y())));
    }
}

void TestFigurePainter::uprightRectangleIsPixelExact()
{
    const FigureModel model = created(FigureKind::CornerRectangle);
    const QImage image = painted(model, outlineOnly());
    const QPoint corner = model.origin;
    // A W x H rectangle covers the pixels from the corner to corner + (W, H) inclusive.
    for (const QPoint &edge : {QPoint(0, 0), QPoint(499, 0), QPoint(0, 299), QPoint(499, 299), QPoint(200, 0),
                               QPoint(499, 100), QPoint(200, 299), QPoint(0, 100)})
        QVERIFY2(isColor(image, corner + edge, kRuler),
                 qPrintable(QStringLiteral("%1,%2").arg(edge.x()).arg(edge.y())));
    for (const QPoint &off : {QPoint(-1, 0), QPoint(500, 0), QPoint(200, -1), QPoint(200, 1),
                              QPoint(200, 298), QPoint(200, 300), QPoint(498, 100), QPoint(1, 100)})
        QVERIFY2(!isColor(image, corner + off, kRuler),
                 qPrintable(QStringLiteral("%1,%2").arg(off.x()).arg(off.y())));
}

void TestFigurePainter::readingsCountTheDrawnPixels_data()
{
    QTest::addColumn<FigureKind>("kind");
    QTest::addColumn<bool>("radial"); // reads its radius, counted from the centre pixel
    for (FigureKind kind :
         {FigureKind::CornerRectangle, FigureKind::CornerSquare, FigureKind::CornerRhombus,
          FigureKind::CornerIsoscelesTriangle, FigureKind::CornerRightTriangle, FigureKind::CornerEllipse,
          FigureKind::CornerCircle, FigureKind::CenteredRectangle, FigureKind::CenteredSquare,
          FigureKind::CenteredRhombus, FigureKind::CenteredIsoscelesTriangle, FigureKind::CenteredRightTriangle})
        QTest::addRow("%s", kindName(kind)) << kind << false;
    QTest::newRow("centred circle") << FigureKind::CenteredCircle << true;
    QTest::newRow("centred ellipse") << FigureKind::CenteredEllipse << true;
}

// An upright figure reads as wide and as high as the pixels its outline covers.
void TestFigurePainter::readingsCountTheDrawnPixels()
{
    QFETCH(FigureKind, kind);
    QFETCH(bool, radial);
    const FigureModel model = created(kind);
    const QImage image = painted(model, outlineOnly());
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (isColor(image, {x, y}, kRuler))
                ink |= QRect(x, y, 1, 1);
        }
    }
    const FigureReadings readings = FigureReadings::measure(model, FigureUnits{}, FigureRulerFrame{kWindow});
    const QSize counted = radial ? QSize(2 * readings.widthPx - 1, 2 * readings.heightPx - 1)
                                 : QSize(readings.widthPx, qRound(readings.heightPx));
    QCOMPARE(ink.size(), counted);
}

void TestFigurePainter::controlPoints_data()
{
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("bold");

    QTest::newRow("hidden") << false << false;
    QTest::newRow("plain") << true << false;
    QTest::newRow("bold") << true << true;
}

void TestFigurePainter::controlPoints()
{
    QFETCH(bool, shown);
    QFETCH(bool, bold);

    const FigureModel model = created(FigureKind::CornerRectangle);
    FigureStyle style = outlineOnly();
    style.noControlPoints = !shown;
    style.boldControlPoints = bold;
    const QImage image = painted(model, style);

    // The width handle is the rectangle's top-right corner: its cross reaches out right and up.
    const QPoint handle = model.screenPoints[1];
    QCOMPARE(handle, model.origin + QPoint(499, 0));
    QCOMPARE(isColor(image, handle + QPoint(5, 0), kRuler), shown);
    QCOMPARE(isColor(image, handle + QPoint(10, 0), kRuler), shown);
    QVERIFY(!isColor(image, handle + QPoint(12, 0), kRuler));
    QCOMPARE(isColor(image, handle + QPoint(0, -5), kRuler), shown);
    QCOMPARE(isColor(image, handle + QPoint(5, 1), kRuler), bold);
    QCOMPARE(isColor(image, handle + QPoint(1, -5), kRuler), bold);
    // The label "1" stands above right of the handle.
    QCOMPARE(anyInk(image, QRect(handle + QPoint(5, -17), QSize(10, 12))), shown);

    // The height handle, bottom-left: its cross reaches out left.
    const QPoint heightHandle = model.screenPoints[2];
    QCOMPARE(isColor(image, heightHandle + QPoint(-5, 0), kRuler), shown);
    // The anchor has no label.
    QVERIFY(!anyInk(image, QRect(model.origin + QPoint(5, -17), QSize(10, 12))));
}

void TestFigurePainter::rotationCenterLines()
{
    const FigureModel model = created(FigureKind::CenteredCircle, 0);
    FigureStyle style = outlineOnly();
    style.showRotationCenter = true;
    const QImage image = painted(model, style);
    const QPoint anchor = model.origin;

    // Dashes of five pixels and gaps of five from the window's edge, through the anchor.
    QVERIFY(isColor(image, QPoint(anchor.x(), 2), kGuides));
    QVERIFY(!isColor(image, QPoint(anchor.x(), 7), kGuides));
    QVERIFY(isColor(image, QPoint(anchor.x(), 12), kGuides));
    QVERIFY(isColor(image, QPoint(2, anchor.y()), kGuides));
    QVERIFY(!isColor(image, QPoint(7, anchor.y()), kGuides));
    QVERIFY(!isColor(image, QPoint(anchor.x() + 1, 2), kGuides));

    style.showRotationCenter = false;
    QVERIFY(!isColor(painted(model, style), QPoint(anchor.x(), 2), kGuides));
}

void TestFigurePainter::readingsHaveOpaqueBackground()
{
    const FigureModel model = created(FigureKind::CornerRectangle);
    FigureStyle style = outlineOnly();
    style.showFigureReadings = true;
    // The angle reading stands at (10, 20) from the anchor, inside the upright rectangle.
    const QRect angleText(model.origin + QPoint(10, 6), QSize(30, 14));
    const auto translucentBackground = [](QRgb p) {
        const QColor c = QColor::fromRgba(qUnpremultiply(p));
        return std::abs(qAlpha(p) - 128) <= 2 && std::abs(c.green() - kBackground.green()) <= 2 &&
               std::abs(c.red() - kBackground.red()) <= 2;
    };
    QVERIFY(countPixels(painted(model, style), angleText, translucentBackground) > 20);

    style.showFigureReadings = false;
    QCOMPARE(countPixels(painted(model, style), angleText, translucentBackground), 0);
}

void TestFigurePainter::readingsNeverUpsideDown()
{
    FigureStyle style = outlineOnly();
    style.showFigureReadings = true;
    for (FigureKind kind : {FigureKind::CornerRectangle, FigureKind::CenteredIsoscelesTriangle}) {
        for (int degrees = 0; degrees < 360; degrees += 5) {
            const FigureModel model = created(kind, degrees);
            const FigureReadings readings =
                FigureReadings::measure(model, FigureUnits{}, FigureRulerFrame{kWindow});
            for (const FigureText &text : FigurePainter::readingTexts(model, readings, style)) {
                const QLineF baseline(text.frame.map(text.position),
                                      text.frame.map(text.position + QPointF(1, 0)));
                QVERIFY2(baseline.dx() > -1e-9,
                         qPrintable(QStringLiteral("%1 reads backwards at %2").arg(text.text).arg(degrees)));
            }
        }
    }
}

void TestFigurePainter::flippedTextOffsets_data()
{
    QTest::addColumn<bool>("flyingRuler");
    QTest::addColumn<double>("angle");
    QTest::addColumn<QPointF>("angleOffset");
    QTest::addColumn<bool>("areaLineTurned");

    QTest::newRow("upright") << false << 0.0 << QPointF(10, 20) << false;
    QTest::newRow("at 90") << false << 90.0 << QPointF(10, 20) << false;
    QTest::newRow("at 200") << false << 200.0 << QPointF(-70, -12) << true;
    QTest::newRow("at 270") << false << 270.0 << QPointF(10, 20) << false;
    QTest::newRow("flying ruler at 200") << true << 200.0 << QPointF(-100, -32) << true;
    QTest::newRow("flying ruler at 323.24") << true << 323.24 << QPointF(45, 50) << false;
}

void TestFigurePainter::flippedTextOffsets()
{
    QFETCH(bool, flyingRuler);
    QFETCH(double, angle);
    QFETCH(QPointF, angleOffset);
    QFETCH(bool, areaLineTurned);

    FigureModel model = created(flyingRuler ? FigureKind::FlyingRuler : FigureKind::CornerRectangle, angle);
    FigureStyle style = outlineOnly();
    style.showFigureReadings = true;
    const FigureReadings readings = FigureReadings::measure(model, FigureUnits{}, FigureRulerFrame{kWindow});
    const QList<FigureText> texts = FigurePainter::readingTexts(model, readings, style);
    const QPointF anchor(model.origin);
    const double turn = angle == 200 ? 180 : 0;
    for (const FigureText &text : texts) {
        if (text.role == FigureText::Angle) {
            QCOMPARE(text.position - anchor, angleOffset);
            QVERIFY(
                std::abs(QLineF(text.frame.map(anchor), text.frame.map(anchor + QPointF(100, 0))).angle() -
                         std::fmod(360 - angle - turn + 720, 360)) < 1e-6);
        }
        if (text.role == FigureText::AreaLine) {
            const QLineF baseline(text.frame.map(QPointF()), text.frame.map(QPointF(100, 0)));
            // QLineF angles turn counter-clockwise; the figure's clockwise.
            const double expected = std::fmod(720 - angle - (areaLineTurned ? 180 : 0), 360);
            QVERIFY2(std::abs(baseline.angle() - expected) < 1e-6,
                     qPrintable(QString::number(baseline.angle())));
        }
    }
}

void TestFigurePainter::ratioSuffixOnTheFigure()
{
    FigureModel model;
    model.createRatioFigure(FigureRatio::SixteenToNine, kWindow);
    FigureStyle style = outlineOnly();
    style.showFigureReadings = true;
    const FigureReadings readings = FigureReadings::measure(model, FigureUnits{}, FigureRulerFrame{kWindow});
    bool found = false;
    for (const FigureText &text : FigurePainter::readingTexts(model, readings, style)) {
        if (text.role == FigureText::Width) {
            QCOMPARE(text.text, QStringLiteral("400 px  / 16:9"));
            found = true;
        }
        QVERIFY(text.role != FigureText::CenterX);
    }
    QVERIFY(found);
}

void TestFigurePainter::flyingRulerTicksHook()
{
    const FigureModel ruler = created(FigureKind::FlyingRuler, 323.24);
    int calls = 0;
    QSize extents;
    QPointF origin;
    QPointF widthEnd;
    const FlyingRulerTicks ticks = [&](QPainter &painter, int width, int height) {
        ++calls;
        extents = QSize(width, height);
        origin = painter.transform().map(QPointF(0, 0));
        widthEnd = painter.transform().map(QPointF(width, 0));
    };
    painted(ruler, outlineOnly(), ticks);
    QCOMPARE(calls, 1);
    QCOMPARE(extents, QSize(ruler.widthPx, ruler.heightPx));
    QVERIFY(std::abs(extents.width() - 499) <= 1);
    QCOMPARE(origin, QPointF(ruler.origin));
    QVERIFY(QLineF(widthEnd, QPointF(ruler.screenPoints[1])).length() <= 1.5);

    calls = 0;
    painted(created(FigureKind::CornerRectangle, 323.24), outlineOnly(), ticks);
    QCOMPARE(calls, 0);
}

void TestFigurePainter::hiddenFigureDrawsNothing()
{
    FigureModel model = created(FigureKind::CornerRectangle);
    model.visible = false;
    FigureStyle style = outlineOnly();
    style.showRotationCenter = true;
    style.showFigureReadings = true;
    style.noControlPoints = false;
    QVERIFY(!anyInk(painted(model, style), QRect(QPoint(0, 0), kWindow)));
}

GRADORA_TEST_MAIN(TestFigurePainter)
#include "tst_figurepainter.moc"
