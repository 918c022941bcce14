// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "platform/desktop.h"

// The desktop of a platform the program knows nothing particular of (offscreen, say): translucency
// taken as working, no other windows, the screen read through the toolkit's grab.
class PlainDesktop : public Desktop
{
    Q_OBJECT
public:
    using Desktop::Desktop;

    SessionKind session() const override { return SessionKind::Other; }
    bool isCompositing() const override { return true; }
    QList<DesktopWindow> windows() const override { return {}; }
    bool readsScreenLive() const override { return true; }
    ScreenPicture readArea(const QRect &area) const override;
    void takePicture(QObject *context, const PictureReady &ready) override;
};
