// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "render/recordingpaintengine.h"

#include <QList>
#include <QPointF>
#include <QRectF>

void RecordingPaintEngine::updateState(const QPaintEngineState &state)
{
    const DirtyFlags dirty = state.state();
    if (dirty & DirtyTransform)
        m_transform = state.transform();
    if (dirty & DirtyPen)
        m_pen = state.pen();
    if (dirty & DirtyBrush)
        m_brush = state.brush();
}

void RecordingPaintEngine::drawRects(const QRect *rects, int count)
{
    for (int i = 0; i < count; ++i) {
        const QRectF rect(rects[i]);
        drawRects(&rect, 1);
    }
}

void RecordingPaintEngine::drawPolygon(const QPoint *points, int count, PolygonDrawMode mode)
{
    QList<QPointF> converted(count);
    for (int i = 0; i < count; ++i)
        converted[i] = points[i];
    drawPolygon(converted.constData(), count, mode);
}

void RecordingPaintEngine::drawTextItem(const QPointF &position, const QTextItem &item)
{
    coverArea(QRectF(position.x(), position.y() - item.ascent(), item.width(), item.ascent() + item.descent()));
}

std::optional<int> recordingDeviceMetric(QPaintDevice::PaintDeviceMetric metric, QSize size, int dpi, int depth)
{
    switch (metric) {
    case QPaintDevice::PdmWidth:
        return size.width();
    case QPaintDevice::PdmHeight:
        return size.height();
    case QPaintDevice::PdmDpiX:
    case QPaintDevice::PdmDpiY:
    case QPaintDevice::PdmPhysicalDpiX:
    case QPaintDevice::PdmPhysicalDpiY:
        return dpi;
    case QPaintDevice::PdmWidthMM:
        return qRound(size.width() * 25.4 / dpi);
    case QPaintDevice::PdmHeightMM:
        return qRound(size.height() * 25.4 / dpi);
    case QPaintDevice::PdmDepth:
        return depth;
    case QPaintDevice::PdmNumColors:
        return 256;
    case QPaintDevice::PdmDevicePixelRatio:
        return 1;
    case QPaintDevice::PdmDevicePixelRatioScaled:
        return int(QPaintDevice::devicePixelRatioFScale());
    default:
        return std::nullopt;
    }
}
