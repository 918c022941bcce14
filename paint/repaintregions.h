// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QSize>

// What the pointer can change of a ruler's drawing without changing its state otherwise: the "menu"
// text's underline, the guides with their labels, and the guide spacings written beside the pointer.
struct PointerVisuals
{
    bool menuHovered = false;
    // The guides as drawn: empty while the guides are hidden.
    QList<int> horizontalGuides;
    QList<int> verticalGuides;
    bool guideSpacing = false;
    int spacingX = 0; // the pointer's column, beside which the spacings stand while they are shown

    bool operator==(const PointerVisuals &other) const;
    bool operator!=(const PointerVisuals &other) const { return !(*this == other); }
};

// Where a ruler window must be painted again after the pointer changed what it shows, with no widget
// inside. Each part of the drawing that can change has a region that holds all its pixels, in window
// coordinates, whichever corner the scales start from: a guide's is the band along its line that also
// holds its label, the spacings' is the column beside the pointer. A change that leaves the drawing as
// it was gives an empty region: nothing is painted.
namespace RepaintRegions {

QRect menuText(int windowWidth);
QRect horizontalGuide(int y, QSize window);
QRect verticalGuide(int x, QSize window);
QRect guideSpacing(int pointerX, QSize window);

// What differs between the drawing before and after, as the union of the regions of its parts.
QRegion changed(const PointerVisuals &before, const PointerVisuals &after, QSize window);

} // namespace RepaintRegions
