// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "figure/figureshapelayer.h"

#include "render/inkbounds.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
// Smoothed edges and glyphs may reach a pixel beyond the marked ink.
constexpr int kBleed = 2;
// Room around the shape's own extent for the control points' crosses and numbers and the flying
// ruler's tick numbers.
constexpr int kMarkRoom = 64;
// The kept picture is cut into rows of pieces this many window pixels high, and a piece ends where its
// row has no ink for this many window pixels: small enough to leave out the empty inside of a turned
// shape, large enough that a pass lays few pieces.
constexpr int kPieceRows = 16;
constexpr int kPieceGap = 24;
} // namespace

FigureShapeKey FigureShapeKey::of(const FigureModel &model, const FigureStyle &style, const TickFrame &ticks,
                                  qreal devicePixelRatio)
{
    FigureShapeKey key;
    key.kind = model.kind;
    key.points = model.points;
    key.pointCount = model.pointCount;
    key.angle = model.angle;
    key.flyingRuler = model.flyingRuler;
    key.widthPx = model.widthPx;
    key.heightPx = model.heightPx;
    key.rulerColor = style.rulerColor;
    key.antiAliasing = style.antiAliasing;
    key.noControlPoints = style.noControlPoints;
    key.boldControlPoints = style.boldControlPoints;
    key.ticks = ticks;
    key.ticks.size = QSize(model.widthPx, model.heightPx);
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
    if (!m_built || key != m_key) {
        FigureModel anchored = model;
        anchored.origin = QPoint();
        build(anchored, key, drawShape);
    }
    for (const Piece &piece : std::as_const(m_pieces))
        painter.drawImage(QPointF(model.origin + m_offset + piece.at), piece.pixels);
}

void FigureShapeLayer::build(const FigureModel &anchored, const FigureShapeKey &key,
                             const DrawShape &drawShape)
{
    // The shape turns about the anchor: it stays within its longest reach of it, in any direction.
    const int reach =
        int(std::ceil(std::hypot(2.0 * anchored.widthPx, 2.0 * anchored.heightPx))) + kMarkRoom;
    const QPoint center(reach, reach);
    InkBounds ink(QSize(2 * reach, 2 * reach));
    {
        QPainter painter(&ink);
        painter.translate(center);
        drawShape(painter, anchored);
    }
    QRect box = ink.bounds().adjusted(-kBleed, -kBleed, kBleed, kBleed).translated(-center);
    if (box.isEmpty())
        box = QRect(0, 0, 1, 1);
    const qreal ratio = key.devicePixelRatio;
    QImage picture((QSizeF(box.size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.translate(-box.topLeft());
        drawShape(painter, anchored);
    }
    m_pieces = piecesOf(picture, ratio);
    m_built = true;
    m_offset = box.topLeft();
    m_key = key;
    ++m_builds;
}

// Where a window pixel is a whole number of device pixels, the pieces begin on window pixels and lay
// exactly the pixels of the whole picture: only pixels that are wholly transparent are left out, and
// those change nothing where they are laid.
QList<FigureShapeLayer::Piece> FigureShapeLayer::piecesOf(const QImage &picture, qreal devicePixelRatio)
{
    if (devicePixelRatio != std::round(devicePixelRatio) || devicePixelRatio < 1)
        return {{QPoint(), picture}};
    const int ratio = int(devicePixelRatio);
    const int width = picture.width();
    QList<Piece> pieces;
    std::vector<bool> inked(static_cast<size_t>(width));
    for (int top = 0; top < picture.height(); top += kPieceRows * ratio) {
        const int bottom = std::min(picture.height(), top + kPieceRows * ratio);
        std::fill(inked.begin(), inked.end(), false);
        for (int y = top; y < bottom; ++y) {
            const auto *row = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
            for (int x = 0; x < width; ++x)
                inked[size_t(x)] = inked[size_t(x)] || row[x] != 0;
        }
        // Runs of inked columns, one piece each, unless they lie close enough to share one.
        int x = 0;
        while (x < width) {
            if (!inked[size_t(x)]) {
                ++x;
                continue;
            }
            const int left = x / ratio * ratio;
            int right = x + 1; // beyond the last inked column so far
            for (int gap = 0; x < width && gap < kPieceGap * ratio; ++x) {
                if (inked[size_t(x)]) {
                    right = x + 1;
                    gap = 0;
                } else {
                    ++gap;
                }
            }
            right = std::min(width, (right + ratio - 1) / ratio * ratio);
            x = right;
            QImage pixels = picture.copy(left, top, right - left, bottom - top);
            pixels.setDevicePixelRatio(ratio);
            pieces.append({QPoint(left / ratio, top / ratio), pixels});
        }
    }
    return pieces;
}
