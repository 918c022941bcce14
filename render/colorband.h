// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

class QFontMetrics;
class QPainter;

// The band along the bottom of the magnifier that reads out the pixel under the pointer:
//
//   1024, 768                     C: copy
//   [swatch] #1A2B3C  rgb(26, 43, 60)
//
// The band is opaque in its own dark colour with light text, so the text reads the same over any
// picture; the swatch shows the colour itself, framed by a light and a dark ring so that it stands out
// from the band whatever its colour. Without a colour (the pointer off the picture) only the position
// is written.
namespace ColorBand {

inline constexpr int kMargin = 4;
inline constexpr int kGap = 6;
inline const QColor kBackground(32, 32, 32);
inline const QColor kText(255, 255, 255);
inline const QColor kOuterRing(255, 255, 255);
inline const QColor kInnerRing(0, 0, 0);

// What the band says.
struct Content
{
    QString position;             // "1024, 768"
    std::optional<QColor> color; // the pixel under the pointer
    QString hint;                 // at the right of the first row ("C: copy")
};

// Where the parts of the band go in a view of the given size: the band spans the whole width at the
// bottom, two text rows high; the swatch is a square as high as a row, its rings included.
struct Layout
{
    QRect band;
    QRect positionText;
    QRect hintText;
    QRect swatch;
    QRect colorText;
};

Layout layout(QSize view, const QFontMetrics &metrics);

// "#1A2B3C  rgb(26, 43, 60)"
QString colorText(const QColor &color);

void paint(QPainter &painter, const Layout &layout, const Content &content);

} // namespace ColourBand
