// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "figure/figuremodel.h"

#include <QtGlobal>
#include <iterator>

// The rectangles of a fixed ratio the user can choose, in the menu's order: the ratio, the suffix the
// readings add to the kind's name (context "FigureReadings"; only words are marked for translation)
// and the menu's text (context "RulerWindow"). The menu, the keys and the readings all walk this table.
struct RatioRectangle
{
    double ratio;
    const char *suffix;
    const char *menuText;
};

inline constexpr RatioRectangle kRatioRectangles[] = {
    {FigureRatio::FourToThree, " / 4:3", QT_TRANSLATE_NOOP("RulerWindow", "Ratio 1.33333333:1 -- 4:3")},
    {FigureRatio::SixteenToNine, " / 16:9", QT_TRANSLATE_NOOP("RulerWindow", "Ratio 1.77777778:1 -- 16:9")},
    {FigureRatio::FiveToThree, " / 5:3", QT_TRANSLATE_NOOP("RulerWindow", "Ratio 1.66666667:1 -- 5:3")},
    {FigureRatio::ThreeToTwo, " / 3:2", QT_TRANSLATE_NOOP("RulerWindow", "Ratio 1.5:1 -- 3:2")},
    {FigureRatio::Wide185, " / 1.85:1", QT_TRANSLATE_NOOP("RulerWindow", "Ratio 1.85:1")},
    {FigureRatio::Wide239, " / 2.39:1", QT_TRANSLATE_NOOP("RulerWindow", "Ratio 2.39:1")},
    {FigureRatio::Golden, QT_TRANSLATE_NOOP("FigureReadings", " / golden"),
     QT_TRANSLATE_NOOP("RulerWindow", "Ratio 1.61803399:1 -- \"golden\" ratio")},
};

inline constexpr int kRatioRectangleCount = int(std::size(kRatioRectangles));
