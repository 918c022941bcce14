// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "figure/figureangle.h"
#include "figure/figurefixture.h"
#include "figure/figuremodel.h"
#include "testsupport.h"

#include <QTest>

#include <cmath>

Q_DECLARE_METATYPE(FigureModifiers)

using FigureFixture::created;
using FigureFixture::kAllKinds;
using FigureFixture::kindName;
using FigureFixture::kWindow;

namespace {

// Placement changes round to whole pixels in turned directions, and the two placements count their
// half pixels differently: the figure may shift by this much, never more.
constexpr double kToggleTolerance = 2.0;
// The ratio rectangle's height is put back with a truncation when it is centred.
constexpr double kRatioCenterTolerance = 1.5;

double length(QPointF p)
{
    return std::hypot(p.x(), p.y());
}

FigureModifiers dragging(bool shift = false, bool control = false, bool alt = false)
{
    FigureModifiers modifiers;
    modifiers.leftButton = true;
    modifiers.shift = shift;
    modifiers.shiftState = shift;
    modifiers.control = control;
    modifiers.alt = alt;
    return modifiers;
}

} // namespace

class TestFigureModel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void create_data();
    void create();
    void newWindowShowsFlyingRuler();
    void ratioRectangle_data();
    void ratioRectangle();
    void angleNormalisation_data();
    void angleNormalisation();
    void angleSnapping_data();
    void angleSnapping();
    void togglePlacement_data();
    void togglePlacement();
    void sendToCenter_data();
    void sendToCenter();
    void hitTest_data();
    void hitTest();
    void hiddenFigureIsNotHit();
    void handleDrag_data();
    void handleDrag();
    void anchorDragMovesFigure();
    void squareHeightFollowsDraggedWidth();
    void rotateBy_data();
    void rotateBy();
    void centeredCircleTurnsItsHandle();
    void scale_data();
    void scale();
    void absurdSizesStayFinite();
};

void TestFigureModel::create_data()
{
    QTest::addColumn<FigureKind>("request");
    QTest::addColumn<FigureKind>("kind");
    QTest::addColumn<int>("count");
    QTest::addColumn<QPointF>("widthHandle");
    QTest::addColumn<QPointF>("heightHandle");
    QTest::addColumn<QSize>("extentsPx");

    QTest::newRow("rectangle") << FigureKind::CornerRectangle << FigureKind::CornerRectangle << 3
                               << QPointF(499, 0) << QPointF(0, 299) << QSize(499, 299);
    QTest::newRow("square") << FigureKind::CornerSquare << FigureKind::CornerSquare << 2 << QPointF(399, 0)
                            << QPointF(0, 399) << QSize(399, 399);
    QTest::newRow("rhombus") << FigureKind::CornerRhombus << FigureKind::CornerRhombus << 3 << QPointF(499, 0)
                             << QPointF(0, 299) << QSize(499, 299);
    QTest::newRow("isosceles") << FigureKind::CornerIsoscelesTriangle << FigureKind::CornerIsoscelesTriangle
                               << 3 << QPointF(499, 0) << QPointF(0, 299) << QSize(499, 299);
    QTest::newRow("right triangle") << FigureKind::CornerRightTriangle << FigureKind::CornerRightTriangle << 3
                                    << QPointF(499, 0) << QPointF(0, 299) << QSize(499, 299);
    QTest::newRow("ellipse") << FigureKind::CornerEllipse << FigureKind::CornerEllipse << 3 << QPointF(499, 0)
                             << QPointF(0, 299) << QSize(499, 299);
    QTest::newRow("circle") << FigureKind::CornerCircle << FigureKind::CornerCircle << 2 << QPointF(399, 0)
                            << QPointF(0, 399) << QSize(399, 399);
    QTest::newRow("centred rectangle") << FigureKind::CenteredRectangle << FigureKind::CenteredRectangle << 3
                                       << QPointF(249, 0) << QPointF(0, 149) << QSize(249, 149);
    QTest::newRow("centred square") << FigureKind::CenteredSquare << FigureKind::CenteredSquare << 2
                                    << QPointF(199, 0) << QPointF(0, 199) << QSize(199, 199);
    QTest::newRow("centred rhombus") << FigureKind::CenteredRhombus << FigureKind::CenteredRhombus << 3
                                     << QPointF(249, 0) << QPointF(0, 149) << QSize(249, 149);
    // The handle of the centred isosceles triangle sits at a quarter of the base: the half base is 248.
    QTest::newRow("centred isosceles")
        << FigureKind::CenteredIsoscelesTriangle << FigureKind::CenteredIsoscelesTriangle << 3
        << QPointF(124, 0) << QPointF(0, 149) << QSize(248, 149);
    // Negative handles rounded with halves upward: -249.5 lies 249 pixels from the centre.
    QTest::newRow("centred right triangle")
        << FigureKind::CenteredRightTriangle << FigureKind::CenteredRightTriangle << 3 << QPointF(-249.5, 0)
        << QPointF(0, -149.5) << QSize(249, 149);
    QTest::newRow("centred circle") << FigureKind::CenteredCircle << FigureKind::CenteredCircle << 2
                                    << QPointF(199, 0) << QPointF(0, 199) << QSize(199, 199);
    QTest::newRow("centred ellipse") << FigureKind::CenteredEllipse << FigureKind::CenteredEllipse << 3
                                     << QPointF(249, 0) << QPointF(0, 149) << QSize(249, 149);
    QTest::newRow("flying ruler request") << FigureKind::FlyingRuler << FigureKind::CornerRectangle << 3
                                          << QPointF(499, 0) << QPointF(0, 149) << QSize(499, 149);
}

