// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "render/pixelcolour.h"

namespace PixelColour {

QString hexText(const QColor &colour)
{
    return colour.name(QColor::HexRgb).toUpper();
}

QString rgbText(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return QStringLiteral("rgb(%1, %2, %3)").arg(rgb.red()).arg(rgb.green()).arg(rgb.blue());
}

std::optional<QColor> pixelAt(const QImage &picture, const QPoint &position)
{
    if (!picture.valid(position))
        return std::nullopt;
    QColor colour = picture.pixelColor(position);
    colour.setAlpha(255);
    return colour;
}

} // namespace PixelColour
