// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/placement/windowsnap.h"

#include "ruler/placement/screenplacement.h"

#include <QApplication>
#include <QRegion>
#include <QWidget>
#include <optional>

namespace WindowSnap {

QList<QRect> targets(const QList<DesktopWindow> &stack, const QSet<WId> &own)
{
    QList<QRect> found;
    QRegion above;
    for (auto window = stack.crbegin(); window != stack.crend(); ++window) {
        if (own.contains(window->id) || window->frame.isEmpty())
            continue;
        if (!QRegion(window->frame).subtracted(above).isEmpty())
            found.prepend(window->frame);
        above += window->frame;
    }
    return found;
}

QSet<WId> programWindows()
{
    QSet<WId> ids;
    for (const QWidget *widget : QApplication::topLevelWidgets()) {
        if (const WId id = widget->internalWinId())
            ids.insert(id);
    }
    return ids;
}

namespace {

// A rectangle's extent on one axis, from its first pixel to one past its last.
struct Span
{
    int start = 0;
    int end = 0;
};

Span along(const QRect &rect, Qt::Orientation axis)
{
    return axis == Qt::Horizontal ? Span{rect.x(), rect.x() + rect.width()}
                                  : Span{rect.y(), rect.y() + rect.height()};
}

Span across(const QRect &rect, Qt::Orientation axis)
{
    return along(rect, axis == Qt::Horizontal ? Qt::Vertical : Qt::Horizontal);
}

bool inReach(Span a, Span b, int distance)
{
    return b.start <= a.end + distance && a.start <= b.end + distance;
}

// Keeps the smaller of `best` and the shift from `edge` to `target`, where that is within the distance.
void keepNearer(std::optional<int> &best, int edge, int target, int distance)
{
    const int shift = target - edge;
    if (qAbs(shift) <= distance && (!best || qAbs(shift) < qAbs(*best)))
        best = shift;
}

// The smallest shift that puts the window's edge at `edge` (on `axis`) onto an edge of a window in reach.
std::optional<int> nearestShift(int edge, const QRect &window, const QList<QRect> &others,
                                Qt::Orientation axis, int distance)
{
    std::optional<int> best;
    for (const QRect &other : others) {
        if (!inReach(across(window, axis), across(other, axis), distance))
            continue;
        const Span target = along(other, axis);
        keepNearer(best, edge, target.start, distance);
        keepNearer(best, edge, target.end, distance);
    }
    return best;
}

// Where the dragged window starts on one axis: `byScreen` is where the screen edges put it.
int movedAxis(const QRect &window, const QRect &screen, int byScreen, const QList<QRect> &others,
              Qt::Orientation axis, int distance)
{
    const Span own = along(window, axis);
    std::optional<int> shift = nearestShift(own.start, window, others, axis, distance);
    const std::optional<int> endShift = nearestShift(own.end, window, others, axis, distance);
    if (endShift && (!shift || qAbs(*endShift) < qAbs(*shift)))
        shift = endShift;
    if (!shift)
        return byScreen;

    // A screen edge pulls when it moved the window or the window already stands flush with it.
    const Span edges = along(screen, axis);
    const bool screenPulls = byScreen != own.start || own.start == edges.start || own.end == edges.end;
    if (screenPulls && qAbs(byScreen - own.start) <= qAbs(*shift))
        return byScreen;
    return own.start + *shift;
}

// One moving side of a resized window: its new position, unless the snap leaves the window too small.
int resizedSide(int side, int oppositeSide, const QRect &window, const QList<QRect> &others,
                Qt::Orientation axis, int distance, int minimumSide)
{
    const std::optional<int> shift = nearestShift(side, window, others, axis, distance);
    if (!shift || qAbs(oppositeSide - (side + *shift)) < minimumSide)
        return side;
    return side + *shift;
}

struct Sides
{
    bool left = false;
    bool top = false;
    bool right = false;
    bool bottom = false;
};

Sides sidesMovedBy(PointerRules::DragMode drag)
{
    using DragMode = PointerRules::DragMode;
    Sides sides;
    sides.left = drag == DragMode::LeftEdge || drag == DragMode::TopLeft || drag == DragMode::BottomLeft;
    sides.right = drag == DragMode::RightEdge || drag == DragMode::TopRight || drag == DragMode::BottomRight;
    sides.top = drag == DragMode::TopEdge || drag == DragMode::TopLeft || drag == DragMode::TopRight;
    sides.bottom =
        drag == DragMode::BottomEdge || drag == DragMode::BottomLeft || drag == DragMode::BottomRight;
    return sides;
}

} // namespace

QPoint moved(const QRect &window, const QRect &screen, const QList<QRect> &others, int distance)
{
    const QPoint byScreen = ScreenPlacement::snapped(window, screen, distance);
    return {movedAxis(window, screen, byScreen.x(), others, Qt::Horizontal, distance),
            movedAxis(window, screen, byScreen.y(), others, Qt::Vertical, distance)};
}

QRect resized(const QRect &window, PointerRules::DragMode drag, const QList<QRect> &others, int distance,
              int minimumSide)
{
    const Sides moving = sidesMovedBy(drag);
    const Span x = along(window, Qt::Horizontal);
    const Span y = along(window, Qt::Vertical);
    int left = x.start;
    int right = x.end;
    int top = y.start;
    int bottom = y.end;
    if (moving.left)
        left = resizedSide(x.start, x.end, window, others, Qt::Horizontal, distance, minimumSide);
    if (moving.right)
        right = resizedSide(x.end, x.start, window, others, Qt::Horizontal, distance, minimumSide);
    if (moving.top)
        top = resizedSide(y.start, y.end, window, others, Qt::Vertical, distance, minimumSide);
    if (moving.bottom)
        bottom = resizedSide(y.end, y.start, window, others, Qt::Vertical, distance, minimumSide);
    return QRect(left, top, right - left, bottom - top);
}

} // namespace WindowSnap
