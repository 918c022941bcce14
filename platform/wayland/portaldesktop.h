// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "platform/desktop.h"

class PortalScreenshot;

// The desktop of a Wayland session, where no program reads the screen by itself: pictures come from
// the desktop portal (PortalScreenshot) with the program's windows stepped aside, the display scale
// follows from each picture, and the compositor composites. Through XWayland the other windows are
// those X knows of (the X clients alone); natively there are none, and the compositor places every
// window itself. Where the compositor publishes a control socket that places windows (sway's, named
// by $SWAYSOCK), X windows are placed through it: the compositor's layout coordinates are XWayland's;
// and since sway ignores the opacity a window asks for, the program's windows (X or native) turn
// transparent for a picture through it too.
class PortalDesktop : public Desktop
{
    Q_OBJECT
public:
    // `controlSocket`: the compositor's control socket, if it has one.
    explicit PortalDesktop(SessionKind session, const QString &controlSocket = QString(), QObject *parent = nullptr);

    // The control socket that the session's environment names, if any.
    static QString controlSocketOfSession();

    SessionKind session() const override { return m_session; }
    bool isCompositing() const override { return true; }
    QList<DesktopWindow> windows() const override;
    bool readsScreenLive() const override { return false; }
    ScreenPicture readArea(const QRect &area) const override;
    void takePicture(QObject *context, const PictureReady &ready) override;
    bool hasPlacementService() const override;
    bool placeWindow(WId window, const QRect &frame) override;
    bool fillsFullScreen() const override;
    QList<MonitorSize> monitorSizes() const override;

private:
    bool setOpacityThroughService(WId window, qreal opacity);
    bool runOnControlSocket(const QString &command, const QString &refusal);

    SessionKind m_session;
    PortalScreenshot *m_portal = nullptr;
    QString m_controlSocket;
    bool m_refusalTold = false;
};
