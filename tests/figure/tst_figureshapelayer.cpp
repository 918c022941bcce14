// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The figure's shape is kept as a picture: drawn anew exactly when what the shape looks like changes,
// the same wherever the figure stands, and laid where the shape drawn directly would be.
#include "figure/figureshapelayer.h"
#include "figurefixture.h"
#include "render/rulerstyle.h"
#include "testsupport.h"

#include <QPainter>
#include <QTest>

#include <algorithm>
#include <cstdlib>

using FigureFixture::created;
using FigureFixture::kWindow;

namespace {

enum class Change
{
    Nothing,
    MovedByWholePixels,
    BackgroundColor,
    Turned,
    Wider,
    OtherKind,
    RulerColor,
    AntiAliasing,
    ControlPointsHidden,
    BoldControlPoints,
    TicksFromTheRight,
    DoubleDensity,
};

FigureStyle baseStyle()
{
    FigureStyle style;
    style.rulerColor = QColor(111, 33, 55);
    style.backgroundColor = QColor(20, 200, 90);
    style.window = kWindow;
    return style;
}

// Stands in for the flying ruler's scales: a tick on each edge and a number past each end of the top
// edge, where a number reaches beyond the outline.
const FlyingRulerTicks kTicks = [](QPainter &painter, int width, int height) {
    painter.drawLine(width / 2, 0, width / 2, 12);
    painter.drawLine(0, height / 2, 12, height / 2);
    painter.setFont(RulerStyle::font(RulerStyle::kNumberFontPx));
    painter.drawText(QPoint(-18, -4), QStringLiteral("0"));
    painter.drawText(QPoint(width + 4, -4), QString::number(width));
};

struct Scene
{
    FigureModel model = created(FigureKind::FlyingRuler);
    FigureStyle style = baseStyle();
    TickFrame ticks;
    qreal ratio = 1;
};

void change(Scene &scene, Change what)
{
    switch (what) {
    case Change::Nothing:
        break;
    case Change::MovedByWholePixels:
        scene.model.origin += QPoint(37, -23);
        break;
    case Change::BackgroundColor:
        scene.style.backgroundColor = Qt::white;
        break;
    case Change::Turned:
        scene.model.angle += 1;
        scene.model.recompute();
        break;
    case Change::Wider:
        scene.model.scale(1.5, 1);
        break;
    case Change::OtherKind:
        scene.model = created(FigureKind::CornerRhombus, scene.model.angle);
        break;
    case Change::RulerColor:
        scene.style.rulerColor = Qt::darkBlue;
        break;
    case Change::AntiAliasing:
        scene.style.antiAliasing = true;
        break;
    case Change::ControlPointsHidden:
        scene.style.noControlPoints = true;
        break;
    case Change::BoldControlPoints:
        scene.style.boldControlPoints = true;
        break;
    case Change::TicksFromTheRight:
        scene.ticks.zeroAtLeft = false;
        break;
    case Change::DoubleDensity:
        scene.ratio = 2;
        break;
    }
}

// The figure `kind` turned by `angle` (the flying ruler is made straight, then turned).
Scene turned(FigureKind kind, double angle, bool antiAliasing)
{
    Scene scene;
    scene.model = created(kind, kind == FigureKind::FlyingRuler ? 0 : angle);
    scene.model.angle = angle;
    scene.model.recompute();
    scene.style.antiAliasing = antiAliasing;
    return scene;
}

QImage canvas(qreal ratio)
{
    QImage image(kWindow * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(QColor(255, 255, 235, 128));
    return image;
}

QImage laid(FigureShapeLayer &layer, const Scene &scene)
{
    QImage image = canvas(scene.ratio);
    QPainter painter(&image);
    layer.draw(painter, scene.model, FigureShapeKey::of(scene.model, scene.style, scene.ticks, scene.ratio),
               [&scene](QPainter &shapePainter, const FigureModel &model) {
                   FigurePainter::drawShape(shapePainter, model, scene.style, kTicks);
               });
    return image;
}

QImage drawnDirectly(const Scene &scene)
{
    QImage image = canvas(scene.ratio);
    QPainter painter(&image);
    FigurePainter::drawShape(painter, scene.model, scene.style, kTicks);
    return image;
}

constexpr int kAllowedDifference = 2;

// The largest difference of any channel of any pixel.
int largestDifference(const QImage &a, const QImage &b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        const QRgb *lineA = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const QRgb *lineB = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            for (int shift : {0, 8, 16, 24})
                largest = std::max(
                    largest, std::abs(int((lineA[x] >> shift) & 0xff) - int((lineB[x] >> shift) & 0xff)));
        }
    }
    return largest;
}

} // namespace

Q_DECLARE_METATYPE(Change)

class TestFigureShapeLayer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void drawnAnewExactlyWhenTheShapeChanges_data();
    void drawnAnewExactlyWhenTheShapeChanges();
    void laidWhereTheShapeIsDrawn_data();
    void laidExactlyAsTheWholePicture_data();
    void laidExactlyAsTheWholePicture();
    void laidWhereTheShapeIsDrawn();
};

