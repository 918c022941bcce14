// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/window/rulerview.h"

#include "figure/figurepainter.h"
#include "render/devicesize.h"
#include "ruler/input/guideset.h"
#include "ruler/window/rulerstate.h"

#include <QCoreApplication>
#include <QRect>

namespace {
// The edge finder's labels let a little of what lies beneath show through.
constexpr int kLabelFillAlpha = 230;
} // namespace

ReadingScale RulerView::readingScale() const
{
    return RulerPaintState::readingScaleOf(state.scale());
}

RulerReadings RulerView::readings() const
{
    return ReadingText::rulerReadings(size, readingScale(), state.option(RulerOption::Megapixels));
}

FigureReadings RulerView::figureReadings() const
{
    const TickFrame frame = RulerPaintState::tickFrameOf(size, state.options());
    FigureUnits units;
    units.scale = state.scale();
    units.megapixels = state.option(RulerOption::Megapixels);
    return FigureReadings::measure(figure, units,
                                   {frame.size, frame.zeroAtLeft, frame.zeroAtBottom, frame.startsFromOne});
}

RulerPaintState RulerView::paintState() const
{
    RulerPaintState paint;
    paint.size = size;
    // Limited already where they are set; a snapshot never shows more than the limits allow.
    paint.backgroundColor = state.color(ColorTarget::Background);
    paint.rulerColor = state.color(ColorTarget::Ruler);
    paint.guidesColor = state.color(ColorTarget::Guides);
    paint.options = state.options();
    paint.scale = state.scale();
    paint.readings = readings();
    paint.menuText = menuText;
    paint.menuHovered = menuHovered;
    paint.horizontalGuides = guides.horizontal();
    paint.verticalGuides = guides.vertical();
    paint.guideSpacing = guideSpacing;
    paint.pointer = guides.pointer();
    paint.picture = state.picture();
    paint.figure = &figure;
    paint.figureReadings = figureReadings();
    return paint;
}

PanelTexts RulerView::panelTexts(const std::optional<QPoint> &desktopPosition, const QString &notice,
                                 qreal displayScale) const
{
    PanelTexts texts;
    const bool megapixels = state.option(RulerOption::Megapixels);
    texts.ruler = ReadingText::panelReadings(QRect(desktopPosition.value_or(QPoint()), size), readingScale(),
                                             megapixels, desktopPosition.has_value());
    texts.deviceSize = DeviceSize::note(size, displayScale);
    texts.notice = notice;
    if (!desktopPosition && texts.notice.isEmpty())
        texts.notice = QCoreApplication::translate(
            "RulerWindow", "This desktop does not tell where its windows stand: the ruler's place is not known.");
    texts.figureShown = state.option(RulerOption::ShowFigure);
    if (texts.figureShown)
        texts.figure = figureReadings().panelTexts();
    return texts;
}

EdgeFinderTool::Presentation RulerView::edgeFinderPresentation() const
{
    EdgeFinderTool::Presentation presentation;
    presentation.look.font = FigurePainter::readingFont();
    presentation.look.line = state.color(ColorTarget::Guides);
    presentation.look.text = state.color(ColorTarget::Ruler);
    QColor fill = state.color(ColorTarget::Background);
    fill.setAlpha(kLabelFillAlpha);
    presentation.look.fill = fill;
    presentation.scale = readingScale();
    return presentation;
}
