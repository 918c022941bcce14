// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QSize>
#include <QString>

// Where the compositor scales the output, one logical pixel (the ones windows are placed and measured
// in) covers several of the screen's own pixels. The readings stay logical; where sizes are read, the
// device-pixel size is added, e.g. "(1280 × 960 device px at 200 %)".
namespace DeviceSize {

// A scale this close to 1 is none.
inline constexpr double kUnscaledTolerance = 0.005;

// The size in device pixels, each side rounded to the nearest pixel.
QSize of(QSize logical, double scale);
// The note for a logical size at a display scale; empty at scale 1 and for a scale that is no number
// or not above 0.
QString note(QSize logical, double scale);

} // namespace DeviceSize
