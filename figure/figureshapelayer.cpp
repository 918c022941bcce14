// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "figure/figureshapelayer.h"

#include "render/inkbounds.h"

#include <QPainter>

#include <cmath>

namespace {
// Smoothed edges and glyphs may reach a pixel beyond the marked ink.
constexpr int kBleed = 2;
// Room around the shape's own extent for the control points' crosses and numbers and the flying
// ruler's tick numbers.
constexpr int kMarkRoom = 64;
} // namespace

FigureShapeKey FigureShapeKey::of(const FigureModel &model, const FigureStyle &style, const TickFrame &ticks,
                                  qreal devicePixelRatio)
{
    FigureShapeKey key;
    key.kind = model.figureKind;
    key.points = model.figurePoints;
    key.pointCount = model.figurePointCount;
    key.angle = model.figureAngle;
    key.flyingRuler = model.flyingRuler;
    key.widthPx = model.figureWidthPx;
    key.heightPx = model.figureHeightPx;
    key.rulerColor = style.rulerColor;
    key.antiAliasing = style.antiAliasing;
    key.noControlPoints = style.noControlPoints;
    key.boldControlPoints = style.boldControlPoints;
    key.ticks = ticks;
    key.ticks.size = QSize(model.figureWidthPx, model.figureHeightPx);
    key.devicePixelRatio = devicePixelRatio;
    return key;
}

bool FigureShapeKey::operator==(const FigureShapeKey &other) const
{
    const auto samePoints = [this, &other] {
        for (int i = 0; i < FigureModel::kStoredPoints; ++i) {
            if (points[i].x != other.points[i].x || points[i].y != other.points[i].y)
                return false;
        }
        return true;
    };
    return kind == other.kind && samePoints() && pointCount == other.pointCount && angle == other.angle &&
           flyingRuler == other.flyingRuler && widthPx == other.widthPx && heightPx == other.heightPx &&
           rulerColor == other.rulerColor && antiAliasing == other.antiAliasing &&
           noControlPoints == other.noControlPoints && boldControlPoints == other.boldControlPoints &&
           ticks == other.ticks && devicePixelRatio == other.devicePixelRatio;
}

void FigureShapeLayer::draw(QPainter &painter, const FigureModel &model, const FigureShapeKey &key,
                            const DrawShape &drawShape)
{
    if (m_picture.isNull() || key != m_key) {
        FigureModel anchored = model;
        anchored.figureOrigin = QPoint();
        build(anchored, key, drawShape);
    }
    painter.drawImage(QPointF(model.figureOrigin + m_offset), m_picture);
}

void FigureShapeLayer::build(const FigureModel &anchored, const FigureShapeKey &key,
                             const DrawShape &drawShape)
{
    // The shape turns about the anchor: it stays within its longest reach of it, in any direction.
    const int reach =
        int(std::ceil(std::hypot(2.0 * anchored.figureWidthPx, 2.0 * anchored.figureHeightPx))) + kMarkRoom;
    const QPoint centre(reach, reach);
    InkBounds ink(QSize(2 * reach, 2 * reach));
    {
        QPainter painter(&ink);
        painter.translate(centre);
        drawShape(painter, anchored);
    }
    QRect box = ink.bounds().adjusted(-kBleed, -kBleed, kBleed, kBleed).translated(-centre);
    if (box.isEmpty())
        box = QRect(0, 0, 1, 1);
    const qreal ratio = key.devicePixelRatio;
    m_picture = QImage((QSizeF(box.size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    m_picture.setDevicePixelRatio(ratio);
    m_picture.fill(Qt::transparent);
    {
        QPainter painter(&m_picture);
        painter.translate(-box.topLeft());
        drawShape(painter, anchored);
    }
    m_offset = box.topLeft();
    m_key = key;
    ++m_builds;
}
