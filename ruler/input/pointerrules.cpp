// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/input/pointerrules.h"

namespace PointerRules {

namespace {
constexpr double kSmallestScaleFactor = 0.01;
} // namespace

std::optional<EdgeHit> edgeAt(const QPoint &pos, const QSize &size)
{
    const int x = pos.x();
    const int y = pos.y();
    const bool left = x >= 1 && x <= kEdgeBand;
    const bool top = y >= 1 && y <= kEdgeBand;
    const bool right = x >= size.width() - kEdgeBand && x <= size.width() - 1;
    const bool bottom = y >= size.height() - kEdgeBand && y <= size.height() - 1;
    if (bottom && right)
        return EdgeHit{DragMode::BottomRight, Qt::SizeFDiagCursor};
    if (right && top)
        return EdgeHit{DragMode::TopRight, Qt::SizeBDiagCursor};
    if (right)
        return EdgeHit{DragMode::RightEdge, Qt::SizeHorCursor};
    if (left && top)
        return EdgeHit{DragMode::TopLeft, Qt::SizeFDiagCursor};
    if (left && bottom)
        return EdgeHit{DragMode::BottomLeft, Qt::SizeBDiagCursor};
    if (left)
        return EdgeHit{DragMode::LeftEdge, Qt::SizeHorCursor};
    if (top)
        return EdgeHit{DragMode::TopEdge, Qt::SizeVerCursor};
    if (bottom)
        return EdgeHit{DragMode::BottomEdge, Qt::SizeVerCursor};
    return std::nullopt;
}

std::optional<QRect> edgeDragGeometry(DragMode dragMode, const QRect &pressFrame, const QPoint &pressGlobal,
                                      const QPoint &global, bool fullScreen)
{
    const QPoint moved = global - pressGlobal;
    int left = pressFrame.x();
    int top = pressFrame.y();
    int width = pressFrame.width();
    int height = pressFrame.height();
    const bool movesLeft =
        dragMode == DragMode::TopLeft || dragMode == DragMode::BottomLeft || dragMode == DragMode::LeftEdge;
    const bool movesTop =
        dragMode == DragMode::TopLeft || dragMode == DragMode::TopRight || dragMode == DragMode::TopEdge;
    const bool movesRight = dragMode == DragMode::TopRight || dragMode == DragMode::BottomRight ||
                            dragMode == DragMode::RightEdge;
    const bool movesBottom = dragMode == DragMode::BottomLeft || dragMode == DragMode::BottomRight ||
                             dragMode == DragMode::BottomEdge;

    // Edges that move the window stay put in full screen; the bottom-right ones only resize.
    if (fullScreen && (movesLeft || movesTop))
        return std::nullopt;
    if (movesLeft) {
        left += moved.x();
        width -= moved.x();
    }
    if (movesTop) {
        top += moved.y();
        height -= moved.y();
    }
    if (movesRight)
        width += moved.x();
    if (movesBottom)
        height += moved.y();

    // The right edge and the bottom-right corner need more than the minimum, all others at least it.
    const bool strict = dragMode == DragMode::RightEdge || dragMode == DragMode::BottomRight;
    auto enough = [strict](int side) { return strict ? side > kMinimumSide : side >= kMinimumSide; };
    if ((movesLeft || movesRight) && !enough(width))
        return std::nullopt;
    if ((movesTop || movesBottom) && !enough(height))
        return std::nullopt;
    return QRect(left, top, width, height);
}

std::optional<QSize> shiftDragSize(const QSize &pressSize, const QPoint &pressGlobal, const QPoint &global)
{
    const QSize size(pressSize.width() + global.x() - pressGlobal.x(),
                     pressSize.height() + global.y() - pressGlobal.y());
    if (size.width() > kMinimumSide && size.height() > kMinimumSide)
        return size;
    return std::nullopt;
}

double wheelScaleFactor(int accumulated)
{
    const int v = accumulated > 99 ? accumulated / 10 : accumulated;
    return qMax(1.0 + v / 100.0, kSmallestScaleFactor);
}

QRect grownFrame(const QRect &frame, int v)
{
    // Each side grows by v about the centre; a shrink stops at the minimum (and never makes a smaller
    // window larger), staying centred as far as whole pixels allow. The position is never clamped.
    auto grownAxis = [v](int start, int length) {
        int grown = length + 2 * v;
        if (v < 0 && grown < kMinimumSide)
            grown = qMin(length, kMinimumSide);
        return std::pair{start - (grown - length) / 2, grown};
    };
    const auto [x, width] = grownAxis(frame.x(), frame.width());
    const auto [y, height] = grownAxis(frame.y(), frame.height());
    return {x, y, width, height};
}

} // namespace PointerRules
