// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "platform/desktop.h"

#include <QImage>

// A picture of a made-up desktop whose every pixel names its place, so that a pixel taken from the
// wrong place shows. `scale` device pixels make one logical pixel of `area`.
inline ScreenPicture patternedDesktop(const QRect &area, int scale = 1)
{
    ScreenPicture picture;
    picture.area = area;
    picture.image = QImage(area.size() * scale, QImage::Format_RGB32);
    for (int y = 0; y < picture.image.height(); ++y) {
        for (int x = 0; x < picture.image.width(); ++x)
            picture.image.setPixel(x, y, qRgb(x % 256, y % 256, 128 + (x / 256) * 16 + y / 256));
    }
    return picture;
}
