// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <optional>

// The pixels-per-inch calculator of the display calibration.
namespace PpiCalculator {

inline constexpr double kCentimetresPerInch = 2.54;

// Pixels along the screen's diagonal per inch of diagonal; nothing while a value is still 0.
std::optional<double> pixelsPerInch(int width, int height, double diagonalInches);

} // namespace PpiCalculator
