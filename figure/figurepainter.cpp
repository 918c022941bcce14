// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "figure/figurepainter.h"

#include "figure/figuremodel.h"
#include "figure/figurereadings.h"
#include "render/measuredadvances.h"
#include "render/rulerstyle.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QLine>
#include <QPainter>
#include <QPen>

namespace {

constexpr int kReadingFontPx = RulerStyle::kReadingFontPx;
constexpr int kLabelFontPx = RulerStyle::kNumberFontPx;
constexpr int kCrossArm = 10;
constexpr QPoint kPointLabelOffset(5, -5);
constexpr int kTextBackgroundAlpha = 128;

// On-figure text positions: the angle's are fixed offsets from the anchor; the others sit beside the
// handle they describe, outside its control-point cross.
constexpr QPointF kAngleOffset(10, 20);
constexpr QPointF kFlippedAngleOffset(-70, -12);
constexpr QPointF kRulerAngleOffset(45, 50); // clear of the flying ruler's own ticks
constexpr QPointF kFlippedRulerAngleOffset(-100, -32);
constexpr QPointF kHandleTextOffset(12, 18);
constexpr QPointF kLowHeightTextOffset(-30, 23); // figure turned beyond a half turn
constexpr QPointF kSideTextOffset(8, -8);
// The area line's baseline: this far below the figure's box, this far above it (when the line reads
// upside down in the figure's frame, the two swap so that the text keeps the same distance), or this far
// below the box's middle.
constexpr double kAreaLineGap = 24;
constexpr double kAreaLineAboveGap = 10;
constexpr double kAreaLineMiddleDrop = 5;
constexpr QPointF kCenterXOffset(8, -22);
constexpr QPointF kCenterYOffset(8, -6);

constexpr double kHalfTurn = 180;
constexpr double kQuarterTurn = 90;
constexpr double kThreeQuarterTurn = 270;

// The two fonts of the figure, made once: every pass and every measure of a reading uses them.
const QFont &labelFont()
{
    static const QFont font = RulerStyle::font(kLabelFontPx);
    return font;
}

// The frame turned by a further half turn about a point of it, so that text reads left to right again.
QTransform turnedAbout(QTransform frame, QPointF center)
{
    frame.translate(center.x(), center.y());
    frame.rotate(kHalfTurn);
    frame.translate(-center.x(), -center.y());
    return frame;
}

QPointF screenPointOf(const FigureModel &model, int index)
{
    return model.screenTransform().map(QPointF(model.roundedPoint(index)));
}

void drawOutline(QPainter &painter, const FigureModel &model)
{
    const QPoint anchor = model.origin;
    const int w = model.widthPx;
    const int h = model.heightPx;
    switch (FigureKinds::row(model.kind).outline) {
    case FigureOutline::Box:
        painter.drawRect(model.outlineRect());
        break;
    case FigureOutline::BoxedEllipse:
        painter.drawRect(model.outlineRect());
        painter.drawEllipse(QPoint(anchor.x() + w / 2, anchor.y() + h / 2), w / 2, h / 2);
        break;
    case FigureOutline::Ellipse:
        painter.drawEllipse(model.outlineRect());
        break;
    case FigureOutline::Polygon: {
        const QPolygon outline = model.outlinePolygon();
        painter.drawPolygon(outline);
        // The stroker can leave out a sharp corner's pixel (the isosceles triangle's right base corner);
        // every corner belongs to the outline that the readings count.
        if (!painter.testRenderHint(QPainter::Antialiasing))
            painter.drawPoints(outline);
        break;
    }
    }
}

void drawControlPoints(QPainter &painter, const FigureModel &model, bool bold)
{
    const QList<QLine> arms{
        {0, 0, kCrossArm, 0}, {0, 0, -kCrossArm, 0}, {0, 0, 0, kCrossArm}, {0, 0, 0, -kCrossArm}};
    const QList<QLine> boldArms{
        {1, 1, kCrossArm, 1}, {1, 1, -kCrossArm, 1}, {1, 1, 1, kCrossArm}, {1, 1, 1, -kCrossArm}};
    painter.setFont(labelFont());
    for (int i = 0; i < std::min(model.pointCount, int(FigureModel::kStoredPoints)); ++i) {
        painter.save();
        painter.translate(model.origin + model.roundedPoint(i));
        painter.drawLines(arms);
        if (bold)
            painter.drawLines(boldArms);
        if (i > 0)
            painter.drawText(kPointLabelOffset, QString::number(i));
        painter.restore();
    }
}

// The figure's own pen and smoothing, with nothing filled.
void useFigurePen(QPainter &painter, const FigureStyle &style)
{
    painter.setRenderHint(QPainter::Antialiasing, style.antiAliasing);
    painter.setPen(QPen(style.rulerColor, 1));
    painter.setBrush(Qt::NoBrush);
}

void drawRotationCenter(QPainter &painter, const FigureModel &model, const FigureStyle &style)
{
    const QPoint anchor = model.origin;
    RulerStyle::drawDashedLine(painter, style.guidesColor, QPoint(0, anchor.y()),
                               QPoint(style.window.width(), anchor.y()));
    RulerStyle::drawDashedLine(painter, style.guidesColor, QPoint(anchor.x(), 0),
                               QPoint(anchor.x(), style.window.height()));
}

} // namespace

