// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "figure/figurekind.h"

// The seven shapes in the menu's order, anchored at a corner and centred.
inline constexpr FigureKind kCornerKinds[] = {
    FigureKind::CornerRectangle,     FigureKind::CornerSquare,
    FigureKind::CornerRhombus,       FigureKind::CornerIsoscelesTriangle,
    FigureKind::CornerRightTriangle, FigureKind::CornerCircle,
    FigureKind::CornerEllipse};
inline constexpr FigureKind kCentredKinds[] = {
    FigureKind::CentredRectangle,     FigureKind::CentredSquare,
    FigureKind::CentredRhombus,       FigureKind::CentredIsoscelesTriangle,
    FigureKind::CentredRightTriangle, FigureKind::CentredCircle,
    FigureKind::CentredEllipse};
