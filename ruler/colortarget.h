// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

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