namespace FigurePainter {

const QFont &readingFont()
{
    static const QFont font = RulerStyle::font(kReadingFontPx);
    return font;
}

const QFontMetricsF &readingMetrics()
{
    static const QFontMetricsF metrics(readingFont());
    return metrics;
}

namespace {
// The area line's advance in whole pixels, measured once per text: it comes back from pass to pass.
int wholePixelAdvance(const QString &text)
{
    static MeasuredAdvances<QFontMetrics> measured(QFontMetrics(readingFont()), 256);
    return measured(text);
}
} // namespace

QList<FigureText> readingTexts(const FigureModel &model, const FigureReadings &readings,
                               const FigureStyle &style)
{
    QList<FigureText> texts;
    if (!style.showFigureReadings)
        return texts;
    const QTransform window;
    const QTransform rotated = model.rotatedFrame();
    const QPointF anchor(model.origin);
    const double angle = model.angle;

    texts.append({FigureText::Width, readings.onFigureWidthText(), window,
                  screenPointOf(model, 1) + kHandleTextOffset});
    if (readings.hasHeight) {
        const QPointF offset = angle > kHalfTurn ? kLowHeightTextOffset : kHandleTextOffset;
        texts.append({FigureText::Height, readings.heightText, window, screenPointOf(model, 2) + offset});
    }
    if (!readings.sideText.isEmpty()) {
        const QPointF middle = (screenPointOf(model, 1) + screenPointOf(model, 2)) / 2;
        texts.append({FigureText::Side, readings.sideText, window, middle + kSideTextOffset});
    }

    if (angle <= kQuarterTurn || angle >= kThreeQuarterTurn) {
        const QPointF offset = model.flyingRuler ? kRulerAngleOffset : kAngleOffset;
        texts.append({FigureText::Angle, readings.angleText, rotated, anchor + offset});
    } else {
        const QPointF offset = model.flyingRuler ? kFlippedRulerAngleOffset : kFlippedAngleOffset;
        texts.append({FigureText::Angle, readings.angleText, turnedAbout(rotated, anchor), anchor + offset});
    }

    // The area line goes centred on the figure's box, in its rotated frame.
    const QString line = readings.areaLine();
    const bool corner = isCornerKind(model.kind);
    const double middleX = corner ? anchor.x() + model.widthPx / 2 : anchor.x();
    const double top = corner ? anchor.y() : anchor.y() - model.heightPx;
    const double bottom = anchor.y() + model.heightPx;
    const double halfWidth = wholePixelAdvance(line) / 2.0;
    const bool upsideDown = kQuarterTurn < angle && angle < kThreeQuarterTurn;
    double baseline = bottom + kAreaLineGap;
    if (style.areaLinePlace == FigureStyle::AreaLinePlace::Above)
        baseline = top - (upsideDown ? kAreaLineGap : kAreaLineAboveGap);
    else if (style.areaLinePlace == FigureStyle::AreaLinePlace::Inside)
        baseline = (top + bottom) / 2 + (upsideDown ? -kAreaLineMiddleDrop : kAreaLineMiddleDrop);
    const QPointF center(middleX, baseline);
    texts.append({FigureText::AreaLine, line, upsideDown ? turnedAbout(rotated, center) : rotated,
                  center - QPointF(halfWidth, 0)});

    if (style.showRotationCenter) {
        texts.append({FigureText::CenterX, readings.centerXText, window, anchor + kCenterXOffset});
        texts.append({FigureText::CenterY, readings.centerYText, window, anchor + kCenterYOffset});
    }
    texts.removeIf([&style](const FigureText &text) { return style.hiddenTexts.contains(text.role); });
    return texts;
}

void drawShape(QPainter &painter, const FigureModel &model, const FigureStyle &style,
               const FlyingRulerTicks &flyingRulerTicks)
{
    painter.save();
    useFigurePen(painter, style);
    painter.setTransform(model.rotatedFrame(), true);
    drawOutline(painter, model);
    if (model.flyingRuler && model.kind == FigureKind::CornerRectangle && flyingRulerTicks) {
        painter.save();
        painter.translate(model.origin);
        flyingRulerTicks(painter, model.widthPx, model.heightPx);
        painter.restore();
    }
    if (!style.noControlPoints)
        drawControlPoints(painter, model, style.boldControlPoints);
    painter.restore();
}

void drawFigure(QPainter &painter, const FigureModel &model, const FigureReadings &readings,
                const FigureStyle &style, const FlyingRulerTicks &flyingRulerTicks, const ShapeDrawer &shape)
{
    if (!model.visible)
        return;
    if (shape)
        shape(painter);
    else
        drawShape(painter, model, style, flyingRulerTicks);

    painter.save();
    useFigurePen(painter, style);
    if (style.showRotationCenter) {
        painter.save();
        drawRotationCenter(painter, model, style);
        painter.restore();
    }

    QColor textBackground = style.backgroundColor;
    textBackground.setAlpha(kTextBackgroundAlpha);
    painter.setFont(readingFont());
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(textBackground);
    for (const FigureText &text : readingTexts(model, readings, style)) {
        painter.save();
        painter.setTransform(text.frame, true);
        painter.drawText(text.position, text.text);
        painter.restore();
    }
    painter.restore();
}

} // namespace FigurePainter
