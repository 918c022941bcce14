// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "paint/scaleslayer.h"

#include <QPainter>

void ScalesLayer::build(const QRegion &ink, qreal ratio, const Draw &draw)
{
    m_bands.clear();
    for (const QRect &rect : ink) {
        QImage pixels((QSizeF(rect.size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
        pixels.setDevicePixelRatio(ratio);
        pixels.fill(Qt::transparent);
        QPainter painter(&pixels);
        painter.translate(-rect.topLeft());
        draw(painter);
        painter.end();
        m_bands.append({rect, pixels});
    }
    m_built = true;
}

void ScalesLayer::lay(QPainter &painter, const QRegion &area) const
{
    for (const Band &band : m_bands) {
        const qreal ratio = band.pixels.devicePixelRatio();
        for (const QRect &rect : area.intersected(band.rect))
            painter.drawImage(QPointF(rect.topLeft()), band.pixels,
                              QRectF(QPointF(rect.topLeft() - band.rect.topLeft()) * ratio, QSizeF(rect.size()) * ratio));
    }
}

qsizetype ScalesLayer::byteCount() const
{
    qsizetype bytes = 0;
    for (const Band &band : m_bands)
        bytes += band.pixels.sizeInBytes();
    return bytes;
}
