// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "figure/figurepainter.h"
#include "figure/figurereadings.h"
#include "prefs/ruleroptions.h"
#include "render/readingtext.h"
#include "render/ticklayout.h"
#include "render/unitscale.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QSize>
#include <array>

class FigureModel;

// Everything a ruler window draws, taken from the window before a pass and read-only during it. The
// ruler's options come whole: each step of the pass reads the options it draws, so that an option is
// declared in its table and read where it is drawn, and nowhere in between. The figure is referred to,
// not copied: a snapshot lives no longer than the pass it is made for.
struct RulerPaintState
{
    QSize size;
    QColor backgroundColor; // after the colour limits
    QColor rulerColor;
    QColor guidesColor;
    RulerOptions options;
    UnitScale scale;
    RulerReadings readings;
    // The "menu" text at the top right, underlined while the pointer is on it.
    bool menuText = false;
    bool menuHovered = false;
    QList<int> horizontalGuides;
    QList<int> verticalGuides;
    // The spacings between horizontal guides, written beside the pointer.
    bool guideSpacing = false;
    QPoint pointer;
    QImage picture;
    // Left out whatever its option says: the window's shape while the window is dragged.
    bool figureLeftOut = false;
    const FigureModel *figure = nullptr;
    FigureReadings figureReadings;

    bool on(RulerOption option) const { return options.value(option); }
    // Whether the pass draws the flying figure.
    bool figureShown() const { return figure && !figureLeftOut && on(RulerOption::ShowFigure); }
    // Whether each ticker is shown, in the order top, bottom, left, right.
    std::array<bool, 4> shownTickers() const;
    TickFrame tickFrame() const { return tickFrameOf(size, options); }
    ReadingScale readingScale() const { return readingScaleOf(scale); }
    // The options and colours that the figure's drawing reads.
    FigureStyle figureStyle() const;

    // What the window's shape and the figure's area are made from: equal keys draw the same, but for the
    // underline of "menu" under the pointer, which is worth no new shape. It holds every drawn option
    // (see RulerOptionTable::Drawing), the colours, the scale, the texts, the guides, the picture's size
    // and the figure, and the pointer only while a guide spacing is written beside it.
    QByteArray shapeKey() const;

    // Where the ruler counts from, for a window of that size with those options.
    static TickFrame tickFrameOf(QSize size, const RulerOptions &options);
    // What the reading texts need to know of a unit scale.
    static ReadingScale readingScaleOf(const UnitScale &scale);
};
