// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "figure/figurefixture.h"
#include "figure/figuremodel.h"
#include "figure/figurereadings.h"
#include "render/unitscale.h"
#include "testsupport.h"

#include <QTest>
#include <QtMath>

#include <cmath>

using FigureFixture::created;
using FigureFixture::kAllKinds;
using FigureFixture::kindName;
using FigureFixture::kWindow;

namespace {

constexpr double kPi = 3.14159265358979323846;

FigureReadings inPixels(const FigureModel &model, FigureRulerFrame frame = {kWindow})
{
    return FigureReadings::measure(model, FigureUnits{}, frame);
}

// A table unit of ppuX pixels per unit across and ppuY down.
FigureUnits unitsOf(double ppuX, double ppuY, const QString &label)
{
    FigureUnits units;
    units.scale.unitKind = UnitScale::TableUnit;
    units.scale.unitLabel = label;
    units.scale.pixelsPerUnitX = ppuX;
    units.scale.pixelsPerUnitY = ppuY;
    return units;
}

// Centimetres on a display of 110 pixels per inch across and 90 down.
FigureUnits unequalCentimetres()
{
    return unitsOf(110 / 2.54, 90 / 2.54, QStringLiteral("cm"));
}

double hundredths(double value)
{
    return UnitScale::roundToHundredth(value);
}

} // namespace

class TestFigureReadings : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pixelCounts_data();
    void pixelCounts();
    void placementKeepsReadings_data();
    void placementKeepsReadings();
    void alongTheFigureAxes_data();
    void alongTheFigureAxes();
    void unequalScales_data();
    void unequalScales();
    void pythagoras_data();
    void pythagoras();
    void equalScalesDivideThePixelReadings_data();
    void equalScalesDivideThePixelReadings();
    void turnKeepsAreaOnUnequalScales_data();
    void turnKeepsAreaOnUnequalScales();
    void uncalibratedDisplayReadsQuestionMarks();
    void texts();
    void shortAreaLine();
    void megapixels();
    void equalAxesEllipseIsACircle();
    void ratioSuffix_data();
    void ratioSuffix();
    void angleText_data();
    void angleText();
    void rotationCenter_data();
    void rotationCenter();
    void panelTexts_data();
    void panelTexts();
    void degenerateFiguresReadNumbers();
};

