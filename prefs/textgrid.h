// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QString>
#include <array>
#include <optional>

// Text mirror of a table of the preferences: 11 rows of 6 cells, of which the table's own rows and
// columns are used. The rulers read these grids, never the table widgets or the store.
using TextGrid = std::array<std::array<QString, 6>, 11>;

namespace TextCells {

// A cell's text as a number: "." is the decimal point whatever the user's locale, and a leading
// point is allowed (".5"). Texts that name no finite number ("abc", "inf", "nan", "1e999", hundreds
// of digits) give nothing, so no table value can make a scale infinite.
std::optional<double> toNumber(const QString &text);

// As toNumber(), with 0 for a text that gives no number.
double toNumberOrZero(const QString &text);

} // namespace TextCells
