// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "dialogfixture.h"

#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTest>
#include <memory>

namespace {

const QString kNotNumeric = QStringLiteral("Please, type numeric value here.");
const QString kEmptyField = QStringLiteral("Field cannot be empty...");

enum class Table
{
    Physical,
    PixelBased
};

QStringList rowTexts(const QTableWidget *table, int row)
{
    QStringList texts;
    for (int column = 0; column < table->columnCount(); ++column)
        texts.append(table->item(row, column)->text());
    return texts;
}

QStringList gridTexts(const TextGrid &grid, int row, int columns)
{
    QStringList texts;
    for (int column = 0; column < columns; ++column)
        texts.append(grid[row][column]);
    return texts;
}

QVariant stored(const QString &key)
{
    const QSettings store;
    return store.value(key);
}

} // namespace

Q_DECLARE_METATYPE(Table)

class TestUnitTables : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void firstStartShowsTheDefaultUnits();
    void storedTextsReplaceTheDefaults();
    void cellEdit_data();
    void cellEdit();
    void loadSamplesComesBackAfterARestart();
    void clearAllEmptiesEveryKey();
    void loadDefaultsRewritesAll36Keys();

private:
    void restart() { m_fixture.start(); }
    QTableWidget *table(Table which) const
    {
        return m_fixture.widget<QTableWidget>(which == Table::Physical ? "unitTable" : "pixelUnitTable");
    }
    const TextGrid &grid(Table which) const
    {
        return m_fixture.preferences->unitCells(
            which == Table::Physical ? Preferences::UnitTable::Physical : Preferences::UnitTable::PixelBased);
    }
    void click(const char *button) const { m_fixture.widget<QPushButton>(button)->click(); }

    DialogFixture m_fixture;
};

void TestUnitTables::init()
{
    TestSupport::clearStore();
    m_fixture.start();
}

void TestUnitTables::cleanup()
{
    m_fixture.stop();
}

void TestUnitTables::firstStartShowsTheDefaultUnits()
{
    const QTableWidget *units = table(Table::Physical);
    QCOMPARE(rowTexts(units, 0), (QStringList{"Inches", "in", "1", "8"}));
    QCOMPARE(rowTexts(units, 1), (QStringList{"Centimeters", "cm", "2.54", "10"}));
    QCOMPARE(rowTexts(units, 2), (QStringList{"Millimeters", "mm", "25.4", "1"}));
    QCOMPARE(rowTexts(units, 3), (QStringList{"Points", "pt", "72", ".1"}));
    for (int row = 4; row < Preferences::kTableRows; ++row)
        QCOMPARE(rowTexts(units, row), QStringList(4, QString()));
    for (int row = 0; row < Preferences::kTableRows; ++row) {
        QCOMPARE(rowTexts(table(Table::PixelBased), row), QStringList(5, QString()));
        QCOMPARE(gridTexts(grid(Table::Physical), row, 4), rowTexts(units, row));
    }
    // The menu reads names up to row 9, which no table has.
    QVERIFY(grid(Table::Physical)[9][0].isEmpty());
    // Loading stores nothing of its own.
    QVERIFY(!stored("unit_0_0").isValid());
}

void TestUnitTables::storedTextsReplaceTheDefaults()
{
    {
        QSettings store;
        store.setValue("unit_0_0", "Feet");
        store.setValue("unit_0_2", "");
        store.setValue("pb_unit_8_4", "3");
    }
    restart();
    QCOMPARE(rowTexts(table(Table::Physical), 0), (QStringList{"Feet", "in", "1", "8"}));
    QCOMPARE(grid(Table::Physical)[0][0], QStringLiteral("Feet"));
    QCOMPARE(grid(Table::PixelBased)[8][4], QStringLiteral("3"));
}