void TestFigureModel::create()
{
    QFETCH(FigureKind, request);
    QFETCH(FigureKind, kind);
    QFETCH(int, count);
    QFETCH(QPointF, widthHandle);
    QFETCH(QPointF, heightHandle);
    QFETCH(QSize, extentsPx);

    FigureModel model;
    model.visible = false;
    model.angle = 77;
    model.create(request, kWindow);

    QCOMPARE(model.kind, kind);
    QCOMPARE(model.pointCount, count);
    QCOMPARE(model.screenPoints.size(), count);
    QCOMPARE(model.points[0].x, 0.0f);
    QCOMPARE(model.points[0].y, 0.0f);
    QCOMPARE(QPointF(model.points[1].x, model.points[1].y), widthHandle);
    QCOMPARE(QPointF(model.points[2].x, model.points[2].y), heightHandle);
    QVERIFY(model.visible);
    QCOMPARE(model.flyingRuler, request == FigureKind::FlyingRuler);
    QCOMPARE(model.angle, request == FigureKind::FlyingRuler ? 323.24 : 0.0);
    QCOMPARE(model.rotationCenter, QPointF(0, 0));
    QCOMPARE(QSize(model.widthPx, model.heightPx), extentsPx);
    QCOMPARE(model.screenPoints[0], model.origin);
    QVERIFY2(
        length(model.screenCenter() - QPointF(400, 300)) <= 1.0,
        qPrintable(
            QStringLiteral("centre at %1,%2").arg(model.screenCenter().x()).arg(model.screenCenter().y())));
}

void TestFigureModel::newWindowShowsFlyingRuler()
{
    FigureModel model;
    model.createInitialFigure(kWindow);
    QCOMPARE(model.kind, FigureKind::CornerRectangle);
    QVERIFY(model.flyingRuler);
    QCOMPARE(model.angle, 323.24);
    QCOMPARE(model.points[1].x, 499.0f);
    QCOMPARE(model.points[2].y, 149.0f);
    QVERIFY(length(model.screenCenter() - QPointF(400, 300)) <= 1.0);

    // Any other kind clears the flag.
    model.create(FigureKind::CornerRectangle, kWindow);
    QVERIFY(!model.flyingRuler);
}

void TestFigureModel::ratioRectangle_data()
{
    QTest::addColumn<double>("ratio");
    QTest::addColumn<float>("height");

    QTest::newRow("16:9") << FigureRatio::SixteenToNine << 224.4375f;
    QTest::newRow("4:3") << FigureRatio::FourToThree << float(399 / 1.33333333);
    QTest::newRow("golden") << FigureRatio::Golden << float(399 / 1.61803399);
    QTest::newRow("2.39:1") << FigureRatio::Wide239 << float(399 / 2.39);
}

