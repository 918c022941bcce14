// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "ruler/input/movepacer.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QTimer>
#include <functional>
#include <optional>

// A pointer drag of a window (by its body, or by the panel): a press begins one, each motion offers
// the window a place, at most once a frame where the desktop moves windows more cheaply than the
// toolkit (see MovePacer), and the release takes the window to the drag's last place.
//
// The other windows that a dragged window snaps to are asked for once per drag, at its first snap:
// asking the window system for them costs round trips, and during one drag they stay where they are.
class WindowDrag
{
public:
    // The other windows to snap to.
    using Targets = std::function<QList<QRect>()>;
    // Moves the window's top-left there; answers the frame (ms) to pace the next move at, 0 for none.
    using Move = std::function<int(const QPoint &topLeft)>;

    WindowDrag(Targets targets, Move move);

    void begin();
    // The pointer wants the window's top-left at `topLeft`, snapped already.
    void offer(const QPoint &topLeft);
    void end();
    // Whether a drag has moved the window since it began.
    bool moving() const { return m_moving; }

    const QList<QRect> &snapTargets();
    // A new drag, or a window that came back from elsewhere: the targets are asked for again.
    void forgetSnapTargets() { m_snapTargets.reset(); }

private:
    void moveWaiting();

    Targets m_targets;
    Move m_move;
    std::optional<QList<QRect>> m_snapTargets;
    bool m_moving = false;
    MovePacer m_pacer{0};
    QTimer m_timer;
};
