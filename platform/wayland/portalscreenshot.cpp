// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "platform/wayland/portalscreenshot.h"

#include <QPointer>
#include <QTimer>

PortalScreenshot::PortalScreenshot(QObject *parent) : QObject(parent) {}

void PortalScreenshot::take(QObject *context, const Desktop::PictureReady &ready)
{
    QPointer<QObject> guard(context);
    QTimer::singleShot(0, this, [guard, ready] {
        if (!guard)
            return;
        ScreenPicture picture;
        picture.failure = tr("No picture of the screen can be taken on this desktop.");
        ready(picture);
    });
}
