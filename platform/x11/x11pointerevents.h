// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QtGui/qwindowdefs.h>

// Qt asks the X server for the pointer's events on its windows from every input device: each motion
// then reaches the program twice, from the pointer as a whole (what Qt acts on) and from the device that
// moved it (which Qt drops, reading only that device's buttons while the window manager moves a window
// for it). A window dragged by a 1000 Hz mouse so gets two thousand events a second.
namespace X11PointerEvents {

// Takes the devices' own motion (and crossings) off `window`, keeping their presses and releases, and
// asks for the pointer's events as Qt did; false where there is no X connection or no input extension,
// or Qt asked for none.
bool motionOnceOnly(WId window);

} // namespace X11PointerEvents
