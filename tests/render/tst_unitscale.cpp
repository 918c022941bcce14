// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "testsupport.h"
#include "render/unitscale.h"

#include <QPointF>
#include <QTest>
#include <QtMath>
#include <cmath>

using Table = UnitChoice::Table;

namespace {

const QString kWrongUnitsPerInch = QStringLiteral("Wrong value for Units per Inch;\n");
const QString kWrongTicks = QStringLiteral("Wrong \"Ticks per Unit\" Value;\n");
const QString kWrongPixelsPerUnit =
    QStringLiteral("Wrong value for Pixels per Unit! (Edit pixel-based units to fix) \n");
const QString kPointer = QStringLiteral(
    "Go to \"Preferences | Units\" or \"Preferences | Pixel-based Units\" and fix respective unit settings.");

// Grids with one unit row (row 2 of its table) and display 1 calibrated.
struct Grids
{
    TextGrid units;
    TextGrid pixelUnits;
    TextGrid displays;

    Grids(Table table, const QStringList &unit, const QString &ppiX, const QString &ppiY)
    {
        TextGrid &grid = table == Table::PixelBased ? pixelUnits : units;
        for (int cell = 0; cell < unit.size(); ++cell)
            grid[2][cell] = unit.at(cell);
        displays[1][1] = ppiX;
        displays[1][2] = ppiY;
    }
    UnitScale::Sources sources(int displayIndex = 1) const
    {
        return {units, pixelUnits, displays, displayIndex};
    }
};

UnitScale scaleOf(double x, double y)
{
    UnitScale scale;
    scale.unitKind = UnitScale::TableUnit;
    scale.pixelsPerUnitX = x;
    scale.pixelsPerUnitY = y;
    scale.pixelsPerUnitAvg = x == y ? x : (x + y) / 2;
    return scale;
}

} // namespace

class TestUnitScale : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void setUnit_data();
    void setUnit();
    void refusalKeepsTheEarlierScale();
    void quietRecomputationNamesNoPreferences();
    void lengthInUnits_data();
    void lengthInUnits();
    void segmentInUnits_data();
    void segmentInUnits();
    void equalScalesIgnoreTheDirection();
    void ellipseAxes_data();
    void ellipseAxes();
    void pixelsConvertNothing();
    void uncalibratedScaleConvertsNothing_data();
    void uncalibratedScaleConvertsNothing();
    void ellipsePerimeter_data();
    void ellipsePerimeter();
};

