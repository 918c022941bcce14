// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The keyboard: every feature has its key (see RulerCommands::decideKey).
#include "ruler/window/rulerwindow.h"

#include "ruler/commands/conventionkeys.h"

#include <QApplication>
#include <QKeyEvent>

void RulerWindow::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Escape && m_edgeFinder.active()) {
        execute(RulerCommand::EdgeFinder);
        return;
    }
    // The chord comes from this event alone, so the order in which its keys went down does not count.
    const ModifierLatch::Chord chord = ModifierLatch::fromKey(key, true, event->modifiers());
    const RulerCommands::KeyDecision decision =
        RulerCommands::decideKey({key, event->modifiers(), chord, state().fullScreen()});
    if (decision.stage != RulerCommands::KeyStage::Convention)
        m_pointer.setChord(chord);
    if (decision.stage == RulerCommands::KeyStage::Plain)
        prepareForKey(event);
    if (decision.command)
        execute(*decision.command);
}

void RulerWindow::prepareForKey(const QKeyEvent *event)
{
    if (ModifierLatch::isAltKey(event->key()) || event->key() == Qt::Key_Shift)
        m_pointer.wheel().reset();
    if (shiftHeld())
        setCursor(m_pointer.dragMode() != PointerRules::DragMode::Body || altHeld() ? Qt::ArrowCursor
                                                                          : Qt::SizeFDiagCursor);
}

void RulerWindow::keyReleaseEvent(QKeyEvent *event)
{
    m_pointer.setChord(ModifierLatch::fromKey(event->key(), false, event->modifiers()));
    if (!shiftHeld() && m_pointer.dragMode() == PointerRules::DragMode::Body)
        setCursor(Qt::ArrowCursor);
}
