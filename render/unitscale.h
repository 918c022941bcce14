// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "prefs/textgrid.h"

#include <QString>

#include <utility>

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

    friend bool operator==(const UnitChoice &a, const UnitChoice &b) { return a.table == b.table && a.row == b.row; }
    friend bool operator!=(const UnitChoice &a, const UnitChoice &b) { return !(a == b); }
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

    // Lengths in the unit. A segment of dx, dy screen pixels measures sqrt((dx/ppuX)² + (dy/ppuY)²): on a
    // display whose horizontal and vertical resolutions differ, a slanted length takes each axis at its
    // own scale. With equal scales this is the pixel length over the one scale, exactly. In pixels the
    // pixel length comes back. A scale that cannot convert a part of the segment (an uncalibrated
    // display gives 0 pixels per unit) gives NaN, which the readings show as "?"; a part of length 0
    // needs no scale.
    double segmentInUnits(double dx, double dy) const;
    // A vector (du, dv) of a frame turned clockwise by frameAngle degrees on the screen, such as a side
    // of the flying figure in the figure's own frame.
    double vectorInUnits(double du, double dv, double frameAngle) const;
    // A pixel length along a direction. The direction is the figure's rotation when `perpendicular` is
    // set (the length then runs across it, at the rotation plus 90°), else `angle` alone when `absolute`
    // is set, else `angle` turned by the figure's rotation.
    double lengthInUnits(double lengthPx, double angle, bool perpendicular, bool absolute,
                         double figureRotation) const;
    // The semi-axes, in the unit, of an ellipse with semi-axes a and b (pixels) along a frame turned by
    // frameAngle degrees: on unequal scales a circle becomes an ellipse.
    std::pair<double, double> ellipseAxesInUnits(double a, double b, double frameAngle) const;

    // Perimeter of an ellipse with the semi-axes (or axes) a and b.
    static double ellipsePerimeter(double a, double b);
    static double roundToHundredth(double x);

    bool operator==(const UnitScale &other) const;
    bool operator!=(const UnitScale &other) const { return !(*this == other); }

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