void TestUnitTables::cellEdit_data()
{
    QTest::addColumn<Table>("which");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("messages");

    const Table physical = Table::Physical;
    const Table pixelBased = Table::PixelBased;
    QTest::newRow("abc as units per inch of Inches") << physical << 0 << 2 << "abc"
                                                     << "1" << QStringList{kNotNumeric};
    QTest::newRow("emptied ticks of Inches") << physical << 0 << 3 << ""
                                             << "8" << QStringList{kEmptyField};
    QTest::newRow("blanks as the name of Points") << physical << 3 << 0 << "  "
                                                  << "Points" << QStringList{kEmptyField};
    QTest::newRow("a name into row 5") << physical << 5 << 0 << "Furlongs"
                                       << "Furlongs" << QStringList();
    QTest::newRow("2.5 into an empty row 6") << physical << 6 << 2 << "2.5"
                                             << "2.5" << QStringList();
    QTest::newRow("x into an empty row 6") << physical << 6 << 2 << "x"
                                           << "" << QStringList{kNotNumeric};
    QTest::newRow("PPU into the pixel-based table") << pixelBased << 0 << 2 << "100"
                                                    << "100" << QStringList();
    QTest::newRow("1e999 into the pixel-based table") << pixelBased << 4 << 3 << "1e999"
                                                      << "" << QStringList{kNotNumeric};
}

void TestUnitTables::cellEdit()
{
    QFETCH(Table, which);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QStringList, messages);

    QTableWidget *edited = table(which);
    const TextGrid &cells = grid(which);
    const QString prefix = which == Table::Physical ? QStringLiteral("unit_") : QStringLiteral("pb_unit_");
    const QString key = prefix + QString::number(row) + '_' + QString::number(column);

    edited->item(row, column)->setText(typed);

    QCOMPARE(m_fixture.messages, messages);
    QCOMPARE(edited->item(row, column)->text(), shown);
    QCOMPARE(cells[row][column], shown);
    // Whether taken at once or restored, the store ends up with what the table shows.
    QCOMPARE(stored(key).toString(), shown);
}

void TestUnitTables::loadSamplesComesBackAfterARestart()
{
    click("loadSamplesButton");
    const QStringList first{"1cm = 100px", "cm", "100", "100", "1"};
    const QStringList second{"1mm = 10px", "mm", "10", "10", ".5"};
    QCOMPARE(rowTexts(table(Table::PixelBased), 0), first);
    QCOMPARE(gridTexts(grid(Table::PixelBased), 1, 5), second);

    restart();
    QCOMPARE(rowTexts(table(Table::PixelBased), 0), first);
    QCOMPARE(rowTexts(table(Table::PixelBased), 1), second);
    QCOMPARE(gridTexts(grid(Table::PixelBased), 0, 5), first);
    QVERIFY(m_fixture.messages.isEmpty());
}

void TestUnitTables::clearAllEmptiesEveryKey()
{
    click("loadSamplesButton");
    click("clearPixelUnitsButton");
    for (int row = 0; row < Preferences::kTableRows; ++row) {
        for (int column = 0; column < 5; ++column) {
            const QVariant value = stored(QStringLiteral("pb_unit_%1_%2").arg(row).arg(column));
            QVERIFY(value.isValid());
            QCOMPARE(value.toString(), QString());
        }
    }
    restart();
    for (int row = 0; row < Preferences::kTableRows; ++row)
        QCOMPARE(rowTexts(table(Table::PixelBased), row), QStringList(5, QString()));
}

void TestUnitTables::loadDefaultsRewritesAll36Keys()
{
    table(Table::Physical)->item(6, 0)->setText("Furlongs");
    table(Table::Physical)->item(0, 0)->setText("Inch");
    QCOMPARE(stored("unit_6_0").toString(), QStringLiteral("Furlongs"));

    click("unitDefaultsButton");

    QCOMPARE(rowTexts(table(Table::Physical), 0), (QStringList{"Inches", "in", "1", "8"}));
    QCOMPARE(rowTexts(table(Table::Physical), 6), QStringList(4, QString()));
    QCOMPARE(grid(Table::Physical)[6][0], QString());
    const QStringList defaults{"Inches",      "in", "1",    "8", "Centimeters", "cm", "2.54", "10",
                               "Millimeters", "mm", "25.4", "1", "Points",      "pt", "72",   ".1"};
    for (int row = 0; row < Preferences::kTableRows; ++row) {
        for (int column = 0; column < 4; ++column) {
            const QVariant value = stored(QStringLiteral("unit_%1_%2").arg(row).arg(column));
            QVERIFY(value.isValid());
            QCOMPARE(value.toString(), defaults.value(row * 4 + column));
        }
    }
    QVERIFY(m_fixture.messages.isEmpty());
}

GRADORA_TEST_MAIN(TestUnitTables)
#include "tst_unittables.moc"
