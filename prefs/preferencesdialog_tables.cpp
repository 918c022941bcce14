// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The unit tables, the display table and the pixels-per-inch calculator of the preferences dialog.
#include "prefs/preferencesdialog.h"

#include "prefs/displaycalibration.h"
#include "prefs/displaylabel.h"
#include "prefs/localenumbers.h"
#include "prefs/ppicalculator.h"
#include "ui_preferencesdialog.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

namespace Calibration = DisplayCalibration;
using UnitTable = Preferences::UnitTable;
constexpr int kRows = Preferences::kTableRows;
// Where the identification label appears, from the top-left corner of its screen.
constexpr QPoint kDisplayLabelOffset{30, 30};
constexpr int kPpiDecimals = 2;

void ensureItems(QTableWidget *table)
{
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
            if (!table->item(row, column))
                table->setItem(row, column, new QTableWidgetItem());
        }
    }
}

bool isTableCell(const QTableWidget *table, int row, int column)
{
    return row >= 0 && row < kRows && column >= 0 && column < table->columnCount();
}

} // namespace

// The cells as the user reads them and in their stored form. The columns from the first that holds
// numbers (pixels per inch in the display table, everything after the name and the abbreviation in the
// unit tables) show numbers in the user's locale; the model keeps the locale-independent form.
class CellTexts
{
public:
    CellTexts(QTableWidget *table, int firstNumberColumn)
        : m_table(table), m_firstNumberColumn(firstNumberColumn)
    {
    }
    void set(int row, int column, const QString &stored) const
    {
        m_table->item(row, column)
            ->setText(column >= m_firstNumberColumn ? LocaleNumbers::toShown(stored, m_table->locale())
                                                    : stored);
    }
    QString get(int row, int column) const
    {
        const QString text = m_table->item(row, column)->text();
        return column >= m_firstNumberColumn ? LocaleNumbers::toStored(text, m_table->locale()) : text;
    }

private:
    QTableWidget *m_table;
    int m_firstNumberColumn;
};

QTableWidget *PreferencesDialog::tableWidget(UnitTable table) const
{
    return table == UnitTable::Physical ? m_ui->unitTable : m_ui->pixelUnitTable;
}

void PreferencesDialog::connectTables()
{
    connect(m_ui->unitTable, &QTableWidget::cellChanged, this,
            [this](int row, int column) { editUnitCell(UnitTable::Physical, row, column); });
    connect(m_ui->pixelUnitTable, &QTableWidget::cellChanged, this,
            [this](int row, int column) { editUnitCell(UnitTable::PixelBased, row, column); });
    connect(m_ui->unitDefaultsButton, &QPushButton::clicked, this,
            [this] { resetUnitTable(UnitTable::Physical, UnitTableRules::defaultUnits(), true); });
    connect(m_ui->loadSamplesButton, &QPushButton::clicked, this,
            [this] { resetUnitTable(UnitTable::PixelBased, UnitTableRules::sampleUnits(), true); });
    connect(m_ui->clearPixelUnitsButton, &QPushButton::clicked, this,
            [this] { resetUnitTable(UnitTable::PixelBased, {}, false); });
    connect(m_ui->displayTable, &QTableWidget::cellChanged, this, &PreferencesDialog::editDisplayCell);
    connect(m_ui->displayTable, &QTableWidget::currentCellChanged, this, &PreferencesDialog::chooseDisplay);
    connect(m_ui->detectDisplaysButton, &QPushButton::clicked, this, &PreferencesDialog::detectDisplays);
}

void PreferencesDialog::fillTables()
{
    m_loadingTables = true;
    for (QTableWidget *table : {m_ui->unitTable, m_ui->pixelUnitTable, m_ui->displayTable})
        ensureItems(table);
    m_loadingTables = false;
    fillUnitTable(UnitTable::Physical);
    fillUnitTable(UnitTable::PixelBased);
    fillDisplayTable();
    showUnreadSizes();
    // The first detection chooses the first display, as "Detect Displays" does; a table read from the
    // store chooses none, but the calculator shows the size of the display it works for.
    if (m_preferences->detectedOnStart())
        m_ui->displayTable->setCurrentCell(0, 0);
    else
        showPixelSize(m_preferences->selectedDisplay());
}

void PreferencesDialog::fillUnitTable(UnitTable table)
{
    m_loadingTables = true;
    const CellTexts cells(tableWidget(table), UnitTableRules::kFirstNumberColumn);
    const TextGrid &grid = m_preferences->unitCells(table);
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < tableWidget(table)->columnCount(); ++column)
            cells.set(row, column, grid[row][column]);
    }
    m_loadingTables = false;
}

void PreferencesDialog::fillDisplayTable()
{
    m_loadingTables = true;
    const CellTexts cells(m_ui->displayTable, Calibration::kPpiXCell);
    const TextGrid &grid = m_preferences->displayCells();
    for (int row = 0; row < Calibration::kRows; ++row) {
        for (int column = 0; column < Calibration::kTableColumns; ++column)
            cells.set(row, column, grid[row][column]);
    }
    m_loadingTables = false;
}

void PreferencesDialog::editUnitCell(UnitTable table, int row, int column)
{
    QTableWidget *widget = tableWidget(table);
    if (m_loadingTables || !isTableCell(widget, row, column))
        return;
    const CellTexts cells(widget, UnitTableRules::kFirstNumberColumn);
    QStringList rowCells;
    for (int c = 0; c < widget->columnCount(); ++c)
        rowCells.append(cells.get(row, c));
    const UnitTableRules::CellVerdict verdict = m_preferences->editUnitCell(table, row, column, rowCells);

    // Setting the cell back runs this edit again on the last valid text, which it accepts.
    if (verdict.restore)
        cells.set(row, column, m_preferences->unitCells(table)[row][column]);
    if (!verdict.accepted) {
        if (verdict.message)
            m_showMessage(QCoreApplication::translate("PreferencesDialog", verdict.message));
        return;
    }
    // A number typed in the other form is shown in the user's form, without a second check.
    m_loadingTables = true;
    cells.set(row, column, rowCells.at(column));
    m_loadingTables = false;
    widget->setFocus();
    activateWindow();
}

