// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QList>
#include <QRect>
#include <QSet>
#include <QtGui/qwindowdefs.h>
#include <functional>

// The top-level windows on the desktop that a ruler snaps to. The platform lists the shown windows
// from the bottom of the stack to its top, each with its frame (title bar and borders included) in
// desktop coordinates: on X the window manager's client list; elsewhere, and offscreen, none. Tests
// install a list of their own.
namespace DesktopWindows {

struct Window
{
    WId id = 0;
    QRect frame;
};

using Lister = std::function<QList<Window>()>;

// The shown windows of the desktop, bottom to top.
QList<Window> stack();
// Replaces the platform's list (the tests' way in); an empty function goes back to the platform's.
void install(Lister lister);

// The frames to snap to, from a stack listed bottom to top: every window but the program's own
// (`own`), and none that the windows above it cover whole (the program's own windows cover nothing).
QList<QRect> snapTargets(const QList<Window> &stack, const QSet<WId> &own);

// The ids of the program's top-level windows that exist on the platform (rulers, the information
// panel, dialogs).
QSet<WId> programWindows();

// What a ruler snaps to now: the platform's stack without the program's own windows.
inline QList<QRect> snapTargets()
{
    return snapTargets(stack(), programWindows());
}

} // namespace DesktopWindows
