// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "textgrid.h"

#include <QString>

// Which entry of a ruler's "Unit" menu is checked.
struct UnitChoice
{
    enum class Table
    {
        Pixels,
        Physical,
        PixelBased
    };
    Table table = Table::Pixels;
    // Row of the chosen table.
    int row = 0;
};

// The unit scale of a ruler: how many pixels make one unit of the chosen unit on the display that
// holds the ruler, and the conversion of pixel lengths into that unit. Plain data and arithmetic; the
// ruler feeds it the preferences' grids and shows its messages.
class UnitScale
{
public:
    enum Kind
    {
        Pixels = 0,
        TableUnit = 1
    };

    // Cells of a physical unit row.
    static constexpr int kAbbreviationCell = 1;
    static constexpr int kUnitsPerInchCell = 2;
    static constexpr int kPhysicalTicksCell = 3;
    // Cells of a pixel-based unit row.
    static constexpr int kPixelsPerUnitXCell = 2;
    static constexpr int kPixelsPerUnitYCell = 3;
    static constexpr int kPixelTicksCell = 4;

    // Where to look for the chosen unit and the calibration of the ruler's display.
    struct Sources
    {
        const TextGrid &units;
        const TextGrid &pixelUnits;
        const TextGrid &displays;
        int displayIndex = 0;
    };

    // Recomputes from the chosen unit. A unit whose definition cannot give a scale is refused: the
    // scale falls back to pixels and the result is the text that tells the user why (with the pointer
    // to the preferences unless `quiet`). Empty when the unit was taken.
    QString setUnit(const UnitChoice &choice, const Sources &sources, bool quiet);
    // As setUnit(), silently; true when the unit was taken.
    bool recomputeScale(const UnitChoice &choice, const Sources &sources);

    // A pixel length measured along `angle` degrees, in the current unit. The direction is the figure's
    // rotation when `perpendicular` is set (the length then runs across it), else `angle` alone when
    // `absolute` is set, else `angle` turned by the figure's rotation. A scale without size gives 0.
    double lengthInUnits(double lengthPx, double angle, bool perpendicular, bool absolute,
                         double figureRotation) const;

    // The direction to the nearest multiple of 45°, with the boundaries themselves left alone.
    static double snapDirection(double degrees);
    // Perimeter of an ellipse with the semi-axes (or axes) a and b.
    static double ellipsePerimeter(double a, double b);
    static double roundToHundredth(double x);

    int unitKind = Pixels;
    QString unitLabel = QStringLiteral("px");
    double pixelsPerUnitX = 1.0;
    double pixelsPerUnitY = 1.0;
    double pixelsPerUnitAvg = 1.0;
    double displayPpiX = 0.0;
    double displayPpiY = 0.0;
    double ticksPerUnit = 1.0;

private:
    void fallBackToPixels();
    void setPixelsPerUnit(double x, double y);
};
