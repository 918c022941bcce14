// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "platform/desktopfactory.h"

#include "platform/plaindesktop.h"
#include "platform/wayland/portaldesktop.h"
#include "platform/wayland/portalglobalshortcut.h"
#include "platform/x11/x11desktop.h"
#include "platform/x11/x11keygrab.h"

#include <QGuiApplication>

namespace DesktopFactory {

SessionKind sessionKind(const QString &platformName, const Environment &environment)
{
    if (platformName.startsWith(QLatin1String("wayland")))
        return SessionKind::Wayland;
    if (platformName != QLatin1String("xcb"))
        return SessionKind::Other;
    const bool waylandSession =
        !environment.value("WAYLAND_DISPLAY").isEmpty() || environment.value("XDG_SESSION_TYPE") == "wayland";
    return waylandSession ? SessionKind::XWayland : SessionKind::X11;
}

SessionKind currentSession()
{
    Environment environment;
    for (const char *name : {"WAYLAND_DISPLAY", "XDG_SESSION_TYPE"})
        environment.insert(name, qgetenv(name));
    return sessionKind(QGuiApplication::platformName(), environment);
}

std::unique_ptr<Desktop> create()
{
    switch (const SessionKind session = currentSession()) {
    case SessionKind::X11:
        return std::make_unique<X11Desktop>();
    case SessionKind::XWayland:
    case SessionKind::Wayland:
        return std::make_unique<PortalDesktop>(session, PortalDesktop::controlSocketOfSession());
    case SessionKind::Other:
        break;
    }
    return std::make_unique<PlainDesktop>();
}

std::unique_ptr<GlobalShortcut> createGlobalShortcut(SessionKind session)
{
    switch (session) {
    case SessionKind::X11:
        if (X11KeyGrab::isAvailable())
            return std::make_unique<X11KeyGrab>();
        break;
    case SessionKind::XWayland:
    case SessionKind::Wayland:
        // An X grab inside XWayland sees only keys meant for X windows: the compositor must be asked.
        return std::make_unique<PortalGlobalShortcut>();
    case SessionKind::Other:
        break;
    }
    return std::make_unique<NoGlobalShortcut>();
}

} // namespace DesktopFactory
