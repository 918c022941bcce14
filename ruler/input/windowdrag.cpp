// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/input/windowdrag.h"

#include <chrono>

namespace {
qint64 steadyMilliseconds()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
} // namespace

WindowDrag::WindowDrag(Targets targets, Move move) : m_targets(std::move(targets)), m_move(std::move(move))
{
    m_timer.setSingleShot(true);
    m_timer.callOnTimeout([this] { moveWaiting(); });
}

void WindowDrag::begin()
{
    forgetSnapTargets();
    m_timer.stop();
    m_pacer.reset();
    m_pacer.setFrameMs(0);
}

void WindowDrag::offer(const QPoint &topLeft)
{
    m_moving = true;
    const qint64 now = steadyMilliseconds();
    if (const std::optional<QPoint> place = m_pacer.offer(topLeft, now))
        m_pacer.setFrameMs(m_move(*place));
    else if (!m_timer.isActive())
        m_timer.start(m_pacer.due(now));
}

void WindowDrag::moveWaiting()
{
    if (const std::optional<QPoint> place = m_pacer.takeWaiting(steadyMilliseconds()))
        m_pacer.setFrameMs(m_move(*place));
}

void WindowDrag::end()
{
    m_timer.stop();
    moveWaiting();
    m_moving = false;
}

const QList<QRect> &WindowDrag::snapTargets()
{
    if (!m_snapTargets)
        m_snapTargets = m_targets();
    return *m_snapTargets;
}
