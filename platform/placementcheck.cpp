// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "platform/placementcheck.h"

#include <algorithm>

namespace PlacementCheck {

Verdict verdict(const QRect &asked, const QRect &reported, const QList<QRect> &freeAreas)
{
    if (asked.isEmpty() || reported.isEmpty())
        return Verdict::Unknown;
    if (reported.topLeft() == asked.topLeft())
        return Verdict::PlacedAsAsked;
    const bool inside = std::any_of(freeAreas.cbegin(), freeAreas.cend(),
                                    [&](const QRect &area) { return area.contains(asked); });
    return inside ? Verdict::PlacedElsewhere : Verdict::Unknown;
}

} // namespace PlacementCheck
