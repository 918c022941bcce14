// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QColor>
#include <optional>

// Which of a ruler's colours the shared colour dialog edits. The numbers are those the preferences
// keep for the dialog, where 0 means none.
enum class ColorTarget
{
    Background = 1,
    Ruler = 2,
    Guides = 3
};

inline std::optional<ColorTarget> colorTargetFromNumber(int number)
{
    if (number < int(ColorTarget::Background) || number > int(ColorTarget::Guides))
        return std::nullopt;
    return ColorTarget(number);
}

// The body never turns wholly clear, so that it can still be seen and grabbed; the ruler's own strokes
// are always opaque. Guides take any colour.
inline constexpr int kMinimumBackgroundAlpha = 25;

inline QColor limitedColour(ColorTarget target, QColor colour)
{
    if (target == ColorTarget::Background && colour.alpha() < kMinimumBackgroundAlpha)
        colour.setAlpha(kMinimumBackgroundAlpha);
    if (target == ColorTarget::Ruler)
        colour.setAlpha(255);
    return colour;
}
