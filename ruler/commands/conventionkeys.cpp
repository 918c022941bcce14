// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/commands/conventionkeys.h"

namespace ConventionKeys {

Command commandFor(int key, Qt::KeyboardModifiers modifiers, bool fullScreen)
{
    const Qt::KeyboardModifiers held = modifiers & ~Qt::KeypadModifier;
    if (held == Qt::NoModifier) {
        if (key == Qt::Key_F1)
            return Command::Help;
        if (key == Qt::Key_Escape && fullScreen)
            return Command::LeaveFullScreen;
        return Command::None;
    }
    if (held == Qt::ControlModifier) {
        if (key == Qt::Key_Q)
            return Command::Quit;
        if (key == Qt::Key_W)
            return Command::CloseRuler;
        if (key == Qt::Key_C)
            return Command::CopyReadings;
    }
    return Command::None;
}

} // namespace ConventionKeys