void PreferencesDialog::resetUnitTable(UnitTable table, const QList<UnitTableRules::FactoryRow> &rows,
                                       bool focusTable)
{
    m_preferences->resetUnitTable(table, rows);
    fillUnitTable(table);
    if (focusTable)
        tableWidget(table)->setFocus();
    activateWindow();
}

void PreferencesDialog::detectDisplays()
{
    m_preferences->detectDisplays();
    fillDisplayTable();
    showUnreadSizes();
    m_loadingTables = true;
    m_ui->displayTable->setCurrentCell(0, 0);
    m_loadingTables = false;
}

void PreferencesDialog::editDisplayCell(int row, int column)
{
    QTableWidget *table = m_ui->displayTable;
    if (m_loadingTables || !isTableCell(table, row, column))
        return;
    const CellTexts cells(table, Calibration::kPpiXCell);
    const QString text = cells.get(row, column);
    // The resolution is the desktop's; only a pixels-per-inch value above 0 is taken.
    if (!m_preferences->editDisplayCell(row, column, text)) {
        cells.set(row, column, m_preferences->displayCells()[row][column]);
        return;
    }
    m_loadingTables = true;
    cells.set(row, column, text);
    m_loadingTables = false;
}

void PreferencesDialog::chooseDisplay(int row, int column, int previousRow, int previousColumn)
{
    if (row < 0 || row >= Calibration::kRows)
        return;
    m_ui->setDisplayPpiButton->setText(tr("<< Set to Display %1").arg(row + 1));
    m_ui->ppiBox->setValue(0.0);
    m_preferences->setSelectedDisplay(row);

    const auto &cells = m_preferences->displayCells()[row];
    showPixelSize(row);
    m_ui->diagonalCentimetresBox->setValue(TextCells::toNumberOrZero(cells[Calibration::kDiagonalCell]));

    // Moving along a row names no new monitor, and before a detection there is none to name.
    const bool considered = column == previousColumn || row != previousRow;
    if (!considered || m_ui->displayTable->item(0, Calibration::kPpiXCell)->text().isEmpty())
        return;
    // Row 0 right after a page change only arms the label, so that opening the page flashes nothing.
    if (m_displayLabelArmed || row != 0) {
        const QList<QScreen *> screens = QGuiApplication::screens();
        if (!cells[Calibration::kResolutionCell].isEmpty() && isVisible() && row < screens.size()) {
            m_displayLabel->showText(tr("Display %1").arg(row + 1),
                                     screens.at(row)->geometry().topLeft() + kDisplayLabelOffset);
        }
    }
    m_displayLabelArmed = true;
}

void PreferencesDialog::showPixelSize(int row)
{
    const QSize size =
        Calibration::pixelSize(m_preferences->displayCells(), row, Calibration::currentScreens(m_preferences->desktop()));
    m_ui->widthBox->setValue(size.width());
    m_ui->heightBox->setValue(size.height());
}

void PreferencesDialog::showUnreadSizes()
{
    const QString note = Calibration::unreadSizesNote(Calibration::currentScreens(m_preferences->desktop()));
    m_unreadSizesNote->setText(note);
    m_unreadSizesNote->setVisible(!note.isEmpty());
}

void PreferencesDialog::connectCalculator()
{
    connect(m_ui->widthBox, &QSpinBox::valueChanged, this, &PreferencesDialog::recalculatePpi);
    connect(m_ui->heightBox, &QSpinBox::valueChanged, this, &PreferencesDialog::recalculatePpi);
    connect(m_ui->diagonalInchesBox, &QDoubleSpinBox::valueChanged, this, [this](double inches) {
        recalculatePpi();
        m_ui->diagonalCentimetresBox->setValue(inches * PpiCalculator::kCentimetresPerInch);
    });
    connect(m_ui->diagonalCentimetresBox, &QDoubleSpinBox::valueChanged, this, [this](double centimetres) {
        m_ui->diagonalInchesBox->setValue(centimetres / PpiCalculator::kCentimetresPerInch);
    });
    connect(m_ui->ppiBox, &QDoubleSpinBox::valueChanged, this,
            [this](double ppi) { m_ui->setDisplayPpiButton->setEnabled(ppi > 0.0); });
    connect(m_ui->setDisplayPpiButton, &QPushButton::clicked, this, &PreferencesDialog::setDisplayPpi);
}

void PreferencesDialog::recalculatePpi()
{
    if (const auto ppi = PpiCalculator::pixelsPerInch(m_ui->widthBox->value(), m_ui->heightBox->value(),
                                                      m_ui->diagonalInchesBox->value()))
        m_ui->ppiBox->setValue(*ppi);
}

void PreferencesDialog::setDisplayPpi()
{
    const int row = m_preferences->selectedDisplay();
    if (row < 0 || row >= Calibration::kRows)
        return;
    // The stored form; the cells show it in the user's locale.
    const QString text = QString::number(m_ui->ppiBox->value(), 'f', kPpiDecimals);
    const CellTexts cells(m_ui->displayTable, Calibration::kPpiXCell);
    cells.set(row, Calibration::kPpiXCell, text);
    cells.set(row, Calibration::kPpiYCell, text);
}
