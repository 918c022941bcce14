// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The unit tables and the display calibration of the preferences.
#include "prefs/settings.h"

#include "prefs/displaycalibration.h"
#include "prefs/localenumbers.h"
#include "prefs/displaylabel.h"
#include "prefs/ppicalculator.h"
#include "prefs/programkeys.h"
#include "prefs/storevalues.h"
#include "prefs/tablekeys.h"
#include "ui_settings.h"
#include "prefs/unittablerules.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

namespace {

using UnitTableRules::FactoryRow;
namespace Calibration = DisplayCalibration;

constexpr int kRows = Settings::kTableRows;
// Where the identification label appears, from the top-left corner of its screen.
constexpr QPoint kDisplayLabelOffset{30, 30};
constexpr int kPpiDecimals = 2;

// The columns that hold numbers: pixels per inch in the display table, everything after the name and
// the abbreviation in the unit tables. They show numbers in the user's locale; the grids and the
// store keep the locale-independent form.
bool holdsNumbers(const QTableWidget *table, int column)
{
    const bool displays = table->objectName() == QLatin1String("tableWidget_2");
    return column >= (displays ? DisplayCalibration::kPpiXCell : UnitTableRules::kFirstNumberColumn);
}

// Writes a stored text into a cell as the user reads it.
void setCellText(QTableWidget *table, int row, int column, const QString &text)
{
    table->item(row, column)
        ->setText(holdsNumbers(table, column) ? LocaleNumbers::toShown(text, table->locale()) : text);
}

// A cell's text in its stored form.
QString cellText(const QTableWidget *table, int row, int column)
{
    const QString text = table->item(row, column)->text();
    return holdsNumbers(table, column) ? LocaleNumbers::toStored(text, table->locale()) : text;
}

bool isTableCell(const QTableWidget *table, int row, int column)
{
    return row >= 0 && row < kRows && column >= 0 && column < table->columnCount();
}

// Copies every cell into the grid and writes it to the store.
void storeTable(QSettings &store, const QTableWidget *table, TextGrid &grid, QLatin1StringView prefix)
{
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
            const QString text = cellText(table, row, column);
            grid[row][column] = text;
            store.setValue(TableKeys::cellKey(prefix, row, column), text);
        }
    }
}

void writeRows(QTableWidget *table, const QList<FactoryRow> &rows)
{
    for (int row = 0; row < rows.size() && row < kRows; ++row) {
        const FactoryRow &cells = rows.at(row);
        for (int column = 0; column < cells.size() && column < table->columnCount(); ++column)
            setCellText(table, row, column, cells.at(column));
    }
}

void readStoredTable(QSettings &store, QTableWidget *table, QLatin1StringView prefix)
{
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
            const QString text = StoreValues::readText(store, TableKeys::cellKey(prefix, row, column));
            // A missing value keeps what the table shows from the start.
            if (!text.isEmpty())
                setCellText(table, row, column, text);
        }
    }
}

void copyToGrid(const QTableWidget *table, TextGrid &grid)
{
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < table->columnCount(); ++column)
            grid[row][column] = cellText(table, row, column);
    }
}

void editUnitCell(Settings &settings, QTableWidget *table, TextGrid &grid, QLatin1StringView prefix, int row,
                  int column)
{
    if (settings.loadingTables || !isTableCell(table, row, column))
        return;

    QStringList cells;
    for (int c = 0; c < table->columnCount(); ++c)
        cells.append(cellText(table, row, c));
    const UnitTableRules::CellVerdict verdict = UnitTableRules::judgeCell(cells, column, grid[row][column]);

    // Setting the cell back runs this edit again on the last valid text, which it accepts.
    if (verdict.restore)
        setCellText(table, row, column, grid[row][column]);

    if (!verdict.accepted) {
        settings.showMessage(QCoreApplication::translate("Settings", verdict.message));
        return;
    }
    grid[row][column] = cells.at(column);
    // A number typed in the other form is shown in the user's form, without a second check.
    settings.loadingTables = true;
    setCellText(table, row, column, cells.at(column));
    settings.loadingTables = false;
    storeTable(*settings.store, table, grid, prefix);
    settings.refreshVisibleWidgets();
    table->setFocus();
    settings.activateWindow();
}

