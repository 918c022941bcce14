// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "render/colorband.h"

#include "render/pixelcolor.h"

#include <QFontMetrics>
#include <QPainter>

namespace ColorBand {

Layout layout(QSize view, const QFontMetrics &metrics)
{
    const int row = metrics.height();
    const int height = 2 * row + 3 * kMargin;
    Layout parts;
    parts.band = QRect(0, view.height() - height, view.width(), height);
    const QRect inner = parts.band.adjusted(kMargin, kMargin, -kMargin, -kMargin);
    parts.positionText = QRect(inner.left(), inner.top(), inner.width(), row);
    parts.hintText = parts.positionText;
    parts.swatch = QRect(inner.left(), inner.top() + row + kMargin, row, row);
    parts.colorText = QRect(parts.swatch.right() + 1 + kGap, parts.swatch.top(),
                             inner.right() - parts.swatch.right() - kGap, row);
    return parts;
}

QString colorText(const QColor &color)
{
    return PixelColor::hexText(color) + QStringLiteral("  ") + PixelColor::rgbText(color);
}

void paint(QPainter &painter, const Layout &layout, const Content &content)
{
    painter.save();
    painter.fillRect(layout.band, kBackground);
    painter.setPen(kText);
    painter.drawText(layout.positionText, Qt::AlignLeft | Qt::AlignVCenter, content.position);
    if (content.color) {
        painter.drawText(layout.hintText, Qt::AlignRight | Qt::AlignVCenter, content.hint);
        painter.fillRect(layout.swatch, kOuterRing);
        painter.fillRect(layout.swatch.adjusted(1, 1, -1, -1), kInnerRing);
        painter.fillRect(layout.swatch.adjusted(2, 2, -2, -2), *content.color);
        painter.drawText(layout.colorText, Qt::AlignLeft | Qt::AlignVCenter, colorText(*content.color));
    }
    painter.restore();
}

} // namespace ColourBand
