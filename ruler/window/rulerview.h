// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "figure/figurereadings.h"
#include "paint/rulerpaintstate.h"
#include "render/readingtext.h"
#include "ruler/edgefinder/edgefindertool.h"
#include "ruler/panel/paneltexts.h"

#include <QPoint>
#include <QSize>
#include <QString>
#include <optional>

class FigureModel;
class GuideSet;
class RulerState;

// What a ruler shows, read from its parts as they stand: what a paint pass draws, the reading texts,
// the information panel's lines and the edge finder's look. A view refers to the parts: it is made,
// read and dropped at once.
struct RulerView
{
    const RulerState &state;
    QSize size;
    const FigureModel &figure;
    const GuideSet &guides;
    // The "menu" text at the top right, and whether the pointer rests on it.
    bool menuText = false;
    bool menuHovered = false;
    // Whether the spacings between horizontal guides are written beside the pointer.
    bool guideSpacing = false;

    ReadingScale readingScale() const;
    RulerReadings readings() const;
    FigureReadings figureReadings() const;
    RulerPaintState paintState() const;
    // `desktopPosition` is where the window stands, where the desktop tells; `notice` what its
    // placement has to say; `displayScale` the device pixels per logical pixel.
    PanelTexts panelTexts(const std::optional<QPoint> &desktopPosition, const QString &notice,
                          qreal displayScale) const;
    // The finder's labels are written in the ruler's colours and unit.
    EdgeFinderTool::Presentation edgeFinderPresentation() const;
};
