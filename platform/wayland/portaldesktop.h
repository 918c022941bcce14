// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "platform/desktop.h"

class PortalScreenshot;

// The desktop of a Wayland session, where no program reads the screen by itself: pictures come from
// the desktop portal (PortalScreenshot) with the program's windows stepped aside, the display scale
// follows from each picture, and the compositor composites. Through XWayland the other windows are
// those X knows of (the X clients alone); natively there are none, and the compositor places every
// window itself.
class PortalDesktop : public Desktop
{
    Q_OBJECT
public:
    explicit PortalDesktop(SessionKind session, QObject *parent = nullptr);

    SessionKind session() const override { return m_session; }
    bool isCompositing() const override { return true; }
    QList<DesktopWindow> windows() const override;
    bool readsScreenLive() const override { return false; }
    ScreenPicture readArea(const QRect &area) const override;
    void takePicture(QObject *context, const PictureReady &ready) override;

private:
    SessionKind m_session;
    PortalScreenshot *m_portal = nullptr;
};
