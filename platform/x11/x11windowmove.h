// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QPoint>
#include <QtGui/qwindowdefs.h>

// Moving a top-level window with one request to the X server. The toolkit's own move sends the
// window's size hints again with every place (which the window manager then reads back) and asks the
// server for the frame margins; a window that only changes its place needs neither. The toolkit learns
// the new place from the server's configure notice, as it does for a move the window manager made.
namespace X11WindowMove {

// Asks that `window` stand with its top-left at `topLeft`; false where there is no X connection.
bool moveTo(WId window, const QPoint &topLeft);

} // namespace X11WindowMove
