// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "platform/desktop.h"

#include <functional>

// Pictures of the screen through the toolkit's own grab, where the window system lets a program read
// the screen (X), and the program's windows stepping aside for a picture.
namespace ScreenGrab {

// Time for the compositor to leave the stepped-aside windows out, or for the windows beneath to redraw
// what they covered.
inline constexpr int kSettleMs = 150;

// The pixels of `area` of the desktop as they are now, our own windows included; from the screen that
// holds the area's centre.
ScreenPicture area(const QRect &area);
// The whole desktop as it is now: every screen's pixels at their place.
ScreenPicture wholeDesktop();

using Taker = std::function<void(QObject *context, const Desktop::PictureReady &ready)>;

// Takes a picture with none of the program's windows in it. Every shown top-level window of the
// program steps aside: with a compositing manager it turns fully transparent (window opacity 0), so
// nothing moves; without one it hides, since X draws an unmapped window nowhere. After kSettleMs
// `take` takes the picture; then every window comes back exactly as it was (its opacity, or shown
// again with the active window on top, active, and its focus where it was) and the picture is handed
// to `ready`, unless `context` is gone by then.
void withoutOwnWindows(bool composited, QObject *context, const Taker &take,
                       const Desktop::PictureReady &ready);

} // namespace ScreenGrab
