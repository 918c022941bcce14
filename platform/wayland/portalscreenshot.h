// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "platform/desktop.h"

#include <QObject>

// A picture of the whole screen from the desktop portal (org.freedesktop.portal.Screenshot), for
// sessions where the X server cannot see the screen: XWayland inside a Wayland session, or native
// Wayland.
class PortalScreenshot : public QObject
{
    Q_OBJECT
public:
    explicit PortalScreenshot(QObject *parent = nullptr);

    // Asks the portal for a picture of the whole desktop and calls `ready` exactly once, unless
    // `context` is gone by then. A refusal, a time-out or a missing portal gives a picture with a
    // failure and no image.
    void take(QObject *context, const Desktop::PictureReady &ready);
};
