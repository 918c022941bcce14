// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "figure/figureshapelayer.h"
#include "paint/scaleslayer.h"
#include "render/rulerstyle.h"
#include "render/ticklayout.h"
#include "render/unitscale.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QList>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QStaticText>
#include <array>

class QPainter;

// What the scales of a window look like: equal keys draw equal scales.
struct ScalesKey
{
    TickFrame frame;
    qreal devicePixelRatio = 1;
    UnitScale scale;
    QColor rulerColor;
    // Which tickers are shown: top, bottom, left, right.
    std::array<bool, 4> tickers{};

    bool operator==(const ScalesKey &other) const;
    bool operator!=(const ScalesKey &other) const { return !(*this == other); }
};

// What one pass leaves for the next. A font made anew looks its glyphs up again and a number drawn
// with drawText() is shaped again on every pass; kept here, the fonts resolve once and each number is
// laid out once. The tickers' lines and numbers, the costliest part of a pass, are drawn once into the
// scales layer, images of the bands where they have ink; each pass lays the bands over what is beneath
// them.
struct RulerPaintCache
{
    QFont small = RulerStyle::font(RulerStyle::kSmallFontPx);
    QFont smallUnderlined = RulerStyle::font(RulerStyle::kSmallFontPx, true);
    QFont number = RulerStyle::font(RulerStyle::kNumberFontPx);
    QFont reading = RulerStyle::font(RulerStyle::kReadingFontPx);
    QHash<QString, QStaticText> smallTexts;
    QHash<QString, QStaticText> numberTexts;
    // The rectangles that texts cover, from their baseline start.
    QHash<QString, QRect> smallBounds;
    QHash<QString, QRect> numberBounds;
    // The tick lines as 1-pixel-wide rectangles: filled in one call, far cheaper than stroked.
    QList<QRect> rects;
    // The tickers' lines and numbers of the latest layout, kept so that laying out allocates nothing new.
    TickMarks tickMarks;

    // The scales layer, what it was drawn for, where it has ink (the tickers' bounds, in window pixels;
    // each pixel once, so that no part is laid twice) and how often it was drawn.
    ScalesLayer scales;
    ScalesKey scalesKey;
    QRegion scalesInk;
    int scalesBuilds = 0;

    // Each band of the scales layer (a rectangle of scalesInk) already laid over the body and border, for
    // the scales layer as drawn for the `blendedBandsBuild`th time, in `blendedBody` with or without the
    // border. Where nothing else lies beneath the scales, a pass copies these instead of filling the body
    // and blending the band over it.
    struct BlendedBand
    {
        QRect band;
        QImage pixels;
    };
    QList<BlendedBand> blendedBands;
    int blendedBandsBuild = 0;
    QColor blendedBody;
    bool blendedBorder = false;

    // The figure's turned outline, ticks and control points, laid again while they stay the same.
    FigureShapeLayer figureShape;

    const QFont &font(int pixelSize) const { return pixelSize == RulerStyle::kSmallFontPx ? small : number; }
    // Writes text from its baseline start, as drawText() does, in the painter's pen colour.
    void drawText(QPainter &painter, int fontPx, QPoint baseline, const QString &text);
    // The rectangle that a text written from its baseline start covers, with room for smoothing.
    QRect textBounds(int fontPx, QPoint baseline, const QString &text);
    // Fills each line, both end pixels included, in the colour.
    void fillLines(QPainter &painter, const QList<QLine> &lines, const QColor &color);
    // Fills `rects` in the colour.
    void fillRects(QPainter &painter, const QColor &color);

private:
    static constexpr qsizetype kMaxTexts = 4096;
    qreal smallAscent = QFontMetricsF(small).ascent();
    qreal numberAscent = QFontMetricsF(number).ascent();
};
