// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "figure/figuremodel.h"

#include "figure/figureangle.h"
#include "figure/figuremath.h"

#include <QtMath>

#include <algorithm>
#include <cmath>

using namespace FigureKind;
using FigureMath::roundHalfUp;
using FigureMath::toPixel;

namespace {

// Far beyond any desktop, yet exact in a float: a figure scaled or dragged without end stops here
// instead of running into infinities.
constexpr double kMaxModelCoordinate = 1.0e6;
constexpr int kMaxOriginCoordinate = 1000000;
// The wheel's factor 1 + v/100 reaches zero and below; it would collapse or mirror the figure.
constexpr double kMinScaleFactor = 0.01;
// A non-zero extent never scales below one pixel, so the figure cannot shrink to a point.
constexpr double kMinScaledExtent = 1.0;
constexpr double kFlyingRulerAngle = 323.24;
constexpr double kSquareSide = 399;

struct KindDefaults
{
    int kind;
    FigurePoint widthHandle;
    FigurePoint heightHandle;
    int pointCount;
};

constexpr std::array<KindDefaults, 15> kDefaults{{
    {M_Rectangle, {499, 0}, {0, 299}, 3},
    {M_Rhombus, {499, 0}, {0, 299}, 3},
    {M_IsoTriangle, {499, 0}, {0, 299}, 3},
    {M_RightTriangle, {499, 0}, {0, 299}, 3},
    {M_Ellipse, {499, 0}, {0, 299}, 3},
    {FlyingRuler, {499, 0}, {0, 149}, 3},
    {M_Square, {kSquareSide, 0}, {0, kSquareSide}, 2},
    {M_Circle, {kSquareSide, 0}, {0, kSquareSide}, 2},
    {S_Rectangle, {249, 0}, {0, 149}, 3},
    {S_Rhombus, {249, 0}, {0, 149}, 3},
    {S_Ellipse, {249, 0}, {0, 149}, 3},
    {S_RightTriangle, {-249.5f, 0}, {0, -149.5f}, 3},
    {S_IsoTriangle, {124, 0}, {0, 149}, 3},
    {S_Square, {199, 0}, {0, 199}, 2},
    {S_Circle, {199, 0}, {0, 199}, 2},
}};

const KindDefaults *defaultsOf(int kind)
{
    const auto found = std::find_if(kDefaults.begin(), kDefaults.end(),
                                    [kind](const KindDefaults &d) { return d.kind == kind; });
    return found == kDefaults.end() ? nullptr : &*found;
}

bool usableRatio(double ratio)
{
    return std::isfinite(ratio) && ratio > 0;
}

QPoint toScreenPoint(QPointF point)
{
    return QPoint(toPixel(point.x()), toPixel(point.y()));
}

// QTransform::map on a QPolygon rounds without bounds; this one clamps like every other conversion.
QPolygon mapped(const QTransform &transform, const QPolygon &polygon)
{
    QPolygon result;
    result.reserve(polygon.size());
    for (const QPoint &point : polygon)
        result.append(toScreenPoint(transform.map(QPointF(point))));
    return result;
}

double distance(QPoint a, QPoint b)
{
    return std::hypot(double(b.x()) - a.x(), double(b.y()) - a.y());
}

double clampedScaled(double rounded, double factor)
{
    double value = rounded * factor;
    if (rounded != 0 && std::abs(value) < kMinScaledExtent)
        value = std::copysign(kMinScaledExtent, rounded);
    return value;
}

} // namespace

void FigureModel::setPoint(int index, double x, double y)
{
    const auto toModel = [](double v) {
        return std::isfinite(v) ? float(std::clamp(v, -kMaxModelCoordinate, kMaxModelCoordinate)) : 0.0f;
    };
    figurePoints[index] = FigurePoint{toModel(x), toModel(y)};
}

void FigureModel::create(int kind, QSize window)
{
    const KindDefaults *defaults = defaultsOf(kind);
    if (!defaults)
        return;
    flyingRuler = false;
    figureAngle = 0;
    visible = true;
    figurePoints = {FigurePoint{}, defaults->widthHandle, defaults->heightHandle};
    figurePointCount = defaults->pointCount;
    if (kind == FlyingRuler) {
        flyingRuler = true;
        figureAngle = kFlyingRulerAngle;
        kind = M_Rectangle;
    }
    figureKind = kind;
    if (isRatioRectangle())
        setPoint(2, 0, kSquareSide / figureRatio);
    recomputeRotationCenter();
    sendToCentre(window);
    recompute();
}

void FigureModel::createInitialFigure(QSize window)
{
    create(S_Rectangle, window);
    create(M_Rectangle, window);
    create(FlyingRuler, window);
}

