// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/window/regionpicture.h"

#include <QFileInfo>
#include <QPainter>

#include <cmath>

namespace RegionPicture {
namespace {

// A logical coordinate along one axis, in the picture's pixels.
int devicePixel(int logical, int areaStart, qreal scale)
{
    return int(std::lround((logical - areaStart) * scale));
}

} // namespace

Layout layout(const QRect &ruler, const QRect &area, const QSize &imageSize)
{
    Layout result;
    if (area.isEmpty() || imageSize.isEmpty() || ruler.isEmpty())
        return result;
    result.scaleX = qreal(imageSize.width()) / area.width();
    result.scaleY = qreal(imageSize.height()) / area.height();
    const QRect shown = ruler.intersected(area);
    if (shown.isEmpty())
        return result;
    // Each edge on its nearest device pixel, so that rulers side by side meet without gap or overlap.
    const int left = devicePixel(shown.left(), area.left(), result.scaleX);
    const int top = devicePixel(shown.top(), area.top(), result.scaleY);
    const int right = devicePixel(shown.left() + shown.width(), area.left(), result.scaleX);
    const int bottom = devicePixel(shown.top() + shown.height(), area.top(), result.scaleY);
    result.source =
        QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)).intersected(QRect(QPoint(), imageSize));
    result.origin = QPointF((ruler.left() - area.left()) * result.scaleX - left,
                            (ruler.top() - area.top()) * result.scaleY - top);
    return result;
}

QImage compose(const ScreenPicture &picture, const QRect &ruler, const DrawRuler &drawRuler)
{
    if (!picture.isValid())
        return {};
    const Layout placed = layout(ruler, picture.area, picture.image.size());
    if (placed.isEmpty())
        return {};
    QImage region = picture.image.copy(placed.source).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    region.setDevicePixelRatio(1.0);
    {
        QPainter painter(&region);
        painter.translate(placed.origin);
        painter.scale(placed.scaleX, placed.scaleY);
        painter.setClipRect(QRect(QPoint(0, 0), ruler.size()));
        if (drawRuler)
            drawRuler(painter);
    }
    // The screen is opaque, and so is what lies over it.
    return region.convertToFormat(QImage::Format_RGB32);
}

QString pngPath(const QString &chosen)
{
    if (chosen.isEmpty() ||
        QFileInfo(chosen).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) == 0)
        return chosen;
    return chosen + QStringLiteral(".png");
}

} // namespace RegionPicture