enum class Focus
{
    Table,
    Unchanged
};

void resetUnitTable(Settings &settings, QTableWidget *table, TextGrid &grid, QLatin1StringView prefix,
                    const QList<FactoryRow> &rows, Focus focus)
{
    settings.loadingTables = true;
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < table->columnCount(); ++column)
            setCellText(table, row, column, QString());
    }
    writeRows(table, rows);
    storeTable(*settings.store, table, grid, prefix);
    settings.refreshVisibleWidgets();
    if (focus == Focus::Table)
        table->setFocus();
    settings.activateWindow();
    settings.loadingTables = false;
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

void Settings::ensureTableItems(QTableWidget *table)
{
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
            if (!table->item(row, column))
                table->setItem(row, column, new QTableWidgetItem());
        }
    }
}

void Settings::loadUnitTables()
{
    loadingTables = true;
    ensureTableItems(ui->tableWidget);
    ensureTableItems(ui->tableWidget_3);
    // The physical table starts with the default units, the pixel-based one empty.
    writeRows(ui->tableWidget, UnitTableRules::defaultUnits());
    readStoredTable(*store, ui->tableWidget, TableKeys::unitPrefix);
    readStoredTable(*store, ui->tableWidget_3, TableKeys::pixelUnitPrefix);
    copyToGrid(ui->tableWidget, unitCells);
    copyToGrid(ui->tableWidget_3, pixelUnitCells);
    loadingTables = false;
}

void Settings::loadDisplayTable()
{
    loadingTables = true;
    ensureTableItems(ui->tableWidget_2);
    loadingTables = false;

    if (!StoreValues::readBool(*store, ProgramKeys::displaysDetected, false)) {
        on_pushButton_clicked();
        return;
    }
    for (int row = 0; row < Calibration::kRows; ++row) {
        for (int cell = 0; cell < Calibration::kCells; ++cell) {
            displayCells[row][cell] =
                StoreValues::readText(*store, TableKeys::cellKey(TableKeys::displayPrefix, row, cell));
        }
    }
    // Each restored cell goes through the cell edit, which refuses what is no longer valid.
    for (int row = 0; row < Calibration::kRows; ++row) {
        for (int column = 0; column < Calibration::kTableColumns; ++column) {
            if (!displayCells[row][column].isEmpty())
                setCellText(ui->tableWidget_2, row, column, displayCells[row][column]);
        }
    }
}

void Settings::on_tableWidget_cellChanged(int row, int column)
{
    editUnitCell(*this, ui->tableWidget, unitCells, TableKeys::unitPrefix, row, column);
}

void Settings::on_tableWidget_3_cellChanged(int row, int column)
{
    editUnitCell(*this, ui->tableWidget_3, pixelUnitCells, TableKeys::pixelUnitPrefix, row, column);
}

void Settings::on_pushButton_3_clicked()
{
    resetUnitTable(*this, ui->tableWidget, unitCells, TableKeys::unitPrefix, UnitTableRules::defaultUnits(),
                   Focus::Table);
}

void Settings::on_pushButton_8_clicked()
{
    resetUnitTable(*this, ui->tableWidget_3, pixelUnitCells, TableKeys::pixelUnitPrefix,
                   UnitTableRules::sampleUnits(), Focus::Table);
}

void Settings::on_pushButton_9_clicked()
{
    resetUnitTable(*this, ui->tableWidget_3, pixelUnitCells, TableKeys::pixelUnitPrefix, {},
                   Focus::Unchanged);
}

// "Detect Displays", and the first start.
void Settings::on_pushButton_clicked()
{
    loadingTables = true;
    QTableWidget *table = ui->tableWidget_2;
    displayCells =
        Calibration::detect(displayCells, Calibration::currentScreens(), storedDisplayRows(*store));
    store->setValue(ProgramKeys::displaysDetected, true);
    for (int row = 0; row < Calibration::kRows; ++row) {
        for (int column = 0; column < Calibration::kTableColumns; ++column)
            setCellText(table, row, column, displayCells[row][column]);
        for (int cell = 0; cell < Calibration::kCells; ++cell)
            store->setValue(TableKeys::cellKey(TableKeys::displayPrefix, row, cell), displayCells[row][cell]);
    }
    store->sync();
    table->setCurrentCell(0, 0);
    loadingTables = false;
}