void TestFigureModel::ratioRectangle()
{
    QFETCH(double, ratio);
    QFETCH(float, height);

    FigureModel model;
    model.createRatioFigure(ratio, kWindow);
    QCOMPARE(model.kind, FigureKind::CornerSquare);
    QVERIFY(model.ratioLocked);
    QCOMPARE(model.ratio, ratio);
    QCOMPARE(model.points[1].x, 399.0f);
    QCOMPARE(model.points[2].y, height);
    QCOMPARE(model.heightPx, int(399 / ratio));
    QCOMPARE(model.angle, 0.0);
    QVERIFY(length(model.screenCenter() - QPointF(400, 300)) <= kRatioCenterTolerance);
}

void TestFigureModel::angleNormalisation_data()
{
    QTest::addColumn<double>("angle");
    QTest::addColumn<double>("expected");

    QTest::newRow("in range") << 123.5 << 123.5;
    QTest::newRow("360 is 0") << 360.0 << 0.0;
    QTest::newRow("just negative") << -10.0 << 350.0;
    QTest::newRow("above a turn") << 370.0 << 10.0;
    QTest::newRow("minus a full turn") << -360.0 << 0.0;
    // A long wheel turn adds many degrees at once; the angle still ends within one turn.
    QTest::newRow("several turns") << 1000.0 << 280.0;
    QTest::newRow("several turns back") << -1000.0 << 80.0;
    QTest::newRow("not a number") << std::nan("") << 0.0;
}

void TestFigureModel::angleNormalisation()
{
    QFETCH(double, angle);
    QFETCH(double, expected);
    FigureModel model = created(FigureKind::CornerRectangle);
    model.angle = angle;
    model.recompute();
    QCOMPARE(model.angle, expected);
    QVERIFY(!std::signbit(model.angle));
}

void TestFigureModel::angleSnapping_data()
{
    QTest::addColumn<double>("angle");
    QTest::addColumn<FigureModifiers>("modifiers");
    QTest::addColumn<double>("expected");

    const FigureModifiers shift = dragging(true);
    QTest::newRow("45: exactly 22.5 stays") << 22.5 << shift << 22.5;
    QTest::newRow("45: 22.4 to 0") << 22.4 << shift << 0.0;
    QTest::newRow("45: 22.6 to 45") << 22.6 << shift << 45.0;
    QTest::newRow("45: 67.4 to 45") << 67.4 << shift << 45.0;
    QTest::newRow("45: exactly 292.5 stays") << 292.5 << shift << 292.5;
    QTest::newRow("45: 300 to 315") << 300.0 << shift << 315.0;
    QTest::newRow("45: exactly 337.5 to 0") << 337.5 << shift << 0.0;
    QTest::newRow("45: 340 to 0") << 340.0 << shift << 0.0;
    QTest::newRow("45: 200 to 180") << 200.0 << shift << 180.0;
    QTest::newRow("45: -10 normalised then snapped") << -10.0 << shift << 0.0;
    FigureModifiers remembered = dragging();
    remembered.shiftState = true;
    QTest::newRow("45: remembered Shift snaps too") << 100.0 << remembered << 90.0;

    QTest::newRow("fine: Control 12.4 to 12") << 12.4 << dragging(true, true) << 12.0;
    QTest::newRow("fine: Control 12.6 to 13") << 12.6 << dragging(true, true) << 13.0;
    QTest::newRow("fine: exactly 12.5 stays") << 12.5 << dragging(true, true) << 12.5;
    QTest::newRow("fine: 359.7 to 0") << 359.7 << dragging(true, true) << 0.0;
    QTest::newRow("fine: 359.4 to 359") << 359.4 << dragging(true, true) << 359.0;
    QTest::newRow("fine: Alt 100.3 to 100") << 100.3 << dragging(true, false, true) << 100.0;

    FigureModifiers noButton = dragging(true, true);
    noButton.leftButton = false;
    QTest::newRow("no snap without the left button") << 12.4 << noButton << 12.4;
    QTest::newRow("no snap without Shift") << 12.4 << dragging(false, true) << 12.4;
}

