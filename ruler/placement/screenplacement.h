// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "prefs/panelside.h"

#include <QList>
#include <QRect>

// Where ruler windows and the information panel stand relative to the screens.
namespace ScreenPlacement {

// A restored window that meets no screen of today's desktop (a monitor was unplugged) would be
// unreachable: such a window goes to the top-left of the primary screen, keeping its size unless it
// is larger than that screen. Any window that meets a screen, even partly off-screen, stays as it is.
QRect reachableGeometry(const QRect &saved, const QList<QRect> &screens, const QRect &primary);

// The number of the screen that holds the window: the one under its centre, else the one it overlaps
// most, else the first.
int screenIndexFor(const QRect &window, const QList<QRect> &screens);

// A window within `distance` pixels of a screen edge jumps flush to it (left and top edges first).
QPoint snapped(const QRect &window, const QRect &screen, int distance);

// The window kept inside the screen: never wider or higher than it, moved back in where it sticks out.
QRect locked(const QRect &window, const QRect &screen);

// The side as the preferences keep it: 1 is the left, anything else the right.
inline PanelSide panelSideFromStored(int stored)
{
    return stored == int(PanelSide::Left) ? PanelSide::Left : PanelSide::Right;
}

// Top-left of the information panel beside the window (`gap` pixels away) on the preferred side, or on
// the other side where the preferred one would leave the screen. The panel always stays on the screen:
// where neither side has room it overlaps the window's edge on the preferred side, and it moves up or
// down as far as needed to show whole (a panel larger than the screen keeps its top-left corner on it).
// An empty screen rectangle (no screen known) checks nothing.
QPoint panelPosition(const QRect &window, const QSize &panel, const QRect &screen, PanelSide side, int gap);

} // namespace ScreenPlacement
