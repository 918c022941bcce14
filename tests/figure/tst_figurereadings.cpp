// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "figure/figurefixture.h"
#include "figureangle.h"
#include "figuremodel.h"
#include "figurereadings.h"
#include "testsupport.h"
#include "unitscale.h"

#include <QTest>

#include <cmath>

using namespace FigureKind;

using FigureFixture::created;
using FigureFixture::kWindow;

namespace {

constexpr double kPi = 3.14159265358979323846;

FigureReadings inPixels(const FigureModel &model, FigureRulerFrame frame = {kWindow})
{
    return FigureReadings::measure(model, FigureUnits{}, frame);
}

// A unit with different horizontal and vertical resolution, converting as the unit scale does: the
// direction snaps to 45 degrees, lengths along x divide by ppuX, along y by ppuY, slanted ones by the
// average.
FigureUnits anisotropicUnits(double ppuX, double ppuY, double figureAngle, const QString &label)
{
    FigureUnits units;
    units.pixels = false;
    units.unitLabel = label;
    units.lengthInUnits = [=](double px, double angle, bool perpendicular, bool absolute) {
        double e = perpendicular ? figureAngle : absolute ? angle : angle + figureAngle;
        e = FigureAngle::snappedTo45(FigureAngle::normalised(e));
        if (perpendicular)
            e = e <= 180 ? e + 90 : e - 90;
        if (e == 0 || e == 180)
            return px / ppuX;
        if (e == 90 || e == 270)
            return px / ppuY;
        return px / ((ppuX + ppuY) / 2);
    };
    return units;
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
    void texts();
    void shortAreaLine();
    void megapixels();
    void equalAxesEllipseIsACircle();
    void ratioSuffix_data();
    void ratioSuffix();
    void angleText_data();
    void angleText();
    void rotationCentre_data();
    void rotationCentre();
    void panelTexts_data();
    void panelTexts();
    void degenerateFiguresReadNumbers();
};

void TestFigureReadings::pixelCounts_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<double>("angle");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("side");
    QTest::addColumn<double>("area");
    QTest::addColumn<double>("perimeter");

    const double hypotenuse = std::round(std::hypot(499, 299));
    QTest::newRow("rectangle 499 x 299") << 17 << 0.0 << 0.0 << 500.0 << 300.0 << 0.0 << 150000.0 << 1600.0;
    QTest::newRow("rectangle turned") << 17 << 0.0 << 123.0 << 500.0 << 300.0 << 0.0 << 150000.0 << 1600.0;
    QTest::newRow("square") << 18 << 0.0 << 0.0 << 400.0 << 400.0 << 0.0 << 160000.0 << 1600.0;
    QTest::newRow("ratio rectangle height follows the width")
        << 18 << FigureRatio::SixteenToNine << 0.0 << 400.0 << 400 / 1.77777778 << 0.0
        << 400 * 400 / 1.77777778 << 1250.0;
    QTest::newRow("right triangle") << 21 << 0.0 << 0.0 << 500.0 << 300.0 << hypotenuse << 75000.0
                                    << 800 + hypotenuse;
    QTest::newRow("right triangle turned")
        << 21 << 0.0 << 45.0 << 500.0 << 300.0 << hypotenuse << 75000.0 << 800 + hypotenuse;
    QTest::newRow("rhombus side joins the middles of its box")
        << 19 << 0.0 << 0.0 << 500.0 << 300.0 << std::round(std::hypot(249, 149)) << 75000.0
        << 4 * std::round(std::hypot(249, 149));
    QTest::newRow("circle") << 23 << 0.0 << 0.0 << 400.0 << 400.0 << 0.0 << kPi * 200 * 200
                            << std::floor(kPi * 400 * 100 + 0.5) / 100;
    QTest::newRow("centred rectangle widened to 2w - 1")
        << 10 << 0.0 << 0.0 << 499.0 << 299.0 << 0.0 << 499.0 * 299 << 1596.0;
    QTest::newRow("centred square") << 11 << 0.0 << 0.0 << 399.0 << 399.0 << 0.0 << 399.0 * 399 << 1596.0;
    QTest::newRow("centred rhombus widened to 2w")
        << 12 << 0.0 << 0.0 << 500.0 << 300.0 << std::round(std::hypot(249, 149)) << 75000.0
        << 4 * std::round(std::hypot(249, 149));
    QTest::newRow("centred isosceles base widened to 4(w - 1) + 1")
        << 14 << 0.0 << 0.0 << 497.0 << 299.0 << std::round(std::hypot(248, 298))
        << 0.25 * 497 * std::sqrt(4 * 388.0 * 388 - 497.0 * 497) << 2 * 388.0 + 497;
    QTest::newRow("centred right triangle counts its negative handles")
        << 15 << 0.0 << 0.0 << 500.0 << 300.0 << std::round(2 * std::hypot(249, 149)) << 75000.0
        << 800 + std::round(2 * std::hypot(249, 149));
    QTest::newRow("centred circle of radius 199")
        << 4 << 0.0 << 0.0 << 200.0 << 200.0 << 0.0 << kPi * 200 * 200
        << std::floor(2 * kPi * 200 * 100 + 0.5) / 100;
    QTest::newRow("centred ellipse") << 3 << 0.0 << 0.0 << 250.0 << 150.0 << 0.0 << kPi * 250 * 150
                                     << std::floor(UnitScale::ellipsePerimeter(250, 150) * 100 + 0.5) / 100;
}

