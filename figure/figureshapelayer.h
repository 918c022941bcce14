// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "figure/figuremodel.h"
#include "figure/figurepainter.h"
#include "render/ticklayout.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>

class QPainter;

// Everything the figure's shape (see FigurePainter::drawShape) looks like, but where it stands: equal
// keys draw equal pictures.
struct FigureShapeKey
{
    FigureKind kind = FigureKind::CornerRectangle;
    std::array<FigurePoint, FigureModel::kStoredPoints> points{};
    int pointCount = 0;
    double angle = 0;
    bool flyingRuler = false;
    int widthPx = 0;
    int heightPx = 0;
    QColor rulerColor;
    bool antiAliasing = false;
    bool noControlPoints = false;
    bool boldControlPoints = false;
    // How the flying ruler's ticks are numbered (the size is the figure's).
    TickFrame ticks;
    qreal devicePixelRatio = 1;

    static FigureShapeKey of(const FigureModel &model, const FigureStyle &style, const TickFrame &ticks,
                             qreal devicePixelRatio);
    bool operator==(const FigureShapeKey &other) const;
    bool operator!=(const FigureShapeKey &other) const { return !(*this == other); }
};

// The figure's shape kept as a picture. Turned lines and turned numbers are the dearest part of a paint
// pass; kept, a pass lays the picture where the figure's anchor is, and draws it anew only when the key
// changes. The picture is drawn with the anchor at a fixed point, so that moving the figure by whole
// pixels changes nothing in it and a kept picture looks exactly like a new one at any place.
class FigureShapeLayer
{
public:
    using DrawShape = std::function<void(QPainter &painter, const FigureModel &model)>;

    // Lays the shape of `model` (drawn by drawShape, which must depend on no more than `key`) over the
    // painter's device at the figure's place.
    void draw(QPainter &painter, const FigureModel &model, const FigureShapeKey &key,
              const DrawShape &drawShape);
    // How often the picture was drawn.
    int builds() const { return m_builds; }

private:
    void build(const FigureModel &anchored, const FigureShapeKey &key, const DrawShape &drawShape);

    // A piece of the picture that holds ink: a turned shape leaves most of its box empty, and only
    // pieces around the ink are kept. `at` is its top left corner in the picture, in window pixels.
    struct Piece
    {
        QPoint at;
        QImage pixels;
    };
    static QList<Piece> piecesOf(const QImage &picture, qreal devicePixelRatio);

    QList<Piece> m_pieces;
    bool m_built = false;
    // The picture's top left corner from the figure's anchor, in window pixels.
    QPoint m_offset;
    FigureShapeKey m_key;
    int m_builds = 0;
};
