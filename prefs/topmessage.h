// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

class QMessageBox;
class QString;

namespace TopMessage {

// A modal message box that stays above the other windows, as the preferences and the rulers use it
// to refuse a value; returns once the user dismissed it.
void show(const QString &text);

// Gives a message box the program's title and icon, as every box of the program carries them
// (without a title the desktop would show the executable's name).
void dress(QMessageBox &box);

} // namespace TopMessage
