// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "figure/figurepainter.h"

#include <QPoint>
#include <QPolygonF>
#include <QRectF>
#include <QSize>
#include <QString>

class FigureModel;
class FigureReadings;

// Where the ruler's own "Area | Perimeter" line and the flying figure's go, so that the two never
// cover each other. The ruler's line keeps its place near the bottom edge whenever one of the figure's
// places is free of it; the figure's line goes below its figure's box, else above it, else inside it.
// Only when none of these pairs is clear does the ruler's line move up under its top width reading. If
// even that leaves them crossing (a window too small for both), the pair that overlaps least is taken.
namespace AreaLinePlacement {

struct Choice
{
    QPoint rulerBaseline; // where the ruler writes its line
    FigureStyle::AreaLinePlace figurePlace = FigureStyle::AreaLinePlace::Below;
};

// The ruler line's baselines in the order of preference, for a window of the given size.
QList<QPoint> rulerPlaces(QSize window);

// The box a line of text covers in the 14-px reading font, drawn from its baseline with an opaque
// background, in the coordinates it is drawn in.
QRectF textBox(const QString &text, QPointF baseline);

// The choice for a window whose ruler writes rulerLine and whose figure (with its readings and style)
// writes its own line. rulerLine empty, or a figure without an area line on it: the first places.
Choice choose(QSize window, const QString &rulerLine, const FigureModel &model,
              const FigureReadings &readings, const FigureStyle &style);

// The figure's line as a polygon in window coordinates, at the place the style gives.
QPolygonF figureLineOutline(const FigureModel &model, const FigureReadings &readings,
                            const FigureStyle &style);

} // namespace AreaLinePlacement
