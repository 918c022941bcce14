// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The flying figure's kinds, ratios and placement, and the figure as the pointer and the keys move it.
#include "ruler/rulerwindow.h"

#include <QAction>
#include <QGuiApplication>

using namespace FigureKind;

FigureModifiers RulerWindow::figureModifiers(Qt::KeyboardModifiers held, Qt::MouseButtons buttons) const
{
    FigureModifiers modifiers;
    modifiers.shift = held & Qt::ShiftModifier;
    modifiers.control = held & Qt::ControlModifier;
    modifiers.alt = held & Qt::AltModifier;
    modifiers.leftButton = buttons & Qt::LeftButton;
    modifiers.shiftState = shiftState || modifiers.shift;
    modifiers.altState = altState;
    modifiers.reverseAlt = actReverseAlt && actReverseAlt->isChecked();
    return modifiers;
}

FigureModifiers RulerWindow::currentFigureModifiers() const
{
    return figureModifiers(QGuiApplication::queryKeyboardModifiers(), QGuiApplication::mouseButtons());
}

void RulerWindow::chooseFigure(int kind, QAction *entry)
{
    figure.ratioLocked = false;
    figure.create(kind, size());
    figure.visible = flyingFigureVisible;
    if (entry)
        entry->setChecked(true);
    update();
}

void RulerWindow::chooseRatio(double ratio, QAction *entry)
{
    figure.createRatioFigure(ratio, size());
    figure.visible = flyingFigureVisible;
    if (entry)
        entry->setChecked(true);
    update();
}

void RulerWindow::recenterPolyruler()
{
    figure.sendToCentre(size());
    update();
}

void RulerWindow::setFlyingRuler()
{
    chooseFigure(FlyingRuler, actFlyingRuler);
}
void RulerWindow::set_M_Rectangle()
{
    chooseFigure(M_Rectangle, cornerShapeActions[0]);
}
void RulerWindow::set_M_Square()
{
    chooseFigure(M_Square, cornerShapeActions[1]);
}
void RulerWindow::set_M_Rhombus()
{
    chooseFigure(M_Rhombus, cornerShapeActions[2]);
}
void RulerWindow::set_M_IsoscelesTriangle()
{
    chooseFigure(M_IsoTriangle, cornerShapeActions[3]);
}
void RulerWindow::set_M_RightTriangle()
{
    chooseFigure(M_RightTriangle, cornerShapeActions[4]);
}
void RulerWindow::set_M_Circle()
{
    chooseFigure(M_Circle, cornerShapeActions[5]);
}
void RulerWindow::set_M_Ellipse()
{
    chooseFigure(M_Ellipse, cornerShapeActions[6]);
}
void RulerWindow::set_S_Rectangle()
{
    chooseFigure(S_Rectangle, centeredShapeActions[0]);
}
void RulerWindow::set_S_Square()
{
    chooseFigure(S_Square, centeredShapeActions[1]);
}
void RulerWindow::set_S_Rhombus()
{
    chooseFigure(S_Rhombus, centeredShapeActions[2]);
}
void RulerWindow::set_S_IsoscelesTriangle()
{
    chooseFigure(S_IsoTriangle, centeredShapeActions[3]);
}
void RulerWindow::set_S_RightTriangle()
{
    chooseFigure(S_RightTriangle, centeredShapeActions[4]);
}
void RulerWindow::set_S_Circle()
{
    chooseFigure(S_Circle, centeredShapeActions[5]);
}
void RulerWindow::set_S_Ellipse()
{
    chooseFigure(S_Ellipse, centeredShapeActions[6]);
}
void RulerWindow::set4to3Ratio()
{
    chooseRatio(FigureRatio::FourToThree, ratioActions[0]);
}
void RulerWindow::set16to9Ratio()
{
    chooseRatio(FigureRatio::SixteenToNine, ratioActions[1]);
}
void RulerWindow::set5to3Ratio()
{
    chooseRatio(FigureRatio::FiveToThree, ratioActions[2]);
}
void RulerWindow::set3to2ratio()
{
    chooseRatio(FigureRatio::ThreeToTwo, ratioActions[3]);
}
void RulerWindow::set185ratio()
{
    chooseRatio(FigureRatio::Wide185, ratioActions[4]);
}
void RulerWindow::set239ratio()
{
    chooseRatio(FigureRatio::Wide239, ratioActions[5]);
}
void RulerWindow::setGoldenRatio()
{
    chooseRatio(FigureRatio::Golden, ratioActions[6]);
}

// The free shapes are reserved entries: they are never shown and change nothing.
void RulerWindow::set_F_Rectangle() {}
void RulerWindow::set_F_Square() {}
void RulerWindow::set_F_Rhombus() {}
void RulerWindow::set_F_IsoscelesTriangle() {}
void RulerWindow::set_F_RightTriangle() {}
void RulerWindow::set_F_Circle() {}
void RulerWindow::set_F_Ellipse() {}

QList<QPoint> RulerWindow::figureControlPoints() const
{
    return QList<QPoint>(figure.figureScreenPoints.cbegin(), figure.figureScreenPoints.cend());
}

bool RulerWindow::figureContains(const QPoint &pos) const
{
    return figure.hitTest(pos);
}

void RulerWindow::moveFigureBy(const QPoint &delta)
{
    figure.bodyMove(delta, currentFigureModifiers());
    update();
}

void RulerWindow::dragFigureHandle(int index, const QPoint &pos, Qt::KeyboardModifiers modifiers)
{
    figure.handleDrag(index, pos, grabOffset, figureModifiers(modifiers, Qt::LeftButton));
    update();
}

void RulerWindow::rotateFigureBy(double degrees)
{
    figure.rotateBy(degrees);
}

void RulerWindow::scaleFigureBy(double factor)
{
    figure.scale(factor, factor, currentFigureModifiers());
    update();
}

void RulerWindow::toggleFigurePlacement()
{
    if (figure.isRatioRectangle())
        return;
    figure.togglePlacement(currentFigureModifiers());
    dragMode = 0;
    update();
}

void RulerWindow::recomputeFigure()
{
    figure.recompute(currentFigureModifiers());
    update();
}
