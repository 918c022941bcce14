// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "render/ticklayout.h"

#include <array>

class InkMask;
class UnitScale;

// The bands a ruler window keeps as its own when it is shaped (no compositing manager, so its body cannot
// be translucent and lets the desktop show through instead). Besides what the ruler draws, the window
// keeps:
// - a ring kEdgeReach deep along all four sides, where the edges resize the window, so that even a ruler
//   with nothing drawn can be found, grabbed and resized;
// - along each visible ticker, a solid strip from the edge to its deepest tick or number plus kBandMargin,
//   and never shallower than `minimumDepth` (the zone where the pointer pulls new guides out). A press
//   on these strips drags the ruler like a press on its body.
namespace RulerShape {

inline constexpr int kEdgeReach = 4;
inline constexpr int kBandMargin = 6;

// How deep the ticker of `edge` reaches into the window: the farthest a tick line or a number's box
// lies from that edge, in pixels; 0 when it draws nothing.
int tickerDepth(TickEdge edge, const TickFrame &frame, const UnitScale &scale);

// Marks the ring and the strips of the visible tickers (in the order top, bottom, left, right).
void markBands(InkMask &mask, const TickFrame &frame, const UnitScale &scale,
               const std::array<bool, 4> &visibleTickers, int minimumDepth);

} // namespace RulerShape
