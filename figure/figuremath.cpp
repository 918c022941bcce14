// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "figure/figuremath.h"

#include <algorithm>
#include <cmath>

namespace FigureMath {

double roundHalfUp(double value)
{
    return std::floor(value + 0.5);
}

int toPixel(double value)
{
    if (!std::isfinite(value))
        return 0;
    return static_cast<int>(std::clamp(roundHalfUp(value), -kMaxPixel, kMaxPixel));
}

} // namespace FigureMath
