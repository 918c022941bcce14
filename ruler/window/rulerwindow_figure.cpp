// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The flying figure's kinds, ratios and placement, and the figure as the pointer and the keys move it.
#include "ruler/window/rulerwindow.h"

#include "paint/rulerpainter.h"
#include "ruler/commands/rulermenu.h"

#include <QGuiApplication>

FigureModifiers RulerWindow::figureModifiers(Qt::KeyboardModifiers held, Qt::MouseButtons buttons) const
{
    FigureModifiers modifiers;
    modifiers.shift = held & Qt::ShiftModifier;
    modifiers.control = held & Qt::ControlModifier;
    modifiers.alt = held & Qt::AltModifier;
    modifiers.leftButton = buttons & Qt::LeftButton;
    modifiers.shiftState = shiftHeld() || modifiers.shift;
    modifiers.altState = altHeld();
    modifiers.reverseAlt = option(RulerOption::ReverseAlt);
    return modifiers;
}

FigureModifiers RulerWindow::currentFigureModifiers() const
{
    return figureModifiers(QGuiApplication::queryKeyboardModifiers(), QGuiApplication::mouseButtons());
}

// The free shapes are reserved entries: they change nothing.
void RulerWindow::chooseFigure(RulerCommand entry)
{
    const double ratio = RulerCommands::ratioOf(entry);
    const std::optional<FigureKind> kind = RulerCommands::figureKindOf(entry);
    if (ratio > 0) {
        figure.createRatioFigure(ratio, size());
    } else if (kind) {
        figure.ratioLocked = false;
        figure.create(*kind, size());
    } else {
        return;
    }
    figure.visible = option(RulerOption::ShowFigure);
    m_menu->setChecked(entry, true);
    update();
}

void RulerWindow::sendFigureToCentre()
{
    figure.sendToCentre(size());
    update();
}

QList<QPoint> RulerWindow::figureControlPoints() const
{
    return QList<QPoint>(figure.figureScreenPoints.cbegin(), figure.figureScreenPoints.cend());
}

bool RulerWindow::figureContains(const QPoint &pos) const
{
    return figure.hitTest(pos);
}

void RulerWindow::updateFigureArea(const QRegion &before)
{
    update(before + m_shaper.figureArea());
}

void RulerWindow::moveFigureBy(const QPoint &delta)
{
    const QRegion before = m_shaper.figureArea();
    figure.bodyMove(delta, currentFigureModifiers());
    updateFigureArea(before);
}

void RulerWindow::dragFigureHandle(int index, const QPoint &pos, QPoint &lastPos, Qt::KeyboardModifiers modifiers)
{
    const QRegion before = m_shaper.figureArea();
    figure.handleDrag(index, pos, lastPos, figureModifiers(modifiers, Qt::LeftButton));
    updateFigureArea(before);
}

void RulerWindow::rotateFigureBy(double degrees)
{
    figure.rotateBy(degrees);
}

void RulerWindow::scaleFigureBy(double factor)
{
    const QRegion before = m_shaper.figureArea();
    figure.scale(factor, factor, currentFigureModifiers());
    updateFigureArea(before);
}

void RulerWindow::toggleFigurePlacement()
{
    if (figure.isRatioRectangle())
        return;
    figure.togglePlacement(currentFigureModifiers());
    m_pointer.figureTurned();
    update();
}

void RulerWindow::recomputeFigure()
{
    figure.recompute(currentFigureModifiers());
    update();
}

void RulerWindow::setFlyingFigure(const FigureModel &model)
{
    figure = model;
    figure.visible = option(RulerOption::ShowFigure);
    update();
}

void RulerWindow::restoreFigure(const FigureModel &stored, bool placed)
{
    figure = stored;
    figure.visible = option(RulerOption::ShowFigure);
    // It stands where it was left, not in the middle.
    centerFigureOnShow = !placed;
    const FigureKind kind = figure.flyingRuler ? FigureKind::FlyingRuler : figure.figureKind;
    for (RulerCommand entry : RulerCommands::all()) {
        const double ratio = RulerCommands::ratioOf(entry);
        const bool matches = figure.isRatioRectangle()
                                 ? ratio > 0 && qFuzzyCompare(ratio, figure.figureRatio)
                                 : ratio <= 0 && RulerCommands::figureKindOf(entry) == kind;
        if (matches) {
            m_menu->setChecked(entry, true);
            break;
        }
    }
    update();
}
