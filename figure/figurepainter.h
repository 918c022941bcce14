// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPointF>
#include <QSize>
#include <QString>
#include <QTransform>

#include <functional>

class FigureModel;
class QFontMetricsF;
class FigureReadings;
class QPainter;

// One reading written on the figure: the text is drawn at position in the frame, which maps to window
// coordinates. Frames that would read upside down are turned by a further half turn.
struct FigureText
{
    enum Role
    {
        Width,
        Height,
        Side,
        Angle,
        AreaLine,
        CenterX,
        CenterY
    };
    Role role = Width;
    QString text;
    QTransform frame;
    QPointF position;
};

// The window's options and colours that the figure's drawing reads.
struct FigureStyle
{
    QColor rulerColor{111, 33, 55};
    QColor backgroundColor{Qt::white};
    QColor guidesColor{Qt::red};
    QSize window;
    bool antiAliasing = false;
    bool noControlPoints = false;
    bool boldControlPoints = false;
    bool showRotationCenter = false; // "Show Figure Rotation Center"
    bool showFigureReadings = true;  // "Show Figure Readings"
    // Where the "Area | Perimeter" line goes: under the figure's box, over it or across its middle, so
    // that it can give way to the ruler's own labels (see ReadingLayout).
    enum class AreaLinePlace
    {
        Below,
        Above,
        Inside
    };
    AreaLinePlace areaLinePlace = AreaLinePlace::Below;
    // The readings that give way to others and are not written.
    QList<FigureText::Role> hiddenTexts;
};

// Draws the flying ruler's own ticks along the four edges of its rectangle. The painter is already in the
// figure's rotated frame with the anchor at (0, 0); width and height are the rectangle's extents and take
// the place of the window's size in the ruler's pixel tick layout.
using FlyingRulerTicks = std::function<void(QPainter &painter, int width, int height)>;

namespace FigurePainter {

// Draws the figure's shape instead of drawShape, for instance from a kept picture of it.
using ShapeDrawer = std::function<void(QPainter &painter)>;

// The last step of the window's paint pass: the shape (see drawShape, or `shape` when given), then the
// rotation-centre lines and the readings. Draws nothing for a hidden figure.
void drawFigure(QPainter &painter, const FigureModel &model, const FigureReadings &readings,
                const FigureStyle &style, const FlyingRulerTicks &flyingRulerTicks = {},
                const ShapeDrawer &shape = {});
// The figure's turned drawing alone: its outline, the flying ruler's ticks and the control points with
// their numbers. It depends on the figure's shape, turn and anchor, and on the style's ruler colour,
// anti-aliasing and control-point options, nothing else.
void drawShape(QPainter &painter, const FigureModel &model, const FigureStyle &style,
               const FlyingRulerTicks &flyingRulerTicks = {});

// Where the on-figure readings go, but for those that give way; drawFigure writes exactly these.
QList<FigureText> readingTexts(const FigureModel &model, const FigureReadings &readings,
                               const FigureStyle &style);

// The 14-pixel font of the readings and its measures, made once.
const QFont &readingFont();
const QFontMetricsF &readingMetrics();

} // namespace FigurePainter
