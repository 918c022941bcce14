// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "platform/desktop.h"

#include <QHash>

class PortalScreenshot;
class QWindow;

// The desktop of a Wayland session, where no program reads the screen by itself: pictures come from
// the desktop portal (PortalScreenshot) with the program's windows stepped aside, the display scale
// follows from each picture, and the compositor composites. Through XWayland the other windows are
// those X knows of (the X clients alone); natively there are none, and the compositor places every
// window itself. Where the compositor publishes a control socket that places windows (sway's, named
// by $SWAYSOCK), X windows are placed through it: the compositor's layout coordinates are XWayland's;
// and since sway ignores the opacity a window asks for, the program's windows (X or native) turn
// transparent for a picture through it too. A native client learns where its windows stand from the
// socket's layout tree, where no one tells it otherwise.
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
    bool toolkitKnowsPositions() const override { return m_session != SessionKind::Wayland; }
    // Natively, the compositor's word from its control socket, where it has one.
    std::optional<QPoint> windowPosition(QWindow *window) override;

private:
    bool setOpacityThroughService(WId window, qreal opacity);
    bool runOnControlSocket(const QString &command, const QString &refusal);
    void stopAskingSilentCompositor(const QString &failure);

    SessionKind m_session;
    PortalScreenshot *m_portal = nullptr;
    QString m_controlSocket;
    bool m_refusalTold = false;
    // The compositor's names for the program's native windows, once learnt (CompositorTree).
    QHash<QWindow *, qint64> m_treeIds;
};
