// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/placement/positionlimits.h"

#include <algorithm>

PositionLimits PositionLimits::forDisplay(const QRect &display, const QRect &desktop)
{
    // The edges are the display's own, so a window on a second display (or one left of the primary,
    // at negative x) keeps its place instead of being pulled onto the first display.
    PositionLimits limits;
    limits.leftMinimum = display.x();
    limits.topMinimum = display.y();
    // A display smaller than the margin still gives a valid range of one value.
    limits.leftMaximum = std::max(display.x(), display.x() + display.width() - kVisibleMargin);
    limits.topMaximum = std::max(display.y(), display.y() + display.height() - kVisibleMargin);
    const QRect bounds = desktop.isEmpty() ? display : desktop;
    limits.widthMaximum = std::max(limits.sizeMinimum, bounds.width());
    limits.heightMaximum = std::max(limits.sizeMinimum, bounds.height());
    return limits;
}
