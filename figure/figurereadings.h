// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QSize>
#include <QString>

#include <functional>

class FigureModel;

// How the readings turn pixel lengths into the ruler's unit. The window wires lengthInUnits to its unit
// scale; the arguments mean what the unit scale's conversion takes:
//   lengthInUnits(lengthPx, angleDeg, perpendicular, absolute)
//   - perpendicular: the length runs along the figure's own y axis (angleDeg is ignored);
//   - absolute: angleDeg is a screen direction, clockwise from +x;
//   - neither: angleDeg is relative to the figure's rotation (0 = along the figure's x axis).
// Left empty, lengths stay in pixels.
struct FigureUnits
{
    std::function<double(double lengthPx, double angleDeg, bool perpendicular, bool absolute)> lengthInUnits;
    QString unitLabel = QStringLiteral("px");
    bool pixels = true;      // the ruler measures in pixels
    bool megapixels = false; // "Megapixel instead of px", used in pixels only
};

// Where the ruler counts from, for the rotation-centre readings.
struct FigureRulerFrame
{
    QSize window;
    bool zeroAtLeft = true;
    bool zeroAtBottom = false;
    bool startsFromOne = false; // "Rulers Start With Pixel 1"
};

// The figure's texts for the information panel.
struct FigurePanelTexts
{
    QString width;
    QString height;
    QString area;
    QString perimeter;
    QString angle;
    QString centreX;
    QString centreY;
    QString side;
    bool showHeight = false;
    bool showSide = false;
    int sideKind = 0; // FigureReadings::SideKind
};

// The measurements of a figure and their texts, computed from the model on every paint.
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
    // Screen direction of the third length, clockwise from +x.
    double sideDirection = 0;

    // In the ruler's unit.
    double figureWidthUnits = 0;
    double figureHeightUnits = 0;
    double figureSideUnits = 0;
    double area = 0;
    double perimeter = 0;

    int sideKind = NoSide;
    bool hasHeight = false; // squares and circles have one extent; a ratio rectangle shows its height
    int rotationCentreX = 0;
    int rotationCentreY = 0;

    QString widthText;     // "500 px "
    QString heightText;    // "300 px "
    QString sideText;      // "hipo: 583 px ", empty without a third length
    QString areaText;      // "150000 px ²"
    QString perimeterText; // "1600 px"
    QString angleText;     // "323.24°"
    QString centreXText;   // "rcX: 400"
    QString centreYText;   // "rcY: 300"
    QString ratioSuffix;   // " / 16:9" for a ratio rectangle

    // The width as written on the figure, with the ratio suffix.
    QString onFigureWidthText() const;
    // "Area: ... | Perimeter: ...", shortened to "A: ... | P: ..." on narrow figures.
    QString areaLine() const;
    FigurePanelTexts panelTexts() const;
};
