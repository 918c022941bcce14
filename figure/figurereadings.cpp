// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "figure/figurereadings.h"

#include "figure/figuremath.h"
#include "figure/figuremodel.h"
#include "figure/figureratios.h"
#include "render/readingtext.h"
#include "render/unitscale.h"

#include <QCoreApplication>
#include <QPointF>
#include <QtMath>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

using FigureMath::roundHalfUp;

namespace {

constexpr double kPi = 3.14159265358979323846;
// Narrower figures write the short "A: " and "P: " prefixes.
constexpr double kLongAreaLineWidth = 250;
constexpr int kLengthDigits = 6;

// The captions of the readings, in the user's language.
const char *const kCenterXCaption = QT_TRANSLATE_NOOP("FigureReadings", "rcX: ");
const char *const kCenterYCaption = QT_TRANSLATE_NOOP("FigureReadings", "rcY: ");
const char *const kAngleCaption = QT_TRANSLATE_NOOP("FigureReadings", "Angle: ");

const QString kDegree = QStringLiteral("\u00B0");
const QString kLeftRightArrow = QStringLiteral("\u2194");

double finiteOrZero(double value)
{
    return std::isfinite(value) ? value : 0;
}

// A model length in whole pixels: the distance from the anchor pixel to the handle pixel.
double handlePixels(double modelLength)
{
    return finiteOrZero(std::abs(roundHalfUp(UnitScale::roundToHundredth(modelLength))));
}

// The counted width and height: the pixels the outline spans along the figure's own axes (for centred
// circles and ellipses, the radii from the centre pixel). a and b are the handles in whole pixels.
std::pair<double, double> countedExtents(FigureKind kind, double a, double b)
{
    switch (kind) {
    case FigureKind::CornerRhombus: // its outline ends one pixel short of the box: corner to corner + W - 1
        return {a, b};
    case FigureKind::CenteredRhombus: // centre - W to centre + W - 1
        return {2 * a, 2 * b};
    case FigureKind::CenteredRectangle:
    case FigureKind::CenteredSquare:
    case FigureKind::CenteredRightTriangle: // centre - W to centre + W
        return {2 * a + 1, 2 * b + 1};
    case FigureKind::CenteredIsoscelesTriangle: // the width handle sits at a quarter of the base, the height
                                               // handle at half the height
        return {4 * a + 1, 2 * b + 1};
    default: // corner to corner + W; a centred circle's or ellipse's radius
        return {a + 1, b + 1};
    }
}

// The third length of the exact shape of extents w x h, as a vector of the figure's frame: the
// hypotenuse, the rhombus side or the isosceles leg that joins the width handle's side to the height
// handle's. Its mirror image (u negated) is the other rhombus side or the other leg.
QPointF sideVector(FigureKind kind, double w, double h)
{
    switch (kind) {
    case FigureKind::CornerRightTriangle:
    case FigureKind::CenteredRightTriangle:
        return {-w, h};
    case FigureKind::CornerRhombus:
    case FigureKind::CenteredRhombus:
        return {-w / 2, h / 2};
    case FigureKind::CornerIsoscelesTriangle:
    case FigureKind::CenteredIsoscelesTriangle:
        return {-w / 2, h};
    default:
        return {};
    }
}

int sideKindOf(FigureKind kind)
{
    switch (kind) {
    case FigureKind::CornerRhombus:
    case FigureKind::CenteredRhombus:
        return FigureReadings::RhombusSide;
    case FigureKind::CornerIsoscelesTriangle:
    case FigureKind::CenteredIsoscelesTriangle:
        return FigureReadings::IsoscelesLeg;
    case FigureKind::CornerRightTriangle:
    case FigureKind::CenteredRightTriangle:
        return FigureReadings::Hypotenuse;
    default:
        return FigureReadings::NoSide;
    }
}

QString translated(const char *text)
{
    return QCoreApplication::translate("FigureReadings", text);
}

QString sidePrefix(int sideKind)
{
    switch (sideKind) {
    case FigureReadings::RhombusSide:
        return translated(QT_TRANSLATE_NOOP("FigureReadings", "side: "));
    case FigureReadings::IsoscelesLeg:
        return translated(QT_TRANSLATE_NOOP("FigureReadings", "leg: "));
    case FigureReadings::Hypotenuse:
        return translated(QT_TRANSLATE_NOOP("FigureReadings", "hipo: "));
    default:
        return {};
    }
}

} // namespace

