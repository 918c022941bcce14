// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QBrush>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPen>
#include <QTransform>
#include <optional>

// What a paint device of `size` pixels at `dpi` that records drawing instead of keeping pixels answers
// about itself; nothing where QPaintDevice answers for it.
std::optional<int> recordingDeviceMetric(QPaintDevice::PaintDeviceMetric metric, QSize size, int dpi, int depth);

// The common part of the paint engines that record where a painter draws instead of drawing: they keep
// the state the painter sets (transform, pen, brush), texts and pictures cover their boxes, and
// rectangles, ellipses and polygons in whole pixels come on as floating-point ones, so that an engine
// answers each of those once.
class RecordingPaintEngine : public QPaintEngine
{
public:
    RecordingPaintEngine() : QPaintEngine(AllFeatures) {}

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }
    void updateState(const QPaintEngineState &state) override;

    using QPaintEngine::drawEllipse;
    using QPaintEngine::drawPolygon;
    using QPaintEngine::drawRects;
    void drawRects(const QRect *rects, int count) override;
    void drawEllipse(const QRect &rect) override { drawEllipse(QRectF(rect)); }
    void drawPolygon(const QPoint *points, int count, PolygonDrawMode mode) override;

    void drawTextItem(const QPointF &position, const QTextItem &item) override;
    void drawPixmap(const QRectF &target, const QPixmap &, const QRectF &) override { coverArea(target); }
    void drawTiledPixmap(const QRectF &target, const QPixmap &, const QPointF &) override { coverArea(target); }
    void drawImage(const QRectF &target, const QImage &, const QRectF &, Qt::ImageConversionFlags) override
    {
        coverArea(target);
    }

protected:
    // An area the drawing covers whole, in the painter's coordinates.
    virtual void coverArea(const QRectF &area) = 0;

    const QTransform &inkTransform() const { return m_transform; }
    const QPen &inkPen() const { return m_pen; }
    const QBrush &inkBrush() const { return m_brush; }

private:
    QTransform m_transform;
    QPen m_pen;
    QBrush m_brush;
};
