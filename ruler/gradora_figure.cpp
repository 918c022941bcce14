// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The flying figure's kinds, ratios and placement, and the figure as the pointer and the keys move it.
#include "gradora.h"

#include "ruler/rulermenu.h"

#include <QGuiApplication>

FigureModifiers Gradora::figureModifiers(Qt::KeyboardModifiers held, Qt::MouseButtons buttons) const
{
    FigureModifiers modifiers;
    modifiers.shift = held & Qt::ShiftModifier;
    modifiers.control = held & Qt::ControlModifier;
    modifiers.alt = held & Qt::AltModifier;
    modifiers.leftButton = buttons & Qt::LeftButton;
    modifiers.shiftState = shiftState || modifiers.shift;
    modifiers.altState = altState;
    modifiers.reverseAlt = option(RulerOption::ReverseAlt);
    return modifiers;
}

FigureModifiers Gradora::currentFigureModifiers() const
{
    return figureModifiers(QGuiApplication::queryKeyboardModifiers(), QGuiApplication::mouseButtons());
}

// The free shapes are reserved entries: they change nothing.
void Gradora::chooseFigure(RulerCommand entry)
{
    const double ratio = RulerCommands::ratioOf(entry);
    const int kind = RulerCommands::figureKindOf(entry);
    if (ratio > 0) {
        figure.createRatioFigure(ratio, size());
    } else if (kind >= 0) {
        figure.ratioLocked = false;
        figure.create(kind, size());
    } else {
        return;
    }
    figure.visible = option(RulerOption::ShowFigure);
    m_menu->setChecked(entry, true);
    update();
}

void Gradora::sendFigureToCentre()
{
    figure.sendToCentre(size());
    update();
}

QList<QPoint> Gradora::figureControlPoints() const
{
    return QList<QPoint>(figure.figureScreenPoints.cbegin(), figure.figureScreenPoints.cend());
}

bool Gradora::figureContains(const QPoint &pos) const
{
    return figure.hitTest(pos);
}

void Gradora::moveFigureBy(const QPoint &delta)
{
    figure.bodyMove(delta, currentFigureModifiers());
    update();
}

void Gradora::dragFigureHandle(int index, const QPoint &pos, Qt::KeyboardModifiers modifiers)
{
    figure.handleDrag(index, pos, grabOffset, figureModifiers(modifiers, Qt::LeftButton));
    update();
}

void Gradora::rotateFigureBy(double degrees)
{
    figure.rotateBy(degrees);
}

void Gradora::scaleFigureBy(double factor)
{
    figure.scale(factor, factor, currentFigureModifiers());
    update();
}

void Gradora::toggleFigurePlacement()
{
    if (figure.isRatioRectangle())
        return;
    figure.togglePlacement(currentFigureModifiers());
    dragMode = 0;
    update();
}

void Gradora::recomputeFigure()
{
    figure.recompute(currentFigureModifiers());
    update();
}
