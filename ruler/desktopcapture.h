// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QImage>
#include <QPoint>

#include <functional>

class QWidget;

// A picture of the desktop and where its top-left pixel stands on the virtual desktop.
struct DesktopPicture
{
    QImage image;
    QPoint origin;
};

// Taking a picture of the screen a window stands on without the window's own pixels in it.
//
// The window steps aside for a moment: with a compositing manager it turns fully transparent
// (window opacity 0), so nothing else moves; without one it hides, since X draws an unmapped window
// nowhere. After kSettleMs, time for the compositor to leave it out or for the windows beneath to
// redraw what it covered, the whole screen is grabbed, then the window comes back as it was (its
// opacity, or shown, raised and active again) and the picture is handed on. What other windows show
// (other rulers, the information panel) stays in the picture: they are part of the desktop.
namespace DesktopCapture {

inline constexpr int kSettleMs = 150;

using Ready = std::function<void(const DesktopPicture &picture)>;
// The form of a capture: take the picture beneath `window`, then call `ready`, now or later (not
// after the window is gone).
using Capture = std::function<void(QWidget *window, const Ready &ready)>;

// The real capture, as described above.
void beneath(QWidget *window, const Ready &ready);

} // namespace DesktopCapture
