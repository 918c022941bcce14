// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <optional>
#include <string_view>

// The figure kinds: what figure creation receives and what every per-kind rule of the model, its
// drawing and its readings tests. The settings file holds a kind by its stored name (below), never
// by its number, so that the enum's order may change.
enum class FigureKind
{
    // Centre-anchored: point 0 is the figure's centre.
    CentredEllipse,
    CentredCircle,
    CentredRectangle,
    CentredSquare,
    CentredRhombus,
    CentredIsoscelesTriangle,
    CentredRightTriangle,
    // A request only: creation turns it into a CornerRectangle carrying the flying-ruler flag.
    FlyingRuler,
    // Corner-anchored: point 0 is the top-left corner of the unrotated figure.
    CornerRectangle,
    CornerSquare,
    CornerRhombus,
    CornerIsoscelesTriangle,
    CornerRightTriangle,
    CornerEllipse,
    CornerCircle,
};

bool isCornerKind(FigureKind kind);
bool isCentreKind(FigureKind kind);

// The same shape with the other placement; none for the flying-ruler request.
std::optional<FigureKind> placementPartner(FigureKind kind);

// Squares and circles have a single extent: only the anchor and the width handle are control points.
bool hasSingleExtent(FigureKind kind);

// The name a kind is stored under ("cornerRectangle", "centredCircle", "flyingRuler"...), and back;
// none for a name that is no kind's.
const char *storedKindName(FigureKind kind);
std::optional<FigureKind> kindFromStoredName(std::string_view name);
