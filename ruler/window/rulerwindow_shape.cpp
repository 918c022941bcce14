// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The window's shape where no compositing manager makes its body translucent.
#include "ruler/window/rulerwindow.h"

#include "paint/rulerpainter.h"
#include "platform/desktop.h"
#include "render/inkmask.h"
#include "render/rulershape.h"
#include "ruler/input/pointerrules.h"

#include <QAction>
#include <QDataStream>
#include <QIODevice>
#include <QPainter>
#include <QTimer>

namespace {
// A control point stays grabbable as far as the pointer finds it.
constexpr int kHandleReach = PointerRules::kControlPointReach;
} // namespace

QRegion RulerWindow::shapeRegion() const
{
    if (m_edgeFinder.showsBackdrop())
        return rect();
    InkMask mask(size(), logicalDpiY());
    RulerPaintState state = paintState();
    if (m_windowDragShape)
        state.figureVisible = false;
    RulerShape::markBands(mask, state.tickFrame(), state.scale,
                          {state.topTicker, state.bottomTicker, state.leftTicker, state.rightTicker},
                          PointerRules::kGuideBandEnd + 1);
    {
        QPainter painter(&mask);
        RulerPainter::drawContent(painter, state, m_paintCache);
    }
    if (state.figureVisible && !option(RulerOption::HideControlPoints)) {
        for (const QPoint &point : figureControlPoints())
            mask.mark(QRect(point - QPoint(kHandleReach, kHandleReach),
                            QSize(2 * kHandleReach + 1, 2 * kHandleReach + 1)));
    }
    return mask.region();
}

// Everything the shape is made from. Equal signatures give equal shapes, so a repaint that changed
// nothing of it (a pointer moving over the body) costs no new shape.
QByteArray RulerWindow::shapeSignature() const
{
    QByteArray signature;
    QDataStream out(&signature, QIODevice::WriteOnly);
    out << size() << option(RulerOption::ZeroAtLeft) << option(RulerOption::ZeroAtBottom)
        << option(RulerOption::StartFromPixelOne) << option(RulerOption::ShowLeftTicker)
        << option(RulerOption::ShowRightTicker) << option(RulerOption::ShowTopTicker)
        << option(RulerOption::ShowBottomTicker) << option(RulerOption::ShowCentralPoint)
        << option(RulerOption::ShowBorder) << option(RulerOption::ShowReadings)
        << option(RulerOption::MinimalReadings) << option(RulerOption::ShowWidthNumber)
        << option(RulerOption::ShowHeightNumber) << option(RulerOption::ShowBottomRightLabels)
        << option(RulerOption::ShowFigure) << option(RulerOption::ShowFigureReadings)
        << option(RulerOption::ShowRotationCentre) << option(RulerOption::BoldControlPoints)
        << option(RulerOption::HideControlPoints);
    const UnitScale &scale = state().scale();
    out << int(scale.unitKind) << scale.unitLabel << scale.pixelsPerUnitX << scale.pixelsPerUnitY;
    out << option(RulerOption::ShowGuides) << m_pointer.guides().horizontal() << m_pointer.guides().vertical();
    // The guide spacing is written beside the pointer while it rests on a guide.
    const bool spacingShown = guideSpacingShown();
    out << spacingShown << (spacingShown ? m_pointer.guides().pointer() : QPoint());
    const RulerReadings readings = this->readings();
    out << readings.widthNumber << readings.heightNumber << readings.widthText << readings.heightText
        << readings.areaText << readings.perimeterText;
    out << figure.figureKind << figure.figurePointCount << figure.figureOrigin << figure.figureAngle
        << figure.flyingRuler << figure.ratioLocked << figure.figureRatio << figure.figureScreenPoints;
    for (const FigurePoint &point : figure.figurePoints)
        out << point.x << point.y;
    out << option(RulerOption::Megapixels);
    out << state().picture().size() << option(RulerOption::StretchPicture) << option(RulerOption::ProportionalPicture);
    out << (preferences && preferences->showTopRightMenu());
    out << m_edgeFinder.showsBackdrop() << m_windowDragShape;
    return signature;
}

void RulerWindow::noteShapeAfterPaint()
{
    if (shapeUpdatePending || compositing())
        return;
    if (shapeSignature() == appliedShapeSignature)
        return;
    // Shaped after the paint, not inside it.
    shapeUpdatePending = true;
    QTimer::singleShot(0, this, &RulerWindow::updateShape);
}

void RulerWindow::updateShape()
{
    shapeUpdatePending = false;
    if (compositing()) {
        if (!appliedShapeSignature.isEmpty()) {
            clearMask();
            appliedShapeSignature.clear();
        }
        return;
    }
    QByteArray signature = shapeSignature();
    if (signature == appliedShapeSignature)
        return;
    const QRegion shape = shapeRegion();
    const bool grows = !shape.subtracted(mask()).isEmpty();
    setMask(shape);
    appliedShapeSignature = std::move(signature);
    ++shapeCount;
    // Painting keeps inside the shape, so what the new shape adds (say the readings' boxes of a ruler
    // that just became active) was never painted: once the shape is in place, paint the whole window.
    // A shape that only shrinks (the start of a window drag) needs no paint.
    if (grows)
        QTimer::singleShot(0, this, qOverload<>(&QWidget::update));
}

// Shaped at once, so that the first step of the drag already moves the light shape.
void RulerWindow::setWindowDragShape(bool dragging)
{
    if (m_windowDragShape == dragging)
        return;
    m_windowDragShape = dragging;
    if (!compositing())
        updateShape();
}
