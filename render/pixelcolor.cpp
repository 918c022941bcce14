// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "render/pixelcolor.h"

namespace PixelColor {

QString hexText(const QColor &color)
{
    return color.name(QColor::HexRgb).toUpper();
}

QString rgbText(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return QStringLiteral("rgb(%1, %2, %3)").arg(rgb.red()).arg(rgb.green()).arg(rgb.blue());
}

std::optional<QColor> pixelAt(const QImage &picture, const QPoint &position)
{
    if (!picture.valid(position))
        return std::nullopt;
    QColor color = picture.pixelColor(position);
    color.setAlpha(255);
    return color;
}

} // namespace PixelColour
