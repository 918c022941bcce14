// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <QRegion>
#include <functional>

class QPainter;

// The tickers' lines and numbers, drawn once and laid again by each pass. It holds an image for each
// rectangle of the bands where the tickers have ink, not one of the whole window: the body between
// the bands, transparent in the layer, would take most of the memory (a 640 × 480 window's body is
// three quarters of it).
class ScalesLayer
{
public:
    using Draw = std::function<void(QPainter &painter)>;

    // Makes a transparent image for each rectangle of `ink` (window pixels, at `ratio` device pixels
    // each) and has `draw` paint into each in window pixels; what falls outside the rectangle is cut off.
    void build(const QRegion &ink, qreal ratio, const Draw &draw);
    bool isBuilt() const { return m_built; }
    // Lays the layer where `area` lies; outside the ink the layer has nothing.
    void lay(QPainter &painter, const QRegion &area) const;
    // The bytes that the images hold.
    qsizetype byteCount() const;

private:
    struct Band
    {
        QRect rect;
        QImage pixels;
    };
    QList<Band> m_bands;
    bool m_built = false;
};
