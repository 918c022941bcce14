// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "platform/desktop.h"

// The desktop's windows as an X window manager lists them: the root window's
// _NET_CLIENT_LIST_STACKING (or _NET_CLIENT_LIST where the manager keeps no stacking order), each
// client placed in root coordinates and grown by its _NET_FRAME_EXTENTS. Windows that are not viewable
// (minimized, on another desktop), marked _NET_WM_STATE_HIDDEN, or the desktop background itself are
// left out. All requests go out before the first reply is read, so a list costs about one round trip.
namespace X11DesktopWindows {

// The list, bottom to top; empty when the program does not run on X (or was built without XCB
// support) or no window manager keeps a client list.
QList<DesktopWindow> stack();

} // namespace X11DesktopWindows
