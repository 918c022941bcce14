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

inline QColor limitedColor(ColorTarget target, QColor color)
{
    if (target == ColorTarget::Background && color.alpha() < kMinimumBackgroundAlpha)
        color.setAlpha(kMinimumBackgroundAlpha);
    if (target == ColorTarget::Ruler)
        color.setAlpha(255);
    return color;
}
