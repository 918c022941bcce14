// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QPointF>

// Figure angles are degrees turning clockwise on the y-down screen.
namespace FigureAngle {

// Into 0 up to 360 (360 itself becomes 0); a value that is not a number becomes 0.
double normalised(double degrees);

// The 45-degree snap while Shift drags: each window is open, so a value exactly on a bound
// (22.5, 67.5, ...) keeps its value, and anything above 327.5 left after the windows becomes 0.
double snappedTo45(double degrees);

// The fine snap while Shift and Control (or Alt) drag: to the whole degree when strictly within half a
// degree of it, and above 359.5 to 0.
double snappedToWhole(double degrees);

// Direction of the line from one point to another, measured clockwise from +x, in 0 up to 360.
double direction(QPointF from, QPointF to);

} // namespace FigureAngle
