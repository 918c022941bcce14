// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "render/rulershape.h"

#include "render/inkmask.h"
#include "render/rulerstyle.h"
#include "render/unitscale.h"

#include <QFontMetrics>

#include <algorithm>

namespace RulerShape {
namespace {

// The farthest a point lies from the edge, measured into the window.
int depthOf(TickEdge edge, QPoint point, QSize size)
{
    switch (edge) {
    case TickEdge::Top:
        return point.y() + 1;
    case TickEdge::Bottom:
        return size.height() - point.y();
    case TickEdge::Left:
        return point.x() + 1;
    case TickEdge::Right:
        break;
    }
    return size.width() - point.x();
}

int labelDepth(TickEdge edge, const TickLabel &label, QSize size)
{
    const QFontMetrics metrics(RulerStyle::font(label.fontPx));
    const QRect box(label.baseline.x(), label.baseline.y() - metrics.ascent(),
                    metrics.horizontalAdvance(label.text), metrics.ascent() + metrics.descent());
    return std::max({depthOf(edge, box.topLeft(), size), depthOf(edge, box.bottomRight(), size)});
}

} // namespace

int tickerDepth(TickEdge edge, const TickFrame &frame, const UnitScale &scale)
{
    TickMarks marks;
    TickLayout::layOut(edge, frame, scale, marks);
    int depth = 0;
    for (const QLine &line : std::as_const(marks.lines))
        depth = std::max({depth, depthOf(edge, line.p1(), frame.size), depthOf(edge, line.p2(), frame.size)});
    for (const TickLabel &label : std::as_const(marks.labels))
        depth = std::max(depth, labelDepth(edge, label, frame.size));
    return depth;
}

void markBands(InkMask &mask, const TickFrame &frame, const UnitScale &scale,
               const std::array<bool, 4> &visibleTickers, int minimumDepth)
{
    const int w = frame.size.width();
    const int h = frame.size.height();
    mask.mark(QRect(0, 0, w, kEdgeReach));
    mask.mark(QRect(0, h - kEdgeReach, w, kEdgeReach));
    mask.mark(QRect(0, 0, kEdgeReach, h));
    mask.mark(QRect(w - kEdgeReach, 0, kEdgeReach, h));

    const TickEdge edges[] = {TickEdge::Top, TickEdge::Bottom, TickEdge::Left, TickEdge::Right};
    for (int i = 0; i < 4; ++i) {
        if (!visibleTickers[size_t(i)])
            continue;
        const int depth = std::max(tickerDepth(edges[i], frame, scale) + kBandMargin, minimumDepth);
        switch (edges[i]) {
        case TickEdge::Top:
            mask.mark(QRect(0, 0, w, depth));
            break;
        case TickEdge::Bottom:
            mask.mark(QRect(0, h - depth, w, depth));
            break;
        case TickEdge::Left:
            mask.mark(QRect(0, 0, depth, h));
            break;
        case TickEdge::Right:
            mask.mark(QRect(w - depth, 0, depth, h));
            break;
        }
    }
}

} // namespace RulerShape