void TestFigureModel::angleSnapping()
{
    QFETCH(double, angle);
    QFETCH(FigureModifiers, modifiers);
    QFETCH(double, expected);
    FigureModel model = created(FigureKind::CornerRectangle);
    model.angle = angle;
    model.recompute(modifiers);
    QCOMPARE(model.angle, expected);
}

void TestFigureModel::togglePlacement_data()
{
    QTest::addColumn<FigureKind>("kind");
    QTest::addColumn<double>("angle");

    for (FigureKind kind : kAllKinds) {
        for (double angle : {0.0, 30.0, 123.4, 200.0, 323.24}) {
            QTest::addRow("%s at %g", kindName(kind), angle) << kind << angle;
        }
    }
}

void TestFigureModel::togglePlacement()
{
    QFETCH(FigureKind, kind);
    QFETCH(double, angle);

    FigureModel model = created(kind, angle);
    model.bodyMove(QPoint(-37, 21));
    const QPointF center = model.screenCenter();
    const QSizeF size = model.box().size();
    const QPoint origin = model.origin;

    model.togglePlacement();
    const std::optional<FigureKind> partner = placementPartner(kind);
    QVERIFY(partner);
    QCOMPARE(model.kind, *partner);
    QCOMPARE(model.angle, angle);
    QVERIFY2(length(model.screenCenter() - center) <= kToggleTolerance,
             qPrintable(QStringLiteral("moved by %1").arg(length(model.screenCenter() - center))));
    QVERIFY(std::abs(model.box().width() - size.width()) <= kToggleTolerance);
    QVERIFY(std::abs(model.box().height() - size.height()) <= kToggleTolerance);

    model.togglePlacement();
    QCOMPARE(model.kind, kind);
    QVERIFY(length(model.screenCenter() - center) <= kToggleTolerance);
    QVERIFY(length(QPointF(model.origin - origin)) <= kToggleTolerance);
    QCOMPARE(model.box().size(), size);
}

void TestFigureModel::sendToCenter_data()
{
    QTest::addColumn<FigureKind>("kind");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<double>("angle");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<double>("expectedAngle");

    QTest::newRow("rotated rectangle keeps its angle")
        << FigureKind::CornerRectangle << 0.0 << 30.0 << kWindow << 30.0;
    QTest::newRow("flying ruler angle")
        << FigureKind::CornerRectangle << 0.0 << 323.24 << QSize(641, 479) << 323.24;
    QTest::newRow("isosceles") << FigureKind::CornerIsoscelesTriangle << 0.0 << 100.0 << kWindow << 100.0;
    QTest::newRow("right triangle upright")
        << FigureKind::CornerRightTriangle << 0.0 << 0.0 << QSize(333, 211) << 0.0;
    QTest::newRow("right triangle turned")
        << FigureKind::CornerRightTriangle << 0.0 << 250.0 << kWindow << 250.0;
    QTest::newRow("circle") << FigureKind::CornerCircle << 0.0 << 45.0 << kWindow << 45.0;
    QTest::newRow("centred ellipse") << FigureKind::CenteredEllipse << 0.0 << 77.0 << kWindow << 77.0;
    QTest::newRow("centred right triangle")
        << FigureKind::CenteredRightTriangle << 0.0 << 200.0 << QSize(1001, 777) << 200.0;
    QTest::newRow("ratio rectangle ends unrotated")
        << FigureKind::CornerSquare << FigureRatio::SixteenToNine << 30.0 << kWindow << 0.0;
    QTest::newRow("ratio rectangle 2.39")
        << FigureKind::CornerSquare << FigureRatio::Wide239 << 0.0 << QSize(1024, 700) << 0.0;
}

void TestFigureModel::sendToCenter()
{
    QFETCH(FigureKind, kind);
    QFETCH(double, ratio);
    QFETCH(double, angle);
    QFETCH(QSize, window);
    QFETCH(double, expectedAngle);

    FigureModel model = created(kind, 0, kWindow, ratio);
    model.angle = angle;
    model.bodyMove(QPoint(-150, 95));
    const QSizeF size = model.box().size();

    model.sendToCenter(window);
    QCOMPARE(model.kind, kind);
    QCOMPARE(model.angle, expectedAngle);
    QCOMPARE(model.box().size(), size);
    const QPointF windowCenter(window.width() / 2, window.height() / 2);
    QVERIFY2(
        length(model.screenCenter() - windowCenter) <= kRatioCenterTolerance,
        qPrintable(QStringLiteral("%1 from the centre").arg(length(model.screenCenter() - windowCenter))));
}

