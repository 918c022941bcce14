// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "prefs/ppicalculator.h"

#include <cmath>

namespace PpiCalculator {

std::optional<double> pixelsPerInch(int width, int height, double diagonalInches)
{
    if (width == 0 || height == 0 || diagonalInches == 0.0)
        return std::nullopt;
    return std::hypot(double(width), double(height)) / diagonalInches;
}

} // namespace PpiCalculator
