// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/input/wheelsteps.h"

#include <QtGlobal>

namespace {
// Bounds that keep the sums far from overflowing; no wheel or user comes near them.
constexpr int kLargestDelta = 1 << 20;
constexpr int kLargestAccumulated = 1 << 20;

int sign(int value)
{
    return (value > 0) - (value < 0);
}
} // namespace

int WheelSteps::turn(const QPoint &angleDelta)
{
    const int delta =
        qBound(-kLargestDelta, qAbs(angleDelta.y()) >= qAbs(angleDelta.x()) ? angleDelta.y() : angleDelta.x(),
               kLargestDelta);
    if (delta == 0)
        return 0;
    if (sign(m_partial) == -sign(delta))
        m_partial = 0;
    m_partial += delta;
    const int steps = m_partial / kUnitsPerStep;
    m_partial -= steps * kUnitsPerStep;
    if (steps == 0)
        return 0;

    // The direction is compared before adding: one notch back after one notch on must give a
    // step the other way, not the zero of their sum.
    if (sign(m_accumulated) == -sign(steps))
        m_accumulated = steps;
    else
        m_accumulated = qBound(-kLargestAccumulated, m_accumulated + steps, kLargestAccumulated);
    return m_accumulated;
}

void WheelSteps::reset()
{
    m_partial = 0;
    m_accumulated = 0;
}
