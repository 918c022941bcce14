// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "platform/desktop.h"
#include "ruler/input/pointerrules.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSet>

// Snapping a ruler's edges to the edges of other windows on the desktop (their frames: title bar and
// borders count), the arithmetic alone. Each axis is decided on its own:
// - An edge of the ruler snaps to another window's edge within `distance` pixels, inclusive, the way
//   a screen edge does: beside it (the ruler's left edge to the window's right edge, its right edge to
//   the window's left edge) or aligned with it (left to left, right to right); the same for top and
//   bottom.
// - A window only counts on an axis where it is in reach on the other axis: the two rectangles
//   overlap there or the gap between them is at most `distance`. A window far above the ruler does not
//   pull its left edge into line; one just above it does (so the ruler can stand on it, aligned).
// - The nearest candidate wins; on equal pull the earlier window in the list wins.
namespace WindowSnap {

// The frames to snap to, from the desktop's windows listed bottom to top: every window but the
// program's own (`own`), and none that the windows above it cover whole (the program's own windows
// cover nothing).
QList<QRect> targets(const QList<DesktopWindow> &stack, const QSet<WId> &own);

// The ids of the program's top-level windows that exist on the platform (rulers, the information
// panel, dialogs).
QSet<WId> programWindows();

// Where a dragged window lands, its top-left. The edges of `screen` snap as ScreenPlacement::snapped
// has it (the left or top edge before the right or bottom one); a window edge strictly nearer than
// that screen edge wins the axis, one at equal distance leaves it to the screen. A window already
// flush with a screen edge stays there.
QPoint moved(const QRect &window, const QRect &screen, const QList<QRect> &others, int distance);

// The frame of a window being resized by an edge or corner drag (`drag`, see PointerRules): only the
// sides that the drag moves snap, the others stay where they are. A snap that would make the window
// narrower or lower than `minimumSide` is not taken. Screen edges play no part here: resizing never
// snapped to them.
QRect resized(const QRect &window, PointerRules::DragMode drag, const QList<QRect> &others, int distance,
              int minimumSide);

} // namespace WindowSnap
