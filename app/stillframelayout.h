// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the still frame puts its parts, apart from the window: the magnifier's lens beside the
// pointer and the banner that says what the user looks at.
namespace StillFrameLayout {

// Between the pointer and the lens, so that the lens never covers the pixel it magnifies.
inline constexpr int kLensGap = 24;
// Between the banner and the window's edge, and around its text.
inline constexpr int kBannerMargin = 8;

// The lens stands below and right of the pointer; where the window has no room there it goes to the
// other side (left, above), and a lens larger than the window keeps its top-left corner inside.
QRect lensRect(const QPoint &pointer, const QSize &lens, const QRect &window);

// The banner of `size` is centred at the top of the window, or at the bottom while the pointer stands
// within kLensGap of its place at the top.
QRect bannerRect(const QSize &size, const QRect &window, const QPoint &pointer);

} // namespace StillFrameLayout
