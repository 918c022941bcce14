// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <Qt>

// The keys that users of any Linux desktop press without reading a manual: F1 for help, Ctrl+Q to
// quit, Ctrl+W to close the window, Escape to leave full screen, Ctrl+C to copy. They come on top of
// the program's own keys (Alt+Q, Alt+W, Alt+/ …), which keep working; a chord listed here has no other
// meaning on a ruler, so it is decided before any of the program's own key stages.
namespace ConventionKeys {

enum class Command
{
    None,
    Help,            // "Gradora Help"
    Quit,            // as the menu's "Quit": every ruler closes and saves
    CloseRuler,      // as "Close Ruler"
    LeaveFullScreen, // only when the ruler is full screen
    CopyReadings     // as "Copy Readings"
};

// The command of a key press; the keypad flag does not count as a modifier.
Command commandFor(int key, Qt::KeyboardModifiers modifiers, bool fullScreen);

} // namespace ConventionKeys