void TestFigureReadings::pixelCounts_data()
{
    QTest::addColumn<FigureKind>("kind");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<double>("angle");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("side");
    QTest::addColumn<double>("area");
    QTest::addColumn<double>("perimeter");

    // Every length counts the pixels it covers, and the third side, area and perimeter are those of the
    // exact shape with the counted width and height.
    const double hypotenuse = std::hypot(500, 300);
    const double rhombusSide = std::hypot(249.5, 149.5);
    const double centeredRhombusSide = std::hypot(249, 149);
    const double leg = std::hypot(250, 300);
    const double centeredLeg = std::hypot(248.5, 299);
    const double centeredHypotenuse = std::hypot(499, 299);
    QTest::newRow("rectangle 499 x 299")
        << FigureKind::CornerRectangle << 0.0 << 0.0 << 500.0 << 300.0 << 0.0 << 150000.0 << 1600.0;
    QTest::newRow("rectangle turned")
        << FigureKind::CornerRectangle << 0.0 << 123.0 << 500.0 << 300.0 << 0.0 << 150000.0 << 1600.0;
    QTest::newRow("square") << FigureKind::CornerSquare << 0.0 << 0.0 << 400.0 << 400.0 << 0.0 << 160000.0
                            << 1600.0;
    QTest::newRow("ratio rectangle height follows the width")
        << FigureKind::CornerSquare << FigureRatio::SixteenToNine << 0.0 << 400.0 << 400 / 1.77777778 << 0.0
        << 400 * 400 / 1.77777778 << 1250.0;
    QTest::newRow("right triangle") << FigureKind::CornerRightTriangle << 0.0 << 0.0 << 500.0 << 300.0
                                    << hypotenuse << 75000.0 << hundredths(800 + hypotenuse);
    QTest::newRow("right triangle turned") << FigureKind::CornerRightTriangle << 0.0 << 45.0 << 500.0 << 300.0
                                           << hypotenuse << 75000.0 << hundredths(800 + hypotenuse);
    QTest::newRow("rhombus spans one pixel less than its box")
        << FigureKind::CornerRhombus << 0.0 << 0.0 << 499.0 << 299.0 << rhombusSide << 499 * 299 / 2.0
        << hundredths(4 * rhombusSide);
    QTest::newRow("isosceles") << FigureKind::CornerIsoscelesTriangle << 0.0 << 0.0 << 500.0 << 300.0 << leg
                               << 75000.0 << hundredths(2 * leg + 500);
    QTest::newRow("circle") << FigureKind::CornerCircle << 0.0 << 0.0 << 400.0 << 400.0 << 0.0
                            << kPi * 200 * 200 << hundredths(kPi * 400);
    QTest::newRow("centred rectangle widened to 2w + 1")
        << FigureKind::CenteredRectangle << 0.0 << 0.0 << 499.0 << 299.0 << 0.0 << 499.0 * 299 << 1596.0;
    QTest::newRow("centred square") << FigureKind::CenteredSquare << 0.0 << 0.0 << 399.0 << 399.0 << 0.0
                                    << 399.0 * 399 << 1596.0;
    QTest::newRow("centred rhombus spans 2w")
        << FigureKind::CenteredRhombus << 0.0 << 0.0 << 498.0 << 298.0 << centeredRhombusSide << 498 * 298 / 2.0
        << hundredths(4 * centeredRhombusSide);
    QTest::newRow("centred isosceles base widened to 4w + 1")
        << FigureKind::CenteredIsoscelesTriangle << 0.0 << 0.0 << 497.0 << 299.0 << centeredLeg
        << 497 * 299 / 2.0 << hundredths(2 * centeredLeg + 497);
    QTest::newRow("centred right triangle spans 2w + 1")
        << FigureKind::CenteredRightTriangle << 0.0 << 0.0 << 499.0 << 299.0 << centeredHypotenuse
        << 499 * 299 / 2.0 << hundredths(499 + 299 + centeredHypotenuse);
    QTest::newRow("centred circle of radius 199") << FigureKind::CenteredCircle << 0.0 << 0.0 << 200.0 << 200.0
                                                  << 0.0 << kPi * 200 * 200 << hundredths(2 * kPi * 200);
    QTest::newRow("centred ellipse") << FigureKind::CenteredEllipse << 0.0 << 0.0 << 250.0 << 150.0 << 0.0
                                     << kPi * 250 * 150 << hundredths(UnitScale::ellipsePerimeter(250, 150));
}

void TestFigureReadings::pixelCounts()
{
    QFETCH(FigureKind, kind);
    QFETCH(double, ratio);
    QFETCH(double, angle);
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(double, side);
    QFETCH(double, area);
    QFETCH(double, perimeter);

    const FigureModel model = created(kind, angle, kWindow, ratio);
    const FigureReadings r = inPixels(model);
    QCOMPARE(r.widthPx, width);
    QCOMPARE(r.heightPx, height);
    QCOMPARE(r.sidePx, side);
    QCOMPARE(r.figureWidthUnits, width);
    QCOMPARE(r.figureSideUnits, side);
    QVERIFY2(std::abs(r.area - area) < 1e-6, qPrintable(QString::number(r.area, 'g', 15)));
    QVERIFY2(std::abs(r.perimeter - perimeter) < 1e-9, qPrintable(QString::number(r.perimeter, 'g', 15)));
}

void TestFigureReadings::placementKeepsReadings_data()
{
    QTest::addColumn<FigureKind>("kind");
    for (FigureKind kind : FigureFixture::kCornerKinds)
        QTest::addRow("%s", kindName(kind)) << kind;
}

// The same shape on the screen reads the same in both placements, up to the half-pixel conventions.
void TestFigureReadings::placementKeepsReadings()
{
    QFETCH(FigureKind, kind);
    constexpr double kTolerance = 2;
    FigureModel model = created(kind, 30);
    const FigureReadings corner = inPixels(model);
    model.togglePlacement();
    const FigureReadings centered = inPixels(model);

    // Circles and ellipses read their radius or semi-axes once centred.
    const bool radial = kind == FigureKind::CornerCircle || kind == FigureKind::CornerEllipse;
    const double factor = radial ? 0.5 : 1.0;
    QVERIFY2(std::abs(centered.widthPx - corner.widthPx * factor) <= kTolerance,
             qPrintable(QStringLiteral("%1 vs %2").arg(centered.widthPx).arg(corner.widthPx)));
    QVERIFY2(std::abs(centered.heightPx - corner.heightPx * factor) <= kTolerance,
             qPrintable(QStringLiteral("%1 vs %2").arg(centered.heightPx).arg(corner.heightPx)));
    QVERIFY(std::abs(centered.sidePx - corner.sidePx) <= kTolerance);
    QVERIFY(centered.perimeter > 0);
    QVERIFY(std::abs(centered.perimeter - corner.perimeter) <= 4 * kTolerance);
}

