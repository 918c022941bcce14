// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QPixmap>

// The program's own picture (window, tray, messages) at one of the sizes it is drawn in, read as the
// PNG it is. Reading it without naming the kind would make Qt load and ask every image plug-in on the
// system, which costs a start time and memory for nothing.
namespace ProgramPicture {
QPixmap ofSize(int pixels);
} // namespace ProgramPicture