void TestUnitScale::setUnit_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<QStringList>("unit");
    QTest::addColumn<QString>("ppiX");
    QTest::addColumn<QString>("ppiY");
    QTest::addColumn<int>("displayIndex");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("label");
    QTest::addColumn<double>("perUnitX");
    QTest::addColumn<double>("perUnitY");
    QTest::addColumn<double>("perUnitAvg");
    QTest::addColumn<double>("ticks");
    QTest::addColumn<QString>("message");

    const int pixels = int(Table::Pixels);
    const int physical = int(Table::Physical);
    const int pixelBased = int(Table::PixelBased);
    const double mm96 = 96 / 25.4;
    const QString none;

    QTest::newRow("pixels") << pixels << QStringList() << "96"
                            << "96" << 1 << 0 << "px" << 1.0 << 1.0 << 1.0 << 1.0 << none;
    QTest::newRow("millimetres at 96 ppi")
        << physical << QStringList{"Millimeters", "mm", "25.4", "1"} << "96"
        << "96" << 1 << 1 << "mm" << mm96 << mm96 << mm96 << 1.0 << none;
    QTest::newRow("inches on unequal axes")
        << physical << QStringList{"Inches", "in", "1", "8"} << "96"
        << "120" << 1 << 1 << "in" << 96.0 << 120.0 << 108.0 << 8.0 << none;
    QTest::newRow("points with a tick every ten units")
        << physical << QStringList{"Points", "pt", "72", ".1"} << "72"
        << "72" << 1 << 1 << "pt" << 1.0 << 1.0 << 1.0 << 0.1 << none;
    QTest::newRow("negative values count by size")
        << physical << QStringList{"cm", "cm", "-2.54", "-10"} << "-96"
        << "96" << 1 << 1 << "cm" << 96 / 2.54 << 96 / 2.54 << 96 / 2.54 << 10.0 << none;
    QTest::newRow("blank abbreviation reads ??")
        << physical << QStringList{"Thing", "  ", "1", "1"} << "50"
        << "50" << 1 << 1 << "??" << 50.0 << 50.0 << 50.0 << 1.0 << none;
    QTest::newRow("uncalibrated display is taken with no size")
        << physical << QStringList{"Inches", "in", "1", "8"} << ""
        << "abc" << 1 << 1 << "in" << 0.0 << 0.0 << 0.0 << 8.0 << none;
    QTest::newRow("display without a row") << physical << QStringList{"Inches", "in", "1", "8"} << "96"
                                           << "96" << 40 << 1 << "in" << 0.0 << 0.0 << 0.0 << 8.0 << none;
    QTest::newRow("pixel-based ignores the display")
        << pixelBased << QStringList{"1mm = 10px", "mm", "10", "-12", ".5"} << ""
        << "" << 1 << 1 << "mm" << 10.0 << 12.0 << 11.0 << 0.5 << none;

    QTest::newRow("units per inch 0")
        << physical << QStringList{"Zero", "z", "0", "1"} << "96"
        << "96" << 1 << 0 << "px" << 1.0 << 1.0 << 1.0 << 1.0 << kWrongUnitsPerInch + kPointer;
    QTest::newRow("units per inch not a number")
        << physical << QStringList{"Bad", "b", "abc", "1"} << "96"
        << "96" << 1 << 0 << "px" << 1.0 << 1.0 << 1.0 << 1.0 << kWrongUnitsPerInch + kPointer;
    QTest::newRow("scale that overflows")
        << physical << QStringList{"Tiny", "t", "1e-300", "1"} << "1e300"
        << "1" << 1 << 0 << "px" << 1.0 << 1.0 << 1.0 << 1.0 << kWrongUnitsPerInch + kPointer;
    QTest::newRow("ticks 0") << physical << QStringList{"NoTicks", "n", "1", "0"} << "96"
                             << "96" << 1 << 0 << "px" << 96.0 << 96.0 << 96.0 << 1.0
                             << kWrongTicks + kPointer;
    QTest::newRow("both wrong") << physical << QStringList{"Name only"} << "96"
                                << "96" << 1 << 0 << "px" << 1.0 << 1.0 << 1.0 << 1.0
                                << kWrongUnitsPerInch + kWrongTicks + kPointer;
    QTest::newRow("pixel-based with PPU-Y 0")
        << pixelBased << QStringList{"Flat", "f", "10", "0", "1"} << "96"
        << "96" << 1 << 0 << "px" << 1.0 << 1.0 << 1.0 << 1.0 << kWrongPixelsPerUnit + kPointer;
    QTest::newRow("pixel-based without ticks")
        << pixelBased << QStringList{"Few", "f", "10", "10", ""} << "96"
        << "96" << 1 << 0 << "px" << 10.0 << 10.0 << 10.0 << 1.0 << kWrongTicks + kPointer;
}

void TestUnitScale::setUnit()
{
    QFETCH(int, table);
    QFETCH(QStringList, unit);
    QFETCH(QString, ppiX);
    QFETCH(QString, ppiY);
    QFETCH(int, displayIndex);
    QFETCH(int, kind);
    QFETCH(QString, label);
    QFETCH(double, perUnitX);
    QFETCH(double, perUnitY);
    QFETCH(double, perUnitAvg);
    QFETCH(double, ticks);
    QFETCH(QString, message);

    const Grids grids(Table(table), unit, ppiX, ppiY);
    UnitScale scale;
    QCOMPARE(scale.setUnit({Table(table), 2}, grids.sources(displayIndex), false), message);
    QCOMPARE(scale.unitKind, kind);
    QCOMPARE(scale.unitLabel, label);
    QCOMPARE(scale.pixelsPerUnitX, perUnitX);
    QCOMPARE(scale.pixelsPerUnitY, perUnitY);
    QCOMPARE(scale.pixelsPerUnitAvg, perUnitAvg);
    QCOMPARE(scale.ticksPerUnit, ticks);
}

void TestUnitScale::refusalKeepsTheEarlierScale()
{
    UnitScale scale;
    const Grids good(Table::Physical, {"Centimeters", "cm", "2.54", "10"}, "96", "96");
    QVERIFY(scale.recomputeScale({Table::Physical, 2}, good.sources()));
    const Grids bad(Table::Physical, {"Centimeters", "cm", "0", "10"}, "96", "96");
    QVERIFY(!scale.recomputeScale({Table::Physical, 2}, bad.sources()));
    QCOMPARE(scale.unitKind, int(UnitScale::Pixels));
    QCOMPARE(scale.unitLabel, QStringLiteral("px"));
    QCOMPARE(scale.pixelsPerUnitX, 96 / 2.54);
}

