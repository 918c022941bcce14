// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QPoint>
#include <QRect>

// The "menu" text at the top right of a ruler of the given width, where painting draws it and the
// pointer finds it: where its baseline starts, the zone over it where a press opens the menu, and where
// that menu opens for a frame.
namespace MenuText {

QPoint baseline(int width);
bool inZone(const QPoint &pos, int width);
QPoint popupPoint(const QRect &frame);

} // namespace MenuText
