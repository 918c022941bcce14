// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/stillframelayout.h"

#include <algorithm>

namespace StillFrameLayout {
namespace {

// The start of a length `size` beside `at` along one axis: after it where it fits before `end`,
// otherwise before it, and never before `start`.
int besidePointer(int at, int size, int start, int end)
{
    const int after = at + kLensGap;
    if (after + size <= end)
        return after;
    return std::max(start, std::min(at - kLensGap - size + 1, end - size));
}

} // namespace

QRect lensRect(const QPoint &pointer, const QSize &lens, const QRect &window)
{
    const int x = besidePointer(pointer.x(), lens.width(), window.left(), window.right() + 1);
    const int y = besidePointer(pointer.y(), lens.height(), window.top(), window.bottom() + 1);
    return QRect(QPoint(x, y), lens);
}

QRect bannerRect(const QSize &size, const QRect &window, const QPoint &pointer)
{
    QRect banner(QPoint(window.left() + (window.width() - size.width()) / 2, window.top() + kBannerMargin),
                 size);
    if (banner.adjusted(-kLensGap, -kLensGap, kLensGap, kLensGap).contains(pointer))
        banner.moveBottom(window.bottom() - kBannerMargin);
    return banner;
}

} // namespace StillFrameLayout
