// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "render/pictureloader.h"

#include <QFileInfo>
#include <QImageReader>

namespace PictureLoader {

bool withinLimits(QSize size)
{
    return size.width() <= kMaxSide && size.height() <= kMaxSide &&
           qint64(size.width()) * size.height() <= kMaxPixels;
}

Result load(const QString &path)
{
    // Directories, devices and pipes are refused: reading a pipe could block for ever.
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile() || !info.isReadable())
        return {QImage(), Status::NotAFile};

    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAllocationLimit(kAllocationLimitMiB);
    if (!reader.canRead())
        return {QImage(), Status::NotAPicture};

    // Some formats cannot tell their size before decoding; the allocation limit guards those.
    const QSize declared = reader.size();
    if (declared.isValid() && !withinLimits(declared))
        return {QImage(), Status::TooLarge};

    QImage image = reader.read();
    if (image.isNull())
        return {QImage(), Status::NotAPicture};
    if (!withinLimits(image.size()))
        return {QImage(), Status::TooLarge};
    return {image, Status::Loaded};
}

} // namespace PictureLoader