void Settings::on_tableWidget_2_cellChanged(int row, int column)
{
    QTableWidget *table = ui->tableWidget_2;
    if (loadingTables || !isTableCell(table, row, column))
        return;
    const QString text = cellText(table, row, column);
    // The resolution is the desktop's; only a pixels-per-inch value above 0 is taken.
    if (column == Calibration::kResolutionCell || !Calibration::ppiValue(text)) {
        setCellText(table, row, column, displayCells[row][column]);
        return;
    }
    displayCells[row][column] = text;
    loadingTables = true;
    setCellText(table, row, column, text);
    loadingTables = false;
    store->setValue(TableKeys::cellKey(TableKeys::displayPrefix, row, column), text);
    refreshVisibleWidgets();
}

void Settings::on_tableWidget_2_currentCellChanged(int row, int column, int previousRow, int previousColumn)
{
    if (row < 0 || row >= Calibration::kRows)
        return;
    ui->pushButton_4->setText(tr("<< Set to Display %1").arg(row + 1));
    ui->doubleSpinBox_3->setValue(0.0);
    selectedDisplay = row;

    const auto &cells = displayCells[row];
    ui->spinBox_5->setValue(cells[Calibration::kWidthCell].toInt());
    ui->spinBox_6->setValue(cells[Calibration::kHeightCell].toInt());
    ui->doubleSpinBox_2->setValue(TextCells::toNumberOrZero(cells[Calibration::kDiagonalCell]));

    // Moving along a row names no new monitor, and before a detection there is none to name.
    const bool considered = column == previousColumn || row != previousRow;
    if (!considered || ui->tableWidget_2->item(0, Calibration::kPpiXCell)->text().isEmpty())
        return;
    // Row 0 right after a tab change only arms the label, so that opening the tab flashes nothing.
    if (displayLabelArmed || row != 0) {
        const QList<QScreen *> screens = QGuiApplication::screens();
        if (!cells[Calibration::kResolutionCell].isEmpty() && isVisible() && row < screens.size()) {
            displayLabel->showText(tr("Display %1").arg(row + 1),
                                   screens.at(row)->geometry().topLeft() + kDisplayLabelOffset);
        }
    }
    displayLabelArmed = true;
}

namespace {

void recalculatePpi(Ui::Settings *ui)
{
    if (const auto ppi = PpiCalculator::pixelsPerInch(ui->spinBox_5->value(), ui->spinBox_6->value(),
                                                      ui->doubleSpinBox->value()))
        ui->doubleSpinBox_3->setValue(*ppi);
}

} // namespace

void Settings::on_spinBox_5_valueChanged(int)
{
    recalculatePpi(ui);
}

void Settings::on_spinBox_6_valueChanged(int)
{
    recalculatePpi(ui);
}

void Settings::on_doubleSpinBox_valueChanged(double inches)
{
    recalculatePpi(ui);
    ui->doubleSpinBox_2->setValue(inches * PpiCalculator::kCentimetresPerInch);
}

void Settings::on_doubleSpinBox_2_valueChanged(double centimetres)
{
    ui->doubleSpinBox->setValue(centimetres / PpiCalculator::kCentimetresPerInch);
}

void Settings::on_doubleSpinBox_3_valueChanged(double ppi)
{
    ui->pushButton_4->setEnabled(ppi > 0.0);
}

void Settings::on_pushButton_4_clicked()
{
    if (selectedDisplay < 0 || selectedDisplay >= Calibration::kRows)
        return;
    // The stored form; the cells show it in the user's locale.
    const QString text = QString::number(ui->doubleSpinBox_3->value(), 'f', kPpiDecimals);
    setCellText(ui->tableWidget_2, selectedDisplay, Calibration::kPpiXCell, text);
    setCellText(ui->tableWidget_2, selectedDisplay, Calibration::kPpiYCell, text);
}

void Settings::on_tabWidget_currentChanged(int)
{
    displayLabelArmed = false;
}
