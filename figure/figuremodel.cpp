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
    points[index] = FigurePoint{toModel(x), toModel(y)};
}

void FigureModel::create(FigureKind wanted, QSize window)
{
    const FigureKindRow &defaults = FigureKinds::row(wanted);
    if (defaults.kind != wanted)
        return;
    flyingRuler = false;
    angle = 0;
    visible = true;
    points = {FigurePoint{}, FigurePoint{defaults.startWidth, 0}, FigurePoint{0, defaults.startHeight}};
    pointCount = defaults.singleExtent ? 2 : 3;
    if (wanted == FigureKind::FlyingRuler) {
        flyingRuler = true;
        angle = kFlyingRulerAngle;
        wanted = FigureKind::CornerRectangle;
    }
    kind = wanted;
    if (isRatioRectangle())
        setPoint(2, 0, FigureKinds::kSquareSide / ratio);
    recomputeRotationCenter();
    sendToCenter(window);
    recompute();
}

void FigureModel::createInitialFigure(QSize window)
{
    create(FigureKind::CenteredRectangle, window);
    create(FigureKind::CornerRectangle, window);
    create(FigureKind::FlyingRuler, window);
}

void FigureModel::createRatioFigure(double wanted, QSize window)
{
    if (!usableRatio(wanted))
        return;
    ratio = wanted;
    ratioLocked = true;
    create(FigureKind::CornerSquare, window);
}

bool FigureModel::isRatioRectangle() const
{
    return kind == FigureKind::CornerSquare && ratioLocked && usableRatio(ratio);
}

double FigureModel::singleExtentHeight() const
{
    const double side = points[1].x;
    return isRatioRectangle() ? side / ratio : side;
}

void FigureModel::recomputeRotationCenter()
{
    rotationCenter = QPointF(points[0].x, points[0].y);
}

QTransform FigureModel::screenTransform() const
{
    QTransform transform;
    transform.translate(origin.x(), origin.y());
    transform.rotate(angle);
    return transform;
}

QTransform FigureModel::rotatedFrame() const
{
    QTransform transform = screenTransform();
    transform.translate(-origin.x(), -origin.y());
    return transform;
}

QPoint FigureModel::roundedPoint(int index) const
{
    return QPoint(toPixel(points[index].x), toPixel(points[index].y));
}

void FigureModel::recompute(const FigureModifiers &modifiers)
{
    // The ratio rectangle's height always follows its width.
    if (isRatioRectangle())
        setPoint(2, 0, singleExtentHeight());

    angle = FigureAngle::normalised(angle);
    if (modifiers.leftButton) {
        if (modifiers.shift && (modifiers.control || modifiers.alt))
            angle = FigureAngle::snappedToWhole(angle);
        else if (modifiers.shift || modifiers.shiftState)
            angle = FigureAngle::snappedTo45(angle);
    }

    const int count = std::clamp(pointCount, 0, kStoredPoints);
    QPolygon modelPolygon;
    for (int i = 0; i < count; ++i)
        modelPolygon.append(roundedPoint(i));
    polygon = mapped(screenTransform(), modelPolygon);
    screenPoints = polygon;
    computeExtents();
}

void FigureModel::computeExtents()
{
    const QPolygon &s = screenPoints;
    const double toWidthHandle = s.size() > 1 ? distance(s[0], s[1]) : 0;
    const double toHeightHandle = s.size() > 2 ? distance(s[0], s[2]) : 0;

    width = toWidthHandle;
    widthPx = toPixel(width);
    switch (kind) {
    case FigureKind::CenteredCircle:
    case FigureKind::CenteredSquare:
    case FigureKind::CornerCircle:
        height = width;
        heightPx = widthPx;
        break;
    case FigureKind::CornerSquare:
        height = width;
        heightPx = widthPx;
        if (isRatioRectangle()) {
            height = width / ratio;
            heightPx = int(widthPx / ratio);
        }
        break;
    case FigureKind::CenteredIsoscelesTriangle:
        // The handle sits at a quarter of the base; the drawn half base is twice that.
        widthPx = 2 * toPixel(toWidthHandle);
        height = toHeightHandle;
        heightPx = toPixel(height);
        break;
    default:
        height = toHeightHandle;
        heightPx = toPixel(height);
        break;
    }
}

void FigureModel::sendToCenter(QSize window)
{
    const QPoint center(window.width() / 2, window.height() / 2);
    if (isCenterKind(kind)) {
        origin = center;
        recompute();
        return;
    }
    if (!isCornerKind(kind))
        return;

    if (isRatioRectangle()) {
        // The centred square has one extent, so the ratio rectangle's lower height is put back by hand;
        // the figure ends unrotated.
        angle = 0;
        togglePlacement();
        const double shortfall = double(points[1].x) - points[2].y;
        origin =
            QPoint(center.x(),
                   int(std::clamp(center.y() + shortfall, -FigureMath::kMaxPixel, FigureMath::kMaxPixel)));
        togglePlacement();
        recompute();
        return;
    }

    const double turn = angle;
    angle = 0;
    togglePlacement();
    origin = center;
    angle = turn;
    togglePlacement();
    recompute();
}

void FigureModel::togglePlacement(const FigureModifiers &modifiers)
{
    const std::optional<FigureKind> partner = placementPartner(kind);
    if (!partner)
        return;
    QTransform turn;
    turn.rotate(angle);
    // A centred circle turned by the wheel keeps its turn in the handle; the corner circle's box wants
    // the handle back on the x axis.
    if (kind == FigureKind::CenteredCircle)
        setPoint(1, std::hypot(points[1].x, points[1].y), 0);

    if (isCornerKind(kind))
        anchorAtCenter(turn);
    else
        anchorAtCorner(turn);
    kind = *partner;
    recomputeRotationCenter();
    recompute(modifiers);
}

