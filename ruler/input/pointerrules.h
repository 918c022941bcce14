// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QPoint>
#include <QRect>
#include <Qt>
#include <optional>

// The arithmetic of pointer and wheel handling on a ruler window: which band or guide is under the
// pointer, how an edge drag resizes the window, and what a wheel turn does to the window and figure.
namespace PointerRules {

inline constexpr int kEdgeBand = 4;        // width of the resize bands along the four edges
inline constexpr int kGuideHoverReach = 3; // a guide is hovered strictly closer than this
inline constexpr int kGuideGrabReach = 2;  // and grabbed this close or closer
inline constexpr int kGuideBandStart = 10; // ticker guide bands: start < c <= end
inline constexpr int kGuideBandEnd = 29;
inline constexpr int kControlPointReach = 9; // half the box around a figure control point
inline constexpr int kMinimumSide = 20;

// What a drag with the left button does, chosen by hovering: move the window or the figure (the
// body), resize by an edge or corner, or drag one of the figure's handles.
enum class DragMode
{
    Body = 0,
    TopLeft = 1,
    TopRight = 2,
    BottomLeft = 3,
    BottomRight = 4,
    LeftEdge = 5,
    RightEdge = 6,
    TopEdge = 7,
    BottomEdge = 8,
    ControlPoint = 10
};

struct EdgeHit
{
    DragMode mode;
    Qt::CursorShape cursor;
};

// The edge or corner band under the pointer. Row 0 and column 0 belong to no band.
std::optional<EdgeHit> edgeAt(const QPoint &pos, const QSize &size);

inline bool inGuideBand(int coordinate)
{
    return kGuideBandStart < coordinate && coordinate <= kGuideBandEnd;
}
inline bool hoversGuide(int guide, int coordinate)
{
    return guide - kGuideHoverReach < coordinate && coordinate < guide + kGuideHoverReach;
}
inline bool grabsGuide(int guide, int coordinate)
{
    return qAbs(coordinate - guide) <= kGuideGrabReach;
}
inline bool inTopLeftSquare(const QPoint &pos)
{
    return pos.x() >= 5 && pos.x() <= 30 && pos.y() >= 5 && pos.y() <= 30;
}
inline bool nearControlPoint(const QPoint &point, const QPoint &pos)
{
    return qAbs(pos.x() - point.x()) <= kControlPointReach && qAbs(pos.y() - point.y()) <= kControlPointReach;
}

// The window's new frame geometry for a drag of an edge or corner, or nothing when the step is
// ignored (below the minimum size, or an edge that moves the window while in full screen).
// `pressFrame` is the frame at the press, `pressGlobal` the pointer there, `global` the pointer now.
std::optional<QRect> edgeDragGeometry(DragMode dragMode, const QRect &pressFrame, const QPoint &pressGlobal,
                                      const QPoint &global, bool fullScreen);

// The size for a Shift-drag from the bottom-right, or nothing below the minimum.
std::optional<QSize> shiftDragSize(const QSize &pressSize, const QPoint &pressGlobal, const QPoint &global);

// The figure's scale factor for an accumulated wheel value, never zero or negative.
double wheelScaleFactor(int accumulated);
// The frame grown by v on every side, in place: wherever it stands, a negative position included.
// Shrinking stops at the minimum size.
QRect grownFrame(const QRect &frame, int v);

} // namespace PointerRules
