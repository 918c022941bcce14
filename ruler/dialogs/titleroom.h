// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

class QDialog;
class QFont;
class QString;

// How wide a small dialog must be for the window manager to write its whole title. The title bar
// holds the title beside the window menu, minimize, maximize and close buttons, each about a line
// and a half wide, and most window managers write it in a bold face of about the dialog's size.
namespace TitleRoom {

inline constexpr double kButtonsInLines = 4 * 1.5;
inline constexpr double kPaddingInLines = 3.0;

// The width in pixels for a title written in the font.
int widthFor(const QString &title, const QFont &font);
// Keeps the dialog at least that wide; its layout still decides everything else.
void reserve(QDialog *dialog);

} // namespace TitleRoom
