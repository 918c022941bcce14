// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

// Figures as the tests make them: created in an 800 x 600 window, turned and recomputed; the kinds by
// name, for row names and failure messages.

#include "figure/figurekind.h"
#include "figure/figuremodel.h"

#include <QByteArray>
#include <QList>
#include <QSize>
#include <algorithm>

namespace FigureFixture {

inline const QSize kWindow(800, 600);

inline QList<FigureKind> kindsAnchored(std::initializer_list<FigureAnchor> anchors)
{
    QList<FigureKind> kinds;
    for (const FigureKindRow &row : FigureKinds::kRows) {
        if (std::find(anchors.begin(), anchors.end(), row.anchor) != anchors.end())
            kinds.append(row.kind);
    }
    return kinds;
}

inline const QList<FigureKind> kCornerKinds = kindsAnchored({FigureAnchor::Corner});

// Every shape; the flying ruler is a request for a corner rectangle, not a shape of its own.
inline const QList<FigureKind> kAllKinds = kindsAnchored({FigureAnchor::Corner, FigureAnchor::Center});

inline const char *kindName(FigureKind kind)
{
    switch (kind) {
    case FigureKind::CenteredEllipse:
        return "CentredEllipse";
    case FigureKind::CenteredCircle:
        return "CentredCircle";
    case FigureKind::CenteredRectangle:
        return "CentredRectangle";
    case FigureKind::CenteredSquare:
        return "CentredSquare";
    case FigureKind::CenteredRhombus:
        return "CentredRhombus";
    case FigureKind::CenteredIsoscelesTriangle:
        return "CentredIsoscelesTriangle";
    case FigureKind::CenteredRightTriangle:
        return "CentredRightTriangle";
    case FigureKind::FlyingRuler:
        return "FlyingRuler";
    case FigureKind::CornerRectangle:
        return "CornerRectangle";
    case FigureKind::CornerSquare:
        return "CornerSquare";
    case FigureKind::CornerRhombus:
        return "CornerRhombus";
    case FigureKind::CornerIsoscelesTriangle:
        return "CornerIsoscelesTriangle";
    case FigureKind::CornerRightTriangle:
        return "CornerRightTriangle";
    case FigureKind::CornerEllipse:
        return "CornerEllipse";
    case FigureKind::CornerCircle:
        return "CornerCircle";
    }
    return "unknown kind";
}

// A figure of the kind, or the ratio rectangle when ratio is above 0, turned by angle.
inline FigureModel created(FigureKind kind, double angle = 0, QSize window = kWindow, double ratio = 0)
{
    FigureModel model;
    if (ratio > 0)
        model.createRatioFigure(ratio, window);
    else
        model.create(kind, window);
    model.angle = angle;
    model.recompute();
    return model;
}

} // namespace FigureFixture

// QCOMPARE names the kinds it finds different (found by argument-dependent lookup).
inline char *toString(FigureKind kind)
{
    return qstrdup(FigureFixture::kindName(kind));
}
