// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "figure/figurepainter.h"
#include "figure/figurereadings.h"
#include "render/readingtext.h"
#include "render/ticklayout.h"
#include "render/unitscale.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRegion>
#include <QSize>
#include <memory>

class FigureModel;
class QPainter;
struct RulerPaintCache;

// Everything a ruler window draws, taken from the window before a pass and read-only during it. The
// figure is referred to, not copied: a snapshot lives no longer than the pass it is made for.
struct RulerPaintState
{
    QSize size;
    QColor backgroundColor; // after the colour limits
    QColor rulerColor;
    QColor guidesColor;
    bool zeroAtLeft = true;
    bool zeroAtBottom = false;
    bool startsFromOne = false;
    bool topTicker = true;
    bool bottomTicker = true;
    bool leftTicker = true;
    bool rightTicker = true;
    bool border = true;
    bool crossHair = false;
    bool rulerReadings = true;    // the full readings along the edges
    bool minimalReadings = false; // the two numbers alone instead
    bool widthNumber = false;
    bool heightNumber = false;
    bool bottomRightLabels = false;
    UnitScale scale;
    RulerReadings readings;
    // The "menu" text at the top right, underlined while the pointer is on it.
    bool menuText = false;
    bool menuHovered = false;
    bool guidesShown = true;
    QList<int> horizontalGuides;
    QList<int> verticalGuides;
    // The spacings between horizontal guides, written beside the pointer.
    bool guideSpacing = false;
    QPoint pointer;
    QImage picture;
    bool stretchPicture = false;
    bool proportionalPicture = true;
    bool transparentPicture = false;
    bool figureVisible = true;
    const FigureModel *figure = nullptr;
    FigureReadings figureReadings;
    FigureStyle figureStyle;

    TickFrame tickFrame() const { return {size, zeroAtLeft, zeroAtBottom, startsFromOne}; }
    ReadingScale readingScale() const { return readingScaleOf(scale); }

    // What the reading texts need to know of a unit scale.
    static ReadingScale readingScaleOf(const UnitScale &scale);
};

// The ruler window's paint pass as named steps, each reading only the snapshot. The cache keeps fonts,
// laid-out texts, scratch lists and the scales drawn as a layer between passes; it is made on first use.
namespace RulerPainter {

// The whole window: the translucent body, then the content, with the scales from their layer. Drawn in
// the window's own order (picture, border, "menu", guides, scales, readings, cross-hair, figure), so
// that the result is the same pixel for pixel as drawing the scales directly.
void paint(QPainter &painter, const RulerPaintState &state, std::shared_ptr<RulerPaintCache> &cache);
// Everything after the body's fill, the scales drawn directly; the window's shape is made from it.
void drawContent(QPainter &painter, const RulerPaintState &state, std::shared_ptr<RulerPaintCache> &cache);
// The picture under everything else, where its options place it; the first step of the content.
void drawPicture(QPainter &painter, const RulerPaintState &state);
// Where the parts of the drawing that follow the figure lie, as boxes: the figure with its scales,
// readings and handles, and the ruler's own labels that the figure moves aside or makes give way. A
// change of the figure alone repaints these boxes before and after it.
QRegion figureArea(const RulerPaintState &state, std::shared_ptr<RulerPaintCache> &cache);
// How often the scales layer of this cache has been drawn.
int scalesLayerBuilds(const std::shared_ptr<RulerPaintCache> &cache);

} // namespace RulerPainter