void TestFigureShapeLayer::drawnAnewExactlyWhenTheShapeChanges_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<bool>("drawnAnew");

#define ROW(what, anew) QTest::newRow(#what) << Change::what << anew
    ROW(Nothing, false);
    ROW(MovedByWholePixels, false);
    ROW(BackgroundColor, false);
    ROW(Turned, true);
    ROW(Wider, true);
    ROW(OtherKind, true);
    ROW(RulerColor, true);
    ROW(AntiAliasing, true);
    ROW(ControlPointsHidden, true);
    ROW(BoldControlPoints, true);
    ROW(TicksFromTheRight, true);
    ROW(DoubleDensity, true);
#undef ROW
}

void TestFigureShapeLayer::drawnAnewExactlyWhenTheShapeChanges()
{
    QFETCH(Change, change);
    QFETCH(bool, drawnAnew);

    FigureShapeLayer layer;
    Scene scene;
    laid(layer, scene);
    laid(layer, scene);
    QCOMPARE(layer.builds(), 1);

    ::change(scene, change);
    const QImage kept = laid(layer, scene);
    QCOMPARE(layer.builds(), drawnAnew ? 2 : 1);
    // A kept picture looks exactly like one drawn for the figure where it now stands.
    FigureShapeLayer fresh;
    QCOMPARE(kept, laid(fresh, scene));
}

void TestFigureShapeLayer::laidWhereTheShapeIsDrawn_data()
{
    QTest::addColumn<FigureKind>("kind");
    QTest::addColumn<double>("angle");
    QTest::addColumn<bool>("antiAliasing");

    QTest::newRow("flying ruler") << FigureKind::FlyingRuler << 323.24 << false;
    QTest::newRow("flying ruler, smoothed") << FigureKind::FlyingRuler << 323.24 << true;
    QTest::newRow("rectangle, straight") << FigureKind::CornerRectangle << 0.0 << false;
    QTest::newRow("centred ellipse, turned") << FigureKind::CenteredEllipse << 130.0 << false;
    QTest::newRow("triangle, turned, smoothed") << FigureKind::CornerIsoscelesTriangle << 200.5 << true;
    QTest::newRow("centred rhombus, three quarters") << FigureKind::CenteredRhombus << 270.0 << false;
}

void TestFigureShapeLayer::laidWhereTheShapeIsDrawn()
{
    QFETCH(FigureKind, kind);
    QFETCH(double, angle);
    QFETCH(bool, antiAliasing);

    const Scene scene = turned(kind, angle, antiAliasing);
    FigureShapeLayer layer;
    const QImage kept = laid(layer, scene);
    const QImage direct = drawnDirectly(scene);
    QVERIFY(direct != canvas(1));
    // Lines in the opaque ruler colour lie as they are; smoothed edges and glyphs blended through the
    // picture may round two steps apart, and a shape out of place or cut off differs by far more.
    QVERIFY2(largestDifference(kept, direct) <= kAllowedDifference,
             qPrintable(QStringLiteral("differs by %1").arg(largestDifference(kept, direct))));
}

void TestFigureShapeLayer::laidExactlyAsTheWholePicture_data()
{
    QTest::addColumn<FigureKind>("kind");
    QTest::addColumn<double>("angle");
    QTest::addColumn<bool>("antiAliasing");
    QTest::addColumn<qreal>("ratio");

    QTest::newRow("flying ruler, smoothed") << FigureKind::FlyingRuler << 323.24 << true << 1.0;
    QTest::newRow("centred ellipse, turned") << FigureKind::CenteredEllipse << 130.0 << false << 1.0;
    QTest::newRow("triangle, turned, smoothed, twice the density")
        << FigureKind::CornerIsoscelesTriangle << 200.5 << true << 2.0;
    QTest::newRow("rectangle, turned, three times the density") << FigureKind::CornerRectangle << 37.0 << false
                                                                << 3.0;
}

// The picture is kept only where it has ink, which must leave out nothing that blending the whole
// picture, drawn where the figure stands, would change.
void TestFigureShapeLayer::laidExactlyAsTheWholePicture()
{
    QFETCH(FigureKind, kind);
    QFETCH(double, angle);
    QFETCH(bool, antiAliasing);
    QFETCH(qreal, ratio);

    Scene scene = turned(kind, angle, antiAliasing);
    scene.ratio = ratio;
    FigureShapeLayer layer;
    const QImage kept = laid(layer, scene);

    QImage picture(kWindow * ratio, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        FigurePainter::drawShape(painter, scene.model, scene.style, kTicks);
    }
    QImage whole = canvas(ratio);
    {
        QPainter painter(&whole);
        painter.drawImage(QPointF(0, 0), picture);
    }
    QVERIFY(whole != canvas(ratio));
    QCOMPARE(kept, whole);
}

GRADORA_TEST_MAIN(TestFigureShapeLayer)
#include "tst_figureshapelayer.moc"
