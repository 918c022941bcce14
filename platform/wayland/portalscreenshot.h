// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "platform/desktop.h"

#include <QObject>

// A picture of the whole screen from the desktop portal (org.freedesktop.portal.Screenshot), for
// sessions where the X server cannot see the screen: XWayland inside a Wayland session, or native
// Wayland.
//
// A request is made quietly first (no dialog); where the portal turns that down it is made again
// through the desktop's own dialog. Each attempt has a time limit. The portal's file is read and
// deleted at once, and the picture is placed on the desktop (ScreenshotReply::placedOnDesktop).
class PortalScreenshot : public QObject
{
    Q_OBJECT
public:
    // A quiet request may still wait for a permission question on some desktops.
    static constexpr int kQuietTimeoutMs = 20000;
    static constexpr int kDialogTimeoutMs = 30000;
    // After a time-out the request still listens this long for a late answer, only to delete its file.
    static constexpr int kLateAnswerMs = 120000;

    explicit PortalScreenshot(QObject *parent = nullptr);

    // Asks the portal for a picture of the whole desktop and calls `ready` exactly once, unless
    // `context` is gone by then. A refusal, a time-out or a missing portal gives a picture with a
    // failure and no image.
    void take(QObject *context, const Desktop::PictureReady &ready);

    // The time limits of the two attempts (the tests shorten them).
    void setTimeouts(int quietMs, int dialogMs);

private:
    int m_quietTimeoutMs = kQuietTimeoutMs;
    int m_dialogTimeoutMs = kDialogTimeoutMs;
};
