// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "paint/rulerpaintstate.h"

#include <QRegion>
#include <memory>

class QPainter;
struct RulerPaintCache;

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
