// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "figure/figurereadings.h"
#include "render/readingtext.h"

// What the information panel lists about the ruler that owns it: the ruler's lines always, the flying
// figure's only while the figure is shown, and two lines that show only when they say something: the
// ruler's size in device pixels where the display is scaled, and a notice to the user.
struct PanelTexts
{
    PanelReadings ruler;
    QString deviceSize;
    QString notice;
    bool figureShown = true;
    FigurePanelTexts figure; // meaningful while the figure is shown

    bool operator==(const PanelTexts &other) const
    {
        return ruler == other.ruler && deviceSize == other.deviceSize && notice == other.notice &&
               figureShown == other.figureShown && (!figureShown || figure == other.figure);
    }
    bool operator!=(const PanelTexts &other) const { return !(*this == other); }
};
