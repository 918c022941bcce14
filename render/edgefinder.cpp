// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "render/edgefinder.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>

namespace EdgeFinder {
namespace {

bool readDirectly(QImage::Format format)
{
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

// How many pixels past `from` a walk in steps of `stride` pixels reaches, at most `room`.
int walk(const QRgb *from, std::ptrdiff_t stride, int room, int tolerance)
{
    const int gradientStep = std::min(kGradientStep, tolerance);
    QRgb reference = *from;
    QRgb previous = reference;
    const QRgb *pixel = from;
    for (int steps = 0; steps < room; ++steps) {
        pixel += stride;
        const QRgb here = *pixel;
        if (colorDistance(here, previous) <= gradientStep)
            reference = here;
        else if (colorDistance(here, reference) > tolerance)
            return steps;
        previous = here;
    }
    return room;
}

} // namespace

int colorDistance(QRgb a, QRgb b)
{
    const int red = std::abs(qRed(a) - qRed(b));
    const int green = std::abs(qGreen(a) - qGreen(b));
    const int blue = std::abs(qBlue(a) - qBlue(b));
    return std::max({red, green, blue});
}

QImage prepared(const QImage &picture)
{
    return readDirectly(picture.format()) ? picture : picture.convertToFormat(QImage::Format_RGB32);
}

QRect findBox(const QImage &picture, QPoint start, int tolerance)
{
    if (!picture.rect().contains(start))
        return {};
    if (!readDirectly(picture.format()))
        return findBox(prepared(picture), start, tolerance);
    tolerance = std::clamp(tolerance, 0, kMaxTolerance);
    const auto *row = reinterpret_cast<const QRgb *>(picture.constScanLine(start.y()));
    const QRgb *from = row + start.x();
    const std::ptrdiff_t line = picture.bytesPerLine() / std::ptrdiff_t(sizeof(QRgb));
    const int left = walk(from, -1, start.x(), tolerance);
    const int right = walk(from, 1, picture.width() - 1 - start.x(), tolerance);
    const int up = walk(from, -line, start.y(), tolerance);
    const int down = walk(from, line, picture.height() - 1 - start.y(), tolerance);
    return QRect(QPoint(start.x() - left, start.y() - up), QPoint(start.x() + right, start.y() + down));
}

} // namespace EdgeFinder
