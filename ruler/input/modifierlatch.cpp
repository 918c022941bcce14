// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/input/modifierlatch.h"

namespace ModifierLatch {

Chord fromHeld(Qt::KeyboardModifiers held)
{
    return {held.testAnyFlags(Qt::AltModifier | Qt::ControlModifier), held.testFlag(Qt::ShiftModifier)};
}

bool isAltKey(int key)
{
    return key == Qt::Key_Alt || key == Qt::Key_Meta;
}

Chord fromKey(int key, bool pressed, Qt::KeyboardModifiers reported)
{
    Chord chord = fromHeld(reported);
    if (isAltKey(key))
        chord.alt = pressed || reported.testFlag(Qt::ControlModifier);
    else if (key == Qt::Key_Control)
        chord.alt = pressed || reported.testFlag(Qt::AltModifier);
    else if (key == Qt::Key_Shift)
        chord.shift = pressed;
    return chord;
}

} // namespace ModifierLatch