void TestUnitScale::quietRecomputationNamesNoPreferences()
{
    UnitScale scale;
    const Grids grids(Table::Physical, {"Zero", "z", "0", "1"}, "96", "96");
    QCOMPARE(scale.setUnit({Table::Physical, 2}, grids.sources(), true), kWrongUnitsPerInch);
}

void TestUnitScale::lengthInUnits_data()
{
    QTest::addColumn<double>("angle");
    QTest::addColumn<bool>("perpendicular");
    QTest::addColumn<bool>("absolute");
    QTest::addColumn<double>("rotation");
    QTest::addColumn<double>("expected");

    // 60 px at 10 px per unit across and 20 down: each screen component at its own scale.
    const double across = 6, down = 3;
    const double diagonal = 60 * std::sqrt(0.5 / 100 + 0.5 / 400);
    const double at30 = 60 * std::sqrt(0.75 / 100 + 0.25 / 400);
    QTest::newRow("horizontal") << 0.0 << false << true << 0.0 << across;
    QTest::newRow("vertical") << 90.0 << false << true << 0.0 << down;
    QTest::newRow("180") << 180.0 << false << true << 0.0 << across;
    QTest::newRow("270") << 270.0 << false << true << 0.0 << down;
    QTest::newRow("45 degrees") << 45.0 << false << true << 0.0 << diagonal;
    QTest::newRow("30 degrees is not 45") << 30.0 << false << true << 0.0 << at30;
    QTest::newRow("20 degrees is not horizontal")
        << 20.0 << false << true << 0.0
        << 60 * std::hypot(std::cos(qDegreesToRadians(20.0)) / 10, std::sin(qDegreesToRadians(20.0)) / 20);
    QTest::newRow("-90") << -90.0 << false << true << 0.0 << down;
    QTest::newRow("over a full turn") << 450.0 << false << true << 0.0 << down;
    QTest::newRow("relative to the figure") << 60.0 << false << false << 30.0 << down;
    QTest::newRow("absolute ignores the figure") << 90.0 << false << true << 30.0 << down;
    QTest::newRow("across an upright figure") << 45.0 << true << false << 0.0 << down;
    QTest::newRow("across a figure at 270") << 0.0 << true << false << 270.0 << across;
    QTest::newRow("across a figure at 315") << 0.0 << true << false << 315.0 << diagonal;
}

void TestUnitScale::lengthInUnits()
{
    QFETCH(double, angle);
    QFETCH(bool, perpendicular);
    QFETCH(bool, absolute);
    QFETCH(double, rotation);
    QFETCH(double, expected);
    QCOMPARE(scaleOf(10, 20).lengthInUnits(60, angle, perpendicular, absolute, rotation), expected);
}

void TestUnitScale::segmentInUnits_data()
{
    QTest::addColumn<double>("ppuX");
    QTest::addColumn<double>("ppuY");
    QTest::addColumn<QPointF>("segment");
    QTest::addColumn<double>("expected");

    QTest::newRow("3-4-5 on equal scales") << 10.0 << 10.0 << QPointF(30, 40) << 5.0;
    QTest::newRow("each part at its scale") << 10.0 << 20.0 << QPointF(30, 40) << std::sqrt(13.0);
    QTest::newRow("direction does not matter") << 10.0 << 20.0 << QPointF(-30, -40) << std::sqrt(13.0);
    QTest::newRow("horizontal") << 10.0 << 20.0 << QPointF(-60, 0) << 6.0;
    QTest::newRow("vertical") << 10.0 << 20.0 << QPointF(0, 60) << 3.0;
    QTest::newRow("110 x 90 ppi in cm")
        << 110 / 2.54 << 90 / 2.54 << QPointF(499, 299) << std::hypot(499 * 2.54 / 110, 299 * 2.54 / 90);
    QTest::newRow("nothing") << 10.0 << 20.0 << QPointF(0, 0) << 0.0;
}

