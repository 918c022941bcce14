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
    const TickFrame frame = RulerPaintState::tickFrameOf(size(), state().options());
    return FigureReadings::measure(m_figure.model(), figureUnits(),
                                   {frame.size, frame.zeroAtLeft, frame.zeroAtBottom, frame.startsFromOne});
}

bool RulerWindow::guideSpacingShown() const
{
    // Written while a horizontal guide is dragged or the pointer rests on one.
    return option(RulerOption::HoverGuides) &&
           (m_pointer.guides().drag() == GuideDrag::Horizontal || cursor().shape() == Qt::SplitVCursor);
}

RulerPaintState RulerWindow::paintState() const
{
    const RulerState &ruler = this->state();
    RulerPaintState state;
    state.size = size();
    // Limited already where they are set; a snapshot never shows more than the limits allow.
    state.backgroundColor = ruler.color(ColorTarget::Background);
    state.rulerColor = ruler.color(ColorTarget::Ruler);
    state.guidesColor = ruler.color(ColorTarget::Guides);
    state.options = ruler.options();
    state.scale = ruler.scale();
    state.readings = readings();
    state.menuText = m_preferences && m_preferences->value<bool>(ProgramSetting::ShowTopRightMenu);
    state.menuHovered = m_pointer.menuHovered();
    state.horizontalGuides = m_pointer.guides().horizontal();
    state.verticalGuides = m_pointer.guides().vertical();
    state.guideSpacing = guideSpacingShown();
    state.pointer = m_pointer.guides().pointer();
    state.picture = ruler.picture();
    state.figure = &m_figure.model();
    state.figureReadings = figureReadings();
    return state;
}

void RulerWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    RulerPainter::paint(painter, paintState(), m_shaper.paintCache());
    paintEdgeFinder(painter);
}

PanelTexts RulerWindow::panelTexts() const
{
    PanelTexts texts;
    const std::optional<QPoint> position = m_placement.desktopPosition();
    texts.ruler = ReadingText::panelReadings(QRect(position.value_or(QPoint()), size()), readingScale(),
                                             option(RulerOption::Megapixels), position.has_value());
    texts.deviceSize = DeviceSize::note(size(), displayScale());
    texts.notice = m_placement.notice();
    if (!position && texts.notice.isEmpty())
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
        m_placement.learnPosition();
        break;
    case QEvent::Show:
        // Once the compositor has mapped the window.
        QTimer::singleShot(0, this, [this] { m_placement.learnPosition(); });
        break;
    default:
        break;
    }
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::Paint)
        m_shaper.notePainted();
    return handled;
}

FigureUnits RulerWindow::figureUnits() const
{
    FigureUnits units;
    units.scale = state().scale();
    units.megapixels = option(RulerOption::Megapixels);
    return units;
}