namespace {

// The lengths in the unit that area and perimeter are made from. The area takes the box's extents, one
// scale each (a turn keeps the area); the perimeter takes the lengths along the figure's turned axes,
// the third length and its mirror image (the other rhombus side or isosceles leg).
struct UnitLengths
{
    double areaWidth = 0;
    double areaHeight = 0;
    double width = 0;
    double height = 0;
    double side = 0;
    double mirrorSide = 0;
};

// Area and perimeter in the unit, from the counted extents and their lengths in the unit.
void areaAndPerimeter(FigureReadings &r, FigureKind kind, const UnitLengths &l, const UnitScale &scale,
                      double frameAngle)
{
    const double w = r.widthPx;
    const double h = r.heightPx;
    const auto ellipse = [&](double a, double b) {
        const auto [ua, ub] = scale.ellipseAxesInUnits(a, b, frameAngle);
        return UnitScale::ellipsePerimeter(ua, ub);
    };
    switch (kind) {
    case FigureKind::CornerRectangle:
    case FigureKind::CornerSquare:
    case FigureKind::CenteredRectangle:
    case FigureKind::CenteredSquare:
        r.area = l.areaWidth * l.areaHeight;
        r.perimeter = 2 * l.width + 2 * l.height;
        break;
    case FigureKind::CornerRhombus:
    case FigureKind::CenteredRhombus:
        r.area = l.areaWidth * l.areaHeight * 0.5;
        r.perimeter = 2 * l.side + 2 * l.mirrorSide;
        break;
    case FigureKind::CornerRightTriangle:
    case FigureKind::CenteredRightTriangle:
        r.area = l.areaWidth * l.areaHeight * 0.5;
        r.perimeter = l.width + l.height + l.side;
        break;
    case FigureKind::CornerIsoscelesTriangle:
    case FigureKind::CenteredIsoscelesTriangle:
        r.area = l.areaWidth * l.areaHeight * 0.5;
        r.perimeter = (l.side + l.mirrorSide) + l.width;
        break;
    case FigureKind::CornerCircle:
        r.area = kPi * (0.5 * l.areaWidth) * (0.5 * l.areaHeight);
        r.perimeter = ellipse(0.5 * w, 0.5 * h);
        break;
    case FigureKind::CornerEllipse:
        r.area = kPi * l.areaWidth * l.areaHeight / 4;
        r.perimeter = ellipse(0.5 * w, 0.5 * h);
        break;
    case FigureKind::CenteredCircle:
    case FigureKind::CenteredEllipse:
        r.area = kPi * l.areaWidth * l.areaHeight;
        r.perimeter = ellipse(w, h);
        break;
    default:
        break;
    }
}

// Width, height, third length, area and perimeter in the unit, from the counted extents.
void convert(FigureReadings &r, const FigureModel &model, const UnitScale &scale, double frameAngle)
{
    const FigureKind kind = model.kind;
    const double w = r.widthPx;
    const double h = r.heightPx;
    r.figureWidthUnits = scale.vectorInUnits(w, 0, frameAngle);
    r.figureHeightUnits = scale.vectorInUnits(0, h, frameAngle);
    const QPointF side = sideVector(kind, w, h);
    r.figureSideUnits =
        r.sideKind != FigureReadings::NoSide ? scale.vectorInUnits(side.x(), side.y(), frameAngle) : 0;

    UnitLengths lengths;
    lengths.areaWidth = scale.segmentInUnits(w, 0);
    lengths.areaHeight = scale.segmentInUnits(0, h);
    lengths.width = r.figureWidthUnits;
    lengths.height = r.figureHeightUnits;
    lengths.side = r.figureSideUnits;
    lengths.mirrorSide = scale.vectorInUnits(-side.x(), side.y(), frameAngle);
    areaAndPerimeter(r, kind, lengths, scale, frameAngle);
    r.perimeter = UnitScale::roundToHundredth(r.perimeter);
}

void writeTexts(FigureReadings &r, const FigureModel &model, const FigureUnits &units)
{
    const UnitScale &scale = units.scale;
    const QString unit = QLatin1Char(' ') + scale.unitLabel + QLatin1Char(' ');
    r.widthText = ReadingText::formatLength(r.figureWidthUnits) + unit;
    r.heightText = ReadingText::formatLength(r.figureHeightUnits) + unit;
    if (r.sideKind != FigureReadings::NoSide)
        r.sideText = sidePrefix(r.sideKind) + ReadingText::formatLength(r.figureSideUnits) + unit;
    if (scale.unitKind == UnitScale::Pixels && units.megapixels)
        r.areaText = ReadingText::formatMegapixels(r.area);
    else
        r.areaText =
            ReadingText::formatArea(r.area) + QLatin1Char(' ') + ReadingText::squared(scale.unitLabel);
    r.perimeterText = ReadingText::formatLength(r.perimeter) + QLatin1Char(' ') + scale.unitLabel;

    const double angle = std::floor(finiteOrZero(model.angle) * 100 + 0.5) / 100;
    r.angleText = ReadingText::shown(QString::number(angle, 'g', kLengthDigits)) + kDegree;

    if (model.isRatioRectangle()) {
        for (const RatioRectangle &row : kRatioRectangles) {
            if (model.ratio == row.ratio)
                r.ratioSuffix = translated(row.suffix);
        }
    }
}

} // namespace

