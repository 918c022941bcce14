// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "platform/plaindesktop.h"

#include "platform/screengrab.h"

ScreenPicture PlainDesktop::readArea(const QRect &area) const
{
    return ScreenGrab::area(area);
}

void PlainDesktop::takePicture(QObject *context, const PictureReady &ready)
{
    ScreenGrab::withoutOwnWindows(
        true, context, [](QObject *, const PictureReady &taken) { taken(ScreenGrab::wholeDesktop()); },
        ready);
}
