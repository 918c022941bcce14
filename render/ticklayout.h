// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "render/rulerstyle.h"

#include <QLine>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>

class UnitScale;

// The edge of a ruler window that carries a ticker.
enum class TickEdge
{
    Top,
    Bottom,
    Left,
    Right
};

// A number of a ticker, written from its baseline point.
struct TickLabel
{
    QPoint baseline;
    QString text;
    int fontPx = 0;
};

// What one ticker draws: 1-pixel lines in the ruler colour and the numbers.
struct TickMarks
{
    QList<QLine> lines;
    QList<TickLabel> labels;

    // Empties both lists and keeps their capacity for the next pass (QList::clear() frees it).
    void clear()
    {
        lines.resize(0);
        labels.resize(0);
    }
};

// The window facts that place the ticks.
struct TickFrame
{
    QSize size;
    bool zeroAtLeft = true;
    bool zeroAtBottom = false;
    // The first pixel is numbered 1 instead of 0.
    bool startsFromOne = false;

    bool operator==(const TickFrame &other) const
    {
        return size == other.size && zeroAtLeft == other.zeroAtLeft && zeroAtBottom == other.zeroAtBottom
            && startsFromOne == other.startsFromOne;
    }
};

// Where the ticks and numbers of a ticker go, in pixels or in the ruler's unit. The work is bounded by
// the window's length whatever the unit: ticks closer than a pixel are laid once per pixel, and units
// smaller than a pixel are not visited one by one.
namespace TickLayout {

inline constexpr int kSmallFontPx = RulerStyle::kSmallFontPx;
inline constexpr int kLargeFontPx = RulerStyle::kNumberFontPx;

// Appends the ticker of `edge` to `marks`, so that one list can hold the lines of all visible tickers
// for a single drawLines(). A unit scale without size (an uncalibrated display) adds nothing.
void layOut(TickEdge edge, const TickFrame &frame, const UnitScale &scale, TickMarks &marks);

} // namespace TickLayout
