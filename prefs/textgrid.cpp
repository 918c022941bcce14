// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "prefs/textgrid.h"

#include <cmath>

namespace TextCells {

std::optional<double> toNumber(const QString &text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double toNumberOrZero(const QString &text)
{
    return toNumber(text).value_or(0.0);
}

} // namespace TextCells
