// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "platform/desktop.h"
#include "platform/globalshortcut.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <memory>

// Chooses the Desktop for the session the program runs in, once, at start.
namespace DesktopFactory {

using Environment = QHash<QByteArray, QByteArray>;

// The session from the toolkit's platform ("xcb", "wayland", "offscreen"...) and the environment: X
// inside a session whose WAYLAND_DISPLAY is set or whose XDG_SESSION_TYPE is "wayland" is XWayland,
// where a Wayland compositor owns the screen; any Wayland platform is native Wayland.
SessionKind sessionKind(const QString &platformName, const Environment &environment);

// The session of the running application.
SessionKind currentSession();

// The desktop of the running application's session.
std::unique_ptr<Desktop> create();

// The way to a key that works from anywhere in that session: a key grab on X, the desktop portal
// where a Wayland compositor owns the keyboard, none elsewhere.
std::unique_ptr<GlobalShortcut> createGlobalShortcut(SessionKind session);

} // namespace DesktopFactory