void TestFigureModel::hitTest_data()
{
    QTest::addColumn<FigureKind>("kind");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<double>("angle");
    QTest::addColumn<QPointF>("figurePoint");
    QTest::addColumn<bool>("inside");

    struct Case
    {
        const char *name;
        FigureKind kind;
        double ratio;
        QPointF point;
        bool inside;
    };
    const Case cases[] = {
        {"rectangle middle", FigureKind::CornerRectangle, 0, {250, 150}, true},
        {"rectangle near its far corner", FigureKind::CornerRectangle, 0, {496, 296}, true},
        {"rectangle beyond its width", FigureKind::CornerRectangle, 0, {503, 150}, false},
        {"rectangle above", FigureKind::CornerRectangle, 0, {250, -4}, false},
        {"rhombus counts its box", FigureKind::CornerRhombus, 0, {4, 4}, true},
        {"rhombus beyond its box", FigureKind::CornerRhombus, 0, {503, 150}, false},
        {"isosceles counts its box", FigureKind::CornerIsoscelesTriangle, 0, {4, 4}, true},
        {"ellipse counts its box", FigureKind::CornerEllipse, 0, {4, 4}, true},
        {"square inside", FigureKind::CornerSquare, 0, {396, 396}, true},
        {"square below", FigureKind::CornerSquare, 0, {200, 403}, false},
        {"ratio rectangle inside", FigureKind::CornerSquare, FigureRatio::SixteenToNine, {200, 220}, true},
        {"ratio rectangle below its height",
         FigureKind::CornerSquare,
         FigureRatio::SixteenToNine,
         {200, 229},
         false},
        {"circle counts its box", FigureKind::CornerCircle, 0, {396, 396}, true},
        {"right triangle inside", FigureKind::CornerRightTriangle, 0, {100, 100}, true},
        {"right triangle beyond its hypotenuse", FigureKind::CornerRightTriangle, 0, {400, 250}, false},
        {"centred rectangle corner", FigureKind::CenteredRectangle, 0, {-246, 146}, true},
        {"centred rectangle left", FigureKind::CenteredRectangle, 0, {-253, 0}, false},
        {"centred rectangle below", FigureKind::CenteredRectangle, 0, {0, 153}, false},
        {"centred square corner", FigureKind::CenteredSquare, 0, {196, -196}, true},
        {"centred square right", FigureKind::CenteredSquare, 0, {203, 0}, false},
        {"centred ellipse on its axis", FigureKind::CenteredEllipse, 0, {240, 0}, true},
        {"centred ellipse inside", FigureKind::CenteredEllipse, 0, {-170, 100}, true},
        {"centred ellipse outside in its box", FigureKind::CenteredEllipse, 0, {200, 100}, false},
        {"centred circle inside", FigureKind::CenteredCircle, 0, {135, 135}, true},
        {"centred circle outside", FigureKind::CenteredCircle, 0, {145, 145}, false},
        {"centred rhombus inside", FigureKind::CenteredRhombus, 0, {120, 70}, true},
        {"centred rhombus outside in its box", FigureKind::CenteredRhombus, 0, {200, 120}, false},
        {"centred isosceles centre", FigureKind::CenteredIsoscelesTriangle, 0, {0, 0}, true},
        {"centred isosceles near its apex", FigureKind::CenteredIsoscelesTriangle, 0, {50, -50}, true},
        {"centred isosceles beside its apex", FigureKind::CenteredIsoscelesTriangle, 0, {150, -50}, false},
        {"centred right triangle inside", FigureKind::CenteredRightTriangle, 0, {-100, -50}, true},
        {"centred right triangle beyond its hypotenuse",
         FigureKind::CenteredRightTriangle,
         0,
         {100, 50},
         false},
    };
    for (const Case &c : cases) {
        for (double angle : {0.0, 37.0, 217.0})
            QTest::addRow("%s at %g", c.name, angle) << c.kind << c.ratio << angle << c.point << c.inside;
    }
}