void TestFigureReadings::alongTheFigureAxes_data()
{
    QTest::addColumn<double>("angle");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");

    // 500 x 300 pixels; 10 px per unit across, 20 px per unit down. A slanted side takes each of its
    // screen components at that axis' scale.
    const auto slanted = [](double length, double degrees) {
        const double radians = qDegreesToRadians(degrees);
        return length * std::hypot(std::cos(radians) / 10, std::sin(radians) / 20);
    };
    QTest::newRow("upright") << 0.0 << 50.0 << 15.0;
    QTest::newRow("quarter turn") << 90.0 << 25.0 << 30.0;
    QTest::newRow("half turn") << 180.0 << 50.0 << 15.0;
    QTest::newRow("45 degrees") << 45.0 << 500 * std::sqrt(0.00625) << 300 * std::sqrt(0.00625);
    QTest::newRow("20 degrees is not horizontal") << 20.0 << slanted(500, 20) << slanted(300, 110);
    QTest::newRow("300 degrees") << 300.0 << slanted(500, 300) << slanted(300, 30);
}

void TestFigureReadings::alongTheFigureAxes()
{
    QFETCH(double, angle);
    QFETCH(double, width);
    QFETCH(double, height);

    const FigureModel model = created(FigureKind::CornerRectangle, angle);
    const FigureReadings r = FigureReadings::measure(model, unitsOf(10, 20, "mm"), {kWindow});
    QCOMPARE(r.figureWidthUnits, width);
    QCOMPARE(r.figureHeightUnits, height);
    // A turn keeps the area: 150000 px² at 10 x 20 px per mm².
    QCOMPARE(r.area, 750.0);
    QCOMPARE(r.perimeter, hundredths(2 * width + 2 * height));
    QCOMPARE(r.widthText, QString::number(hundredths(width), 'g', 6) + QStringLiteral(" mm "));
}

void TestFigureReadings::unequalScales_data()
{
    QTest::addColumn<FigureKind>("kind");
    QTest::addColumn<double>("angle");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("side");

    // At 110 x 90 pixels per inch: 500 px across are 11.55 cm, 300 px down 8.47 cm.
    QTest::newRow("right triangle: the hypotenuse over both scales")
        << FigureKind::CornerRightTriangle << 0.0 << "11.55 cm "
        << "8.47 cm "
        << "hipo: 14.32 cm ";
    QTest::newRow("rectangle at 22.5 degrees") << FigureKind::CornerRectangle << 22.5 << "11.96 cm "
                                               << "8.26 cm "
                                               << "";
    QTest::newRow("right triangle at a quarter turn: legs swap scales")
        << FigureKind::CornerRightTriangle << 90.0 << "14.11 cm "
        << "6.93 cm "
        << "hipo: 15.72 cm ";
}

void TestFigureReadings::unequalScales()
{
    QFETCH(FigureKind, kind);
    QFETCH(double, angle);
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(QString, side);

    const FigureReadings r = FigureReadings::measure(created(kind, angle), unequalCentimetres(), {kWindow});
    QCOMPARE(r.widthText, width);
    QCOMPARE(r.heightText, height);
    QCOMPARE(r.sideText, side);
}

void TestFigureReadings::pythagoras_data()
{
    QTest::addColumn<FigureKind>("kind");
    QTest::addColumn<double>("angle");
    QTest::addColumn<double>("ppuX");
    QTest::addColumn<double>("ppuY");

    for (FigureKind kind : {FigureKind::CornerRightTriangle, FigureKind::CenteredRightTriangle}) {
        for (double angle : {0.0, 30.0, 45.0, 90.0, 123.0, 270.0}) {
            QTest::addRow("%s at %g, pixels", kindName(kind), angle) << kind << angle << 0.0 << 0.0;
            QTest::addRow("%s at %g, mm", kindName(kind), angle) << kind << angle << 96 / 25.4 << 96 / 25.4;
        }
        for (double angle : {0.0, 90.0, 180.0})
            QTest::addRow("%s at %g, unequal", kindName(kind), angle)
                << kind << angle << 110 / 2.54 << 90 / 2.54;
    }
}

