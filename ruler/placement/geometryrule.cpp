// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/placement/geometryrule.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <limits>

namespace GeometryRule {

namespace {
const QRect kEmptyStoreGeometry(0, 0, kDefaultWidth, kDefaultHeight);

// The position on one axis nearest to p at which at least `grab` of `length` lies within the
// screen's extent from `start`.
qint64 reachableAxis(qint64 p, qint64 length, qint64 grab, qint64 start, qint64 extent)
{
    const qint64 lowest = start + grab - length;
    const qint64 highest = std::max(lowest, start + extent - grab);
    return std::min(std::max(p, lowest), highest);
}

qint64 clampedSide(qint64 side, qint64 largest)
{
    return std::min(std::max<qint64>(side, kMinimumSide), std::max<qint64>(largest, kMinimumSide));
}

} // namespace

Wanted Wanted::of(const QRect &rect)
{
    // left/right/top/bottom are the stored corners; width() and height() would sum them in int.
    return {rect.left(), rect.top(), qint64(rect.right()) - rect.left() + 1,
            qint64(rect.bottom()) - rect.top() + 1};
}

QRect desktopBounds(const QList<QRect> &screens)
{
    QRect bounds;
    for (const QRect &screen : screens)
        bounds = bounds.united(screen);
    return bounds.isEmpty() ? kEmptyStoreGeometry : bounds;
}

QRect fitted(const Wanted &wanted, const QList<QRect> &screens)
{
    const QList<QRect> areas = screens.isEmpty() ? QList<QRect>{kEmptyStoreGeometry} : screens;
    const QRect bounds = desktopBounds(areas);
    const qint64 width = clampedSide(wanted.width, bounds.width());
    const qint64 height = clampedSide(wanted.height, bounds.height());
    const qint64 grabWidth = std::min<qint64>(kGrabbable, width);
    const qint64 grabHeight = std::min<qint64>(kGrabbable, height);

    // The nearest place with a grabbable piece on some screen; the wanted place itself where it has one.
    qint64 bestX = 0;
    qint64 bestY = 0;
    qint64 bestDistance = std::numeric_limits<qint64>::max();
    for (const QRect &screen : areas) {
        const qint64 x = reachableAxis(wanted.x, width, grabWidth, screen.x(), screen.width());
        const qint64 y = reachableAxis(wanted.y, height, grabHeight, screen.y(), screen.height());
        const qint64 distance = std::llabs(x - wanted.x) + std::llabs(y - wanted.y);
        if (distance < bestDistance) {
            bestDistance = distance;
            bestX = x;
            bestY = y;
        }
    }
    return {int(bestX), int(bestY), int(width), int(height)};
}

namespace {
// A stored rectangle of at least the minimum size, or nothing.
std::optional<Wanted> storedRect(const QVariant &stored)
{
    if (stored.metaType().id() != QMetaType::QRect)
        return std::nullopt;
    const Wanted wanted = Wanted::of(stored.toRect());
    // No path of ours stores less than the minimum: a smaller value is damage, not a choice.
    if (wanted.width < kMinimumSide || wanted.height < kMinimumSide)
        return std::nullopt;
    return wanted;
}
} // namespace

QRect restored(const QVariant &stored, const QList<QRect> &screens)
{
    return fitted(storedRect(stored).value_or(Wanted::of(kEmptyStoreGeometry)), screens);
}

QSize storedSize(const QVariant &stored, const QSize &fallback)
{
    if (stored.metaType().id() != QMetaType::QSize)
        return fallback;
    const QSize size = stored.toSize();
    return size.width() > 0 && size.height() > 0 ? size : fallback;
}

QPoint storedPoint(const QVariant &stored, const QPoint &fallback)
{
    return stored.metaType().id() == QMetaType::QPoint ? stored.toPoint() : fallback;
}

QList<QRect> currentScreens()
{
    QList<QRect> rects;
    for (const QScreen *screen : QGuiApplication::screens())
        rects.append(screen->geometry());
    return rects;
}

} // namespace GeometryRule
