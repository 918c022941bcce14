// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "platform/wayland/portaldesktop.h"

#include "platform/screengrab.h"
#include "platform/wayland/portalscreenshot.h"
#include "platform/x11/x11desktopwindows.h"

#include <QPointer>

PortalDesktop::PortalDesktop(SessionKind session, QObject *parent)
    : Desktop(parent), m_session(session), m_portal(new PortalScreenshot(this))
{
    if (session == SessionKind::Wayland)
        setHonoursOwnPlacement(false);
}

QList<DesktopWindow> PortalDesktop::windows() const
{
    return m_session == SessionKind::XWayland ? X11DesktopWindows::stack() : QList<DesktopWindow>();
}

ScreenPicture PortalDesktop::readArea(const QRect &) const
{
    ScreenPicture picture;
    picture.failure = tr("This desktop does not let programs read the screen at any moment.");
    return picture;
}

void PortalDesktop::takePicture(QObject *context, const PictureReady &ready)
{
    QPointer<PortalDesktop> self(this);
    ScreenGrab::withoutOwnWindows(
        true, context,
        [self](QObject *program, const PictureReady &taken) {
            if (!self) {
                taken({});
                return;
            }
            self->m_portal->take(program, taken);
        },
        [self, ready](const ScreenPicture &picture) {
            if (self && picture.isValid())
                self->noteDisplayScale(picture.scale());
            ready(picture);
        });
}
