#include "settings.h"

#include "ui_settings.h"

// The unit tables and the display calibration of the preferences.

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
    loadingTables = false;
}

void Settings::loadDisplayTable()
{
    loadingTables = true;
    ensureTableItems(ui->tableWidget_2);
    loadingTables = false;
}

void Settings::on_tableWidget_cellChanged(int, int) {}
void Settings::on_tableWidget_3_cellChanged(int, int) {}
void Settings::on_pushButton_3_clicked() {}
void Settings::on_pushButton_8_clicked() {}
void Settings::on_pushButton_9_clicked() {}
void Settings::on_pushButton_clicked() {}
void Settings::on_tableWidget_2_cellChanged(int, int) {}
void Settings::on_tableWidget_2_currentCellChanged(int, int, int, int) {}
void Settings::on_spinBox_5_valueChanged(int) {}
void Settings::on_spinBox_6_valueChanged(int) {}
void Settings::on_doubleSpinBox_valueChanged(double) {}
void Settings::on_doubleSpinBox_2_valueChanged(double) {}
void Settings::on_doubleSpinBox_3_valueChanged(double) {}
void Settings::on_pushButton_4_clicked() {}

void Settings::on_tabWidget_currentChanged(int)
{
    displayLabelArmed = false;
}
