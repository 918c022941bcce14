// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QColor>
#include <QFont>
#include <QPen>
#include <QPoint>

class QPainter;

// The fonts and pens a ruler draws with.
namespace RulerStyle {

inline constexpr const char *kFontFamily = "Arial";
inline constexpr int kReadingFontPx = 14; // readings on the body and on the figure
inline constexpr int kNumberFontPx = 12;  // long-tick numbers, unit numbers, guide labels
inline constexpr int kSmallFontPx = 11;   // medium-tick numbers, the "menu" text

QFont font(int pixelSize, bool underlined = false);
QPen rulerPen(const QColor &color);
QPen guidePen(const QColor &color);
// The dashed pen of the cross-hair, the guide spacing and the figure's rotation centre.
QPen guideDashPen(const QColor &color);
// Draws the line with guideDashPen. A level or upright line, drawn rightwards or downwards from a point
// on the device without smoothing onto pixels, is filled as its dashes' rectangles (laid as one kept
// picture of them where a window pixel is a device pixel): the same pixels as the stroked line, for a
// fraction of the work.
void drawDashedLine(QPainter &painter, const QColor &color, QPoint from, QPoint to);

} // namespace RulerStyle
