// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QString>

class QPainter;
struct RulerPaintCache;
struct RulerPaintState;

// A text in the numbers' font, written from its baseline start.
struct PlacedText
{
    QPoint baseline;
    QString text;
};

// The guides as a ruler draws them beneath its scales: the lines as 1-pixel rectangles, the labels and
// the spacings beside the pointer in the numbers' font. Known before they are drawn, so that a pass
// knows where they lie.
struct GuideMarks
{
    QList<QRect> levelLines;
    QList<QRect> uprightLines;
    QList<PlacedText> labels;
    QList<PlacedText> spacings;

    // Nothing while the guides are hidden.
    static GuideMarks of(const RulerPaintState &state);
    // Draws the lines, then the labels and spacings; the upright lines except where they are in place
    // already.
    void draw(QPainter &painter, const RulerPaintState &state, RulerPaintCache &cache,
              const QRegion &inPlace) const;
};
