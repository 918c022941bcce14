// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "render/unitscale.h"

#include <QSize>
#include <QString>
#include <tuple>

class FigureModel;

// The ruler's unit scale as the readings use it (pixels unless set), and whether an area in pixels is
// written in megapixels ("Megapixel instead of px", pixels only).
struct FigureUnits
{
    UnitScale scale;
    bool megapixels = false;
};

// Where the ruler counts from, for the rotation-centre readings.
struct FigureRulerFrame
{
    QSize window;
    bool zeroAtLeft = true;
    bool zeroAtBottom = false;
    bool startsFromOne = false; // "Rulers Start With Pixel 1"
};

struct FigurePanelTexts
{
    QString width;
    QString height;
    QString area;
    QString perimeter;
    QString angle;
    QString centerX;
    QString centerY;
    QString side;
    bool showHeight = false;
    bool showSide = false;
    int sideKind = 0; // FigureReadings::SideKind

    bool operator==(const FigurePanelTexts &other) const
    {
        return std::tie(width, height, area, perimeter, angle, centerX, centerY, side, showHeight, showSide, sideKind)
            == std::tie(other.width, other.height, other.area, other.perimeter, other.angle, other.centerX,
                        other.centerY, other.side, other.showHeight, other.showSide, other.sideKind);
    }
};

// The measurements of a figure and their texts, computed from the model on every paint.
//
// Pixel counts: every length counts the pixels it covers, both end pixels included, as the ruler counts
// its own width. A figure is as wide and as high as the pixels its outline spans along its own axes (a
// side drawn from pixel 0 to pixel 499 is 500 px); a centred circle's or ellipse's radius counts from
// its centre pixel out to its outline. The figure is then measured as the exact shape of those extents —
// the rectangle, the rhombus or triangle in that box, the ellipse with those axes — so its third length,
// area and perimeter agree with its width and height: a right triangle with legs of 500 and 300 px has a
// hypotenuse of sqrt(500² + 300²) = 583.1 px, whatever its rotation.
//
// Units: each length converts as the segment it is on the screen, so a turned figure on a display whose
// horizontal and vertical resolutions differ reads true along every side; areas divide by both scales.
// Where the scale cannot convert (an uncalibrated display) the numbers read "?".
class FigureReadings
{
public:
    enum SideKind
    {
        NoSide = 0,
        RhombusSide = 1,
        IsoscelesLeg = 2,
        Hypotenuse = 3
    };

    static FigureReadings measure(const FigureModel &model, const FigureUnits &units,
                                  const FigureRulerFrame &frame);

    // Lengths in pixels, as counted before conversion (centred kinds widened to the whole figure).
    double widthPx = 0;
    double heightPx = 0;
    double sidePx = 0;

    // In the ruler's unit.
    double figureWidthUnits = 0;
    double figureHeightUnits = 0;
    double figureSideUnits = 0;
    double area = 0;
    double perimeter = 0;

    int sideKind = NoSide;
    bool hasHeight = false; // squares and circles have one extent; a ratio rectangle shows its height
    int rotationCenterX = 0;
    int rotationCenterY = 0;

    QString widthText;     // "500 px "
    QString heightText;    // "300 px "
    QString sideText;      // "hipo: 583.1 px ", empty without a third length
    QString areaText;      // "150000 px²"
    QString perimeterText; // "1600 px"
    QString angleText;     // "323.24°"
    QString centerXText;   // "rcX: 400"
    QString centerYText;   // "rcY: 300"
    QString ratioSuffix;   // " / 16:9" for a ratio rectangle

    // The width as written on the figure, with the ratio suffix.
    QString onFigureWidthText() const;
    // "Area: ... | Perimeter: ...", shortened to "A: ... | P: ..." on narrow figures.
    QString areaLine() const;
    FigurePanelTexts panelTexts() const;
};