void TestFigureModel::hitTest()
{
    QFETCH(FigureKind, kind);
    QFETCH(double, ratio);
    QFETCH(double, angle);
    QFETCH(QPointF, figurePoint);
    QFETCH(bool, inside);

    const FigureModel model = created(kind, angle, kWindow, ratio);
    const QPoint windowPoint = model.screenTransform().map(figurePoint).toPoint();
    QCOMPARE(model.hitTest(windowPoint), inside);
}

void TestFigureModel::hiddenFigureIsNotHit()
{
    FigureModel model = created(FigureKind::CornerRectangle);
    const QPoint middle = model.screenCenter().toPoint();
    QVERIFY(model.hitTest(middle));
    model.visible = false;
    QVERIFY(!model.hitTest(middle));
}

void TestFigureModel::handleDrag_data()
{
    QTest::addColumn<FigureKind>("kind");
    QTest::addColumn<int>("point");
    QTest::addColumn<double>("startAngle");
    QTest::addColumn<QPoint>("offset"); // pointer relative to the anchor
    QTest::addColumn<FigureModifiers>("modifiers");
    QTest::addColumn<double>("angle");
    QTest::addColumn<double>("handle"); // point 1 x or point 2 y
    QTest::addColumn<bool>("underPointer");

    const FigureModifiers plain = dragging();
    FigureModifiers alt = dragging();
    alt.altState = true;
    FigureModifiers reverse = dragging();
    reverse.reverseAlt = true;
    FigureModifiers reverseAlt = alt;
    reverseAlt.reverseAlt = true;
    FigureModifiers shiftAlt = alt;
    shiftAlt.shiftState = true;

    QTest::newRow("width handle turns and stretches")
        << FigureKind::CornerRectangle << 1 << 30.0 << QPoint(0, 300) << plain << 90.0 << 300.0 << true;
    QTest::newRow("width handle at 45") << FigureKind::CornerRectangle << 1 << 0.0 << QPoint(200, 200)
                                        << plain << 45.0 << std::hypot(200, 200) << true;
    QTest::newRow("Alt stretches along the axis only")
        << FigureKind::CornerRectangle << 1 << 30.0 << QPoint(0, 300) << alt << 30.0 << 300.0 << false;
    QTest::newRow("reversed: plain drag stretches only")
        << FigureKind::CornerRectangle << 1 << 30.0 << QPoint(0, 300) << reverse << 30.0 << 300.0 << false;
    QTest::newRow("reversed: Alt turns")
        << FigureKind::CornerRectangle << 1 << 30.0 << QPoint(0, 300) << reverseAlt << 90.0 << 300.0 << true;
    QTest::newRow("Shift always turns")
        << FigureKind::CornerRectangle << 1 << 30.0 << QPoint(0, 300) << shiftAlt << 90.0 << 300.0 << true;
    QTest::newRow("Shift snaps the turn") << FigureKind::CornerRectangle << 1 << 0.0 << QPoint(300, 100)
                                          << shiftAlt << 0.0 << std::hypot(300, 100) << false;
    QTest::newRow("height handle turns")
        << FigureKind::CornerRectangle << 2 << 0.0 << QPoint(-300, 0) << plain << 90.0 << 300.0 << true;
    QTest::newRow("height handle below turns to 0")
        << FigureKind::CornerEllipse << 2 << 50.0 << QPoint(0, 250) << plain << 0.0 << 250.0 << true;
    QTest::newRow("height handle Alt stretches")
        << FigureKind::CornerRectangle << 2 << 30.0 << QPoint(-300, 0) << alt << 30.0 << 300.0 << false;
    QTest::newRow("centred right triangle width handle right of centre")
        << FigureKind::CenteredRightTriangle << 1 << 0.0 << QPoint(300, 5) << plain
        << 180.0 + std::atan2(5.0, 300.0) * 180 / M_PI << -std::hypot(300, 5) << true;
    QTest::newRow("centred right triangle height handle above")
        << FigureKind::CenteredRightTriangle << 2 << 40.0 << QPoint(0, -200) << plain << 0.0 << -200.0 << true;
    QTest::newRow("centred right triangle height handle right")
        << FigureKind::CenteredRightTriangle << 2 << 0.0 << QPoint(200, 0) << plain << 90.0 << -200.0 << true;
    QTest::newRow("centred circle radius")
        << FigureKind::CenteredCircle << 1 << 0.0 << QPoint(0, -120) << plain << 270.0 << 120.0 << true;
}

