// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "render/inkbounds.h"

#include "render/inkmask.h"
#include "render/recordingpaintengine.h"

#include <QPainterPath>
#include <QPolygonF>

// Unites the device boxes of what is drawn.
class InkBoundsEngine : public RecordingPaintEngine
{
public:
    using RecordingPaintEngine::drawEllipse;
    using RecordingPaintEngine::drawPolygon;
    using RecordingPaintEngine::drawRects;

    void drawRects(const QRectF *rects, int count) override
    {
        for (int i = 0; i < count; ++i)
            addStroked(rects[i]);
    }
    void drawLines(const QLineF *lines, int count) override
    {
        for (int i = 0; i < count; ++i)
            addStroked(QRectF(lines[i].p1(), lines[i].p2()).normalized());
    }
    void drawLines(const QLine *lines, int count) override
    {
        for (int i = 0; i < count; ++i)
            addStroked(QRectF(QPointF(lines[i].p1()), QPointF(lines[i].p2())).normalized());
    }
    void drawEllipse(const QRectF &rect) override { addStroked(rect); }
    void drawPath(const QPainterPath &path) override { addStroked(path.controlPointRect()); }
    void drawPoints(const QPointF *points, int count) override
    {
        for (int i = 0; i < count; ++i)
            addStroked(QRectF(points[i], points[i]));
    }
    void drawPoints(const QPoint *points, int count) override
    {
        for (int i = 0; i < count; ++i)
            addStroked(QRectF(QPointF(points[i]), QPointF(points[i])));
    }
    void drawPolygon(const QPointF *points, int count, PolygonDrawMode) override
    {
        addStroked(QPolygonF(QList<QPointF>(points, points + count)).boundingRect());
    }

    QRectF bounds;

protected:
    void coverArea(const QRectF &area) override { bounds |= inkTransform().mapRect(area); }

private:
    // A shape's box, grown by what its pen covers beyond the outline (square caps and mitres reach
    // further than half the width; the mask's reach covers them).
    void addStroked(const QRectF &box)
    {
        const qreal reach = std::max<qreal>(1, inkPen().widthF()) / 2 + InkMask::kStrokeReach;
        bounds |= inkTransform().mapRect(box).adjusted(-reach, -reach, reach, reach);
    }
};

InkBounds::InkBounds(QSize size, int dpi)
    : m_size(size.expandedTo(QSize(1, 1))), m_dpi(dpi), m_engine(std::make_unique<InkBoundsEngine>())
{
}

InkBounds::~InkBounds() = default;

QPaintEngine *InkBounds::paintEngine() const
{
    return m_engine.get();
}

QRect InkBounds::bounds() const
{
    return m_engine->bounds.toAlignedRect().intersected(QRect(QPoint(), m_size));
}

int InkBounds::metric(PaintDeviceMetric metric) const
{
    if (const std::optional<int> value = recordingDeviceMetric(metric, m_size, m_dpi, 32))
        return *value;
    return QPaintDevice::metric(metric);
}