void FigureModel::createRatioFigure(double ratio, QSize window)
{
    if (!usableRatio(ratio))
        return;
    figureRatio = ratio;
    ratioLocked = true;
    create(M_Square, window);
}

bool FigureModel::isRatioRectangle() const
{
    return figureKind == M_Square && ratioLocked && usableRatio(figureRatio);
}

double FigureModel::singleExtentHeight() const
{
    const double width = figurePoints[1].x;
    return isRatioRectangle() ? width / figureRatio : width;
}

void FigureModel::recomputeRotationCenter()
{
    rotationCenter = QPointF(figurePoints[0].x, figurePoints[0].y);
}

QTransform FigureModel::screenTransform() const
{
    QTransform transform;
    transform.translate(figureOrigin.x(), figureOrigin.y());
    transform.rotate(figureAngle);
    return transform;
}

QTransform FigureModel::rotatedFrame() const
{
    QTransform transform = screenTransform();
    transform.translate(-figureOrigin.x(), -figureOrigin.y());
    return transform;
}

QPoint FigureModel::roundedPoint(int index) const
{
    return QPoint(toPixel(figurePoints[index].x), toPixel(figurePoints[index].y));
}

void FigureModel::recompute(const FigureModifiers &modifiers)
{
    // The ratio rectangle's height always follows its width.
    if (isRatioRectangle())
        setPoint(2, 0, singleExtentHeight());

    figureAngle = FigureAngle::normalised(figureAngle);
    if (modifiers.leftButton) {
        if (modifiers.shift && (modifiers.control || modifiers.alt))
            figureAngle = FigureAngle::snappedToWhole(figureAngle);
        else if (modifiers.shift || modifiers.shiftState)
            figureAngle = FigureAngle::snappedTo45(figureAngle);
    }

    const int count = std::clamp(figurePointCount, 0, kStoredPoints);
    QPolygon modelPolygon;
    for (int i = 0; i < count; ++i)
        modelPolygon.append(roundedPoint(i));
    figurePolygon = mapped(screenTransform(), modelPolygon);
    figureScreenPoints = figurePolygon;
    computeExtents();
}

void FigureModel::computeExtents()
{
    const QPolygon &s = figureScreenPoints;
    const double toWidthHandle = s.size() > 1 ? distance(s[0], s[1]) : 0;
    const double toHeightHandle = s.size() > 2 ? distance(s[0], s[2]) : 0;

    figureWidth = toWidthHandle;
    figureWidthPx = toPixel(figureWidth);
    switch (figureKind) {
    case S_Circle:
    case S_Square:
    case M_Circle:
        figureHeight = figureWidth;
        figureHeightPx = figureWidthPx;
        break;
    case M_Square:
        figureHeight = figureWidth;
        figureHeightPx = figureWidthPx;
        if (isRatioRectangle()) {
            figureHeight = figureWidth / figureRatio;
            figureHeightPx = int(figureWidthPx / figureRatio);
        }
        break;
    case S_IsoTriangle:
        // The handle sits at a quarter of the base; the drawn half base is twice that.
        figureWidthPx = 2 * toPixel(toWidthHandle);
        figureHeight = toHeightHandle;
        figureHeightPx = toPixel(figureHeight);
        break;
    default:
        figureHeight = toHeightHandle;
        figureHeightPx = toPixel(figureHeight);
        break;
    }
}

void FigureModel::sendToCentre(QSize window)
{
    const QPoint centre(window.width() / 2, window.height() / 2);
    if (isCentreKind(figureKind)) {
        figureOrigin = centre;
        recompute();
        return;
    }
    if (!isCornerKind(figureKind))
        return;

    if (isRatioRectangle()) {
        // The centred square has one extent, so the ratio rectangle's lower height is put back by hand;
        // the figure ends unrotated.
        figureAngle = 0;
        togglePlacement();
        const double shortfall = double(figurePoints[1].x) - figurePoints[2].y;
        figureOrigin =
            QPoint(centre.x(),
                   int(std::clamp(centre.y() + shortfall, -FigureMath::kMaxPixel, FigureMath::kMaxPixel)));
        togglePlacement();
        recompute();
        return;
    }

    const double angle = figureAngle;
    figureAngle = 0;
    togglePlacement();
    figureOrigin = centre;
    figureAngle = angle;
    togglePlacement();
    recompute();
}

