// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "screenplacement.h"

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

QPoint panelPosition(const QRect &window, const QSize &panel, const QRect &screen, PanelSide side, int gap)
{
    const int right = window.x() + window.width() + gap;
    const int left = window.x() - gap - panel.width();
    int x = 0;
    if (side == PanelSide::Right)
        x = right + panel.width() > screen.x() + screen.width() ? left : right;
    else
        x = left < screen.x() ? right : left;
    return {x, window.y()};
}

} // namespace ScreenPlacement
