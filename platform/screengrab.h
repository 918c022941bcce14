// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "platform/desktop.h"

#include <functional>

// Pictures of the screen through the toolkit's own grab, where the window system lets a program read
// the screen (X), and the program's windows stepping aside for a picture.
namespace ScreenGrab {

// Time for the compositor to leave the windows out that turned transparent themselves, or for the
// windows beneath to redraw what hidden ones covered.
inline constexpr int kSettleMs = 150;

// The pixels of `area` of the desktop as they are now, our own windows included; from the screen that
// holds the area's centre.
ScreenPicture area(const QRect &area);
// The whole desktop as it is now: every screen's pixels at their place.
ScreenPicture wholeDesktop();

using Taker = std::function<void(QObject *context, const Desktop::PictureReady &ready)>;

// Has the compositor itself draw the top-level `window` with `opacity`, whatever the window asks for;
// true once the compositor has taken the change (it draws it with its next frame).
using CompositorOpacity = std::function<bool(WId window, qreal opacity)>;

// The time the slowest screen takes to show one more frame.
int frameMs();

// Takes a picture with none of the program's windows in it. Every shown top-level window of the
// program steps aside. With a compositing manager it turns fully transparent, so nothing moves: through
// `compositorOpacity` where one is given (compositors that ignore a window's own opacity), or else
// with its own window opacity of 0; without a compositing manager it hides, since X draws an unmapped
// window nowhere. Then, after one frame where the compositor took every window's change and after
// kSettleMs otherwise, `take` takes the picture; every window comes back exactly as it was (fully
// opaque again through the compositor, its own opacity, or shown again with the active window on top,
// active, and its focus where it was), whatever `take` found, and the picture is handed to `ready`,
// unless `context` is gone by then. Pictures asked for while the windows are aside share the stepping
// aside: the windows come back after the last of them.
void withoutOwnWindows(bool composited, QObject *context, const Taker &take,
                       const Desktop::PictureReady &ready, const CompositorOpacity &compositorOpacity = {});

} // namespace ScreenGrab
