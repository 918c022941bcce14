// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The flying figure's kinds, ratios and placement, and the figure as the pointer and the keys move it.
#include "gradora.h"

#include <QAction>
#include <QGuiApplication>

using namespace FigureKind;

FigureModifiers Gradora::figureModifiers(Qt::KeyboardModifiers held, Qt::MouseButtons buttons) const
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

FigureModifiers Gradora::currentFigureModifiers() const
{
    return figureModifiers(QGuiApplication::queryKeyboardModifiers(), QGuiApplication::mouseButtons());
}

void Gradora::chooseFigure(int kind, QAction *entry)
{
    figure.ratioLocked = false;
    figure.create(kind, size());
    figure.visible = flyingFigureVisible;
    if (entry)
        entry->setChecked(true);
    update();
}

void Gradora::chooseRatio(double ratio, QAction *entry)
{
    figure.createRatioFigure(ratio, size());
    figure.visible = flyingFigureVisible;
    if (entry)
        entry->setChecked(true);
    update();
}

void Gradora::recenterPolyruler()
{
    figure.sendToCentre(size());
    update();
}

void Gradora::setFlyingRuler()
{
    chooseFigure(FlyingRuler, actFlyingRuler);
}
void Gradora::set_M_Rectangle()
{
    chooseFigure(M_Rectangle, cornerShapeActions[0]);
}
void Gradora::set_M_Square()
{
    chooseFigure(M_Square, cornerShapeActions[1]);
}
void Gradora::set_M_Rhombus()
{
    chooseFigure(M_Rhombus, cornerShapeActions[2]);
}
void Gradora::set_M_IsoscelesTriangle()
{
    chooseFigure(M_IsoTriangle, cornerShapeActions[3]);
}
void Gradora::set_M_RightTriangle()
{
    chooseFigure(M_RightTriangle, cornerShapeActions[4]);
}
void Gradora::set_M_Circle()
{
    chooseFigure(M_Circle, cornerShapeActions[5]);
}
void Gradora::set_M_Ellipse()
{
    chooseFigure(M_Ellipse, cornerShapeActions[6]);
}
void Gradora::set_S_Rectangle()
{
    chooseFigure(S_Rectangle, centeredShapeActions[0]);
}
void Gradora::set_S_Square()
{
    chooseFigure(S_Square, centeredShapeActions[1]);
}
void Gradora::set_S_Rhombus()
{
    chooseFigure(S_Rhombus, centeredShapeActions[2]);
}
void Gradora::set_S_IsoscelesTriangle()
{
    chooseFigure(S_IsoTriangle, centeredShapeActions[3]);
}
void Gradora::set_S_RightTriangle()
{
    chooseFigure(S_RightTriangle, centeredShapeActions[4]);
}
void Gradora::set_S_Circle()
{
    chooseFigure(S_Circle, centeredShapeActions[5]);
}
void Gradora::set_S_Ellipse()
{
    chooseFigure(S_Ellipse, centeredShapeActions[6]);
}
void Gradora::set4to3Ratio()
{
    chooseRatio(FigureRatio::FourToThree, ratioActions[0]);
}
void Gradora::set16to9Ratio()
{
    chooseRatio(FigureRatio::SixteenToNine, ratioActions[1]);
}
void Gradora::set5to3Ratio()
{
    chooseRatio(FigureRatio::FiveToThree, ratioActions[2]);
}
void Gradora::set3to2ratio()
{
    chooseRatio(FigureRatio::ThreeToTwo, ratioActions[3]);
}
void Gradora::set185ratio()
{
    chooseRatio(FigureRatio::Wide185, ratioActions[4]);
}
void Gradora::set239ratio()
{
    chooseRatio(FigureRatio::Wide239, ratioActions[5]);
}
void Gradora::setGoldenRatio()
{
    chooseRatio(FigureRatio::Golden, ratioActions[6]);
}

// The free shapes are reserved entries: they are never shown and change nothing.
void Gradora::set_F_Rectangle() {}
void Gradora::set_F_Square() {}
void Gradora::set_F_Rhombus() {}
void Gradora::set_F_IsoscelesTriangle() {}
void Gradora::set_F_RightTriangle() {}
void Gradora::set_F_Circle() {}
void Gradora::set_F_Ellipse() {}

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
