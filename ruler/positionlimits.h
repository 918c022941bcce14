// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QRect>

// The ranges of the "Position/Size" boxes for the display that holds the window. Left and Top reach
// from the display's own edge to 5 pixels before its far edge, so a typed position always leaves a
// piece of the window on that display to grab; width and height take up to 9999 pixels.
struct PositionLimits
{
    static constexpr int kVisibleMargin = 5;
    static constexpr int kMaximumSize = 9999;

    int leftMinimum = 0;
    int leftMaximum = 0;
    int topMinimum = 0;
    int topMaximum = 0;
    int sizeMaximum = kMaximumSize;

    static PositionLimits forDisplay(const QRect &display);
};
