// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "render/unitscale.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace {

const char *const kWrongUnitsPerInch = QT_TRANSLATE_NOOP("RulerWindow", "Wrong value for Units per Inch;\n");
const char *const kWrongTicksPerUnit = QT_TRANSLATE_NOOP("RulerWindow", "Wrong \"Ticks per Unit\" Value;\n");
const char *const kWrongPixelsPerUnit =
    QT_TRANSLATE_NOOP("RulerWindow", "Wrong value for Pixels per Unit! (Edit pixel-based units to fix) \n");
const char *const kGoToPreferences = QT_TRANSLATE_NOOP(
    "RulerWindow", "Go to \"Preferences | Units\" or \"Preferences | Pixel-based Units\" and fix "
               "respective unit settings.");
const char *const kMissingAbbreviation = "??";

constexpr double kFullTurn = 360.0;
constexpr double kQuarterTurn = 90.0;
constexpr double kHalfTurn = 180.0;
constexpr double kThreeQuarterTurn = 270.0;
constexpr double kPi = 3.14159265358979323846;
constexpr double kFourOverPi = 1.2732395447351628;
constexpr double kHundredth = 0.01;

QString translated(const char *text)
{
    return QCoreApplication::translate("RulerWindow", text);
}

const std::array<QString, 6> &gridRow(const TextGrid &grid, int row)
{
    static const std::array<QString, 6> kEmptyRow;
    return row >= 0 && row < int(grid.size()) ? grid[row] : kEmptyRow;
}

} // namespace

QString UnitScale::setUnit(const UnitChoice &choice, const Sources &sources, bool quiet)
{
    if (choice.table == UnitChoice::Table::Pixels) {
        fallBackToPixels();
        return {};
    }

    // A display without a calibration row measures 0 pixels per inch.
    const auto &display = gridRow(sources.displays, sources.displayIndex);
    displayPpiX = std::abs(TextCells::toNumberOrZero(display[1]));
    displayPpiY = std::abs(TextCells::toNumberOrZero(display[2]));
    unitKind = TableUnit;

    const bool physical = choice.table == UnitChoice::Table::Physical;
    const auto &unit = gridRow(physical ? sources.units : sources.pixelUnits, choice.row);
    const QString &abbreviation = unit[kAbbreviationCell];
    unitLabel = abbreviation.trimmed().isEmpty() ? QString::fromLatin1(kMissingAbbreviation) : abbreviation;

    QString message;
    if (physical) {
        const double unitsPerInch = TextCells::toNumberOrZero(unit[kUnitsPerInchCell]);
        const double x = unitsPerInch != 0.0 ? std::abs(displayPpiX / unitsPerInch) : 0.0;
        const double y = unitsPerInch != 0.0 ? std::abs(displayPpiY / unitsPerInch) : 0.0;
        // A units-per-inch value so small that the scale overflows is as wrong as 0.
        if (unitsPerInch == 0.0 || !std::isfinite(x) || !std::isfinite(y))
            message = translated(kWrongUnitsPerInch);
        else
            setPixelsPerUnit(x, y);
    } else {
        const double x = TextCells::toNumberOrZero(unit[kPixelsPerUnitXCell]);
        const double y = TextCells::toNumberOrZero(unit[kPixelsPerUnitYCell]);
        if (x != 0.0 && y != 0.0)
            setPixelsPerUnit(std::abs(x), std::abs(y));
        else
            message = translated(kWrongPixelsPerUnit);
    }

    const double ticks = TextCells::toNumberOrZero(unit[physical ? kPhysicalTicksCell : kPixelTicksCell]);
    if (ticks != 0.0)
        ticksPerUnit = std::abs(ticks);
    else
        message += translated(kWrongTicksPerUnit);

    if (message.trimmed().isEmpty())
        return {};
    if (!quiet)
        message += translated(kGoToPreferences);
    fallBackToPixels();
    return message;
}

bool UnitScale::recomputeScale(const UnitChoice &choice, const Sources &sources)
{
    return setUnit(choice, sources, true).isEmpty();
}

void UnitScale::fallBackToPixels()
{
    unitKind = Pixels;
    unitLabel = QStringLiteral("px");
}

void UnitScale::setPixelsPerUnit(double x, double y)
{
    pixelsPerUnitX = x;
    pixelsPerUnitY = y;
    pixelsPerUnitAvg = x == y ? x : (x + y) * 0.5;
}

