// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QPoint>
#include <QtGlobal>
#include <optional>

// A window dragged by the pointer need not move more often than the screen shows a new frame: a mouse
// reports up to a thousand places a second, and each move costs the window system (and the window
// manager, which hears of it) far more than it costs the program. The pacer lets a move out at once
// when the last one is at least a frame ago; a move that comes sooner waits, replaced by any later
// one, until its frame is due or the drag ends. The last place of a drag is always reached.
//
// Times are in milliseconds of any steady clock; the pacer only compares them.
class MovePacer
{
public:
    explicit MovePacer(int frameMs = kDefaultFrameMs) : m_frameMs(frameMs) {}

    // One frame at 60 Hz, where the screen does not tell its rate.
    static constexpr int kDefaultFrameMs = 16;
    // The frame for a screen refreshing `hertz` times a second (any rate below 1 Hz counts as 60 Hz).
    static int frameFor(qreal hertz);

    void setFrameMs(int frameMs) { m_frameMs = frameMs; }

    // The pointer wants the window at `topLeft` at time `now`. Returns the place to move to now, or
    // nothing: the place then waits (see due()).
    std::optional<QPoint> offer(const QPoint &topLeft, qint64 now);

    // Whether a place waits, and in how many milliseconds from `now` its frame is due (0: now).
    bool hasWaiting() const { return m_waiting.has_value(); }
    int due(qint64 now) const;

    // The waiting place, taken (when its frame is due, or at the end of the drag, whichever first).
    std::optional<QPoint> takeWaiting(qint64 now);

    // A new drag: the next offer goes out at once.
    void reset();

private:
    int m_frameMs;
    std::optional<qint64> m_lastMove;
    std::optional<QPoint> m_waiting;
};
