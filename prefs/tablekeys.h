// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QLatin1StringView>
#include <QString>

// Keys of the table cells in the settings file: a prefix, the row, "_" and the column (unit_0_2).
namespace TableKeys {

inline constexpr QLatin1StringView unitPrefix{"unit_"};
inline constexpr QLatin1StringView pixelUnitPrefix{"pb_unit_"};
inline constexpr QLatin1StringView displayPrefix{"display_"};

inline QString cellKey(QLatin1StringView prefix, int row, int column)
{
    return prefix + QString::number(row) + QLatin1Char('_') + QString::number(column);
}

} // namespace TableKeys
