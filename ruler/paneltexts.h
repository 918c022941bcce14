// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "figure/figurereadings.h"
#include "render/readingtext.h"

// What the information panel lists about the ruler that owns it: the ruler's lines always, the flying
// figure's only while the figure is shown.
struct PanelTexts
{
    PanelReadings ruler;
    bool figureShown = true;
    FigurePanelTexts figure; // meaningful while the figure is shown

    bool operator==(const PanelTexts &other) const
    {
        return ruler == other.ruler && figureShown == other.figureShown
            && (!figureShown || figure == other.figure);
    }
    bool operator!=(const PanelTexts &other) const { return !(*this == other); }
};
