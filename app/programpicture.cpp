// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/programpicture.h"

#include <QImageReader>

QPixmap ProgramPicture::ofSize(int pixels)
{
    QImageReader reader(QStringLiteral(":/icons/%1.png").arg(pixels), "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}
