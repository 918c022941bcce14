// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "render/rulerstyle.h"

#include <QPaintEngine>
#include <QPainter>
#include <QRect>
#include <QVarLengthArray>

#include <algorithm>

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

QPen rulerPen(const QColor &color)
{
    return QPen(color, 1, Qt::SolidLine);
}

QPen guidePen(const QColor &color)
{
    return QPen(color, 1, Qt::SolidLine);
}

namespace {
// guideDashPen's pattern: this many pixels drawn, as many left out, from the line's start.
constexpr int kDash = 5;

// A level or upright dashed line of `length` pixels as a 1-pixel-thin picture, transparent between its
// dashes. Laid over a window it gives the pixels that filling its dashes does, in one blend of a row or
// a column instead of one fill per dash. The latest picture of each direction is kept: the cross-hair
// and the figure's rotation centre span the window alike.
const QImage &dashPicture(const QColor &color, int length, bool level)
{
    struct Kept
    {
        QImage picture;
        QColor color;
    };
    static Kept kept[2];
    Kept &latest = kept[level ? 1 : 0];
    const QSize size = level ? QSize(length, 1) : QSize(1, length);
    if (latest.picture.size() == size && latest.color == color)
        return latest.picture;
    latest.picture = QImage(size, QImage::Format_ARGB32_Premultiplied);
    latest.picture.fill(Qt::transparent);
    latest.color = color;
    QPainter painter(&latest.picture);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (int start = 0; start < length; start += 2 * kDash) {
        const int dash = std::min(kDash, length - start);
        painter.fillRect(level ? QRect(start, 0, dash, 1) : QRect(0, start, 1, dash), color);
    }
    return latest.picture;
}
} // namespace

QPen guideDashPen(const QColor &color)
{
    QPen pen(color, 1, Qt::CustomDashLine);
    pen.setDashPattern({kDash, kDash, kDash, kDash, kDash, kDash});
    return pen;
}

void drawDashedLine(QPainter &painter, const QColor &color, QPoint from, QPoint to)
{
    const bool level = from.y() == to.y() && from.x() <= to.x();
    const bool upright = from.x() == to.x() && from.y() <= to.y();
    // A line that starts off the device is cut to it first, and its dashes start where the cut is.
    const bool startsOnDevice = from.x() >= 0 && from.y() >= 0;
    if (!(level || upright) || !startsOnDevice || painter.testRenderHint(QPainter::Antialiasing) ||
        !painter.transform().isIdentity() || painter.paintEngine()->type() != QPaintEngine::Raster) {
        painter.save();
        painter.setPen(guideDashPen(color));
        painter.drawLine(from, to);
        painter.restore();
        return;
    }
    // Both ends are drawn, as the stroked line draws them.
    const int length = level ? to.x() - from.x() + 1 : to.y() - from.y() + 1;
    if (painter.device()->devicePixelRatioF() == 1) {
        painter.drawImage(from, dashPicture(color, length, level));
        return;
    }
    QVarLengthArray<QRect, 512> dashes;
    for (int start = 0; start < length; start += 2 * kDash) {
        const int dash = std::min(kDash, length - start);
        dashes.append(level ? QRect(from.x() + start, from.y(), dash, 1)
                            : QRect(from.x(), from.y() + start, 1, dash));
    }
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawRects(dashes.constData(), int(dashes.size()));
    painter.restore();
}

} // namespace RulerStyle
