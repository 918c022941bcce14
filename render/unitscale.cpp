// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "unitscale.h"

#include <QCoreApplication>
#include <cmath>

namespace {

const char *const kWrongUnitsPerInch = QT_TRANSLATE_NOOP("Gradora", "Wrong value for Units per Inch;\n");
const char *const kWrongTicksPerUnit = QT_TRANSLATE_NOOP("Gradora", "Wrong \"Ticks per Unit\" Value;\n");
const char *const kWrongPixelsPerUnit =
    QT_TRANSLATE_NOOP("Gradora", "Wrong value for Pixels per Unit! (Edit pixel-based units to fix) \n");
const char *const kGoToPreferences = QT_TRANSLATE_NOOP(
    "Gradora", "Go to \"Preferences | Units\" or \"Preferences | Pixel-based Units\" and fix "
               "respective unit settings.");
const char *const kMissingAbbreviation = "??";

constexpr double kDirectionStep = 45.0;
constexpr int kDirections = 8;
// Directions past this that no interval caught count as horizontal again.
constexpr double kWrapToZeroAbove = 327.5;
constexpr double kFullTurn = 360.0;
constexpr double kQuarterTurn = 90.0;
constexpr double kHalfTurn = 180.0;
constexpr double kThreeQuarterTurn = 270.0;
constexpr double kPi = 3.14159265358979323846;
constexpr double kFourOverPi = 1.2732395447351628;
constexpr double kHundredth = 0.01;

QString translated(const char *text)
{
    return QCoreApplication::translate("Gradora", text);
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

double UnitScale::lengthInUnits(double lengthPx, double angle, bool perpendicular, bool absolute,
                                double figureRotation) const
{
    double direction = perpendicular ? figureRotation : absolute ? angle : angle + figureRotation;
    if (direction > kFullTurn)
        direction -= kFullTurn;
    if (unitKind == Pixels)
        return lengthPx;

    direction = snapDirection(direction);
    if (perpendicular)
        direction += direction <= kHalfTurn ? kQuarterTurn : -kQuarterTurn;

    double pixelsPerUnit = pixelsPerUnitAvg;
    if (direction == 0.0 || direction == kHalfTurn)
        pixelsPerUnit = pixelsPerUnitX;
    else if (direction == kQuarterTurn || direction == kThreeQuarterTurn)
        pixelsPerUnit = pixelsPerUnitY;
    // An uncalibrated display gives a scale of 0, which measures nothing rather than infinity.
    if (!(pixelsPerUnit > 0.0))
        return 0.0;
    const double units = lengthPx / pixelsPerUnit;
    return std::isfinite(units) ? units : 0.0;
}

double UnitScale::snapDirection(double degrees)
{
    const double halfStep = kDirectionStep / 2;
    for (int i = 0; i < kDirections; ++i) {
        const double centre = i * kDirectionStep;
        if (degrees > centre - halfStep && degrees < centre + halfStep)
            return centre;
    }
    return degrees > kWrapToZeroAbove ? 0.0 : degrees;
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
