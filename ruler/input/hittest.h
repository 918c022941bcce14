// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "ruler/input/pointerrules.h"

#include <QList>
#include <QPoint>
#include <QSize>
#include <Qt>

// What the pointer is over on a ruler window. Targets overlap near the edges, and the order decides:
// a guide line, then the resize edges and corners, then the figure's control points, then the
// tickers' guide bands, then the body. Edges and handles come before the bands, which reach 29 pixels
// into the window: on a ruler 21 to 33 pixels wide or high the right and bottom edges lie inside a
// band, and a handle near the top or left edge sits on one, yet both must still be grabbed.
namespace HitTest {

enum class Target
{
    GuideLine,
    Edge,
    ControlPoint,
    GuideBand,
    Body
};

struct Scene
{
    QSize size;
    QList<QPoint> controlPoints; // the figure's handles, in window coordinates
    QList<int> verticalGuides;   // x of each vertical guide
    QList<int> horizontalGuides; // y of each horizontal guide
    bool guideLines = true;      // guides can be hovered
    bool guideBands = true;      // a press in a band drops a new guide
};

struct Hit
{
    Target target = Target::Body;
    PointerRules::DragMode dragMode = PointerRules::DragMode::Body; // an edge or corner, or ControlPoint
    int controlPoint = 0;                                           // which handle, for ControlPoint
    // For a band: the guide that a press drops there (in the square where the bands meet, a
    // horizontal one), while the cursor names the left band first.
    Qt::Orientation newGuide = Qt::Vertical;
    Qt::CursorShape cursor = Qt::ArrowCursor; // for every target but the body
};

Hit at(const QPoint &pos, const Scene &scene);

} // namespace HitTest