void TestUnitScale::segmentInUnits()
{
    QFETCH(double, ppuX);
    QFETCH(double, ppuY);
    QFETCH(QPointF, segment);
    QFETCH(double, expected);
    const UnitScale scale = scaleOf(ppuX, ppuY);
    QCOMPARE(scale.segmentInUnits(segment.x(), segment.y()), expected);
    // A vector of a frame turned by a quarter turn runs down the screen what ran across the frame.
    QCOMPARE(scale.vectorInUnits(segment.y(), -segment.x(), 90), expected);
}

// With one scale on both axes a length is its pixel length over the scale, exactly, whichever way it runs.
void TestUnitScale::equalScalesIgnoreTheDirection()
{
    const UnitScale scale = scaleOf(96 / 2.54, 96 / 2.54);
    for (double angle : {0.0, 22.5, 30.0, 45.0, 90.0, 123.4, 323.24}) {
        QVERIFY(scale.lengthInUnits(499, angle, false, true, 0) == 499 / (96 / 2.54));
        QVERIFY(scale.lengthInUnits(299, 0, true, false, angle) == 299 / (96 / 2.54));
    }
}

void TestUnitScale::ellipseAxes_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("angle");
    QTest::addColumn<double>("major");
    QTest::addColumn<double>("minor");

    // 10 px per unit across, 20 down.
    QTest::newRow("upright") << 10.0 << 5.0 << 0.0 << 1.0 << 0.25;
    QTest::newRow("quarter turn") << 10.0 << 5.0 << 90.0 << 0.5 << 0.5;
    QTest::newRow("a circle becomes an ellipse") << 20.0 << 20.0 << 0.0 << 2.0 << 1.0;
    QTest::newRow("whichever way it is turned") << 20.0 << 20.0 << 37.0 << 2.0 << 1.0;
    QTest::newRow("a line") << 20.0 << 0.0 << 90.0 << 1.0 << 0.0;
}

void TestUnitScale::ellipseAxes()
{
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, angle);
    QFETCH(double, major);
    QFETCH(double, minor);
    const auto [first, second] = scaleOf(10, 20).ellipseAxesInUnits(a, b, angle);
    QVERIFY2(std::abs(first - major) < 1e-9 && std::abs(second - minor) < 1e-9,
             qPrintable(QStringLiteral("%1, %2").arg(first).arg(second)));
}

void TestUnitScale::pixelsConvertNothing()
{
    UnitScale scale = scaleOf(10, 20);
    scale.unitKind = UnitScale::Pixels;
    for (double angle : {0.0, 30.0, 90.0, 200.0})
        QCOMPARE(scale.lengthInUnits(123.5, angle, false, true, 0), 123.5);
    QCOMPARE(scale.segmentInUnits(30, 40), 50.0);
}

void TestUnitScale::uncalibratedScaleConvertsNothing_data()
{
    QTest::addColumn<double>("perUnit");
    QTest::newRow("zero") << 0.0;
    QTest::newRow("denormal") << 4.9e-324;
}

// An uncalibrated display gives no scale: lengths are unknown (NaN, shown as "?"), never infinite or 0.
void TestUnitScale::uncalibratedScaleConvertsNothing()
{
    QFETCH(double, perUnit);
    const UnitScale scale = scaleOf(perUnit, perUnit);
    for (double angle : {0.0, 45.0, 90.0})
        QVERIFY(std::isnan(scale.lengthInUnits(1e6, angle, false, true, 0)));
    QCOMPARE(scale.segmentInUnits(0, 0), 0.0);

    // Only the axis without a scale is unknown.
    const UnitScale across = scaleOf(10, perUnit);
    QCOMPARE(across.segmentInUnits(60, 0), 6.0);
    QVERIFY(std::isnan(across.segmentInUnits(60, 1)));
}

void TestUnitScale::ellipsePerimeter_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("expected");
    QTest::newRow("circle") << 10.0 << 10.0 << 2 * M_PI * 10;
    QTest::newRow("flattened to a line") << 10.0 << 0.0 << 40.0;
    QTest::newRow("nothing") << 0.0 << 0.0 << 0.0;
    QTest::newRow("axes that cancel") << 5.0 << -5.0 << 0.0;
}

void TestUnitScale::ellipsePerimeter()
{
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, expected);
    const double perimeter = UnitScale::ellipsePerimeter(a, b);
    QVERIFY(std::isfinite(perimeter));
    QVERIFY2(std::abs(perimeter - expected) < 1e-9, qPrintable(QString::number(perimeter, 'g', 17)));
}

GRADORA_TEST_GUILESS_MAIN(TestUnitScale)
#include "tst_unitscale.moc"
