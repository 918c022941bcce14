// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QRect>
#include <QSize>

// Where a ruler's background picture is drawn: always from the window's top-left corner, either at
// its own size (what exceeds the window is clipped), stretched over the whole window, or scaled
// with its proportions kept until it meets the window's width or height.
namespace PicturePlacement {
QRect targetRect(QSize picture, QSize window, bool stretch, bool proportional);
} // namespace PicturePlacement
