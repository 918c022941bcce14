// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

// The figure kinds. The codes are what figure creation receives and what every per-kind rule of the
// model, its drawing and its readings tests; no other values occur.
namespace FigureKind {

enum Code : int
{
    // Centre-anchored: point 0 is the figure's centre.
    S_Ellipse = 3,
    S_Circle = 4,
    S_Rectangle = 10,
    S_Square = 11,
    S_Rhombus = 12,
    S_IsoTriangle = 14,
    S_RightTriangle = 15,
    // A request only: creation turns it into an M_Rectangle carrying the flying-ruler flag.
    FlyingRuler = 8,
    // Corner-anchored: point 0 is the top-left corner of the unrotated figure.
    M_Rectangle = 17,
    M_Square = 18,
    M_Rhombus = 19,
    M_IsoTriangle = 20,
    M_RightTriangle = 21,
    M_Ellipse = 22,
    M_Circle = 23,
};

bool isCornerKind(int kind);
bool isCentreKind(int kind);

// The same shape with the other placement, or 0 for a code that has none.
int placementPartner(int kind);

// Squares and circles have a single extent: only the anchor and the width handle are control points.
bool hasSingleExtent(int kind);

} // namespace FigureKind
