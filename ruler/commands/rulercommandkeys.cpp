// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The keys of a ruler: which command a key press asks for, from the keys of the command table.
#include "ruler/commands/conventionkeys.h"
#include "ruler/commands/rulercommand.h"

namespace RulerCommands {
namespace {

using C = RulerCommand;

std::optional<RulerCommand> find(int key, Chord chord)
{
    for (const Entry &row : table()) {
        for (const Key &bound : row.keys) {
            if (bound.key == key && bound.chord == chord)
                return row.command;
        }
    }
    return std::nullopt;
}

std::optional<RulerCommand> conventionCommand(const KeyPress &press)
{
    const auto convention = ConventionKeys::commandFor(press.key, press.modifiers, press.fullScreen);
    if (convention == ConventionKeys::Command::None)
        return std::nullopt;
    for (const Entry &row : table()) {
        if (row.convention == convention)
            return row.command;
    }
    return std::nullopt;
}

// Alt picks a ratio, Shift the centred shape; with both, the centred shape, but Alt+Shift+1 keeps the
// ratio (a centred rectangle of that ratio would be the same rectangle).
Chord digitChord(int key, const ModifierLatch::Chord &chord)
{
    if (chord.alt)
        return chord.shift && key != Qt::Key_1 ? Chord::ShiftDigit : Chord::AltDigit;
    return chord.shift ? Chord::ShiftDigit : Chord::Digit;
}

} // namespace

KeyDecision decideKey(const KeyPress &press)
{
    if (const auto command = conventionCommand(press))
        return {command, KeyStage::Convention};
    if (press.chord.alt && press.chord.shift) {
        if (const auto command = find(press.key, Chord::AltShift))
            return {command, KeyStage::Chord};
    }
    if (press.modifiers == Qt::AltModifier) {
        if (const auto command = find(press.key, Chord::ExactlyAlt))
            return {command, KeyStage::Chord};
    }
    if (const auto command = find(press.key, digitChord(press.key, press.chord)))
        return {command, KeyStage::Plain};
    const auto command = find(press.key, Chord::Plain);
    // "Y" with a modifier role held is taken and does nothing.
    if (command == C::ShowReadings && (press.chord.alt || press.chord.shift))
        return {};
    return {command, KeyStage::Plain};
}

} // namespace RulerCommands
