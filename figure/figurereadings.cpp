// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "figurereadings.h"

#include "figureangle.h"
#include "figuremath.h"
#include "figuremodel.h"
#include "unitscale.h"

#include <QLineF>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

using namespace FigureKind;
using FigureMath::roundHalfUp;

namespace {

constexpr double kPi = 3.14159265358979323846;
// Narrower figures write the short "A: " and "P: " prefixes.
constexpr double kLongAreaLineWidth = 250;
constexpr double kPixelsPerMegapixel = 1000000;
constexpr int kLengthDigits = 6;
constexpr int kAreaDigits = 15;
constexpr int kMegapixelDecimals = 3;

const QString kSquared = QStringLiteral("\u00B2");
const QString kDegree = QStringLiteral("\u00B0");
const QString kLeftRightArrow = QStringLiteral("\u2194");

const std::array<std::pair<double, const char *>, 7> kRatioSuffixes{{
    {FigureRatio::FourToThree, " / 4:3"},
    {FigureRatio::SixteenToNine, " / 16:9"},
    {FigureRatio::FiveToThree, " / 5:3"},
    {FigureRatio::ThreeToTwo, " / 3:2"},
    {FigureRatio::Wide185, " / 1.85:1"},
    {FigureRatio::Wide239, " / 2.39:1"},
    {FigureRatio::Golden, " / golden"},
}};

double finiteOrZero(double value)
{
    return std::isfinite(value) ? value : 0;
}

QString lengthNumber(double value)
{
    return QString::number(UnitScale::roundToHundredth(finiteOrZero(value)), 'g', kLengthDigits);
}

// A model length counted in pixels: both end pixels count, whichever side of the anchor it lies on.
double countedPixels(double modelLength)
{
    return std::abs(roundHalfUp(UnitScale::roundToHundredth(modelLength))) + 1;
}

// The two ends of the third length (hypotenuse, rhombus side, isosceles leg) in figure coordinates, from
// the rounded handles a and b; halves are whole pixels as in the outline.
std::pair<QPoint, QPoint> sideEnds(int kind, int a, int b)
{
    switch (kind) {
    case M_RightTriangle:
    case S_Rhombus:
        return {QPoint(a, 0), QPoint(0, b)};
    case S_RightTriangle: // a and b are negative: the hypotenuse runs from bottom left to top right
        return {QPoint(a, -b), QPoint(-a, b)};
    case M_Rhombus:
        return {QPoint(a / 2, 0), QPoint(0, b / 2)};
    case M_IsoTriangle:
        return {QPoint(a / 2, 0), QPoint(0, b)};
    case S_IsoTriangle: // the handle sits at a quarter of the base
        return {QPoint(0, -b), QPoint(-2 * a, b)};
    default:
        return {};
    }
}

int sideKindOf(int kind)
{
    switch (kind) {
    case M_Rhombus:
    case S_Rhombus:
        return FigureReadings::RhombusSide;
    case M_IsoTriangle:
    case S_IsoTriangle:
        return FigureReadings::IsoscelesLeg;
    case M_RightTriangle:
    case S_RightTriangle:
        return FigureReadings::Hypotenuse;
    default:
        return FigureReadings::NoSide;
    }
}

QString sidePrefix(int sideKind)
{
    switch (sideKind) {
    case FigureReadings::RhombusSide:
        return QStringLiteral("side: ");
    case FigureReadings::IsoscelesLeg:
        return QStringLiteral("leg: ");
    case FigureReadings::Hypotenuse:
        return QStringLiteral("hipo: ");
    default:
        return {};
    }
}

} // namespace

