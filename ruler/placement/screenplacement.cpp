// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/placement/screenplacement.h"

#include <algorithm>
#include <limits>

namespace ScreenPlacement {

QRect reachableGeometry(const QRect &saved, const QList<QRect> &screens, const QRect &primary)
{
    for (const QRect &screen : screens) {
        if (screen.intersects(saved))
            return saved;
    }
    if (primary.isEmpty())
        return saved;
    const QSize size = saved.size().boundedTo(primary.size());
    return QRect(primary.topLeft(), size);
}

int screenIndexFor(const QRect &window, const QList<QRect> &screens)
{
    for (int i = 0; i < screens.size(); ++i) {
        if (screens.at(i).contains(window.center()))
            return i;
    }
    int best = 0;
    qint64 bestArea = 0;
    for (int i = 0; i < screens.size(); ++i) {
        const QRect common = screens.at(i).intersected(window);
        const qint64 area = qint64(common.width()) * common.height();
        if (area > bestArea) {
            bestArea = area;
            best = i;
        }
    }
    return best;
}

namespace {

// One axis of snapping: position p of a window of length w on a screen from start s of length sw.
int snapAxis(int p, int w, int s, int sw, int d)
{
    if (s - d <= p && p <= s + d)
        return s;
    const int end = p + w;
    if (s + sw - d <= end && end <= s + sw + d)
        return s + sw - w;
    return p;
}

// One axis of locking: returns the new position and, through `length`, the new length.
int lockAxis(int p, int &length, int s, int sw)
{
    if (length >= sw) {
        length = sw;
        return s;
    }
    if (p < s)
        return s;
    if (p + length > s + sw)
        return s + sw - length;
    return p;
}

} // namespace

QPoint snapped(const QRect &window, const QRect &screen, int distance)
{
    return {snapAxis(window.x(), window.width(), screen.x(), screen.width(), distance),
            snapAxis(window.y(), window.height(), screen.y(), screen.height(), distance)};
}

QRect locked(const QRect &window, const QRect &screen)
{
    int width = window.width();
    int height = window.height();
    const int x = lockAxis(window.x(), width, screen.x(), screen.width());
    const int y = lockAxis(window.y(), height, screen.y(), screen.height());
    return {x, y, width, height};
}

namespace {

// start clamped into [low, high - length]; where the length does not fit, low wins.
qint64 keptInside(qint64 start, qint64 length, qint64 low, qint64 high)
{
    return std::max(low, std::min(start, high - length));
}

int toInt(qint64 value)
{
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

} // namespace

QPoint panelPosition(const QRect &window, const QSize &panel, const QRect &screen, PanelSide side, int gap)
{
    const qint64 right = qint64(window.x()) + window.width() + gap;
    const qint64 left = qint64(window.x()) - gap - panel.width();
    if (screen.isEmpty())
        return {toInt(side == PanelSide::Right ? right : left), window.y()};

    const qint64 screenLeft = screen.x();
    const qint64 screenRight = screenLeft + screen.width();
    const auto fits = [&](qint64 x) { return x >= screenLeft && x + panel.width() <= screenRight; };
    const bool fitsRight = fits(right);
    const bool fitsLeft = fits(left);
    const qint64 preferred = side == PanelSide::Right ? right : left;
    qint64 x = preferred;
    if (!(side == PanelSide::Right ? fitsRight : fitsLeft)) {
        if (side == PanelSide::Right ? fitsLeft : fitsRight)
            x = side == PanelSide::Right ? left : right;
        else // no room on either side: over the ruler's edge, on the screen
            x = keptInside(preferred, panel.width(), screenLeft, screenRight);
    }
    const qint64 y = keptInside(window.y(), panel.height(), screen.y(), qint64(screen.y()) + screen.height());
    return {toInt(x), toInt(y)};
}

} // namespace ScreenPlacement
