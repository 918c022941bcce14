// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// The arithmetic of the magnifier, apart from the window: which part of the screen it shows for a
// pointer position, zoom and window size, and where its pixel grid goes.
namespace MagnifierLayout {
inline constexpr int kMinimumZoom = 1;
inline constexpr int kMaximumZoom = 32;
// Grid lines closer together than this would hide the picture they are meant to divide.
inline constexpr int kMinimumGridSpacing = 4;

// A zoom read from a hand-edited settings file may be anything; the view needs 1 to 32.
int clampedZoom(int zoom);

struct View
{
    // The screen area shown, in global coordinates; each of its pixels becomes zoom × zoom view pixels
    // from the view's top-left corner.
    QRect source;
    // The view rectangle of the pixel under the pointer.
    QRect pointerCell;
};

// The area is centred on the pointer and as large as the view needs (a partly covered pixel at the
// right and bottom edges included); where it would stick out of the screen it is moved back inside,
// so the view never shows anything but screen pixels. It is never larger than the screen.
View layout(const QPoint &pointer, int zoom, const QSize &viewSize, const QRect &screen);

// Positions along one axis of the view where grid lines go: between every gridSize source pixels.
// None when the lines would stand closer than kMinimumGridSpacing or the grid size is not positive.
QList<int> gridLines(int viewLength, int zoom, int gridSize);
} // namespace MagnifierLayout
