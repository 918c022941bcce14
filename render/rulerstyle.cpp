// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "render/rulerstyle.h"

namespace RulerStyle {

QFont font(int pixelSize, bool underlined)
{
    QFont result(QString::fromLatin1(kFontFamily));
    result.setPixelSize(pixelSize);
    result.setWeight(QFont::Normal);
    result.setStyle(QFont::StyleNormal);
    result.setUnderline(underlined);
    return result;
}

QPen rulerPen(const QColor &colour)
{
    return QPen(colour, 1, Qt::SolidLine);
}

QPen guidePen(const QColor &colour)
{
    return QPen(colour, 1, Qt::SolidLine);
}

QPen guideDashPen(const QColor &colour)
{
    QPen pen(colour, 1, Qt::CustomDashLine);
    pen.setDashPattern({5, 5, 5, 5, 5, 5});
    return pen;
}

} // namespace RulerStyle