void TestFigureModel::handleDrag()
{
    QFETCH(FigureKind, kind);
    QFETCH(int, point);
    QFETCH(double, startAngle);
    QFETCH(QPoint, offset);
    QFETCH(FigureModifiers, modifiers);
    QFETCH(double, angle);
    QFETCH(double, handle);
    QFETCH(bool, underPointer);

    FigureModel model = created(kind, startAngle);
    const QPoint pointer = model.screenPoints[0] + offset;
    QPoint last = pointer;
    model.handleDrag(point, pointer, last, modifiers);

    QVERIFY2(std::abs(model.angle - angle) < 1e-9,
             qPrintable(QString::number(model.angle, 'g', 12)));
    const double value = point == 1 ? model.points[1].x : model.points[2].y;
    QVERIFY2(std::abs(value - handle) < 1e-3, qPrintable(QString::number(value)));
    if (underPointer)
        QVERIFY(length(QPointF(model.screenPoints[point] - pointer)) <= 1.0);
}

void TestFigureModel::anchorDragMovesFigure()
{
    FigureModel model = created(FigureKind::CenteredRhombus, 20);
    const QPoint origin = model.origin;
    QPoint last(100, 100);
    model.handleDrag(0, QPoint(130, 90), last, dragging());
    QCOMPARE(model.origin, origin + QPoint(30, -10));
    QCOMPARE(last, QPoint(130, 90));
    QCOMPARE(model.angle, 20.0);
    QCOMPARE(model.screenPoints[0], model.origin);
}

void TestFigureModel::squareHeightFollowsDraggedWidth()
{
    FigureModel square = created(FigureKind::CornerSquare);
    QPoint last;
    square.handleDrag(1, square.origin + QPoint(100, 0), last, dragging());
    QCOMPARE(square.points[1].x, 100.0f);
    QCOMPARE(square.points[2].y, 100.0f);

    // The height handle of a square is no control point.
    square.handleDrag(2, square.origin + QPoint(0, 300), last, dragging());
    QCOMPARE(square.points[2].y, 100.0f);

    FigureModel ratio;
    ratio.createRatioFigure(FigureRatio::FourToThree, kWindow);
    ratio.handleDrag(1, ratio.origin + QPoint(200, 0), last, dragging());
    QCOMPARE(ratio.points[2].y, float(200 / FigureRatio::FourToThree));
}

void TestFigureModel::rotateBy_data()
{
    QTest::addColumn<double>("step");
    QTest::addColumn<int>("times");
    QTest::addColumn<double>("expected");

    QTest::newRow("64 fine steps make one 11.25 step") << 0.17578125 << 64 << 11.25;
    QTest::newRow("backwards from 0") << -11.25 << 1 << 348.75;
    QTest::newRow("five quarter turns") << 90.0 << 5 << 90.0;
    QTest::newRow("a fast wheel turn") << 1000.0 << 1 << 280.0;
}

void TestFigureModel::rotateBy()
{
    QFETCH(double, step);
    QFETCH(int, times);
    QFETCH(double, expected);
    FigureModel model = created(FigureKind::CornerEllipse);
    for (int i = 0; i < times; ++i) {
        model.rotateBy(step);
        model.recompute();
    }
    QCOMPARE(model.angle, expected);
}

