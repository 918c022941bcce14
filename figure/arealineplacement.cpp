// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "figure/arealineplacement.h"

#include "figure/figuremodel.h"
#include "figure/figurereadings.h"

#include <QFontMetricsF>

#include <array>
#include <limits>

namespace AreaLinePlacement {

namespace {

// The ruler's line: left of the window's middle by this much, this far above the bottom edge, or this
// far below the top edge (under the top width reading, as the bottom place lies over the bottom one).
constexpr int kRulerLineLeftOfMiddle = 115;
constexpr int kRulerLineFromBottom = 80;
constexpr int kRulerLineFromTop = 90;
// Room kept around each box, so that lines that would touch count as overlapping.
constexpr qreal kMargin = 1;

constexpr std::array<FigureStyle::AreaLinePlace, 3> kFigurePlaces{
    FigureStyle::AreaLinePlace::Below, FigureStyle::AreaLinePlace::Above, FigureStyle::AreaLinePlace::Inside};

double overlapArea(const QPolygonF &a, const QPolygonF &b)
{
    const QRectF common = a.intersected(b).boundingRect();
    return common.width() * common.height();
}

} // namespace

QList<QPoint> rulerPlaces(QSize window)
{
    const int x = window.width() / 2 - kRulerLineLeftOfMiddle;
    return {QPoint(x, window.height() - kRulerLineFromBottom), QPoint(x, kRulerLineFromTop)};
}

QRectF textBox(const QString &text, QPointF baseline)
{
    const QFontMetricsF &metrics = FigurePainter::readingMetrics();
    return QRectF(baseline.x(), baseline.y() - metrics.ascent(), metrics.horizontalAdvance(text),
                  metrics.height())
        .adjusted(-kMargin, -kMargin, kMargin, kMargin);
}

QPolygonF figureLineOutline(const FigureModel &model, const FigureReadings &readings,
                            const FigureStyle &style)
{
    for (const FigureText &text : FigurePainter::readingTexts(model, readings, style)) {
        if (text.role == FigureText::AreaLine)
            return text.frame.map(QPolygonF(textBox(text.text, text.position)));
    }
    return {};
}

Choice choose(QSize window, const QString &rulerLine, const FigureModel &model,
              const FigureReadings &readings, const FigureStyle &style)
{
    const QList<QPoint> places = rulerPlaces(window);
    Choice best{places.first(), kFigurePlaces.front()};
    if (rulerLine.isEmpty() || !model.visible || !style.showOnFigureReadings)
        return best;

    double leastOverlap = std::numeric_limits<double>::infinity();
    for (const QPoint &baseline : places) {
        const QPolygonF rulerBox(textBox(rulerLine, baseline));
        for (FigureStyle::AreaLinePlace place : kFigurePlaces) {
            FigureStyle placed = style;
            placed.areaLinePlace = place;
            const QPolygonF figureBox = figureLineOutline(model, readings, placed);
            if (!figureBox.intersects(rulerBox))
                return {baseline, place};
            const double overlap = overlapArea(figureBox, rulerBox);
            if (overlap < leastOverlap) {
                leastOverlap = overlap;
                best = {baseline, place};
            }
        }
    }
    return best;
}

} // namespace AreaLinePlacement
