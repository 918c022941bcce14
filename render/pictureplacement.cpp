// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "render/pictureplacement.h"

#include <QtGlobal>

namespace PicturePlacement {

QRect targetRect(QSize picture, QSize window, bool stretch, bool proportional)
{
    if (picture.isEmpty())
        return {};
    if (!stretch)
        return {QPoint(0, 0), picture};
    if (!proportional)
        return {QPoint(0, 0), window};

    // Compares W / w < H / h without division, in 64 bits so that no product overflows.
    const qint64 windowWidth = window.width();
    const qint64 windowHeight = window.height();
    const qint64 pictureWidth = picture.width();
    const qint64 pictureHeight = picture.height();
    if (windowWidth * pictureHeight < windowHeight * pictureWidth) {
        const int height = qRound(double(pictureHeight) * double(windowWidth) / double(pictureWidth));
        return {0, 0, window.width(), height};
    }
    const int width = qRound(double(pictureWidth) * double(windowHeight) / double(pictureHeight));
    return {0, 0, width, window.height()};
}

} // namespace PicturePlacement