void TestFigureReadings::pixelCounts()
{
    QFETCH(int, kind);
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
    QTest::addColumn<int>("kind");
    for (int kind : {M_Rectangle, M_Square, M_Rhombus, M_IsoTriangle, M_RightTriangle, M_Ellipse, M_Circle})
        QTest::addRow("%d", kind) << kind;
}

// The same shape on the screen reads the same in both placements, up to the half-pixel conventions.
void TestFigureReadings::placementKeepsReadings()
{
    QFETCH(int, kind);
    constexpr double kTolerance = 2;
    FigureModel model = created(kind, 30);
    const FigureReadings corner = inPixels(model);
    model.togglePlacement();
    const FigureReadings centred = inPixels(model);

    // Circles and ellipses read their radius or semi-axes once centred.
    const bool radial = kind == M_Circle || kind == M_Ellipse;
    const double factor = radial ? 0.5 : 1.0;
    QVERIFY2(std::abs(centred.widthPx - corner.widthPx * factor) <= kTolerance,
             qPrintable(QStringLiteral("%1 vs %2").arg(centred.widthPx).arg(corner.widthPx)));
    QVERIFY2(std::abs(centred.heightPx - corner.heightPx * factor) <= kTolerance,
             qPrintable(QStringLiteral("%1 vs %2").arg(centred.heightPx).arg(corner.heightPx)));
    QVERIFY(std::abs(centred.sidePx - corner.sidePx) <= kTolerance);
    QVERIFY(centred.perimeter > 0);
    QVERIFY(std::abs(centred.perimeter - corner.perimeter) <= 4 * kTolerance);
}

void TestFigureReadings::alongTheFigureAxes_data()
{
    QTest::addColumn<double>("angle");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");

    // 500 x 300 pixels; 10 px per unit across, 20 px per unit down.
    QTest::newRow("upright") << 0.0 << 50.0 << 15.0;
    QTest::newRow("quarter turn") << 90.0 << 25.0 << 30.0;
    QTest::newRow("half turn") << 180.0 << 50.0 << 15.0;
    QTest::newRow("slanted uses the average") << 45.0 << 500 / 15.0 << 300 / 15.0;
    QTest::newRow("20 degrees counts as across") << 20.0 << 50.0 << 15.0;
}

void TestFigureReadings::alongTheFigureAxes()
{
    QFETCH(double, angle);
    QFETCH(double, width);
    QFETCH(double, height);

    const FigureModel model = created(M_Rectangle, angle);
    const FigureReadings r = FigureReadings::measure(model, anisotropicUnits(10, 20, angle, "mm"), {kWindow});
    QCOMPARE(r.figureWidthUnits, width);
    QCOMPARE(r.figureHeightUnits, height);
    QCOMPARE(r.area, width * height);
    QCOMPARE(r.perimeter, std::floor((2 * width + 2 * height) * 100 + 0.5) / 100);
    QCOMPARE(r.widthText,
             QString::number(std::floor(width * 100 + 0.5) / 100, 'g', 6) + QStringLiteral(" mm "));
}

