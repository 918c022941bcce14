// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/input/movepacer.h"

#include <cmath>
#include <algorithm>
#include <utility>

int MovePacer::frameFor(qreal hertz)
{
    if (!(hertz >= 1.0))
        return kDefaultFrameMs;
    // Rounded down: a frame never waits past the screen's own.
    return std::max(1, int(std::floor(1000.0 / hertz)));
}

std::optional<QPoint> MovePacer::offer(const QPoint &topLeft, qint64 now)
{
    if (!m_lastMove || now - *m_lastMove >= m_frameMs || now < *m_lastMove) {
        m_waiting.reset();
        m_lastMove = now;
        return topLeft;
    }
    m_waiting = topLeft;
    return std::nullopt;
}

int MovePacer::due(qint64 now) const
{
    if (!m_lastMove)
        return 0;
    return int(std::clamp<qint64>(*m_lastMove + m_frameMs - now, 0, m_frameMs));
}

std::optional<QPoint> MovePacer::takeWaiting(qint64 now)
{
    std::optional<QPoint> waiting = std::exchange(m_waiting, std::nullopt);
    if (waiting)
        m_lastMove = now;
    return waiting;
}

void MovePacer::reset()
{
    m_lastMove.reset();
    m_waiting.reset();
}
