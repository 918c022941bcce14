// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "render/menutext.h"

namespace MenuText {

namespace {
// The baseline starts this far left of the right edge and this far down; the zone over the text is
// as high as the text and ends before its last letter.
constexpr int kFromRight = 108;
constexpr int kBaseline = 55;
constexpr int kZoneHeight = 10;
constexpr int kZoneWidth = 28;
} // namespace

QPoint baseline(int width)
{
    return {width - kFromRight, kBaseline};
}

bool inZone(const QPoint &pos, int width)
{
    const QPoint text = baseline(width);
    return pos.y() > text.y() - kZoneHeight && pos.y() <= text.y() && pos.x() > text.x() &&
           pos.x() < text.x() + kZoneWidth;
}

QPoint popupPoint(const QRect &frame)
{
    return {frame.right() - kFromRight + 1, frame.top() + kBaseline};
}

} // namespace MenuText