void TestFigureModel::centeredCircleTurnsItsHandle()
{
    FigureModel model = created(FigureKind::CenteredCircle);
    const QPoint center = model.origin;
    model.rotateBy(90);
    model.recompute();
    QCOMPARE(model.angle, 0.0);
    QCOMPARE(model.screenPoints[1], center + QPoint(0, 199));
    QCOMPARE(model.widthPx, 199);
    QVERIFY(model.hitTest(center + QPoint(190, 0)));

    // A later drag without turning keeps the handle on its direction, under the pointer.
    FigureModifiers alt = dragging();
    alt.altState = true;
    QPoint last;
    model.handleDrag(1, center + QPoint(0, 150), last, alt);
    QCOMPARE(model.screenPoints[1], center + QPoint(0, 150));
    QCOMPARE(model.widthPx, 150);

    // As a corner circle its handle is back on the box's top edge, and the box is hit-tested whole.
    model.rotateBy(45);
    model.togglePlacement();
    QCOMPARE(model.kind, FigureKind::CornerCircle);
    QCOMPARE(QPointF(model.points[1].x, model.points[1].y), QPointF(300, 0));
    QVERIFY(model.hitTest(model.origin + QPoint(295, 295)));
}

void TestFigureModel::scale_data()
{
    QTest::addColumn<FigureKind>("kind");
    QTest::addColumn<float>("width");
    QTest::addColumn<QList<double>>("factors");
    QTest::addColumn<float>("expectedWidth");

    QTest::newRow("page up then page down")
        << FigureKind::CornerRectangle << 100.0f << QList<double>{1.01, 0.99} << 99.99f;
    QTest::newRow("page up then page down, rounded each step")
        << FigureKind::CornerRectangle << 499.0f << QList<double>{1.01, 0.99} << float(504 * 0.99);
    QTest::newRow("wheel 1.01 then 1.02")
        << FigureKind::CornerRectangle << 200.0f << QList<double>{1.01, 1.02} << float(202 * 1.02);
    QTest::newRow("a factor of zero keeps a positive size")
        << FigureKind::CornerRectangle << 499.0f << QList<double>{0.0} << 4.99f;
    QTest::newRow("a negative factor does not mirror")
        << FigureKind::CornerRectangle << 499.0f << QList<double>{-0.5} << 4.99f;
    QTest::newRow("repeated tiny factors never reach zero")
        << FigureKind::CornerRectangle << 499.0f << QList<double>(8, -1.0) << 1.0f;
    QTest::newRow("negative handles keep their side")
        << FigureKind::CenteredRightTriangle << -249.5f << QList<double>(8, 0.0) << -1.0f;
}

void TestFigureModel::scale()
{
    QFETCH(FigureKind, kind);
    QFETCH(float, width);
    QFETCH(QList<double>, factors);
    QFETCH(float, expectedWidth);

    FigureModel model = created(kind, 15);
    model.points[1].x = width;
    model.recompute();
    const QPoint origin = model.origin;
    for (double factor : factors)
        model.scale(factor, factor);
    QCOMPARE(model.points[1].x, expectedWidth);
    QVERIFY(model.points[2].y != 0);
    QCOMPARE(model.origin, origin);
    QCOMPARE(model.points[0].x, 0.0f);
}

void TestFigureModel::absurdSizesStayFinite()
{
    FigureModel model = created(FigureKind::CenteredEllipse, 33);
    for (int i = 0; i < 200; ++i)
        model.scale(10, 10);
    QVERIFY(std::isfinite(model.points[1].x));
    QVERIFY(model.points[1].x > 0);
    QVERIFY(std::isfinite(model.width));
    QVERIFY(model.widthPx > 0);
    model.hitTest(QPoint(5, 5));

    // Far drags and nudges clamp the origin instead of overflowing it.
    for (int i = 0; i < 5; ++i)
        model.bodyMove(QPoint(std::numeric_limits<int>::max() / 2, std::numeric_limits<int>::min() / 2));
    QVERIFY(model.origin.x() > 0);
    QVERIFY(model.origin.y() < 0);
    for (const QPoint &p : std::as_const(model.screenPoints))
        QVERIFY(std::abs(p.x()) < std::numeric_limits<int>::max() / 2);

    model.scale(std::nan(""), 2);
    model.rotateBy(std::numeric_limits<double>::infinity());
    QVERIFY(std::isfinite(model.points[1].x));
    QVERIFY(std::isfinite(model.angle));
}

GRADORA_TEST_GUILESS_MAIN(TestFigureModel)
#include "tst_figuremodel.moc"
