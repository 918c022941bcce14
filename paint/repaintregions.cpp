// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "paint/repaintregions.h"
#include "render/menutext.h"


#include <algorithm>

namespace {
// A guide's label stands within this many pixels above or below a horizontal line, and within this many
// left or right of a vertical one, whichever corner the scales start from.
constexpr int kHorizontalLabelReach = 24;
constexpr int kVerticalLabelReach = 120;
// The "menu" text and its underline, around its baseline start.
constexpr QMargins kMenuTextReach(2, 14, 60, 6);
// The guide spacings start right of the pointer and are no wider than this.
constexpr int kSpacingWidth = 200;

// The positions that only one of the two lists holds, as often as it holds them more.
QList<int> movedGuides(QList<int> before, QList<int> after)
{
    std::sort(before.begin(), before.end());
    std::sort(after.begin(), after.end());
    QList<int> moved;
    std::set_symmetric_difference(before.cbegin(), before.cend(), after.cbegin(), after.cend(),
                                  std::back_inserter(moved));
    return moved;
}
} // namespace

bool PointerVisuals::operator==(const PointerVisuals &other) const
{
    return menuHovered == other.menuHovered && horizontalGuides == other.horizontalGuides
        && verticalGuides == other.verticalGuides && guideSpacing == other.guideSpacing
        && (!guideSpacing || spacingX == other.spacingX);
}

namespace RepaintRegions {

QRect menuText(int windowWidth)
{
    const QPoint baseline = MenuText::baseline(windowWidth);
    return QRect(baseline, QSize(0, 0)).marginsAdded(kMenuTextReach);
}

QRect horizontalGuide(int y, QSize window)
{
    return QRect(0, y - kHorizontalLabelReach, window.width(), 2 * kHorizontalLabelReach + 1);
}

QRect verticalGuide(int x, QSize window)
{
    return QRect(x - kVerticalLabelReach, 0, 2 * kVerticalLabelReach + 1, window.height());
}

QRect guideSpacing(int pointerX, QSize window)
{
    return QRect(pointerX, 0, kSpacingWidth, window.height());
}

QRegion changed(const PointerVisuals &before, const PointerVisuals &after, QSize window)
{
    if (before == after)
        return {};
    QRegion region;
    if (before.menuHovered != after.menuHovered)
        region += menuText(window.width());
    for (int y : movedGuides(before.horizontalGuides, after.horizontalGuides))
        region += horizontalGuide(y, window);
    for (int x : movedGuides(before.verticalGuides, after.verticalGuides))
        region += verticalGuide(x, window);
    // The spacings are measured between the horizontal guides: any change of those moves them too.
    const bool spacingsMoved = before.guideSpacing != after.guideSpacing
        || (after.guideSpacing
            && (before.spacingX != after.spacingX || before.horizontalGuides != after.horizontalGuides));
    if (spacingsMoved) {
        if (before.guideSpacing)
            region += guideSpacing(before.spacingX, window);
        if (after.guideSpacing)
            region += guideSpacing(after.spacingX, window);
    }
    return region & QRect(QPoint(0, 0), window);
}

} // namespace RepaintRegions