void TestFigureReadings::texts()
{
    const FigureReadings r = inPixels(created(M_Rectangle));
    QCOMPARE(r.widthText, QStringLiteral("500 px "));
    QCOMPARE(r.heightText, QStringLiteral("300 px "));
    QCOMPARE(r.areaText, QStringLiteral("150000 px \u00B2"));
    QCOMPARE(r.perimeterText, QStringLiteral("1600 px"));
    QCOMPARE(r.areaLine(), QStringLiteral("Area: 150000 px \u00B2 | Perimeter: 1600 px"));
    QCOMPARE(r.sideText, QString());
    const FigurePanelTexts panel = r.panelTexts();
    QCOMPARE(panel.width, QStringLiteral("\u21941: 500 px "));
    QCOMPARE(panel.height, QStringLiteral("\u21942: 300 px "));
    QCOMPARE(panel.area, QStringLiteral("A: 150000 px \u00B2"));
    QCOMPARE(panel.perimeter, QStringLiteral("P: 1600 px"));

    const FigureReadings circle = inPixels(created(S_Circle));
    QCOMPARE(circle.perimeterText, QStringLiteral("1256.64 px"));
    QCOMPARE(circle.areaText, QStringLiteral("125663.71 px \u00B2"));

    const FigureReadings triangle = inPixels(created(M_RightTriangle));
    QCOMPARE(triangle.sideText, QStringLiteral("hipo: 582 px "));
    QCOMPARE(inPixels(created(S_Rhombus)).sideText, QStringLiteral("side: 290 px "));
    QCOMPARE(inPixels(created(M_IsoTriangle)).sideText,
             QStringLiteral("leg: %1 px ").arg(std::round(std::hypot(249, 299))));
}

void TestFigureReadings::shortAreaLine()
{
    FigureModel model = created(S_Circle);
    model.figurePoints[1].x = 99;
    model.recompute();
    const FigureReadings r = inPixels(model);
    QCOMPARE(r.widthPx, 100.0);
    QVERIFY(r.areaLine().startsWith(QStringLiteral("A: 31415.93 px \u00B2 | P: 628.32 px")));
}

void TestFigureReadings::megapixels()
{
    FigureUnits units;
    units.megapixels = true;
    const FigureReadings r = FigureReadings::measure(created(M_Rectangle), units, {kWindow});
    QCOMPARE(r.areaText, QStringLiteral("0.150 MP "));

    // Megapixels are for pixels only.
    FigureUnits mm = anisotropicUnits(10, 10, 0, "mm");
    mm.megapixels = true;
    QCOMPARE(FigureReadings::measure(created(M_Rectangle), mm, {kWindow}).areaText,
             QStringLiteral("1500 mm \u00B2"));
}

void TestFigureReadings::equalAxesEllipseIsACircle()
{
    FigureModel ellipse = created(M_Ellipse);
    ellipse.figurePoints[1].x = 399;
    ellipse.figurePoints[2].y = 399;
    ellipse.recompute();
    const FigureReadings e = inPixels(ellipse);
    const FigureReadings c = inPixels(created(M_Circle));
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
    model.create(S_Square, kWindow);
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
    const FigureReadings r = inPixels(created(M_Rectangle, angle));
    QCOMPARE(r.angleText, text);
    QCOMPARE(r.panelTexts().angle, QStringLiteral("Angle: ") + text);
}

void TestFigureReadings::rotationCentre_data()
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

