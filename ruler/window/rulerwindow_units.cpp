// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The unit the ruler measures in.
#include "ruler/window/rulerwindow.h"

#include "prefs/topmessage.h"

namespace {

RulerState::UnitTables unitTables(const Preferences *preferences)
{
    // A ruler that has not joined the preferences knows no units: any unit is refused.
    static const TextGrid kNoUnits;
    if (!preferences)
        return {kNoUnits, kNoUnits, kNoUnits};
    return {preferences->unitCells(Preferences::UnitTable::Physical),
            preferences->unitCells(Preferences::UnitTable::PixelBased), preferences->displayCells()};
}

} // namespace

void RulerWindow::recomputeScale()
{
    m_state.recomputeScale(unitTables(m_preferences));
}

void RulerWindow::chooseUnit(const UnitChoice &unit)
{
    const QString refusal = m_state.chooseUnit(unit, unitTables(m_preferences), false);
    if (!refusal.isEmpty()) {
        if (m_shared)
            emit messageRequested(refusal);
        else
            TopMessage::show(refusal);
    }
    syncMenu();
    followWindowMove();
}
