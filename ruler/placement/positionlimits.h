// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "ruler/placement/geometryrule.h"

#include <QRect>

// The ranges of the "Position/Size" boxes for the display that holds the window, following the
// geometry rule. Left and Top reach from the display's own edge to a grabbable piece before its far
// edge, so a typed position always leaves a piece of the window on that display to grab; width and
// height reach from the pointer's minimum to the size of the whole desktop.
struct PositionLimits
{
    static constexpr int kVisibleMargin = GeometryRule::kGrabbable;

    int leftMinimum = 0;
    int leftMaximum = 0;
    int topMinimum = 0;
    int topMaximum = 0;
    int sizeMinimum = GeometryRule::kMinimumSide;
    int widthMaximum = GeometryRule::kMinimumSide;
    int heightMaximum = GeometryRule::kMinimumSide;

    static PositionLimits forDisplay(const QRect &display, const QRect &desktop);
};