void FigureModel::togglePlacement(const FigureModifiers &modifiers)
{
    const int partner = placementPartner(figureKind);
    if (!partner)
        return;
    QTransform turn;
    turn.rotate(figureAngle);
    // A centred circle turned by the wheel keeps its turn in the handle; the corner circle's box wants
    // the handle back on the x axis.
    if (figureKind == S_Circle)
        setPoint(1, std::hypot(figurePoints[1].x, figurePoints[1].y), 0);

    if (isCornerKind(figureKind)) {
        QPoint corner = figureOrigin;
        if (figureKind == M_RightTriangle && figureAngle == 0) {
            if (toPixel(figureWidth) % 2 != 0)
                corner.rx() -= 1;
            if (toPixel(figureHeight) % 2 != 0)
                corner.ry() -= 1;
        }
        const QPointF toCentre(roundHalfUp(figureWidth / 2), roundHalfUp(figureHeight / 2));
        figureOrigin = corner + toScreenPoint(turn.map(toCentre));
        for (int i = 0; i < kStoredPoints; ++i) {
            const FigurePoint p = figurePoints[i];
            switch (figureKind) {
            case M_IsoTriangle:
                setPoint(i, p.x * 0.25, p.y * 0.5);
                break;
            case M_RightTriangle:
                setPoint(i, p.x * -0.5, p.y * -0.5);
                break;
            default:
                setPoint(i, p.x * 0.5, p.y * 0.5);
                break;
            }
        }
    } else {
        const double halfBase = figureKind == S_IsoTriangle ? 2 * figureWidth : figureWidth;
        const QPointF toCorner(-roundHalfUp(halfBase), -roundHalfUp(figureHeight));
        figureOrigin += toScreenPoint(turn.map(toCorner));
        for (int i = 0; i < kStoredPoints; ++i) {
            const FigurePoint p = figurePoints[i];
            switch (figureKind) {
            case S_IsoTriangle:
                setPoint(i, p.x * 4.0, p.y * 2.0);
                break;
            case S_RightTriangle:
                setPoint(i, std::abs(p.x) * 2.0, std::abs(p.y) * 2.0);
                break;
            default:
                setPoint(i, p.x * 2.0, p.y * 2.0);
                break;
            }
        }
    }
    figureKind = partner;
    recomputeRotationCenter();
    recompute(modifiers);
}

QRect FigureModel::outlineRect() const
{
    const int x0 = figureOrigin.x();
    const int y0 = figureOrigin.y();
    const int w = figureWidthPx;
    const int h = figureHeightPx;
    if (isCentreKind(figureKind))
        return QRect(x0 - w, y0 - h, 2 * w, 2 * h);
    return QRect(x0, y0, w, h);
}

QPolygon FigureModel::outlinePolygon() const
{
    const int x0 = figureOrigin.x();
    const int y0 = figureOrigin.y();
    const int w = figureWidthPx;
    const int h = figureHeightPx;
    switch (figureKind) {
    case M_Rhombus:
        return QPolygon({QPoint(x0 + w / 2, y0), QPoint(x0 + w - 1, y0 + h / 2),
                         QPoint(x0 + w / 2, y0 + h - 1), QPoint(x0, y0 + h / 2)});
    case S_Rhombus:
        return QPolygon(
            {QPoint(x0 - w, y0), QPoint(x0, y0 - h), QPoint(x0 + w - 1, y0), QPoint(x0, y0 + h - 1)});
    case M_IsoTriangle:
        return QPolygon({QPoint(x0, y0 + h), QPoint(x0 + w / 2, y0), QPoint(x0 + w, y0 + h)});
    case S_IsoTriangle:
        return QPolygon({QPoint(x0 - w, y0 + h), QPoint(x0, y0 - h), QPoint(x0 + w, y0 + h)});
    case M_RightTriangle:
        return QPolygon({QPoint(x0, y0), QPoint(x0 + w, y0), QPoint(x0, y0 + h)});
    case S_RightTriangle:
        return QPolygon({QPoint(x0 - w, y0 - h), QPoint(x0 + w, y0 - h), QPoint(x0 - w, y0 + h)});
    default:
        return {};
    }
}

QRectF FigureModel::figureBox() const
{
    const double a = figurePoints[1].x;
    const double b = hasSingleExtent(figureKind) ? singleExtentHeight() : double(figurePoints[2].y);
    const QPointF origin(figureOrigin);
    if (isCornerKind(figureKind))
        return QRectF(origin, QSizeF(a, b));
    const double halfWidth = figureKind == S_IsoTriangle ? 2 * std::abs(a) : std::abs(a);
    const double halfHeight = std::abs(b);
    return QRectF(origin - QPointF(halfWidth, halfHeight), QSizeF(2 * halfWidth, 2 * halfHeight));
}

QPointF FigureModel::screenCentre() const
{
    return rotatedFrame().map(figureBox().center());
}