FigureReadings FigureReadings::measure(const FigureModel &model, const FigureUnits &units,
                                       const FigureRulerFrame &frame)
{
    FigureReadings r;
    const FigureKind kind = model.kind;
    const FigurePoint widthHandle = model.points[1];
    const bool circle = kind == FigureKind::CenteredCircle || kind == FigureKind::CornerCircle;
    // A centred circle turned by the wheel carries its turn in the handle: its radius is the handle's
    // distance, not its x, and its width runs towards the handle.
    const double a = circle ? std::hypot(widthHandle.x, widthHandle.y) : double(widthHandle.x);
    double frameAngle = finiteOrZero(model.angle);
    if (circle && (widthHandle.x != 0 || widthHandle.y != 0))
        frameAngle += qRadiansToDegrees(std::atan2(double(widthHandle.y), double(widthHandle.x)));

    auto [w, h] = countedExtents(kind, handlePixels(a), handlePixels(model.points[2].y));
    if (hasSingleExtent(kind))
        h = model.isRatioRectangle() ? w / model.ratio : w;
    r.widthPx = w;
    r.heightPx = h;
    r.hasHeight = !hasSingleExtent(kind) || model.isRatioRectangle();
    r.sideKind = sideKindOf(kind);
    if (r.sideKind != NoSide) {
        const QPointF side = sideVector(kind, w, h);
        r.sidePx = std::hypot(side.x(), side.y());
    }

    convert(r, model, units.scale, frameAngle);
    writeTexts(r, model, units);

    const int offset = frame.startsFromOne ? 1 : 0;
    const QPoint anchor = model.origin;
    r.rotationCenterX = (frame.zeroAtLeft ? anchor.x() : frame.window.width() - anchor.x()) + offset;
    r.rotationCenterY = (frame.zeroAtBottom ? frame.window.height() - anchor.y() : anchor.y()) + offset;
    r.centerXText = translated(kCenterXCaption) + ReadingText::wholeNumber(r.rotationCenterX);
    r.centerYText = translated(kCenterYCaption) + ReadingText::wholeNumber(r.rotationCenterY);
    return r;
}

QString FigureReadings::onFigureWidthText() const
{
    return widthText + ratioSuffix;
}

QString FigureReadings::areaLine() const
{
    const bool full = widthPx >= kLongAreaLineWidth;
    return ReadingText::areaCaption(full) + areaText + QStringLiteral(" | ") +
           ReadingText::perimeterCaption(full) + perimeterText;
}

FigurePanelTexts FigureReadings::panelTexts() const
{
    FigurePanelTexts texts;
    texts.width = kLeftRightArrow + QStringLiteral("1: ") + widthText;
    texts.height = kLeftRightArrow + QStringLiteral("2: ") + heightText;
    texts.area = ReadingText::areaCaption(false) + areaText;
    texts.perimeter = ReadingText::perimeterCaption(false) + perimeterText;
    texts.angle = translated(kAngleCaption) + angleText;
    texts.centerX = centerXText;
    texts.centerY = centerYText;
    texts.side = sideText;
    texts.showHeight = hasHeight;
    texts.showSide = sideKind != NoSide;
    texts.sideKind = sideKind;
    return texts;
}
