// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <Qt>

// The two modifier roles of a ruler, taken afresh from every input event so that nothing sticks:
// "alt" is Alt or Control held, "shift" is Shift held. A chord means the same whatever order its keys
// were pressed in.
//
// Key events need a correction for the key itself. X names the Alt key pressed while Shift is held
// Meta (Meta_L on the usual keymaps, a Mod1 key like Alt) and the toolkit reports it with the Meta
// modifier; releasing it still reports Alt as held, since X gives the state from before the event.
// So the Alt and Meta keys count as Alt, held on their press and let go on their release.
namespace ModifierLatch {

struct Chord
{
    bool alt = false;
    bool shift = false;
    friend bool operator==(const Chord &a, const Chord &b) { return a.alt == b.alt && a.shift == b.shift; }
};

// A pointer or wheel event: the modifiers it carries.
Chord fromHeld(Qt::KeyboardModifiers held);

// A key press or release: the modifiers the toolkit reports for it, corrected for the key itself.
Chord fromKey(int key, bool pressed, Qt::KeyboardModifiers reported);

// The Alt key, under either of the names X gives it.
bool isAltKey(int key);

} // namespace ModifierLatch
