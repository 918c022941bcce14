// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

// The box around a point of a picture of the screen, found by walking from the point left, right, up
// and down to the nearest edge on each side.
//
// - Colours are compared by the largest difference of their red, green and blue (0–255); alpha is
//   ignored.
// - A walk keeps a reference colour, at first the colour at the start. It ends before the first pixel
//   that differs from the reference by more than the tolerance. Through slow changes — a step of at
//   most kGradientStep from one pixel to the next, and never more than the tolerance — the reference
//   follows the walk, so a gradient is no edge however far it runs, while a step beyond the tolerance
//   is one, and so is a soft edge that leaves the reference in a few larger steps.
// - The edge on a side is the last pixel still within the tolerance, and the picture's border is an
//   edge. So from any point inside a solid box of w × h pixels, the box found is exactly that box.
// - The walks read the scan lines directly; a picture in another format than RGB32 or (A)RGB32 is
//   converted first, which costs: convert it once with prepared().
namespace EdgeFinder {

inline constexpr int kMaxTolerance = 255;
inline constexpr int kGradientStep = 4;

// The largest difference of two colours' red, green and blue.
int colorDistance(QRgb a, QRgb b);

// The picture in a format that the walks read directly.
QImage prepared(const QImage &picture);

// The box of the pixels reached from `start` (the last pixel within the tolerance on each side, all
// included); a null rectangle when `start` lies outside the picture. The tolerance is taken within 0 and
// kMaxTolerance.
QRect findBox(const QImage &picture, QPoint start, int tolerance);

} // namespace EdgeFinder