// The three sides as shown satisfy Pythagoras to the shown precision (on unequal scales a turned right
// angle is no longer right in units; upright it is).
void TestFigureReadings::pythagoras()
{
    QFETCH(FigureKind, kind);
    QFETCH(double, angle);
    QFETCH(double, ppuX);
    QFETCH(double, ppuY);

    const FigureUnits units = ppuX > 0 ? unitsOf(ppuX, ppuY, "u") : FigureUnits{};
    const FigureReadings r = FigureReadings::measure(created(kind, angle), units, {kWindow});
    const double width = r.widthText.section(QLatin1Char(' '), 0, 0).toDouble();
    const double height = r.heightText.section(QLatin1Char(' '), 0, 0).toDouble();
    const double side = r.sideText.section(QLatin1Char(' '), 1, 1).toDouble();
    QVERIFY2(std::abs(std::hypot(width, height) - side) <= 0.01,
             qPrintable(QStringLiteral("%1, %2, %3").arg(r.widthText, r.heightText, r.sideText)));
    QVERIFY(std::abs(r.perimeter - (width + height + side)) <= 0.02);
}

void TestFigureReadings::equalScalesDivideThePixelReadings_data()
{
    QTest::addColumn<FigureKind>("kind");
    QTest::addColumn<double>("angle");
    for (FigureKind kind : kAllKinds) {
        for (double angle : {0.0, 33.0, 90.0, 200.0})
            QTest::addRow("%s at %g", kindName(kind), angle) << kind << angle;
    }
}

// With one scale on both axes every reading is the pixel reading divided by that scale (squared for the
// area), at any angle: lengths exactly, as they always read.
void TestFigureReadings::equalScalesDivideThePixelReadings()
{
    QFETCH(FigureKind, kind);
    QFETCH(double, angle);
    const double perUnit = 96 / 25.4;
    const FigureModel model = created(kind, angle);
    const FigureReadings pixels = inPixels(model);
    const FigureReadings mm = FigureReadings::measure(model, unitsOf(perUnit, perUnit, "mm"), {kWindow});
    QVERIFY(mm.figureWidthUnits == pixels.widthPx / perUnit);
    QVERIFY(mm.figureHeightUnits == pixels.heightPx / perUnit);
    QCOMPARE(mm.figureSideUnits, pixels.sidePx / perUnit);
    QCOMPARE(mm.area, pixels.area / (perUnit * perUnit));
    QVERIFY2(std::abs(mm.perimeter - pixels.perimeter / perUnit) <= 0.01,
             qPrintable(QStringLiteral("%1 vs %2").arg(mm.perimeter).arg(pixels.perimeter / perUnit)));
}

void TestFigureReadings::turnKeepsAreaOnUnequalScales_data()
{
    QTest::addColumn<FigureKind>("kind");
    for (FigureKind kind : kAllKinds)
        QTest::addRow("%s", kindName(kind)) << kind;
}

// A turn moves a figure's sides between the scales but keeps its area; a circle reads as the ellipse it
// is in units, whichever way its handle points.
void TestFigureReadings::turnKeepsAreaOnUnequalScales()
{
    QFETCH(FigureKind, kind);
    const FigureUnits units = unequalCentimetres();
    const FigureReadings upright = FigureReadings::measure(created(kind, 0), units, {kWindow});
    for (double angle : {22.5, 45.0, 90.0, 137.0, 300.0}) {
        FigureModel model = created(kind, angle);
        if (kind == FigureKind::CenteredCircle) { // a centred circle turns its handle instead
            model = created(kind);
            model.rotateBy(angle);
            model.recompute();
        }
        const FigureReadings turned = FigureReadings::measure(model, units, {kWindow});
        QCOMPARE(turned.area, upright.area);
        if (kind == FigureKind::CenteredCircle || kind == FigureKind::CornerCircle)
            QCOMPARE(turned.perimeter, upright.perimeter);
    }
    if (kind == FigureKind::CenteredCircle) {
        const double radius = upright.widthPx;
        QCOMPARE(upright.perimeter,
                 hundredths(UnitScale::ellipsePerimeter(radius / units.scale.pixelsPerUnitX,
                                                        radius / units.scale.pixelsPerUnitY)));
    }
}

