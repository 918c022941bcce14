// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "figure/figuremodel.h"
#include "paint/rulerpaintstate.h"

#include <QImage>

// A ruler's paint state in which nearly every option shows: a turned figure, guides across the body, a
// stretched picture narrower than the window, the readings and the "menu" text. The figure is the
// sample's own, so that the state may be copied and changed while the sample lives.
struct PaintStateSample
{
    FigureModel figure;
    RulerPaintState state;

    PaintStateSample()
    {
        state.size = QSize(440, 300);
        state.backgroundColor = QColor(255, 255, 200, 160);
        state.rulerColor = QColor(111, 33, 55);
        state.guidesColor = Qt::red;
        state.options.set(RulerOption::StretchPicture, true);
        state.readings = ReadingText::rulerReadings(state.size, state.readingScale(),
                                                    state.on(RulerOption::Megapixels));
        state.menuText = true;
        state.horizontalGuides = {80, 200};
        state.verticalGuides = {150};
        state.pointer = QPoint(300, 120);
        QImage picture(100, 240, QImage::Format_ARGB32);
        picture.fill(QColor(20, 160, 90));
        state.picture = picture;
        // A 200 × 100 rectangle turned by 20 degrees, well inside the window.
        figure.create(FigureKind::CornerRectangle, state.size);
        figure.points = {FigurePoint{0, 0}, FigurePoint{199, 0}, FigurePoint{0, 99}};
        figure.origin = QPoint(140, 90);
        figure.angle = 20;
        figure.recompute();
        state.figure = &figure;
        state.figureReadings = FigureReadings::measure(figure, {}, {state.size});
    }
    PaintStateSample(const PaintStateSample &) = delete;
    PaintStateSample &operator=(const PaintStateSample &) = delete;
};
