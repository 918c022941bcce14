// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

// Rounding shared by the figure model, its readings and its drawing.
namespace FigureMath {

// Screen coordinates never go beyond this, however far a figure is scaled or moved, so every
// conversion to int stays defined.
inline constexpr double kMaxPixel = 4.0e6;

// Nearest integer with halves upward (-249.5 gives -249), as the model's rounding of points.
double roundHalfUp(double value);

// roundHalfUp as an int clamped to +-kMaxPixel; a value that is not a number gives 0.
int toPixel(double value);

} // namespace FigureMath
