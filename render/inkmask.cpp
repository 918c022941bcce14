// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "render/inkmask.h"

#include "render/recordingpaintengine.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QVector>

// Paints each primitive it receives, widened, boxed or filled, in opaque black into the marks image.
class InkMaskEngine : public RecordingPaintEngine
{
public:
    explicit InkMaskEngine(QImage &marks) : m_marks(marks) {}

    using RecordingPaintEngine::drawEllipse;
    using RecordingPaintEngine::drawPolygon;
    using RecordingPaintEngine::drawRects;

    bool begin(QPaintDevice *) override
    {
        m_painter.begin(&m_marks);
        m_painter.setRenderHint(QPainter::Antialiasing, false);
        return true;
    }
    bool end() override
    {
        m_painter.end();
        return true;
    }
    void drawRects(const QRectF *rects, int count) override
    {
        for (int i = 0; i < count; ++i)
            drawRect(rects[i]);
    }
    void drawLines(const QLine *lines, int count) override
    {
        if (startStroke())
            m_painter.drawLines(lines, count);
    }
    void drawLines(const QLineF *lines, int count) override
    {
        if (startStroke())
            m_painter.drawLines(lines, count);
    }
    void drawEllipse(const QRectF &rect) override
    {
        drawShape([&] { m_painter.drawEllipse(rect); }, [&] { m_painter.drawEllipse(rect); });
    }
    void drawPath(const QPainterPath &path) override
    {
        drawShape([&] { m_painter.drawPath(path); }, [&] { m_painter.drawPath(path); });
    }
    void drawPoints(const QPointF *points, int count) override
    {
        if (startStroke())
            m_painter.drawPoints(points, count);
    }
    void drawPoints(const QPoint *points, int count) override
    {
        if (startStroke())
            m_painter.drawPoints(points, count);
    }
    void drawPolygon(const QPointF *points, int count, PolygonDrawMode mode) override
    {
        if (mode != PolylineMode && startFill())
            m_painter.drawPolygon(points, count, mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
        if (startStroke()) {
            if (mode == PolylineMode)
                m_painter.drawPolyline(points, count);
            else
                m_painter.drawPolygon(points, count);
        }
    }

private:
    // A filled rectangle reaches as far beyond its pixels as a stroke does; an outlined one is stroked.
    void drawRect(const QRectF &rect)
    {
        if (startFill()) {
            const qreal reach = InkMask::kStrokeReach;
            m_painter.drawRect(rect.adjusted(-reach, -reach, reach, reach));
        }
        if (startStroke())
            m_painter.drawRect(rect);
    }

    // A filled shape: its area when the ink has a brush, its outline widened when the ink has a pen or a
    // brush (so that it is as easy to grab as a line).
    template <typename Fill, typename Stroke> void drawShape(Fill fill, Stroke stroke)
    {
        if (startFill()) {
            fill();
            startGrabPen(1);
            stroke();
        }
        if (startStroke())
            stroke();
    }

    bool startFill()
    {
        if (inkBrush().style() == Qt::NoBrush)
            return false;
        m_painter.setTransform(inkTransform());
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(Qt::black);
        return true;
    }

    bool startStroke()
    {
        if (inkPen().style() == Qt::NoPen)
            return false;
        m_painter.setTransform(inkTransform());
        startGrabPen(inkPen().widthF());
        return true;
    }

    void startGrabPen(qreal inkWidth)
    {
        QPen grab(Qt::black);
        grab.setWidthF(std::max<qreal>(1, inkWidth) + 2 * InkMask::kStrokeReach);
        grab.setCapStyle(Qt::SquareCap);
        // Round joins: a mitred join of a thin shape would spike far beyond the reach.
        grab.setJoinStyle(Qt::RoundJoin);
        m_painter.setPen(grab);
        m_painter.setBrush(Qt::NoBrush);
    }

    void coverArea(const QRectF &area) override
    {
        m_painter.setTransform(inkTransform());
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(Qt::black);
        m_painter.drawRect(area);
    }

    QImage &m_marks;
    QPainter m_painter;
};

InkMask::InkMask(QSize size, int dpi)
    : m_marks(size.expandedTo(QSize(1, 1)), QImage::Format_Alpha8), m_dpi(dpi),
      m_engine(std::make_unique<InkMaskEngine>(m_marks))
{
    m_marks.fill(0);
}

InkMask::~InkMask() = default;

QPaintEngine *InkMask::paintEngine() const
{
    return m_engine.get();
}

int InkMask::metric(PaintDeviceMetric metric) const
{
    if (const std::optional<int> value = recordingDeviceMetric(metric, m_marks.size(), m_dpi, 8))
        return *value;
    return QPaintDevice::metric(metric);
}

void InkMask::mark(const QRect &rect)
{
    const QRect inside = rect.intersected(m_marks.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        std::fill_n(m_marks.scanLine(y) + inside.left(), inside.width(), uchar(0xff));
}

QRegion InkMask::region() const
{
    QVector<QRect> rects;
    QVector<QPair<int, int>> runs;
    QVector<QPair<int, int>> bandRuns;
    int bandTop = 0;
    int bandStart = 0; // index of the band's first rectangle
    const int width = m_marks.width();
    for (int y = 0; y < m_marks.height(); ++y) {
        const uchar *row = m_marks.constScanLine(y);
        runs.resize(0);
        for (int x = 0; x < width;) {
            if (!row[x]) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < width && row[x])
                ++x;
            runs.append({start, x - start});
        }
        if (y > 0 && runs == bandRuns && !runs.isEmpty()) {
            for (int i = bandStart; i < rects.size(); ++i)
                rects[i].setBottom(y);
            continue;
        }
        bandRuns = runs;
        bandTop = y;
        bandStart = int(rects.size());
        for (const auto &[start, length] : std::as_const(runs))
            rects.append(QRect(start, bandTop, length, 1));
    }
    QRegion region;
    region.setRects(rects.constData(), int(rects.size()));
    return region;
}
