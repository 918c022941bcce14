// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QByteArray>
#include <QString>

// The settings file as a file, apart from its format: what may stand at its path, what earlier runs
// left beside it, and why it cannot be written.
namespace StoreFile {

// Empty when the program may open `path`: nothing there yet, a regular file, or a symbolic link to one
// (or to nothing yet). Anything else is refused with the reason: a FIFO or a device would block the
// start or never end, and a save would replace it with a regular file.
QString whyNotAFile(const QString &path);

// Removes what a save cut short by a kill leaves beside the file: the toolkit's temporary copies
// `name.XXXXXX` of this user. Returns how many went.
int removeStaleTemporaries(const QString &path);

// Where a file that could not be read whole is kept, beside it.
QString damagedCopyPath(const QString &path);
// Keeps `content` as the damaged copy, replacing an older one; false where it cannot be written.
bool keepDamagedCopy(const QString &path, const QByteArray &content);

// The system's words for why `path` cannot be written, as far as they can be told without writing.
// Empty where nothing is seen to stand in the way.
QString whyUnwritable(const QString &path);

} // namespace StoreFile