void TestFigureReadings::uncalibratedDisplayReadsQuestionMarks()
{
    // A physical unit on a display without a resolution: no scale to convert with.
    const FigureReadings r =
        FigureReadings::measure(created(FigureKind::CornerRightTriangle, 30), unitsOf(0, 0, "cm"), {kWindow});
    QCOMPARE(r.widthText, QStringLiteral("? cm "));
    QCOMPARE(r.heightText, QStringLiteral("? cm "));
    QCOMPARE(r.sideText, QStringLiteral("hipo: ? cm "));
    QCOMPARE(r.areaText, QStringLiteral("? cm\u00B2"));
    QCOMPARE(r.perimeterText, QStringLiteral("? cm"));
    QCOMPARE(r.panelTexts().width, QStringLiteral("\u21941: ? cm "));

    // Only the axis without a scale is unknown: an upright width needs no vertical scale.
    const FigureReadings across =
        FigureReadings::measure(created(FigureKind::CornerRectangle), unitsOf(100, 0, "cm"), {kWindow});
    QCOMPARE(across.widthText, QStringLiteral("5 cm "));
    QCOMPARE(across.heightText, QStringLiteral("? cm "));
    QCOMPARE(across.areaText, QStringLiteral("? cm\u00B2"));
}

void TestFigureReadings::texts()
{
    const FigureReadings r = inPixels(created(FigureKind::CornerRectangle));
    QCOMPARE(r.widthText, QStringLiteral("500 px "));
    QCOMPARE(r.heightText, QStringLiteral("300 px "));
    QCOMPARE(r.areaText, QStringLiteral("150000 px\u00B2"));
    QCOMPARE(r.perimeterText, QStringLiteral("1600 px"));
    QCOMPARE(r.areaLine(), QStringLiteral("Area: 150000 px\u00B2 | Perimeter: 1600 px"));
    QCOMPARE(r.sideText, QString());
    const FigurePanelTexts panel = r.panelTexts();
    QCOMPARE(panel.width, QStringLiteral("\u21941: 500 px "));
    QCOMPARE(panel.height, QStringLiteral("\u21942: 300 px "));
    QCOMPARE(panel.area, QStringLiteral("A: 150000 px\u00B2"));
    QCOMPARE(panel.perimeter, QStringLiteral("P: 1600 px"));

    const FigureReadings circle = inPixels(created(FigureKind::CenteredCircle));
    QCOMPARE(circle.perimeterText, QStringLiteral("1256.64 px"));
    QCOMPARE(circle.areaText, QStringLiteral("125663.71 px\u00B2"));

    const FigureReadings triangle = inPixels(created(FigureKind::CornerRightTriangle));
    QCOMPARE(triangle.sideText, QStringLiteral("hipo: 583.1 px "));
    QCOMPARE(triangle.perimeterText, QStringLiteral("1383.1 px"));
    QCOMPARE(inPixels(created(FigureKind::CenteredRhombus)).sideText, QStringLiteral("side: 290.18 px "));
    QCOMPARE(inPixels(created(FigureKind::CornerIsoscelesTriangle)).sideText,
             QStringLiteral("leg: 390.51 px "));
}

void TestFigureReadings::shortAreaLine()
{
    FigureModel model = created(FigureKind::CenteredCircle);
    model.points[1].x = 99;
    model.recompute();
    const FigureReadings r = inPixels(model);
    QCOMPARE(r.widthPx, 100.0);
    QVERIFY(r.areaLine().startsWith(QStringLiteral("A: 31415.93 px\u00B2 | P: 628.32 px")));
}

void TestFigureReadings::megapixels()
{
    FigureUnits units;
    units.megapixels = true;
    const FigureReadings r = FigureReadings::measure(created(FigureKind::CornerRectangle), units, {kWindow});
    QCOMPARE(r.areaText, QStringLiteral("0.150 MP "));

    // Megapixels are for pixels only.
    FigureUnits mm = unitsOf(10, 10, "mm");
    mm.megapixels = true;
    QCOMPARE(FigureReadings::measure(created(FigureKind::CornerRectangle), mm, {kWindow}).areaText,
             QStringLiteral("1500 mm\u00B2"));
}

