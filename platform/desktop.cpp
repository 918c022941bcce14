// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "platform/desktop.h"

#include "platform/placementcheck.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

void Desktop::notePlacement(const QRect &asked, const QRect &reported)
{
    QList<QRect> freeAreas;
    for (const QScreen *screen : QGuiApplication::screens())
        freeAreas.append(screen->availableGeometry());
    if (PlacementCheck::verdict(asked, reported, freeAreas) == PlacementCheck::Verdict::PlacedElsewhere)
        setHonoursOwnPlacement(false);
}

std::optional<QPoint> Desktop::windowPosition(QWindow *window)
{
    if (!window || !toolkitKnowsPositions())
        return std::nullopt;
    return window->position();
}

void Desktop::setHonoursOwnPlacement(bool honoured)
{
    if (honoured == m_honoursPlacement)
        return;
    m_honoursPlacement = honoured;
    Q_EMIT placementHonouredChanged(honoured);
}

void Desktop::noteDisplayScale(qreal scale)
{
    if (!(scale > 0) || qFuzzyCompare(scale, m_displayScale))
        return;
    m_displayScale = scale;
    Q_EMIT displayScaleChanged(scale);
}