namespace {

// cos and sin of a direction in degrees, exact on the axes so that upright lengths convert exactly.
std::pair<double, double> unitVector(double degrees)
{
    double d = std::isfinite(degrees) ? std::fmod(degrees, kFullTurn) : 0.0;
    if (d < 0)
        d += kFullTurn;
    if (d == 0.0)
        return {1.0, 0.0};
    if (d == kQuarterTurn)
        return {0.0, 1.0};
    if (d == kHalfTurn)
        return {-1.0, 0.0};
    if (d == kThreeQuarterTurn)
        return {0.0, -1.0};
    const double radians = d * kPi / kHalfTurn;
    return {std::cos(radians), std::sin(radians)};
}

// One axis' part of a length: a part of length 0 needs no scale, any other part needs a usable one.
double alongAxis(double pixels, double pixelsPerUnit)
{
    if (pixels == 0.0)
        return 0.0;
    if (!(pixelsPerUnit > 0.0) || !std::isfinite(pixelsPerUnit))
        return std::nan("");
    const double units = pixels / pixelsPerUnit;
    return std::isfinite(units) ? units : std::nan("");
}

} // namespace

double UnitScale::segmentInUnits(double dx, double dy) const
{
    if (unitKind == Pixels)
        return std::hypot(dx, dy);
    if (pixelsPerUnitX == pixelsPerUnitY)
        return alongAxis(std::hypot(dx, dy), pixelsPerUnitX);
    return std::hypot(alongAxis(dx, pixelsPerUnitX), alongAxis(dy, pixelsPerUnitY));
}

double UnitScale::vectorInUnits(double du, double dv, double frameAngle) const
{
    // A turn changes no length where both axes share one scale.
    if (unitKind == Pixels || pixelsPerUnitX == pixelsPerUnitY)
        return segmentInUnits(du, dv);
    const auto [c, s] = unitVector(frameAngle);
    return segmentInUnits(du * c - dv * s, du * s + dv * c);
}

double UnitScale::lengthInUnits(double lengthPx, double angle, bool perpendicular, bool absolute,
                                double figureRotation) const
{
    const double direction = perpendicular ? figureRotation + kQuarterTurn
                             : absolute    ? angle
                                           : angle + figureRotation;
    return vectorInUnits(lengthPx, 0.0, direction);
}

std::pair<double, double> UnitScale::ellipseAxesInUnits(double a, double b, double frameAngle) const
{
    if (unitKind == Pixels || pixelsPerUnitX == pixelsPerUnitY)
        return {segmentInUnits(a, 0.0), segmentInUnits(b, 0.0)};
    // The ellipse's image under the per-axis scaling: its semi-axes are the singular values of the map
    // that takes the unit circle to it, found from their sum of squares and their product.
    const auto [c, s] = unitVector(frameAngle);
    const double m11 = alongAxis(a * c, pixelsPerUnitX);
    const double m21 = alongAxis(a * s, pixelsPerUnitY);
    const double m12 = alongAxis(-b * s, pixelsPerUnitX);
    const double m22 = alongAxis(b * c, pixelsPerUnitY);
    const double squares = m11 * m11 + m12 * m12 + m21 * m21 + m22 * m22;
    const double product = std::abs(m11 * m22 - m12 * m21);
    const double sum = std::sqrt(squares + 2 * product);
    const double difference = std::sqrt(std::max(0.0, squares - 2 * product));
    return {(sum + difference) / 2, (sum - difference) / 2};
}

double UnitScale::ellipsePerimeter(double a, double b)
{
    const double sum = a + b;
    if (sum == 0.0)
        return 0.0;
    const double ratio = (a - b) / sum;
    return kPi * sum * std::pow(kFourOverPi, ratio * ratio);
}

double UnitScale::roundToHundredth(double x)
{
    return std::floor(x / kHundredth + 0.5) * kHundredth;
}

bool UnitScale::operator==(const UnitScale &other) const
{
    return unitKind == other.unitKind && unitLabel == other.unitLabel && pixelsPerUnitX == other.pixelsPerUnitX
        && pixelsPerUnitY == other.pixelsPerUnitY && pixelsPerUnitAvg == other.pixelsPerUnitAvg
        && displayPpiX == other.displayPpiX && displayPpiY == other.displayPpiY && ticksPerUnit == other.ticksPerUnit;
}