void TestFigureReadings::equalAxesEllipseIsACircle()
{
    FigureModel ellipse = created(FigureKind::CornerEllipse);
    ellipse.points[1].x = 399;
    ellipse.points[2].y = 399;
    ellipse.recompute();
    const FigureReadings e = inPixels(ellipse);
    const FigureReadings c = inPixels(created(FigureKind::CornerCircle));
    QCOMPARE(e.perimeter, c.perimeter);
    QCOMPARE(e.areaText, c.areaText);
}

void TestFigureReadings::ratioSuffix_data()
{
    QTest::addColumn<double>("ratio");
    QTest::addColumn<QString>("suffix");

    QTest::newRow("4:3") << FigureRatio::FourToThree << " / 4:3";
    QTest::newRow("16:9") << FigureRatio::SixteenToNine << " / 16:9";
    QTest::newRow("5:3") << FigureRatio::FiveToThree << " / 5:3";
    QTest::newRow("3:2") << FigureRatio::ThreeToTwo << " / 3:2";
    QTest::newRow("1.85") << FigureRatio::Wide185 << " / 1.85:1";
    QTest::newRow("2.39") << FigureRatio::Wide239 << " / 2.39:1";
    QTest::newRow("golden") << FigureRatio::Golden << " / golden";
    QTest::newRow("an exact 16/9 is not the stored ratio") << 16.0 / 9.0 << "";
}

void TestFigureReadings::ratioSuffix()
{
    QFETCH(double, ratio);
    QFETCH(QString, suffix);
    FigureModel model;
    model.createRatioFigure(ratio, kWindow);
    const FigureReadings r = inPixels(model);
    QCOMPARE(r.ratioSuffix, suffix);
    QCOMPARE(r.onFigureWidthText(), QStringLiteral("400 px ") + suffix);

    // Only the ratio rectangle carries it: the same lock on a centred square does not.
    model.create(FigureKind::CenteredSquare, kWindow);
    QVERIFY(model.ratioLocked);
    QCOMPARE(inPixels(model).ratioSuffix, QString());
}

void TestFigureReadings::angleText_data()
{
    QTest::addColumn<double>("angle");
    QTest::addColumn<QString>("text");

    QTest::newRow("flying ruler") << 323.24 << QStringLiteral("323.24\u00B0");
    QTest::newRow("rounded to a hundredth") << 12.346 << QStringLiteral("12.35\u00B0");
    QTest::newRow("upright") << 0.0 << QStringLiteral("0\u00B0");
    QTest::newRow("fine step") << 0.17578125 << QStringLiteral("0.18\u00B0");
}

void TestFigureReadings::angleText()
{
    QFETCH(double, angle);
    QFETCH(QString, text);
    const FigureReadings r = inPixels(created(FigureKind::CornerRectangle, angle));
    QCOMPARE(r.angleText, text);
    QCOMPARE(r.panelTexts().angle, QStringLiteral("Angle: ") + text);
}

void TestFigureReadings::rotationCenter_data()
{
    QTest::addColumn<bool>("zeroAtLeft");
    QTest::addColumn<bool>("zeroAtBottom");
    QTest::addColumn<bool>("fromOne");
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");

    // The anchor sits at (123, 45) in an 800 x 600 window.
    QTest::newRow("zero top left") << true << false << false << "rcX: 123"
                                   << "rcY: 45";
    QTest::newRow("zero at the right") << false << false << false << "rcX: 677"
                                       << "rcY: 45";
    QTest::newRow("zero at the bottom") << true << true << false << "rcX: 123"
                                        << "rcY: 555";
    QTest::newRow("starting with pixel 1") << true << false << true << "rcX: 124"
                                           << "rcY: 46";
    QTest::newRow("bottom right from 1") << false << true << true << "rcX: 678"
                                         << "rcY: 556";
}

void TestFigureReadings::rotationCenter()
{
    QFETCH(bool, zeroAtLeft);
    QFETCH(bool, zeroAtBottom);
    QFETCH(bool, fromOne);
    QFETCH(QString, x);
    QFETCH(QString, y);

    FigureModel model = created(FigureKind::CenteredRhombus, 20);
    model.bodyMove(QPoint(123, 45) - model.origin);
    const FigureReadings r = inPixels(model, FigureRulerFrame{kWindow, zeroAtLeft, zeroAtBottom, fromOne});
    QCOMPARE(r.centerXText, x);
    QCOMPARE(r.centerYText, y);
    QCOMPARE(r.panelTexts().centerX, x);
    QCOMPARE(r.panelTexts().centerY, y);
}

