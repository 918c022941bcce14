// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "platform/desktop.h"

// The desktop of an X session, where the X server sees the whole screen: the compositing manager
// followed through its selection (X11CompositorWatch), the window manager's client list
// (X11DesktopWindows), the screen read through the toolkit's grab (ScreenGrab), pictures without the
// program's own windows.
class X11Desktop : public Desktop
{
    Q_OBJECT
public:
    explicit X11Desktop(QObject *parent = nullptr);

    SessionKind session() const override { return SessionKind::X11; }
    bool isCompositing() const override { return m_compositing; }
    QList<DesktopWindow> windows() const override;
    bool readsScreenLive() const override { return true; }
    ScreenPicture readArea(const QRect &area) const override;
    void takePicture(QObject *context, const PictureReady &ready) override;
    bool moveWindow(WId window, const QPoint &topLeft) override;
    void hearPointerOnce(WId window) override;
    bool fillsFullScreen() const override;
    QList<MonitorSize> monitorSizes() const override;

private:
    void setCompositing(bool compositing);

    bool m_compositing = true;
};
