// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The unit tables and the display calibration of the preferences.
#include "prefs/preferences.h"

#include "prefs/displaycalibration.h"
#include "prefs/localenumbers.h"
#include "prefs/programsettings.h"
#include "prefs/storevalues.h"
#include "prefs/tablekeys.h"

#include <QLocale>
#include <QSettings>

namespace {

namespace Calibration = DisplayCalibration;
using UnitTableRules::FactoryRow;
constexpr int kRows = Preferences::kTableRows;

QLatin1StringView prefixOf(Preferences::UnitTable table)
{
    return table == Preferences::UnitTable::Physical ? TableKeys::unitPrefix : TableKeys::pixelUnitPrefix;
}

// A stored number written in the user's form ("2,54") reads as if the user had typed it into the
// table: in the stored form. Other texts stay as they are.
QString asTyped(const QString &stored)
{
    const QLocale locale;
    return LocaleNumbers::toStored(LocaleNumbers::toShown(stored, locale), locale);
}

void writeRows(TextGrid &grid, const QList<FactoryRow> &rows, int columns)
{
    for (int row = 0; row < rows.size() && row < kRows; ++row) {
        const FactoryRow &cells = rows.at(row);
        for (int column = 0; column < cells.size() && column < columns; ++column)
            grid[row][column] = cells.at(column);
    }
}

Calibration::StoredRows storedDisplayRows(QSettings &store)
{
    Calibration::StoredRows rows;
    for (int row = 0; row < Calibration::kRows; ++row) {
        auto text = [&](int cell) {
            return StoreValues::readText(store, TableKeys::cellKey(TableKeys::displayPrefix, row, cell));
        };
        rows[row] = {text(Calibration::kResolutionCell), text(Calibration::kPpiXCell),
                     text(Calibration::kPpiYCell)};
    }
    return rows;
}

} // namespace

int Preferences::columnCount(UnitTable table)
{
    return table == UnitTable::Physical ? UnitTableRules::kPhysicalColumns : UnitTableRules::kPixelColumns;
}

const TextGrid &Preferences::unitCells(UnitTable table) const
{
    return table == UnitTable::Physical ? m_unitCells : m_pixelUnitCells;
}

TextGrid &Preferences::grid(UnitTable table)
{
    return table == UnitTable::Physical ? m_unitCells : m_pixelUnitCells;
}

void Preferences::readUnitTables()
{
    // The physical table starts with the default units, the pixel-based one empty; a stored text
    // replaces a cell, a missing or empty one keeps it.
    writeRows(m_unitCells, UnitTableRules::defaultUnits(), UnitTableRules::kPhysicalColumns);
    for (const UnitTable table : {UnitTable::Physical, UnitTable::PixelBased}) {
        for (int row = 0; row < kRows; ++row) {
            for (int column = 0; column < columnCount(table); ++column) {
                const QString text =
                    StoreValues::readText(*m_store, TableKeys::cellKey(prefixOf(table), row, column));
                if (!text.isEmpty())
                    grid(table)[row][column] =
                        column >= UnitTableRules::kFirstNumberColumn ? asTyped(text) : text;
            }
        }
    }
}

void Preferences::storeUnitTable(UnitTable table)
{
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < columnCount(table); ++column)
            m_store->setValue(TableKeys::cellKey(prefixOf(table), row, column), grid(table)[row][column]);
    }
}

UnitTableRules::CellVerdict Preferences::editUnitCell(UnitTable table, int row, int column,
                                                      const QStringList &rowCells)
{
    if (row < 0 || row >= kRows || column < 0 || column >= columnCount(table))
        return {false, false, nullptr};
    const UnitTableRules::CellVerdict verdict =
        UnitTableRules::judgeCell(rowCells, column, grid(table)[row][column]);
    if (!verdict.accepted)
        return verdict;
    grid(table)[row][column] = rowCells.value(column);
    storeUnitTable(table);
    emit unitsChanged();
    return verdict;
}

void Preferences::resetUnitTable(UnitTable table, const QList<FactoryRow> &rows)
{
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < columnCount(table); ++column)
            grid(table)[row][column].clear();
    }
    writeRows(grid(table), rows, columnCount(table));
    storeUnitTable(table);
    emit unitsChanged();
}

void Preferences::setUnitCells(UnitTable table, const TextGrid &cells)
{
    grid(table) = cells;
    storeUnitTable(table);
    emit unitsChanged();
}

void Preferences::setDisplayCells(const TextGrid &cells)
{
    m_displayCells = cells;
    storeDisplayTable();
    emit displaysChanged();
}

void Preferences::storeDisplayTable()
{
    for (int row = 0; row < Calibration::kRows; ++row) {
        for (int cell = 0; cell < Calibration::kCells; ++cell)
            m_store->setValue(TableKeys::cellKey(TableKeys::displayPrefix, row, cell),
                              m_displayCells[row][cell]);
    }
}

void Preferences::readDisplayTable()
{
    if (!StoreValues::readBool(*m_store, programKey(ProgramSetting::DisplaysDetected), false)) {
        // Written with everything else the start reads: a first start writes its file once.
        storeDetectedDisplays();
        m_detectedOnStart = true;
        return;
    }
    for (int row = 0; row < Calibration::kRows; ++row) {
        for (int cell = 0; cell < Calibration::kCells; ++cell) {
            m_displayCells[row][cell] =
                StoreValues::readText(*m_store, TableKeys::cellKey(TableKeys::displayPrefix, row, cell));
        }
    }
    // Each restored pixels-per-inch cell goes through the cell edit, which takes (and writes back) only
    // what is still valid; the rest stays as it was read.
    for (int row = 0; row < Calibration::kRows; ++row) {
        for (const int cell : {Calibration::kPpiXCell, Calibration::kPpiYCell}) {
            if (!m_displayCells[row][cell].isEmpty())
                editDisplayCell(row, cell, asTyped(m_displayCells[row][cell]));
        }
    }
}

bool Preferences::editDisplayCell(int row, int column, const QString &text)
{
    if (row < 0 || row >= Calibration::kRows || column < 0 || column >= Calibration::kTableColumns)
        return false;
    if (column == Calibration::kResolutionCell || !Calibration::ppiValue(text))
        return false;
    m_displayCells[row][column] = text;
    m_store->setValue(TableKeys::cellKey(TableKeys::displayPrefix, row, column), text);
    emit displaysChanged();
    return true;
}

void Preferences::detectDisplays()
{
    storeDetectedDisplays();
    m_store->sync();
    emit displaysChanged();
}

void Preferences::storeDetectedDisplays()
{
    m_displayCells =
        Calibration::detect(m_displayCells, Calibration::currentScreens(m_desktop), storedDisplayRows(*m_store));
    m_store->setValue(programKey(ProgramSetting::DisplaysDetected), true);
    storeDisplayTable();
}