void TestFigureReadings::panelTexts_data()
{
    QTest::addColumn<FigureKind>("kind");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<bool>("showHeight");
    QTest::addColumn<int>("sideKind");
    QTest::addColumn<QString>("sidePrefix");

    QTest::newRow("rectangle") << FigureKind::CornerRectangle << 0.0 << true << int(FigureReadings::NoSide)
                               << "";
    QTest::newRow("rhombus") << FigureKind::CenteredRhombus << 0.0 << true << int(FigureReadings::RhombusSide)
                             << "side: ";
    QTest::newRow("isosceles") << FigureKind::CornerIsoscelesTriangle << 0.0 << true
                               << int(FigureReadings::IsoscelesLeg) << "leg: ";
    QTest::newRow("right triangle") << FigureKind::CenteredRightTriangle << 0.0 << true
                                    << int(FigureReadings::Hypotenuse) << "hipo: ";
    QTest::newRow("circle") << FigureKind::CenteredCircle << 0.0 << false << int(FigureReadings::NoSide) << "";
    QTest::newRow("square") << FigureKind::CornerSquare << 0.0 << false << 0 << "";
    QTest::newRow("ratio rectangle") << FigureKind::CornerSquare << FigureRatio::ThreeToTwo << true
                                     << int(FigureReadings::NoSide) << "";
}

void TestFigureReadings::panelTexts()
{
    QFETCH(FigureKind, kind);
    QFETCH(double, ratio);
    QFETCH(bool, showHeight);
    QFETCH(int, sideKind);
    QFETCH(QString, sidePrefix);

    const FigureModel model = created(kind, 0, kWindow, ratio);
    const FigureReadings r = inPixels(model);
    const FigurePanelTexts panel = r.panelTexts();
    QCOMPARE(panel.showHeight, showHeight);
    QCOMPARE(panel.sideKind, sideKind);
    QCOMPARE(panel.showSide, sideKind != FigureReadings::NoSide);
    QCOMPARE(panel.side.isEmpty(), sideKind == FigureReadings::NoSide);
    if (sideKind != FigureReadings::NoSide)
        QVERIFY(panel.side.startsWith(sidePrefix));
}

void TestFigureReadings::degenerateFiguresReadNumbers()
{
    const auto allTexts = [](const FigureReadings &r) {
        return QStringList{r.widthText,     r.heightText, r.sideText,    r.areaText,
                           r.perimeterText, r.angleText,  r.centerXText, r.centerYText}
            .join(QLatin1Char('|'));
    };

    // A triangle flattened onto its base is one pixel high: a sliver of area, and no "nan" anywhere.
    FigureModel flat = created(FigureKind::CornerIsoscelesTriangle);
    flat.points[2].y = 0;
    flat.recompute();
    const FigureReadings flatReadings = inPixels(flat);
    QCOMPARE(flatReadings.heightPx, 1.0);
    QCOMPARE(flatReadings.area, 250.0);
    QVERIFY2(!allTexts(flatReadings).contains(QStringLiteral("nan")), qPrintable(allTexts(flatReadings)));

    // A figure grown without end keeps finite numbers.
    FigureModel huge = created(FigureKind::CornerEllipse, 10);
    for (int i = 0; i < 100; ++i)
        huge.scale(10, 10);
    const FigureReadings hugeReadings = inPixels(huge);
    QVERIFY(std::isfinite(hugeReadings.area));
    QVERIFY(std::isfinite(hugeReadings.perimeter));
    QVERIFY(!allTexts(hugeReadings).contains(QStringLiteral("inf")));
    QVERIFY(!allTexts(hugeReadings).contains(QStringLiteral("nan")));

    // A scale too fine to convert with reads "?", never infinity.
    const FigureReadings brokenReadings = FigureReadings::measure(
        created(FigureKind::CenteredEllipse), unitsOf(4.9e-324, 4.9e-324, "in"), {kWindow});
    QCOMPARE(brokenReadings.widthText, QStringLiteral("? in "));
    QVERIFY(!allTexts(brokenReadings).contains(QStringLiteral("inf")));
    QVERIFY(!allTexts(brokenReadings).contains(QStringLiteral("nan")));
}

GRADORA_TEST_GUILESS_MAIN(TestFigureReadings)
#include "tst_figurereadings.moc"
