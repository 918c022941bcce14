// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "render/inkbounds.h"

#include "render/inkmask.h"

#include <QPaintEngine>
#include <QPainterPath>
#include <QPolygonF>

class InkBoundsEngine : public QPaintEngine
{
public:
    InkBoundsEngine() : QPaintEngine(AllFeatures) {}

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }

    void updateState(const QPaintEngineState &state) override
    {
        const DirtyFlags dirty = state.state();
        if (dirty & DirtyTransform)
            m_transform = state.transform();
        if (dirty & DirtyPen)
            m_pen = state.pen();
    }

    void drawRects(const QRectF *rects, int count) override
    {
        for (int i = 0; i < count; ++i)
            addStroked(rects[i]);
    }
    void drawRects(const QRect *rects, int count) override
    {
        for (int i = 0; i < count; ++i)
            addStroked(QRectF(rects[i]));
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
    void drawEllipse(const QRect &rect) override { addStroked(QRectF(rect)); }
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
    void drawPolygon(const QPoint *points, int count, PolygonDrawMode) override
    {
        QPolygonF polygon;
        polygon.reserve(count);
        for (int i = 0; i < count; ++i)
            polygon.append(QPointF(points[i]));
        addStroked(polygon.boundingRect());
    }
    void drawTextItem(const QPointF &position, const QTextItem &item) override
    {
        add(QRectF(position.x(), position.y() - item.ascent(), item.width(), item.ascent() + item.descent()));
    }
    void drawPixmap(const QRectF &target, const QPixmap &, const QRectF &) override { add(target); }
    void drawTiledPixmap(const QRectF &target, const QPixmap &, const QPointF &) override { add(target); }
    void drawImage(const QRectF &target, const QImage &, const QRectF &, Qt::ImageConversionFlags) override
    {
        add(target);
    }

    QRectF bounds;

private:
    // A shape's box, grown by what its pen covers beyond the outline (square caps and mitres reach
    // further than half the width; the mask's reach covers them).
    void addStroked(const QRectF &box)
    {
        const qreal reach = std::max<qreal>(1, m_pen.widthF()) / 2 + InkMask::kStrokeReach;
        const QRectF device = m_transform.mapRect(box);
        bounds |= device.adjusted(-reach, -reach, reach, reach);
    }
    void add(const QRectF &box) { bounds |= m_transform.mapRect(box); }

    QTransform m_transform;
    QPen m_pen;
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