void FigureModel::anchorAtCenter(const QTransform &turn)
{
    QPoint corner = origin;
    if (kind == FigureKind::CornerRightTriangle && angle == 0) {
        if (toPixel(width) % 2 != 0)
            corner.rx() -= 1;
        if (toPixel(height) % 2 != 0)
            corner.ry() -= 1;
    }
    const QPointF toCenter(roundHalfUp(width / 2), roundHalfUp(height / 2));
    origin = corner + toScreenPoint(turn.map(toCenter));
    for (int i = 0; i < kStoredPoints; ++i) {
        const FigurePoint p = points[i];
        switch (kind) {
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
        kind == FigureKind::CenteredIsoscelesTriangle ? 2 * width : width;
    const QPointF toCorner(-roundHalfUp(halfBase), -roundHalfUp(height));
    origin += toScreenPoint(turn.map(toCorner));
    for (int i = 0; i < kStoredPoints; ++i) {
        const FigurePoint p = points[i];
        switch (kind) {
        case FigureKind::CenteredIsoscelesTriangle:
            setPoint(i, p.x * 4.0, p.y * 2.0);
            break;
        case FigureKind::CenteredRightTriangle:
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
    const int x0 = origin.x();
    const int y0 = origin.y();
    const int w = widthPx;
    const int h = heightPx;
    if (isCenterKind(kind))
        return QRect(x0 - w, y0 - h, 2 * w, 2 * h);
    return QRect(x0, y0, w, h);
}

QPolygon FigureModel::outlinePolygon() const
{
    const int x0 = origin.x();
    const int y0 = origin.y();
    const int w = widthPx;
    const int h = heightPx;
    switch (kind) {
    case FigureKind::CornerRhombus:
        return QPolygon({QPoint(x0 + w / 2, y0), QPoint(x0 + w - 1, y0 + h / 2),
                         QPoint(x0 + w / 2, y0 + h - 1), QPoint(x0, y0 + h / 2)});
    case FigureKind::CenteredRhombus:
        return QPolygon(
            {QPoint(x0 - w, y0), QPoint(x0, y0 - h), QPoint(x0 + w - 1, y0), QPoint(x0, y0 + h - 1)});
    case FigureKind::CornerIsoscelesTriangle:
        return QPolygon({QPoint(x0, y0 + h), QPoint(x0 + w / 2, y0), QPoint(x0 + w, y0 + h)});
    case FigureKind::CenteredIsoscelesTriangle:
        return QPolygon({QPoint(x0 - w, y0 + h), QPoint(x0, y0 - h), QPoint(x0 + w, y0 + h)});
    case FigureKind::CornerRightTriangle:
        return QPolygon({QPoint(x0, y0), QPoint(x0 + w, y0), QPoint(x0, y0 + h)});
    case FigureKind::CenteredRightTriangle:
        return QPolygon({QPoint(x0 - w, y0 - h), QPoint(x0 + w, y0 - h), QPoint(x0 - w, y0 + h)});
    default:
        return {};
    }
}

QRectF FigureModel::box() const
{
    const double a = points[1].x;
    const double b = hasSingleExtent(kind) ? singleExtentHeight() : double(points[2].y);
    const QPointF anchor(origin);
    if (isCornerKind(kind))
        return QRectF(anchor, QSizeF(a, b));
    const double halfWidth =
        kind == FigureKind::CenteredIsoscelesTriangle ? 2 * std::abs(a) : std::abs(a);
    const double halfHeight = std::abs(b);
    return QRectF(anchor - QPointF(halfWidth, halfHeight), QSizeF(2 * halfWidth, 2 * halfHeight));
}

QPointF FigureModel::screenCenter() const
{
    return rotatedFrame().map(box().center());
}

bool FigureModel::hitTest(QPoint point) const
{
    if (!visible)
        return false;
    const double dx = point.x() - origin.x();
    const double dy = point.y() - origin.y();
    const double t = qDegreesToRadians(-angle);
    const double u = std::cos(t) * dx - std::sin(t) * dy;
    const double v = std::sin(t) * dx + std::cos(t) * dy;
    const double a = points[1].x;
    double b = points[2].y;
    const auto inBox = [u, v](double across, double down) {
        return 0 <= u && u <= across && 0 <= v && v <= down;
    };

    switch (kind) {
    case FigureKind::CornerRectangle:
    case FigureKind::CornerRhombus:
    case FigureKind::CornerIsoscelesTriangle:
    case FigureKind::CornerEllipse:
        return inBox(a, b);
    case FigureKind::CornerSquare:
    case FigureKind::CornerCircle:
        return inBox(a, singleExtentHeight());
    case FigureKind::CenteredSquare:
        b = a;
        [[fallthrough]];
    case FigureKind::CenteredRectangle:
        return -a <= u && u <= a && -b <= v && v <= b;
    case FigureKind::CenteredEllipse:
        if (a == 0 || b == 0)
            return false;
        return u * u / (a * a) + v * v / (b * b) < 1;
    case FigureKind::CenteredCircle:
        return !screenPoints.isEmpty() && distance(point, screenPoints[0]) <= widthPx;
    case FigureKind::CenteredRhombus:
    case FigureKind::CenteredIsoscelesTriangle:
    case FigureKind::CenteredRightTriangle:
        return mapped(rotatedFrame(), outlinePolygon()).containsPoint(point, Qt::OddEvenFill);
    case FigureKind::CornerRightTriangle:
        return screenPoints.containsPoint(point, Qt::OddEvenFill);
    default:
        return false;
    }
}
