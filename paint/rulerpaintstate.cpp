// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "paint/rulerpaintstate.h"

#include "figure/figuremodel.h"

#include <QDataStream>
#include <QIODevice>

FigureStyle RulerPaintState::figureStyle() const
{
    FigureStyle style;
    style.rulerColor = rulerColor;
    style.backgroundColor = backgroundColor;
    style.guidesColor = guidesColor;
    style.window = size;
    style.antiAliasing = on(RulerOption::AntiAliasing);
    style.noControlPoints = on(RulerOption::HideControlPoints);
    style.boldControlPoints = on(RulerOption::BoldControlPoints);
    style.showRotationCenter = on(RulerOption::ShowRotationCenter);
    style.showFigureReadings = on(RulerOption::ShowFigureReadings);
    return style;
}

std::array<bool, 4> RulerPaintState::shownTickers() const
{
    return {on(RulerOption::ShowTopTicker), on(RulerOption::ShowBottomTicker), on(RulerOption::ShowLeftTicker),
            on(RulerOption::ShowRightTicker)};
}

QByteArray RulerPaintState::shapeKey() const
{
    QByteArray key;
    QDataStream out(&key, QIODevice::WriteOnly);
    out << size << backgroundColor << rulerColor << guidesColor;
    for (const RulerOptionTable::Entry &row : RulerOptionTable::kTable) {
        if (row.drawing == RulerOptionTable::Drawing::Drawn)
            out << on(row.option);
    }
    out << int(scale.unitKind) << scale.unitLabel << scale.pixelsPerUnitX << scale.pixelsPerUnitY
        << scale.pixelsPerUnitAvg << scale.ticksPerUnit;
    out << readings.widthNumber << readings.heightNumber << readings.widthText << readings.heightText
        << readings.areaText << readings.perimeterText;
    out << menuText << horizontalGuides << verticalGuides;
    // The guide spacings are written beside the pointer; elsewhere it moves over what is drawn.
    out << guideSpacing << (guideSpacing ? pointer : QPoint());
    out << picture.size();
    out << figureShown();
    if (figureShown()) {
        out << figure->kind << figure->pointCount << figure->origin << figure->angle
            << figure->flyingRuler << figure->ratioLocked << figure->ratio << figure->screenPoints;
        for (const FigurePoint &point : figure->points)
            out << point.x << point.y;
    }
    return key;
}

TickFrame RulerPaintState::tickFrameOf(QSize size, const RulerOptions &options)
{
    return {size, options.value(RulerOption::ZeroAtLeft), options.value(RulerOption::ZeroAtBottom),
            options.value(RulerOption::StartFromPixelOne)};
}

ReadingScale RulerPaintState::readingScaleOf(const UnitScale &scale)
{
    ReadingScale reading;
    reading.pixelMode = scale.unitKind == UnitScale::Pixels;
    reading.pixelsPerUnitX = scale.pixelsPerUnitX;
    reading.pixelsPerUnitY = scale.pixelsPerUnitY;
    reading.unitLabel = scale.unitLabel;
    return reading;
}
