// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The edge finder: the window hands it the pointer, the wheel and its paint pass, and fits itself or
// the figure to the box it found.
#include "ruler/window/rulerwindow.h"

#include "figure/figurepainter.h"
#include "paint/rulerpainter.h"
#include "platform/desktop.h"
#include "ruler/commands/rulermenu.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {
// The labels' fill lets a little of what lies beneath show through.
constexpr int kLabelFillAlpha = 230;
} // namespace

EdgeFinderTool::Presentation RulerWindow::edgeFinderPresentation() const
{
    EdgeFinderTool::Presentation presentation;
    presentation.look.font = FigurePainter::readingFont();
    presentation.look.line = state().color(ColorTarget::Guides);
    presentation.look.text = state().color(ColorTarget::Ruler);
    QColor fill = state().color(ColorTarget::Background);
    fill.setAlpha(kLabelFillAlpha);
    presentation.look.fill = fill;
    presentation.scale = readingScale();
    return presentation;
}

// Without a picture there is nothing to find: the finder goes, and says why.
void RulerWindow::edgeFinderFailed(const QString &failure)
{
    if (m_edgeFinder.active())
        execute(RulerCommand::EdgeFinder);
    emit messageRequested(failure);
}

void RulerWindow::edgeFinderMoved(const QPoint &pos)
{
    // Keys (a released Shift, say) give the arrow back; the finder keeps its cross.
    setPointerShape(Qt::CrossCursor);
    update(m_edgeFinder.pointTo(pos, edgeFinderPresentation()));
}

void RulerWindow::edgeFinderWheel(QWheelEvent *event)
{
    event->accept();
    const int steps = m_pointer.wheel().turn(event->angleDelta());
    if (steps != 0)
        update(m_edgeFinder.changeTolerance(steps > 0 ? 1 : -1, edgeFinderPresentation()));
}

// A left press fits the window to the box found, with Shift the figure's rectangle instead; the other
// buttons do what they always do.
bool RulerWindow::edgeFinderPressed(const QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return false;
    setFocus();
    activateWindow();
    const QRect box = m_edgeFinder.foundBox();
    if (!box.isNull())
        fitToFoundBox(box, event->modifiers() & Qt::ShiftModifier);
    return true;
}

void RulerWindow::fitToFoundBox(const QRect &box, bool figure)
{
    if (figure) {
        // Shown, an upright rectangle that reads the box's width and height.
        if (!option(RulerOption::ShowFigure))
            execute(RulerCommand::ShowFigure);
        m_figure.fitTo(box.translated(-mapToGlobal(QPoint(0, 0))));
    } else if (!state().fullScreen()) {
        m_placement.place(box);
    }
}

void RulerWindow::paintEdgeFinder(QPainter &painter) const
{
    m_edgeFinder.paint(painter);
}
