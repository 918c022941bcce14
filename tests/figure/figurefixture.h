// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

// Figures as the tests make them: created in an 800 x 600 window, turned and recomputed.

#include "figure/figuremodel.h"

#include <QSize>

namespace FigureFixture {

inline const QSize kWindow(800, 600);

// A figure of the kind, or the ratio rectangle when ratio is above 0, turned by angle.
inline FigureModel created(int kind, double angle = 0, QSize window = kWindow, double ratio = 0)
{
    FigureModel model;
    if (ratio > 0)
        model.createRatioFigure(ratio, window);
    else
        model.create(kind, window);
    model.figureAngle = angle;
    model.recompute();
    return model;
}

} // namespace FigureFixture
