// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "figure/figuremodel.h"

#include "figure/figureangle.h"
#include "figure/figuremath.h"

#include <QtMath>

#include <algorithm>
#include <cmath>

using FigureMath::roundHalfUp;
using FigureMath::toPixel;

namespace {

// Far beyond any desktop, yet exact in a float: a figure scaled or dragged without end stops here
// instead of running into infinities.
constexpr double kMaxModelCoordinate = 1.0e6;
constexpr double kFlyingRulerAngle = 323.24;

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

} // namespace

void FigureModel::setPoint(int index, double x, double y)
{
    const auto toModel = [](double v) {
        return std::isfinite(v) ? float(std::clamp(v, -kMaxModelCoordinate, kMaxModelCoordinate)) : 0.0f;
    };
    figurePoints[index] = FigurePoint{toModel(x), toModel(y)};
}

void FigureModel::create(FigureKind kind, QSize window)
{
    const FigureKindRow &defaults = FigureKinds::row(kind);
    if (defaults.kind != kind)
        return;
    flyingRuler = false;
    figureAngle = 0;
    visible = true;
    figurePoints = {FigurePoint{}, FigurePoint{defaults.startWidth, 0}, FigurePoint{0, defaults.startHeight}};
    figurePointCount = defaults.singleExtent ? 2 : 3;
    if (kind == FigureKind::FlyingRuler) {
        flyingRuler = true;
        figureAngle = kFlyingRulerAngle;
        kind = FigureKind::CornerRectangle;
    }
    figureKind = kind;
    if (isRatioRectangle())
        setPoint(2, 0, FigureKinds::kSquareSide / figureRatio);
    recomputeRotationCenter();
    sendToCentre(window);
    recompute();
}

void FigureModel::createInitialFigure(QSize window)
{
    create(FigureKind::CentredRectangle, window);
    create(FigureKind::CornerRectangle, window);
    create(FigureKind::FlyingRuler, window);
}

void FigureModel::createRatioFigure(double ratio, QSize window)
{
    if (!usableRatio(ratio))
        return;
    figureRatio = ratio;
    ratioLocked = true;
    create(FigureKind::CornerSquare, window);
}

bool FigureModel::isRatioRectangle() const
{
    return figureKind == FigureKind::CornerSquare && ratioLocked && usableRatio(figureRatio);
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
    case FigureKind::CentredCircle:
    case FigureKind::CentredSquare:
    case FigureKind::CornerCircle:
        figureHeight = figureWidth;
        figureHeightPx = figureWidthPx;
        break;
    case FigureKind::CornerSquare:
        figureHeight = figureWidth;
        figureHeightPx = figureWidthPx;
        if (isRatioRectangle()) {
            figureHeight = figureWidth / figureRatio;
            figureHeightPx = int(figureWidthPx / figureRatio);
        }
        break;
    case FigureKind::CentredIsoscelesTriangle:
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
    const std::optional<FigureKind> partner = placementPartner(figureKind);
    if (!partner)
        return;
    QTransform turn;
    turn.rotate(figureAngle);
    // A centred circle turned by the wheel keeps its turn in the handle; the corner circle's box wants
    // the handle back on the x axis.
    if (figureKind == FigureKind::CentredCircle)
        setPoint(1, std::hypot(figurePoints[1].x, figurePoints[1].y), 0);

    if (isCornerKind(figureKind))
        anchorAtCentre(turn);
    else
        anchorAtCorner(turn);
    figureKind = *partner;
    recomputeRotationCenter();
    recompute(modifiers);
}

void FigureModel::anchorAtCentre(const QTransform &turn)
{
    QPoint corner = figureOrigin;
    if (figureKind == FigureKind::CornerRightTriangle && figureAngle == 0) {
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
        case FigureKind::CornerIsoscelesTriangle:
            setPoint(i, p.x * 0.25, p.y * 0.5);
            break;
        case FigureKind::CornerRightTriangle:
            setPoint(i, p.x * -0.5, p.y * -0.5);
            break;
        default:
            setPoint(i, p.x * 0.5, p.y * 0.5);
            break;
        }
    }
}

void FigureModel::anchorAtCorner(const QTransform &turn)
{
    const double halfBase =
        figureKind == FigureKind::CentredIsoscelesTriangle ? 2 * figureWidth : figureWidth;
    const QPointF toCorner(-roundHalfUp(halfBase), -roundHalfUp(figureHeight));
    figureOrigin += toScreenPoint(turn.map(toCorner));
    for (int i = 0; i < kStoredPoints; ++i) {
        const FigurePoint p = figurePoints[i];
        switch (figureKind) {
        case FigureKind::CentredIsoscelesTriangle:
            setPoint(i, p.x * 4.0, p.y * 2.0);
            break;
        case FigureKind::CentredRightTriangle:
            setPoint(i, std::abs(p.x) * 2.0, std::abs(p.y) * 2.0);
            break;
        default:
            setPoint(i, p.x * 2.0, p.y * 2.0);
            break;
        }
    }
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
    case FigureKind::CornerRhombus:
        return QPolygon({QPoint(x0 + w / 2, y0), QPoint(x0 + w - 1, y0 + h / 2),
                         QPoint(x0 + w / 2, y0 + h - 1), QPoint(x0, y0 + h / 2)});
    case FigureKind::CentredRhombus:
        return QPolygon(
            {QPoint(x0 - w, y0), QPoint(x0, y0 - h), QPoint(x0 + w - 1, y0), QPoint(x0, y0 + h - 1)});
    case FigureKind::CornerIsoscelesTriangle:
        return QPolygon({QPoint(x0, y0 + h), QPoint(x0 + w / 2, y0), QPoint(x0 + w, y0 + h)});
    case FigureKind::CentredIsoscelesTriangle:
        return QPolygon({QPoint(x0 - w, y0 + h), QPoint(x0, y0 - h), QPoint(x0 + w, y0 + h)});
    case FigureKind::CornerRightTriangle:
        return QPolygon({QPoint(x0, y0), QPoint(x0 + w, y0), QPoint(x0, y0 + h)});
    case FigureKind::CentredRightTriangle:
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
    const double halfWidth =
        figureKind == FigureKind::CentredIsoscelesTriangle ? 2 * std::abs(a) : std::abs(a);
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
    case FigureKind::CornerRectangle:
    case FigureKind::CornerRhombus:
    case FigureKind::CornerIsoscelesTriangle:
    case FigureKind::CornerEllipse:
        return inBox(a, b);
    case FigureKind::CornerSquare:
    case FigureKind::CornerCircle:
        return inBox(a, singleExtentHeight());
    case FigureKind::CentredSquare:
        b = a;
        [[fallthrough]];
    case FigureKind::CentredRectangle:
        return -a <= u && u <= a && -b <= v && v <= b;
    case FigureKind::CentredEllipse:
        if (a == 0 || b == 0)
            return false;
        return u * u / (a * a) + v * v / (b * b) < 1;
    case FigureKind::CentredCircle:
        return !figureScreenPoints.isEmpty() && distance(point, figureScreenPoints[0]) <= figureWidthPx;
    case FigureKind::CentredRhombus:
    case FigureKind::CentredIsoscelesTriangle:
    case FigureKind::CentredRightTriangle:
        return mapped(rotatedFrame(), outlinePolygon()).containsPoint(point, Qt::OddEvenFill);
    case FigureKind::CornerRightTriangle:
        return figureScreenPoints.containsPoint(point, Qt::OddEvenFill);
    default:
        return false;
    }
}
