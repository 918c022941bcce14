// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "platform/x11/x11desktop.h"

#include "platform/screengrab.h"
#include "platform/x11/x11compositorwatch.h"
#include "platform/x11/x11desktopwindows.h"
#include "platform/x11/x11monitorsizes.h"
#include "platform/x11/x11pointerevents.h"
#include "platform/x11/x11windowmanager.h"
#include "platform/x11/x11windowmove.h"

X11Desktop::X11Desktop(QObject *parent) : Desktop(parent)
{
    // Without XCB, translucency is taken as working.
    m_compositing =
        X11CompositorWatch::start(this, [this](bool running) { setCompositing(running); }).value_or(true);
}

QList<DesktopWindow> X11Desktop::windows() const
{
    return X11DesktopWindows::stack();
}

ScreenPicture X11Desktop::readArea(const QRect &area) const
{
    return ScreenGrab::area(area);
}

void X11Desktop::takePicture(QObject *context, const PictureReady &ready)
{
    ScreenGrab::withoutOwnWindows(
        m_compositing, context,
        [](QObject *, const PictureReady &taken) { taken(ScreenGrab::wholeDesktop()); }, ready);
}

bool X11Desktop::moveWindow(WId window, const QPoint &topLeft)
{
    return X11WindowMove::moveTo(window, topLeft);
}

void X11Desktop::hearPointerOnce(WId window)
{
    X11PointerEvents::motionOnceOnly(window);
}

bool X11Desktop::fillsFullScreen() const
{
    return X11WindowManager::fillsFullScreen();
}

QList<MonitorSize> X11Desktop::monitorSizes() const
{
    return X11MonitorSizes::monitors();
}

void X11Desktop::setCompositing(bool compositing)
{
    if (compositing == m_compositing)
        return;
    m_compositing = compositing;
    Q_EMIT compositingChanged(compositing);
}
