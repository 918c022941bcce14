// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The unit the ruler measures in.
#include "ruler/window/rulerwindow.h"

#include "prefs/topmessage.h"
#include "ruler/commands/rulermenu.h"

namespace {

UnitChoice checkedUnit(const RulerMenu &menu)
{
    const RulerCommand checked = menu.checkedIn(RulerCommands::Group::Unit);
    const int rows = RulerCommands::kUnitRows;
    if (RulerCommands::inRange(checked, RulerCommand::PhysicalUnitFirst, rows))
        return {UnitChoice::Table::Physical, int(checked) - int(RulerCommand::PhysicalUnitFirst)};
    if (RulerCommands::inRange(checked, RulerCommand::PixelUnitFirst, rows))
        return {UnitChoice::Table::PixelBased, int(checked) - int(RulerCommand::PixelUnitFirst)};
    return {};
}

UnitScale::Sources unitSources(const Preferences *preferences, int displayIndex)
{
    // A ruler that has not joined the preferences knows no units: any unit is refused.
    static const TextGrid kNoUnits;
    if (!preferences)
        return {kNoUnits, kNoUnits, kNoUnits, displayIndex};
    return {preferences->unitCells(Preferences::UnitTable::Physical),
            preferences->unitCells(Preferences::UnitTable::PixelBased), preferences->displayCells(), displayIndex};
}

} // namespace

void RulerWindow::recomputeScale()
{
    if (!scale.recomputeScale(checkedUnit(*m_menu), unitSources(preferences, displayIndex)))
        m_menu->setChecked(RulerCommand::UnitPixels, true);
}

void RulerWindow::setUnit(bool quiet)
{
    const QString refusal = scale.setUnit(checkedUnit(*m_menu), unitSources(preferences, displayIndex), quiet);
    if (!refusal.isEmpty()) {
        if (!quiet) {
            if (shared)
                emit messageRequested(refusal);
            else
                TopMessage::show(refusal);
        }
        m_menu->setChecked(RulerCommand::UnitPixels, true);
    }
    if (!quiet)
        followWindowMove();
    update();
}
