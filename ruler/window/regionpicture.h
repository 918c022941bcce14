// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "platform/desktop.h"

#include <QImage>
#include <QPointF>
#include <QRect>
#include <QString>

#include <functional>

class QPainter;

// A picture of the region a ruler measures: the screen beneath the ruler, at the screen's own
// (device) pixels, with the ruler's drawing laid over it. Only the part of the ruler that stands on
// the desktop the picture shows is in it; where the compositor scales the output, the ruler's drawing
// is scaled to the device pixels with it.
namespace RegionPicture {

// Where the ruler's region lies in a picture of the desktop, and where the ruler's drawing goes in the
// region's picture.
struct Layout
{
    // The region, in the pixels of the desktop's picture; empty where the ruler stands off it.
    QRect source;
    // The ruler's top-left corner in the region's picture (negative where the ruler runs off the
    // desktop's left or top), and device pixels per logical pixel along each axis.
    QPointF origin;
    qreal scaleX = 1.0;
    qreal scaleY = 1.0;

    bool isEmpty() const { return source.isEmpty(); }
};

// The layout of a ruler at `ruler` (desktop coordinates, logical pixels) in a picture of `area` of the
// desktop whose image is `imageSize` pixels large. Edges fall on the nearest device pixel.
Layout layout(const QRect &ruler, const QRect &area, const QSize &imageSize);

// Draws the ruler in its window's coordinates; the painter is set up to land it in the region's
// picture, and clipped to the ruler's window.
using DrawRuler = std::function<void(QPainter &painter)>;

// The region's picture: the desktop's pixels beneath the ruler with the ruler drawn over them. Null
// where the picture is not valid or the ruler stands off it.
QImage compose(const ScreenPicture &picture, const QRect &ruler, const DrawRuler &drawRuler);

// The path a picture is saved to: the one chosen, with ".png" added where it does not end so (the file
// is a PNG whatever its name says).
QString pngPath(const QString &chosen);

} // namespace RegionPicture
