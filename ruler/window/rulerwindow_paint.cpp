// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The paint pass reads a snapshot of the window's state and changes nothing; the information panel
// hears of the window's state when it changes.
#include "ruler/window/rulerwindow.h"

#include "figure/figurereadings.h"
#include "paint/rulerpainter.h"
#include "render/devicesize.h"
#include "ruler/panel/infopanel.h"

#include <QAction>
#include <QEvent>
#include <QMetaMethod>
#include <QPainter>
#include <QTimer>

ReadingScale RulerWindow::readingScale() const
{
    return RulerPaintState::readingScaleOf(state().scale());
}

RulerReadings RulerWindow::readings() const
{
    return ReadingText::rulerReadings(size(), readingScale(), option(RulerOption::Megapixels));
}

FigureReadings RulerWindow::figureReadings() const
{
    return FigureReadings::measure(figure, figureUnits(),
                                   {size(), option(RulerOption::ZeroAtLeft), option(RulerOption::ZeroAtBottom), option(RulerOption::StartFromPixelOne)});
}

bool RulerWindow::guideSpacingShown() const
{
    // Written while a horizontal guide is dragged or the pointer rests on one.
    return option(RulerOption::HoverGuides) && (m_pointer.guides().drag() == GuideDrag::Horizontal || cursor().shape() == Qt::SplitVCursor);
}

RulerPaintState RulerWindow::paintState() const
{
    const RulerState &ruler = this->state();
    RulerPaintState state;
    state.size = size();
    state.backgroundColor = ruler.colour(ColorTarget::Background);
    state.rulerColor = ruler.colour(ColorTarget::Ruler);
    state.guidesColor = ruler.colour(ColorTarget::Guides);
    state.zeroAtLeft = option(RulerOption::ZeroAtLeft);
    state.zeroAtBottom = option(RulerOption::ZeroAtBottom);
    state.startsFromOne = option(RulerOption::StartFromPixelOne);
    state.topTicker = option(RulerOption::ShowTopTicker);
    state.bottomTicker = option(RulerOption::ShowBottomTicker);
    state.leftTicker = option(RulerOption::ShowLeftTicker);
    state.rightTicker = option(RulerOption::ShowRightTicker);
    state.border = option(RulerOption::ShowBorder);
    state.crossHair = option(RulerOption::ShowCentralPoint);
    state.rulerReadings = option(RulerOption::ShowReadings);
    state.minimalReadings = option(RulerOption::MinimalReadings);
    state.widthNumber = option(RulerOption::ShowWidthNumber);
    state.heightNumber = option(RulerOption::ShowHeightNumber);
    state.bottomRightLabels = option(RulerOption::ShowBottomRightLabels);
    state.scale = ruler.scale();
    state.readings = readings();
    state.menuText = preferences && preferences->showTopRightMenu();
    state.menuHovered = m_pointer.menuHovered();
    state.guidesShown = option(RulerOption::ShowGuides);
    state.horizontalGuides = m_pointer.guides().horizontal();
    state.verticalGuides = m_pointer.guides().vertical();
    state.guideSpacing = guideSpacingShown();
    state.pointer = m_pointer.guides().pointer();
    state.picture = ruler.picture();
    state.stretchPicture = option(RulerOption::StretchPicture);
    state.proportionalPicture = option(RulerOption::ProportionalPicture);
    state.transparentPicture = option(RulerOption::TransparentPicture);
    state.figureVisible = option(RulerOption::ShowFigure);
    state.figure = &figure;
    state.figureReadings = figureReadings();
    state.figureStyle = figureStyle();
    return state;
}

void RulerWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    RulerPainter::paint(painter, paintState(), m_paintCache);
    paintEdgeFinder(painter);
}

PanelTexts RulerWindow::panelTexts() const
{
    PanelTexts texts;
    const std::optional<QPoint> position = desktopPosition();
    texts.ruler = ReadingText::panelReadings(QRect(position.value_or(QPoint()), size()), readingScale(),
                                             option(RulerOption::Megapixels), position.has_value());
    texts.deviceSize = DeviceSize::note(size(), displayScale());
    texts.notice = m_notice;
    if (!position && m_notice.isEmpty())
        texts.notice = tr("This desktop does not tell where its windows stand: the ruler's place is not known.");
    texts.figureShown = option(RulerOption::ShowFigure);
    if (option(RulerOption::ShowFigure))
        texts.figure = figureReadings().panelTexts();
    return texts;
}

// Every change of what the window shows asks for a repaint; the panel hears of it then, before the
// paint, with the texts of the state as it now is.
bool RulerWindow::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::UpdateRequest:
        m_panel.sendTexts();
        break;
    case QEvent::Resize:
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::WindowActivate:
    case QEvent::Hide:
        learnPositionFromDesktop();
        break;
    case QEvent::Show:
        // Once the compositor has mapped the window.
        QTimer::singleShot(0, this, &RulerWindow::learnPositionFromDesktop);
        break;
    default:
        break;
    }
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::Paint)
        noteShapeAfterPaint();
    return handled;
}

FigureUnits RulerWindow::figureUnits() const
{
    FigureUnits units;
    units.scale = state().scale();
    units.megapixels = option(RulerOption::Megapixels);
    return units;
}

FigureStyle RulerWindow::figureStyle() const
{
    FigureStyle style;
    style.rulerColor = state().colour(ColorTarget::Ruler);
    style.backgroundColor = state().colour(ColorTarget::Background);
    style.guidesColor = state().colour(ColorTarget::Guides);
    style.window = size();
    style.antiAliasing = option(RulerOption::AntiAliasing);
    style.noControlPoints = option(RulerOption::HideControlPoints);
    style.boldControlPoints = option(RulerOption::BoldControlPoints);
    style.showMasterPointLines = option(RulerOption::ShowRotationCentre);
    style.showOnFigureReadings = option(RulerOption::ShowFigureReadings);
    return style;
}
