// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The unit the ruler measures in.
#include "ruler/rulerwindow.h"

#include "prefs/settings.h"
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

UnitScale::Sources unitSources(const Settings *settings, int displayIndex)
{
    // A ruler that has not joined the preferences knows no units: any unit is refused.
    static const TextGrid kNoUnits;
    if (!settings)
        return {kNoUnits, kNoUnits, kNoUnits, displayIndex};
    return {settings->unitCells, settings->pixelUnitCells, settings->displayCells, displayIndex};
}

} // namespace

void RulerWindow::recomputeScale()
{
    if (!scale.recomputeScale(checkedUnit(*this), unitSources(settings, displayIndex)))
        actPixels->setChecked(true);
}

void RulerWindow::setUnit(bool quiet)
{
    const QString refusal = scale.setUnit(checkedUnit(*this), unitSources(settings, displayIndex), quiet);
    if (!refusal.isEmpty()) {
        if (!quiet) {
            if (settings)
                settings->showMessage(refusal);
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
