// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

// What the X window manager of the session does for a window, asked when it matters.
namespace X11WindowManager {

// Whether a window that asks for full screen is given it. On X that is the window manager's work: it
// must run (_NET_SUPPORTING_WM_CHECK names a live window of its own) and list full screen among what
// it supports (_NET_SUPPORTED); without one the request goes unanswered and the window stays as it
// is. Without an X connection, true: other platforms fill the screen themselves.
bool fillsFullScreen();

} // namespace X11WindowManager
