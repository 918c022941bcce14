// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QList>
#include <QPolygonF>

// Where labels go so that none covers another. Each label offers the places it may take (the box its
// text covers there, in one coordinate system), the one it prefers first; the labels come most
// important first. The choice keeps as many of the more important labels as it can: a label gives way
// (takes no place) only where it cannot be shown together with every more important label that is
// shown. Among the choices that show the same labels, the more important ones keep their preferred
// places: a label moves to a later place only when its earlier places leave a less important label
// no room at all (the later labels' places follow, in the same way).
namespace LabelPlacement {

inline constexpr int kGivesWay = -1;

using Places = QList<QPolygonF>;

// The place taken by each label (an index into its places), or kGivesWay.
QList<int> choose(const QList<Places> &labels);

// Whether two boxes cover each other; boxes that only touch do not.
bool covers(const QPolygonF &a, const QPolygonF &b);

} // namespace LabelPlacement
