// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "figure/figureangle.h"

#include <array>
#include <cmath>

namespace FigureAngle {

namespace {

constexpr double kFullTurn = 360.0;
constexpr double kDegreesPerRadian = 57.29577951308232;

struct SnapWindow
{
    double low;
    double high;
    double result;
};

constexpr std::array<SnapWindow, 8> kSnapWindows{{
    {-22.5, 22.5, 0},
    {22.5, 67.5, 45},
    {67.5, 112.5, 90},
    {112.5, 157.5, 135},
    {157.5, 202.5, 180},
    {202.5, 247.5, 225},
    {247.5, 292.5, 270},
    {292.5, 337.5, 315},
}};
constexpr double kSnapToZeroAbove = 327.5;
constexpr double kWholeDegreeLimit = 359.0;
constexpr double kFineSnapToZeroAbove = 359.5;

} // namespace

double normalised(double degrees)
{
    if (!std::isfinite(degrees))
        return 0;
    // fmod instead of a single subtraction so that a large wheel turn cannot leave the range.
    double result = std::fmod(degrees, kFullTurn);
    if (result < 0)
        result += kFullTurn;
    if (result >= kFullTurn || result == 0)
        result = 0; // also turns -0 into 0
    return result;
}

double snappedTo45(double degrees)
{
    for (const SnapWindow &window : kSnapWindows) {
        if (window.low < degrees && degrees < window.high)
            degrees = window.result;
    }
    if (degrees > kSnapToZeroAbove)
        degrees = 0;
    return degrees;
}

double snappedToWhole(double degrees)
{
    const double whole = std::floor(degrees + 0.5);
    if (whole >= 0 && whole <= kWholeDegreeLimit && whole - 0.5 < degrees && degrees < whole + 0.5)
        degrees = whole;
    if (degrees > kFineSnapToZeroAbove)
        degrees = 0;
    return degrees;
}

double direction(QPointF from, QPointF to)
{
    const double degrees = std::atan2(to.y() - from.y(), to.x() - from.x()) * kDegreesPerRadian;
    return normalised(degrees);
}

} // namespace FigureAngle
