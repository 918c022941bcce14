// The flying figure's kinds, ratios and placement.
#include "gradora.h"

void Gradora::recenterPolyruler()
{
    update();
}

void Gradora::setFlyingRuler() { update(); }
void Gradora::set_M_Rectangle() { update(); }
void Gradora::set_M_Square() { update(); }
void Gradora::set_M_Rhombus() { update(); }
void Gradora::set_M_IsoscelesTriangle() { update(); }
void Gradora::set_M_RightTriangle() { update(); }
void Gradora::set_M_Circle() { update(); }
void Gradora::set_M_Ellipse() { update(); }
void Gradora::set_S_Rectangle() { update(); }
void Gradora::set_S_Square() { update(); }
void Gradora::set_S_Rhombus() { update(); }
void Gradora::set_S_IsoscelesTriangle() { update(); }
void Gradora::set_S_RightTriangle() { update(); }
void Gradora::set_S_Circle() { update(); }
void Gradora::set_S_Ellipse() { update(); }
void Gradora::set4to3Ratio() { update(); }
void Gradora::set16to9Ratio() { update(); }
void Gradora::set5to3Ratio() { update(); }
void Gradora::set3to2ratio() { update(); }
void Gradora::set185ratio() { update(); }
void Gradora::set239ratio() { update(); }
void Gradora::setGoldenRatio() { update(); }

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
    return {};
}

bool Gradora::figureContains(const QPoint &) const
{
    return false;
}

void Gradora::moveFigureBy(const QPoint &)
{
    update();
}

void Gradora::dragFigureHandle(int, const QPoint &, Qt::KeyboardModifiers)
{
    update();
}

void Gradora::rotateFigureBy(double)
{
    update();
}

void Gradora::scaleFigureBy(double)
{
    update();
}

void Gradora::toggleFigurePlacement()
{
    update();
}

void Gradora::recomputeFigure()
{
    update();
}
