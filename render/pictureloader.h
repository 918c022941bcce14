// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Reads a picture file for a ruler's background. Only the header is trusted at first: a picture
// whose declared size is beyond the limits is refused before anything is decoded, so that a small
// hostile file cannot make the program allocate gigabytes.
namespace PictureLoader {
inline constexpr int kMaxSide = 16384;
// 64 megapixels: 256 MiB at four bytes per pixel, more than several 8K screens side by side.
inline constexpr qint64 kMaxPixels = qint64(64) * 1024 * 1024;
inline constexpr int kAllocationLimitMiB = 256;

enum class Status
{
    Loaded,
    NotAFile,
    NotAPicture,
    TooLarge
};

struct Result
{
    QImage image; // null unless status is Loaded
    Status status = Status::NotAPicture;
};

bool withinLimits(QSize size);
Result load(const QString &path);
} // namespace PictureLoader
