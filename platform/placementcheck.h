// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QList>
#include <QRect>

// Whether the window system put a window where the window asked to be, from one placement and the
// place the window system reports afterwards.
//
// Only a placement wholly inside one screen's free area tells: a window asked to stand partly off the
// screens, or over a panel, may be pushed back by any window manager that keeps windows reachable. A
// size the window system changed tells nothing either (tiling, size limits); the top-left corner does.
namespace PlacementCheck {

enum class Verdict
{
    Unknown,        // the placement cannot tell
    PlacedAsAsked,  // the window stands where it asked to
    PlacedElsewhere // the window system put it somewhere else: it places windows itself
};

Verdict verdict(const QRect &asked, const QRect &reported, const QList<QRect> &freeAreas);

} // namespace PlacementCheck
