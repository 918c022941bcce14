// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "render/inkmask.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QVector>

// Paints each primitive it receives, widened, boxed or filled, in opaque black into the marks image.
class InkMaskEngine : public QPaintEngine
{
public:
    explicit InkMaskEngine(QImage &marks) : QPaintEngine(AllFeatures), m_marks(marks) {}

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
    Type type() const override { return User; }

    void updateState(const QPaintEngineState &state) override
    {
        const DirtyFlags dirty = state.state();
        if (dirty & DirtyTransform)
            m_transform = state.transform();
        if (dirty & DirtyPen)
            m_inkPen = state.pen();
        if (dirty & DirtyBrush)
            m_inkBrush = state.brush();
    }

    void drawRects(const QRect *rects, int count) override
    {
        for (int i = 0; i < count; ++i)
            drawRect(QRectF(rects[i]));
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
    void drawEllipse(const QRect &rect) override { drawEllipse(QRectF(rect)); }
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
    void drawPolygon(const QPoint *points, int count, PolygonDrawMode mode) override
    {
        QVector<QPointF> converted(count);
        for (int i = 0; i < count; ++i)
            converted[i] = points[i];
        drawPolygon(converted.constData(), count, mode);
    }

    void drawTextItem(const QPointF &position, const QTextItem &item) override
    {
        fillArea(
            QRectF(position.x(), position.y() - item.ascent(), item.width(), item.ascent() + item.descent()));
    }
    void drawPixmap(const QRectF &target, const QPixmap &, const QRectF &) override { fillArea(target); }
    void drawTiledPixmap(const QRectF &target, const QPixmap &, const QPointF &) override
    {
        fillArea(target);
    }
    void drawImage(const QRectF &target, const QImage &, const QRectF &, Qt::ImageConversionFlags) override
    {
        fillArea(target);
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
        if (m_inkBrush.style() == Qt::NoBrush)
            return false;
        m_painter.setTransform(m_transform);
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(Qt::black);
        return true;
    }

    bool startStroke()
    {
        if (m_inkPen.style() == Qt::NoPen)
            return false;
        m_painter.setTransform(m_transform);
        startGrabPen(m_inkPen.widthF());
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

    void fillArea(const QRectF &area)
    {
        m_painter.setTransform(m_transform);
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(Qt::black);
        m_painter.drawRect(area);
    }

    QImage &m_marks;
    QPainter m_painter;
    QTransform m_transform;
    QPen m_inkPen;
    QBrush m_inkBrush;
};

InkMask::InkMask(QSize size, int dpi)
    : m_marks(size.expandedTo(QSize(1, 1)), QImage::Format_Alpha8), m_dpi(dpi),
      m_engine(std::make_unique<InkMaskEngine>(m_marks))
{
    m_marks.fill(0);
}

InkMask::~InkMask() = default;

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
