// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The unit the ruler measures in.
#include "ruler/rulerwindow.h"

#include "prefs/topmessage.h"

#include <QAction>

namespace {

UnitChoice checkedUnit(const RulerWindow &ruler)
{
    for (int row = 0; row < RulerWindow::kUnitEntries; ++row) {
        if (ruler.physicalUnitActions[row] && ruler.physicalUnitActions[row]->isChecked())
            return {UnitChoice::Table::Physical, row};
        if (ruler.pixelUnitActions[row] && ruler.pixelUnitActions[row]->isChecked())
            return {UnitChoice::Table::PixelBased, row};
    }
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
    if (!scale.recomputeScale(checkedUnit(*this), unitSources(preferences, displayIndex)))
        actPixels->setChecked(true);
}

void RulerWindow::setUnit(bool quiet)
{
    const QString refusal = scale.setUnit(checkedUnit(*this), unitSources(preferences, displayIndex), quiet);
    if (!refusal.isEmpty()) {
        if (!quiet) {
            if (shared)
                emit messageRequested(refusal);
            else
                TopMessage::show(refusal);
        }
        actPixels->setChecked(true);
    }
    if (!quiet)
        moveEvent(nullptr);
    update();
}

void RulerWindow::setUnit()
{
    setUnit(false);
}
