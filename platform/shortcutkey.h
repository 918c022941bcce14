// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QKeySequence>
#include <QString>

#include <optional>

// A key combination as the desktop names it: an X keysym with its modifiers, written out for the X
// server (modifier mask) and for the desktop portal (its shortcut text, "CTRL+ALT+r").
//
// Only one key with its modifiers can show the rulers from anywhere: a sequence of several keys, a
// modifier alone, a key we have no desktop name for, and a key without Ctrl, Alt or the logo key that
// other programs need for typing or moving about (a letter, Tab, Return, an arrow; Shift does not
// make it free) are refused. Function keys, Print, Pause, Scroll Lock and Menu may stand alone.
namespace ShortcutKey {

// The X server's modifier masks (the core protocol's values).
inline constexpr quint16 kShiftMask = 0x01;
inline constexpr quint16 kLockMask = 0x02;
inline constexpr quint16 kControlMask = 0x04;
inline constexpr quint16 kAltMask = 0x08;     // Mod1
inline constexpr quint16 kNumLockMask = 0x10; // Mod2, where common keymaps put NumLock
inline constexpr quint16 kLogoMask = 0x40;    // Mod4, the Super ("Windows") key

struct Chord
{
    quint32 keysym = 0;
    QString keyName; // the keysym's name: "a", "F12", "space"
    bool shift = false;
    bool control = false;
    bool alt = false;
    bool logo = false;

    // The modifiers as the X server writes them in a key event's state.
    quint16 x11Modifiers() const;
    // The desktop portal's shortcut text: the modifiers in capitals, then the key's name, joined by '+'.
    QString portalTrigger() const;
};

enum class Refusal
{
    None,
    Empty,
    SeveralKeys,
    ModifierOnly,
    UnknownKey,
    NeedsModifier,
};

struct Translation
{
    std::optional<Chord> chord;
    Refusal refusal = Refusal::None;
};

Translation fromKeySequence(const QKeySequence &sequence);

// Why a key cannot serve, in words for the Preferences page; empty for Refusal::None.
QString refusalText(Refusal refusal);

} // namespace ShortcutKey