bool FigureModel::hitTest(QPoint point) const
{
    if (!visible)
        return false;
    const double dx = point.x() - figureOrigin.x();
    const double dy = point.y() - figureOrigin.y();
    const double t = qDegreesToRadians(-figureAngle);
    const double u = std::cos(t) * dx - std::sin(t) * dy;
    const double v = std::sin(t) * dx + std::cos(t) * dy;
    const double a = figurePoints[1].x;
    double b = figurePoints[2].y;
    const auto inBox = [u, v](double width, double height) {
        return 0 <= u && u <= width && 0 <= v && v <= height;
    };

    switch (figureKind) {
    case M_Rectangle:
    case M_Rhombus:
    case M_IsoTriangle:
    case M_Ellipse:
        return inBox(a, b);
    case M_Square:
    case M_Circle:
        return inBox(a, singleExtentHeight());
    case S_Square:
        b = a;
        [[fallthrough]];
    case S_Rectangle:
        return -a <= u && u <= a && -b <= v && v <= b;
    case S_Ellipse:
        if (a == 0 || b == 0)
            return false;
        return u * u / (a * a) + v * v / (b * b) < 1;
    case S_Circle:
        return !figureScreenPoints.isEmpty() && distance(point, figureScreenPoints[0]) <= figureWidthPx;
    case S_Rhombus:
    case S_IsoTriangle:
    case S_RightTriangle:
        return mapped(rotatedFrame(), outlinePolygon()).containsPoint(point, Qt::OddEvenFill);
    case M_RightTriangle:
        return figureScreenPoints.containsPoint(point, Qt::OddEvenFill);
    default:
        return false;
    }
}

void FigureModel::rotateBy(double degrees)
{
    if (!std::isfinite(degrees))
        return;
    if (figureKind != S_Circle) {
        figureAngle += degrees;
        return;
    }
    QTransform turn;
    turn.translate(rotationCenter.x(), rotationCenter.y());
    turn.rotate(degrees);
    turn.translate(-rotationCenter.x(), -rotationCenter.y());
    for (int i = 0; i < std::min(figurePointCount, kStoredPoints); ++i) {
        const QPointF turned = turn.map(QPointF(figurePoints[i].x, figurePoints[i].y));
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
        const FigurePoint p = figurePoints[i];
        setPoint(i, clampedScaled(roundHalfUp(p.x), factorX), clampedScaled(roundHalfUp(p.y), factorY));
    }
    recompute(modifiers);
}

void FigureModel::handleDrag(int pointIndex, QPoint pointer, QPoint &lastPointer,
                             const FigureModifiers &modifiers)
{
    if (pointIndex < 0 || pointIndex >= std::min(figurePointCount, kStoredPoints))
        return;
    FigurePoint &dragged = figurePoints[pointIndex];
    dragged = FigurePoint{std::trunc(dragged.x), std::trunc(dragged.y)};

    // With the option off a plain drag turns and Alt only stretches; the option swaps the two.
    const bool rotate = modifiers.shiftState || modifiers.altState == modifiers.reverseAlt;
    const bool rightTriangle = figureKind == S_RightTriangle;
    constexpr double kHalfTurn = 180;
    constexpr double kQuarterTurn = 90;

    if (pointIndex == 0) {
        bodyMove(pointer - lastPointer, modifiers);
        lastPointer = pointer;
        return;
    }

    const QPointF anchor =
        figureScreenPoints.isEmpty() ? QPointF(figureOrigin) : QPointF(figureScreenPoints[0]);
    const double length = std::hypot(pointer.x() - anchor.x(), pointer.y() - anchor.y());
    const double theta = FigureAngle::direction(anchor, pointer);
    const double signedLength = rightTriangle ? -length : length;

    if (pointIndex == 1) {
        if (figureKind == S_Circle) {
            // A circle turned by the wheel carries its direction in the handle itself: keep the handle
            // on that direction (or on the new angle) so that it stays under the pointer.
            const double current = std::hypot(dragged.x, dragged.y);
            if (rotate || current == 0) {
                figureAngle = theta;
                setPoint(1, length, 0);
            } else {
                setPoint(1, dragged.x * length / current, dragged.y * length / current);
            }
        } else {
            if (rotate)
                figureAngle = rightTriangle ? theta + kHalfTurn : theta;
            setPoint(1, signedLength, dragged.y);
        }
        // Squares and circles have one extent: their height goes along with the width.
        if (hasSingleExtent(figureKind) && !isRatioRectangle())
            setPoint(2, 0, std::hypot(figurePoints[1].x, figurePoints[1].y));
    } else {
        if (rotate) {
            figureAngle = FigureAngle::normalised(theta - kQuarterTurn);
            if (rightTriangle)
                figureAngle -= kHalfTurn;
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
    figureOrigin = QPoint(clampedSum(figureOrigin.x(), delta.x()), clampedSum(figureOrigin.y(), delta.y()));
    recompute(modifiers);
}
