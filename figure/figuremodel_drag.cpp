// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The figure as the pointer and the wheel change it: turning, scaling, dragging a control point and
// moving the whole figure.
#include "figure/figuremodel.h"

#include "figure/figureangle.h"
#include "figure/figuremath.h"

#include <algorithm>
#include <cmath>

using FigureMath::roundHalfUp;

namespace {

// Far beyond any desktop: a figure dragged without end stops here.
constexpr int kMaxOriginCoordinate = 1000000;
// The wheel's factor 1 + v/100 reaches zero and below; it would collapse or mirror the figure.
constexpr double kMinScaleFactor = 0.01;
// A non-zero extent never scales below one pixel, so the figure cannot shrink to a point.
constexpr double kMinScaledExtent = 1.0;

double clampedScaled(double rounded, double factor)
{
    double value = rounded * factor;
    if (rounded != 0 && std::abs(value) < kMinScaledExtent)
        value = std::copysign(kMinScaledExtent, rounded);
    return value;
}

} // namespace

void FigureModel::rotateBy(double degrees)
{
    if (!std::isfinite(degrees))
        return;
    if (kind != FigureKind::CenteredCircle) {
        angle += degrees;
        return;
    }
    QTransform turn;
    turn.translate(rotationCenter.x(), rotationCenter.y());
    turn.rotate(degrees);
    turn.translate(-rotationCenter.x(), -rotationCenter.y());
    for (int i = 0; i < std::min(pointCount, kStoredPoints); ++i) {
        const QPointF turned = turn.map(QPointF(points[i].x, points[i].y));
        setPoint(i, turned.x(), turned.y());
    }
}

void FigureModel::scale(double factorX, double factorY, const FigureModifiers &modifiers)
{
    if (!std::isfinite(factorX) || !std::isfinite(factorY))
        return;
    factorX = std::max(factorX, kMinScaleFactor);
    factorY = std::max(factorY, kMinScaleFactor);
    for (int i = 0; i < kStoredPoints; ++i) {
        const FigurePoint p = points[i];
        setPoint(i, clampedScaled(roundHalfUp(p.x), factorX), clampedScaled(roundHalfUp(p.y), factorY));
    }
    recompute(modifiers);
}

void FigureModel::handleDrag(int pointIndex, QPoint pointer, QPoint &lastPointer,
                             const FigureModifiers &modifiers)
{
    if (pointIndex < 0 || pointIndex >= std::min(pointCount, kStoredPoints))
        return;
    FigurePoint &dragged = points[pointIndex];
    dragged = FigurePoint{std::trunc(dragged.x), std::trunc(dragged.y)};

    // With the option off a plain drag turns and Alt only stretches; the option swaps the two.
    const bool rotate = modifiers.shiftState || modifiers.altState == modifiers.reverseAlt;
    const bool rightTriangle = kind == FigureKind::CenteredRightTriangle;
    constexpr double kHalfTurn = 180;
    constexpr double kQuarterTurn = 90;

    if (pointIndex == 0) {
        bodyMove(pointer - lastPointer, modifiers);
        lastPointer = pointer;
        return;
    }

    const QPointF anchor =
        screenPoints.isEmpty() ? QPointF(origin) : QPointF(screenPoints[0]);
    const double length = std::hypot(pointer.x() - anchor.x(), pointer.y() - anchor.y());
    const double theta = FigureAngle::direction(anchor, pointer);
    const double signedLength = rightTriangle ? -length : length;

    if (pointIndex == 1) {
        if (kind == FigureKind::CenteredCircle) {
            // A circle turned by the wheel carries its direction in the handle itself: keep the handle
            // on that direction (or on the new angle) so that it stays under the pointer.
            const double current = std::hypot(dragged.x, dragged.y);
            if (rotate || current == 0) {
                angle = theta;
                setPoint(1, length, 0);
            } else {
                setPoint(1, dragged.x * length / current, dragged.y * length / current);
            }
        } else {
            if (rotate)
                angle = rightTriangle ? theta + kHalfTurn : theta;
            setPoint(1, signedLength, dragged.y);
        }
        // Squares and circles have one extent: their height goes along with the width.
        if (hasSingleExtent(kind) && !isRatioRectangle())
            setPoint(2, 0, std::hypot(points[1].x, points[1].y));
    } else {
        if (rotate) {
            angle = FigureAngle::normalised(theta - kQuarterTurn);
            if (rightTriangle)
                angle -= kHalfTurn;
        }
        setPoint(2, dragged.x, signedLength);
    }
    recomputeRotationCenter();
    recompute(modifiers);
}

void FigureModel::bodyMove(QPoint delta, const FigureModifiers &modifiers)
{
    const auto clampedSum = [](int a, int b) {
        return int(std::clamp<long long>((long long)a + b, -kMaxOriginCoordinate, kMaxOriginCoordinate));
    };
    origin = QPoint(clampedSum(origin.x(), delta.x()), clampedSum(origin.y(), delta.y()));
    recompute(modifiers);
}