void TestFigureReadings::rotationCentre()
{
    QFETCH(bool, zeroAtLeft);
    QFETCH(bool, zeroAtBottom);
    QFETCH(bool, fromOne);
    QFETCH(QString, x);
    QFETCH(QString, y);

    FigureModel model = created(S_Rhombus, 20);
    model.bodyMove(QPoint(123, 45) - model.figureOrigin);
    const FigureReadings r = inPixels(model, FigureRulerFrame{kWindow, zeroAtLeft, zeroAtBottom, fromOne});
    QCOMPARE(r.centreXText, x);
    QCOMPARE(r.centreYText, y);
    QCOMPARE(r.panelTexts().centreX, x);
    QCOMPARE(r.panelTexts().centreY, y);
}

void TestFigureReadings::panelTexts_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<bool>("showHeight");
    QTest::addColumn<int>("sideKind");
    QTest::addColumn<QString>("sidePrefix");

    QTest::newRow("rectangle") << 17 << 0.0 << true << 0 << "";
    QTest::newRow("rhombus") << 12 << 0.0 << true << 1 << "side: ";
    QTest::newRow("isosceles") << 20 << 0.0 << true << 2 << "leg: ";
    QTest::newRow("right triangle") << 15 << 0.0 << true << 3 << "hipo: ";
    QTest::newRow("circle") << 4 << 0.0 << false << 0 << "";
    QTest::newRow("square") << 18 << 0.0 << false << 0 << "";
    QTest::newRow("ratio rectangle") << 18 << FigureRatio::ThreeToTwo << true << 0 << "";
}

void TestFigureReadings::panelTexts()
{
    QFETCH(int, kind);
    QFETCH(double, ratio);
    QFETCH(bool, showHeight);
    QFETCH(int, sideKind);
    QFETCH(QString, sidePrefix);

    const FigureModel model = created(kind, 0, kWindow, ratio);
    const FigureReadings r = inPixels(model);
    const FigurePanelTexts panel = r.panelTexts();
    QCOMPARE(panel.showHeight, showHeight);
    QCOMPARE(panel.sideKind, sideKind);
    QCOMPARE(panel.showSide, sideKind != 0);
    QCOMPARE(panel.side.isEmpty(), sideKind == 0);
    if (sideKind != 0)
        QVERIFY(panel.side.startsWith(sidePrefix));
}

void TestFigureReadings::degenerateFiguresReadNumbers()
{
    const auto allTexts = [](const FigureReadings &r) {
        return QStringList{r.widthText,     r.heightText, r.sideText,    r.areaText,
                           r.perimeterText, r.angleText,  r.centreXText, r.centreYText}
            .join(QLatin1Char('|'));
    };

    // A triangle flattened onto its base has no height and no area, rather than an area that is not a number.
    FigureModel flat = created(M_IsoTriangle);
    flat.figurePoints[2].y = 0;
    flat.recompute();
    const FigureReadings flatReadings = inPixels(flat);
    QCOMPARE(flatReadings.area, 0.0);
    QVERIFY2(!allTexts(flatReadings).contains(QStringLiteral("nan")), qPrintable(allTexts(flatReadings)));

    // A figure grown without end keeps finite numbers.
    FigureModel huge = created(M_Ellipse, 10);
    for (int i = 0; i < 100; ++i)
        huge.scale(10, 10);
    const FigureReadings hugeReadings = inPixels(huge);
    QVERIFY(std::isfinite(hugeReadings.area));
    QVERIFY(std::isfinite(hugeReadings.perimeter));
    QVERIFY(!allTexts(hugeReadings).contains(QStringLiteral("inf")));
    QVERIFY(!allTexts(hugeReadings).contains(QStringLiteral("nan")));

    // A unit scale that cannot convert (a display without resolution) reads 0, not infinity.
    FigureUnits broken;
    broken.pixels = false;
    broken.unitLabel = QStringLiteral("in");
    broken.lengthInUnits = [](double px, double, bool, bool) { return px / 0.0; };
    const FigureReadings brokenReadings = FigureReadings::measure(created(S_Ellipse), broken, {kWindow});
    QCOMPARE(brokenReadings.widthText, QStringLiteral("0 in "));
    QVERIFY(!allTexts(brokenReadings).contains(QStringLiteral("inf")));
}

GRADORA_TEST_GUILESS_MAIN(TestFigureReadings)
#include "tst_figurereadings.moc"
