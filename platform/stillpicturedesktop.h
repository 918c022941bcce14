// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "platform/desktop.h"

// A desktop frozen in one picture: the tools that read the screen (the magnifier, the colour readout,
// the edge finder) read this picture as if it were the screen. The still frame hands it to them where
// the real desktop cannot be read live.
//
// The picture is kept in the desktop's logical pixels, one per pixel of the coordinates that windows
// and the pointer use; where the compositor scaled it up, each logical pixel takes one of the device pixels
// it covers (never a blend of neighbours, so every colour read is one the screen really showed).
class StillPictureDesktop : public Desktop
{
    Q_OBJECT
public:
    // `picture` must be valid (ScreenPicture::isValid()).
    explicit StillPictureDesktop(const ScreenPicture &picture, QObject *parent = nullptr);

    // The picture in logical pixels and the desktop rectangle it shows.
    const QImage &logicalImage() const { return m_logical.image; }
    QRect area() const { return m_logical.area; }

    SessionKind session() const override { return SessionKind::Other; }
    // Nothing shows through our windows here: they never draw the desktop under themselves.
    bool isCompositing() const override { return true; }
    QList<DesktopWindow> windows() const override { return {}; }
    bool readsScreenLive() const override { return true; }
    // The part of the picture; an area outside it carries a failure (never black pixels).
    ScreenPicture readArea(const QRect &area) const override;
    // The whole picture, at once.
    void takePicture(QObject *context, const PictureReady &ready) override;

private:
    ScreenPicture m_logical;
};
