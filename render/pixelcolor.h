// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QString>
#include <optional>

// The colour of one screen pixel as the magnifier reads it out and copies it: "#1A2B3C" (capital
// hex digits, as colour pickers and style sheets take it) and "rgb(26, 43, 60)". Screen pixels are
// opaque: an alpha the grab may carry is left out of both forms.
namespace PixelColor {

QString hexText(const QColor &color);
QString rgbText(const QColor &color);

// The pixel of a grabbed picture at a position in it; none outside the picture (or for a null one).
std::optional<QColor> pixelAt(const QImage &picture, const QPoint &position);

} // namespace PixelColour
