// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

// A desktop whose answers the test sets: handed to the program through the same door as the real one
// (RulerHub's constructor, RulerShared::desktop, the magnifier's constructor).

#include "platform/desktop.h"
#include "platform/screengrab.h"

#include <functional>

class FakeDesktop : public Desktop
{
public:
    using Desktop::Desktop;

    SessionKind session() const override { return m_session; }
    bool isCompositing() const override { return m_compositing; }
    QList<DesktopWindow> windows() const override
    {
        return listWindows ? listWindows() : QList<DesktopWindow>();
    }
    bool readsScreenLive() const override { return m_live; }
    ScreenPicture readArea(const QRect &area) const override { return readAt(area); }
    // Hands the picture over at once.
    void takePicture(QObject *, const PictureReady &ready) override
    {
        ++picturesTaken;
        ready(picture());
    }

    // A placement service when `placeAt` is set: it answers for the compositor.
    bool hasPlacementService() const override { return bool(placeAt); }
    bool placeWindow(WId window, const QRect &frame) override { return placeAt && placeAt(window, frame); }
    // The cheaper move of a dragged window when `moveAt` is set.
    bool moveWindow(WId window, const QPoint &topLeft) override { return moveAt && moveAt(window, topLeft); }
    QList<MonitorSize> monitorSizes() const override { return monitors; }
    // A native Wayland client's desktop when `positionOf` is set: it answers for the compositor.
    bool toolkitKnowsPositions() const override { return !positionOf; }
    std::optional<QPoint> windowPosition(QWindow *window) override
    {
        return positionOf ? positionOf(window) : Desktop::windowPosition(window);
    }

    void setSession(SessionKind session) { m_session = session; }
    void setCompositing(bool compositing)
    {
        if (compositing == m_compositing)
            return;
        m_compositing = compositing;
        Q_EMIT compositingChanged(compositing);
    }
    void setReadsScreenLive(bool live) { m_live = live; }
    using Desktop::setHonoursOwnPlacement;

    // The answers; by default the offscreen screen as the toolkit grabs it, and no other windows.
    std::function<QList<DesktopWindow>()> listWindows;
    std::function<ScreenPicture(const QRect &area)> readAt = &ScreenGrab::area;
    std::function<ScreenPicture()> picture = &ScreenGrab::wholeDesktop;
    int picturesTaken = 0;
    std::function<bool(WId window, const QRect &frame)> placeAt;
    std::function<bool(WId window, const QPoint &topLeft)> moveAt;
    QList<MonitorSize> monitors;
    std::function<std::optional<QPoint>(QWindow *window)> positionOf;

private:
    SessionKind m_session = SessionKind::Other;
    bool m_compositing = true;
    bool m_live = true;
};
