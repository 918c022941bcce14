// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "figure/figurepainter.h"
#include "render/rulerlabels.h"

#include <QList>
#include <QPolygonF>

class FigureModel;
class FigureReadings;

// Where the ruler's readings and the flying figure's go, so that no reading label covers another
// (LabelPlacement). In the order of their importance: the figure's lengths and angle; the ruler's first
// width and height; the ruler's area line, which keeps its place near the bottom edge whenever the
// figure's can go elsewhere; the figure's area line, below its figure's box, else above it, else
// inside it; the ruler's second width and height, its corner labels and numbers alone; the figure's
// rotation-centre texts. Where there is no room, the less important label is not drawn.
namespace ReadingLayout {

struct Layout
{
    // For each of the ruler's labels: the index of its place (RulerLabels::boxes), or
    // LabelPlacement::kGivesWay.
    QList<int> rulerPlaces;
    // The figure's style with its area line's place and the texts that give way.
    FigureStyle figureStyle;
};

// The layout for a window whose ruler writes `ruler` and whose figure (null when not shown) writes its
// readings in `style`.
Layout choose(const QList<RulerLabels::Text> &ruler, const FigureModel *figure,
              const FigureReadings &readings, const FigureStyle &style);

// The box a figure text covers, as a polygon in window coordinates.
QPolygonF figureTextBox(const FigureText &text);

} // namespace ReadingLayout
