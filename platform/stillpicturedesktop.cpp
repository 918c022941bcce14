// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "platform/stillpicturedesktop.h"

StillPictureDesktop::StillPictureDesktop(const ScreenPicture &picture, QObject *parent)
    : Desktop(parent), m_logical(picture)
{
    if (picture.image.size() != picture.area.size())
        m_logical.image =
            picture.image.scaled(picture.area.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

ScreenPicture StillPictureDesktop::readArea(const QRect &area) const
{
    ScreenPicture part;
    if (area.isEmpty() || !m_logical.area.contains(area)) {
        part.failure = tr("This part of the screen is not in the still frame.");
        return part;
    }
    part.image = m_logical.image.copy(area.translated(-m_logical.area.topLeft()));
    part.area = area;
    return part;
}

void StillPictureDesktop::takePicture(QObject *context, const PictureReady &ready)
{
    if (context)
        ready(m_logical);
}