FigureReadings FigureReadings::measure(const FigureModel &model, const FigureUnits &units,
                                       const FigureRulerFrame &frame)
{
    FigureReadings r;
    const int kind = model.figureKind;
    const FigurePoint widthHandle = model.figurePoints[1];
    const FigurePoint heightHandle = model.figurePoints[2];
    const bool circle = kind == S_Circle || kind == M_Circle;
    // A centred circle turned by the wheel carries its turn in the handle: its radius is the handle's
    // distance, not its x.
    const double a = circle ? std::hypot(widthHandle.x, widthHandle.y) : double(widthHandle.x);

    double w = countedPixels(a);
    double h = countedPixels(heightHandle.y);
    switch (kind) {
    case S_Rectangle:
    case S_Square:
        w = 2 * w - 1;
        h = 2 * h - 1;
        break;
    case S_Rhombus:
    case S_RightTriangle:
        w = 2 * w;
        h = 2 * h;
        break;
    case S_IsoTriangle:
        w = 4 * (w - 1) + 1;
        h = 2 * h - 1; // the height handle sits at half the height
        break;
    default:
        break;
    }
    if (hasSingleExtent(kind))
        h = model.isRatioRectangle() ? w / model.figureRatio : w;
    r.widthPx = w;
    r.heightPx = h;
    r.hasHeight = !hasSingleExtent(kind) || model.isRatioRectangle();

    r.sideKind = sideKindOf(kind);
    if (r.sideKind != NoSide) {
        const auto ends = sideEnds(kind, model.roundedPoint(1).x(), model.roundedPoint(2).y());
        const QTransform toScreen = model.screenTransform();
        const auto onScreen = [&toScreen](QPoint p) {
            const QPointF mapped = toScreen.map(QPointF(p));
            return QPoint(FigureMath::toPixel(mapped.x()), FigureMath::toPixel(mapped.y()));
        };
        const QPoint from = onScreen(ends.first);
        const QPoint to = onScreen(ends.second);
        r.sidePx = roundHalfUp(UnitScale::roundToHundredth(QLineF(from, to).length()));
        r.sideDirection = FigureAngle::direction(from, to);
    }

    const auto convert = [&units](double px, double angle, bool perpendicular, bool absolute) {
        if (units.pixels || !units.lengthInUnits)
            return px;
        return finiteOrZero(units.lengthInUnits(px, angle, perpendicular, absolute));
    };
    r.figureWidthUnits = convert(r.widthPx, 0, false, false);
    r.figureHeightUnits = convert(r.heightPx, 0, true, false);
    r.figureSideUnits = r.sideKind != NoSide ? convert(r.sidePx, r.sideDirection, false, true) : 0;

    const double cw = r.figureWidthUnits;
    const double ch = r.figureHeightUnits;
    const double cs = r.figureSideUnits;
    switch (kind) {
    case M_Rectangle:
    case M_Square:
    case S_Rectangle:
    case S_Square:
        r.area = cw * ch;
        r.perimeter = 2 * cw + 2 * ch;
        break;
    case M_Rhombus:
    case S_Rhombus:
        r.area = cw * ch * 0.5;
        r.perimeter = 4 * cs;
        break;
    case M_RightTriangle:
    case S_RightTriangle:
        r.area = cw * ch * 0.5;
        r.perimeter = cw + ch + cs;
        break;
    case M_IsoTriangle:
    case S_IsoTriangle:
        // Rounding can leave the legs a hair shorter than half the base: that flat triangle has no area.
        r.area = (cw * 0.25) * std::sqrt(std::max(0.0, 4 * cs * cs - cw * cw));
        r.perimeter = 2 * cs + cw;
        break;
    case M_Circle:
        r.area = kPi * (0.5 * cw) * (0.5 * cw);
        r.perimeter = kPi * cw;
        break;
    case S_Circle:
        r.area = kPi * cw * cw;
        r.perimeter = 2 * kPi * cw;
        break;
    case M_Ellipse:
        r.area = kPi * cw * ch / 4;
        r.perimeter = UnitScale::ellipsePerimeter(0.5 * cw, 0.5 * ch);
        break;
    case S_Ellipse:
        r.area = kPi * cw * ch;
        r.perimeter = UnitScale::ellipsePerimeter(cw, ch);
        break;
    default:
        break;
    }
    r.area = finiteOrZero(r.area);
    r.perimeter = UnitScale::roundToHundredth(finiteOrZero(r.perimeter));

    const QString unit = QLatin1Char(' ') + units.unitLabel + QLatin1Char(' ');
    r.widthText = lengthNumber(r.figureWidthUnits) + unit;
    r.heightText = lengthNumber(r.figureHeightUnits) + unit;
    if (r.sideKind != NoSide)
        r.sideText = sidePrefix(r.sideKind) + lengthNumber(r.figureSideUnits) + unit;
    if (units.pixels && units.megapixels)
        r.areaText =
            QString::number(r.area / kPixelsPerMegapixel, 'f', kMegapixelDecimals) + QStringLiteral(" MP ");
    else
        r.areaText = QString::number(UnitScale::roundToHundredth(r.area), 'g', kAreaDigits) + unit + kSquared;
    r.perimeterText = lengthNumber(r.perimeter) + QLatin1Char(' ') + units.unitLabel;

    const double angle = std::floor(finiteOrZero(model.figureAngle) * 100 + 0.5) / 100;
    r.angleText = QString::number(angle, 'g', kLengthDigits) + kDegree;

    const int offset = frame.startsFromOne ? 1 : 0;
    const QPoint anchor = model.figureOrigin;
    r.rotationCentreX = (frame.zeroAtLeft ? anchor.x() : frame.window.width() - anchor.x()) + offset;
    r.rotationCentreY = (frame.zeroAtBottom ? frame.window.height() - anchor.y() : anchor.y()) + offset;
    r.centreXText = QStringLiteral("rcX: ") + QString::number(r.rotationCentreX);
    r.centreYText = QStringLiteral("rcY: ") + QString::number(r.rotationCentreY);

    if (model.isRatioRectangle()) {
        for (const auto &[ratio, suffix] : kRatioSuffixes) {
            if (model.figureRatio == ratio)
                r.ratioSuffix = QString::fromLatin1(suffix);
        }
    }
    return r;
}

QString FigureReadings::onFigureWidthText() const
{
    return widthText + ratioSuffix;
}

QString FigureReadings::areaLine() const
{
    if (widthPx >= kLongAreaLineWidth)
        return QStringLiteral("Area: ") + areaText + QStringLiteral(" | Perimeter: ") + perimeterText;
    return QStringLiteral("A: ") + areaText + QStringLiteral(" | P: ") + perimeterText;
}

FigurePanelTexts FigureReadings::panelTexts() const
{
    FigurePanelTexts texts;
    texts.width = kLeftRightArrow + QStringLiteral("1: ") + widthText;
    texts.height = kLeftRightArrow + QStringLiteral("2: ") + heightText;
    texts.area = QStringLiteral("A: ") + areaText;
    texts.perimeter = QStringLiteral("P: ") + perimeterText;
    texts.angle = QStringLiteral("Angle: ") + angleText;
    texts.centreX = centreXText;
    texts.centreY = centreYText;
    texts.side = sideText;
    texts.showHeight = hasHeight;
    texts.showSide = sideKind != NoSide;
    texts.sideKind = sideKind;
    return texts;
}
