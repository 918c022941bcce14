// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "prefs/preferences.h"
#include "prefs/programsettings.h"
#include "testsupport.h"

#include <QSignalSpy>
#include <QTest>

// The program-wide values without any window: what is read from the settings file, what each change
// writes, and which signal announces it.
namespace {
namespace Table = ProgramSettingTable;
using UnitTable = Preferences::UnitTable;

const QString kNotNumeric = QStringLiteral("Please, type numeric value here.");
const QString kEmptyField = QStringLiteral("Field cannot be empty...");

QVariant stored(const QString &key)
{
    return QSettings().value(key);
}

QStringList gridRow(const TextGrid &grid, int row, int columns)
{
    QStringList texts;
    for (int column = 0; column < columns; ++column)
        texts.append(grid[row][column]);
    return texts;
}
} // namespace

Q_DECLARE_METATYPE(ProgramSetting)
Q_DECLARE_METATYPE(UnitTable)

class TestPreferences : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { TestSupport::clearStore(); }

    void firstStart();
    void storedSteps_data();
    void storedSteps();
    void stepEditStoresAtOnce();
    void defaultShortcutsKeepTheStepsUntilTheNextEdit();
    void optionsRoundTrip();
    void optionsWithGarbage_data();
    void optionsWithGarbage();
    void optionChangesAreAnnounced();
    void colorRotation();
    void storedGlobalShortcut_data();
    void storedGlobalShortcut();
    void globalShortcutEditStoresAtOnce();
    void updateCheckOncePerDay();

    void firstStartUnitTables();
    void storedTextsReplaceTheDefaults();
    void unitCellEdit_data();
    void unitCellEdit();
    void resetStoresEveryCell_data();
    void resetStoresEveryCell();
    void firstStartDetectsTheDisplays();
    void laterStartTakesOnlyValidCalibrations();
    void displayCellEdit_data();
    void displayCellEdit();
};

void TestPreferences::firstStart()
{
    const Preferences preferences;
    QCOMPARE(stored("Program Version").toString(), QStringLiteral("6.0"));
    for (const Table::Entry &row : Table::kTable) {
        if (row.kind == Table::Kind::Owned)
            continue;
        const QByteArray name = row.key ? QByteArray(row.key) : QByteArray::number(int(row.setting));
        QVERIFY2(preferences.value<QVariant>(row.setting) == Table::defaultValue(row.setting), name);
        // What is written on an edit only is not written by a start.
        if (row.key && !(row.writes & Table::OnSave))
            QVERIFY2(!stored(QLatin1String(row.key)).isValid(), name);
    }
    QCOMPARE(preferences.panelSpacing(), 5);
}

void TestPreferences::storedSteps_data()
{
    QTest::addColumn<ProgramSetting>("setting");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("expected");
    const Table::Entry &move = Table::entry(ProgramSetting::MoveStep);
    QTest::newRow("typed 25") << ProgramSetting::MoveStep << QVariant("25") << 25;
    QTest::newRow("garbage gives the default") << ProgramSetting::MoveStep << QVariant("abc") << move.byDefault;
    QTest::newRow("above the range is clamped") << ProgramSetting::MoveStep << QVariant("5000") << move.maximum;
    QTest::newRow("zero is clamped") << ProgramSetting::MoveStep << QVariant("0") << move.minimum;
    QTest::newRow("move more") << ProgramSetting::MoveMoreStep << QVariant("7") << 7;
    QTest::newRow("move more, garbage") << ProgramSetting::MoveMoreStep << QVariant("x")
                                        << Table::entry(ProgramSetting::MoveMoreStep).byDefault;
    QTest::newRow("resize normal") << ProgramSetting::ResizeStep << QVariant("3") << 3;
    QTest::newRow("resize more, negative") << ProgramSetting::ResizeMoreStep << QVariant("-4")
                                           << Table::entry(ProgramSetting::ResizeMoreStep).minimum;
}

void TestPreferences::storedSteps()
{
    QFETCH(ProgramSetting, setting);
    QFETCH(QVariant, value);
    QFETCH(int, expected);
    QSettings().setValue(programKey(setting), value);
    QCOMPARE(Preferences().value<int>(setting), expected);
}

void TestPreferences::stepEditStoresAtOnce()
{
    Preferences preferences;
    QSignalSpy changed(&preferences, &Preferences::stepsChanged);
    preferences.setValue(ProgramSetting::MoveStep, 25);
    preferences.setValue(ProgramSetting::ResizeMoreStep, 42);
    QCOMPARE(changed.count(), 2);
    const Preferences::Steps edited{25, Preferences::Steps().moveMore, Preferences::Steps().resizeNormal, 42};
    QCOMPARE(preferences.steps(), edited);
    QCOMPARE(stored("move_normal").toString(), QStringLiteral("25"));
    QCOMPARE(stored("resize_more").toString(), QStringLiteral("42"));
    QCOMPARE(Preferences().steps(), edited);
}

void TestPreferences::defaultShortcutsKeepTheStepsUntilTheNextEdit()
{
    Preferences preferences;
    preferences.setValue(ProgramSetting::MoveStep, 25);
    preferences.setValue(ProgramSetting::ShowTopRightMenu, true);
    QSignalSpy changed(&preferences, &Preferences::optionsChanged);
    const QList<ProgramSetting> steps{ProgramSetting::MoveStep, ProgramSetting::MoveMoreStep,
                                      ProgramSetting::ResizeStep, ProgramSetting::ResizeMoreStep};
    preferences.storeDefaults(steps + QList<ProgramSetting>{ProgramSetting::ShowTopRightMenu});
    QCOMPARE(changed.count(), 1);
    for (const ProgramSetting step : steps)
        QCOMPARE(stored(programKey(step)).toString(), QString::number(Table::entry(step).byDefault));
    QVERIFY(!preferences.value<bool>(ProgramSetting::ShowTopRightMenu));
    QVERIFY(!stored("showTopRightMenu").toBool());
    QCOMPARE(preferences.steps().moveNormal, 25);
}

void TestPreferences::optionsRoundTrip()
{
    {
        Preferences preferences;
        preferences.setValue(ProgramSetting::ShowTopRightMenu, true);
        preferences.setValue(ProgramSetting::AutoUpdates, false);
        preferences.setValue(ProgramSetting::ShowInfoPanel, false);
        preferences.setValue(ProgramSetting::PanelSide, PanelSide::Left);
        preferences.setValue(ProgramSetting::LastInformed, QStringLiteral("6.1"));
        preferences.save();
    }
    QCOMPARE(stored("toolboxPosition").toInt(), 1);
    // Kept as the text the server sent, not as a single-precision number written through a double.
    QCOMPARE(stored("lastInformed").toString(), QStringLiteral("6.1"));
    const Preferences preferences;
    QVERIFY(preferences.value<bool>(ProgramSetting::ShowTopRightMenu));
    QVERIFY(!preferences.value<bool>(ProgramSetting::AutoUpdates));
    QVERIFY(!preferences.value<bool>(ProgramSetting::ShowInfoPanel));
    QCOMPARE(preferences.value<PanelSide>(ProgramSetting::PanelSide), PanelSide::Left);
    QCOMPARE(preferences.value<QString>(ProgramSetting::LastInformed), QStringLiteral("6.1"));
}

void TestPreferences::optionsWithGarbage_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("panel side") << "toolboxPosition" << QVariant("left") << "right";
    QTest::newRow("panel side 1") << "toolboxPosition" << QVariant("1") << "left";
    QTest::newRow("last informed") << "lastInformed" << QVariant("nan") << "informed 6.0";
    QTest::newRow("last informed, not a number") << "lastInformed" << QVariant("six") << "informed 6.0";
    QTest::newRow("panel shown as text") << "canShowToolbox" << QVariant("false") << "hidden";
    QTest::newRow("top-right menu as text") << "showTopRightMenu" << QVariant("1") << "menu";
}

void TestPreferences::optionsWithGarbage()
{
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    QFETCH(QString, expected);
    QSettings().setValue(key, value);
    const Preferences preferences;
    const QHash<QString, QString> seen{
        {"toolboxPosition",
         preferences.value<PanelSide>(ProgramSetting::PanelSide) == PanelSide::Left ? "left" : "right"},
        {"lastInformed",
         QStringLiteral("informed %1").arg(preferences.value<QString>(ProgramSetting::LastInformed))},
        {"canShowToolbox", preferences.value<bool>(ProgramSetting::ShowInfoPanel) ? "shown" : "hidden"},
        {"showTopRightMenu", preferences.value<bool>(ProgramSetting::ShowTopRightMenu) ? "menu" : "no menu"}};
    QCOMPARE(seen.value(key), expected);
}

void TestPreferences::optionChangesAreAnnounced()
{
    Preferences preferences;
    QSignalSpy changed(&preferences, &Preferences::optionsChanged);
    preferences.setValue(ProgramSetting::ActivateOnHover, true);
    preferences.setValue(ProgramSetting::ShowTopRightMenu, true);
    preferences.setValue(ProgramSetting::ShowInfoPanel, false);
    preferences.setValue(ProgramSetting::PanelSide, PanelSide::Left);
    preferences.setValue(ProgramSetting::AutoUpdates, false);
    QCOMPARE(changed.count(), 5);
    QVERIFY(preferences.value<bool>(ProgramSetting::ActivateOnHover));
    // Options reach the file when the program saves, never before.
    QVERIFY(!stored("showTopRightMenu").isValid());
}

void TestPreferences::storedGlobalShortcut_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QKeySequence>("expected");
    QTest::newRow("none stored") << QVariant() << QKeySequence();
    QTest::newRow("empty") << QVariant(QString()) << QKeySequence();
    QTest::newRow("ctrl alt letter") << QVariant("Ctrl+Alt+R") << QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_R);
    QTest::newRow("logo and function key") << QVariant("Meta+F5") << QKeySequence(Qt::META | Qt::Key_F5);
    QTest::newRow("no key name") << QVariant("Ctrl+Banana") << QKeySequence();
    QTest::newRow("modifiers only") << QVariant("Ctrl+Alt+") << QKeySequence();
    QTest::newRow("a number") << QVariant(42) << QKeySequence();
}

void TestPreferences::storedGlobalShortcut()
{
    QFETCH(QVariant, stored);
    if (stored.isValid()) {
        QSettings store;
        store.setValue(programKey(ProgramSetting::GlobalShortcut), stored);
    }
    const Preferences preferences;
    QTEST(preferences.value<QKeySequence>(ProgramSetting::GlobalShortcut), "expected");
}

void TestPreferences::globalShortcutEditStoresAtOnce()
{
    Preferences preferences;
    QSignalSpy changes(&preferences, &Preferences::globalShortcutChanged);
    const QKeySequence key(Qt::CTRL | Qt::SHIFT | Qt::Key_F9);
    preferences.setValue(ProgramSetting::GlobalShortcut, key);
    preferences.setValue(ProgramSetting::GlobalShortcut, key);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(QSettings().value(programKey(ProgramSetting::GlobalShortcut)).toString(),
             QStringLiteral("Ctrl+Shift+F9"));
    QCOMPARE(Preferences().value<QKeySequence>(ProgramSetting::GlobalShortcut), key);

    preferences.setValue(ProgramSetting::GlobalShortcut, QKeySequence());
    QCOMPARE(changes.count(), 2);
    QCOMPARE(QSettings().value(programKey(ProgramSetting::GlobalShortcut)).toString(), QString());
    QCOMPARE(Preferences().value<QKeySequence>(ProgramSetting::GlobalShortcut), QKeySequence());
}

void TestPreferences::colorRotation()
{
    Preferences preferences;
    QList<int> handedOut;
    for (int i = 0; i < 9; ++i)
        handedOut << preferences.takeNextColorIndex(7);
    QCOMPARE(handedOut, (QList<int>{0, 1, 2, 3, 4, 5, 6, 0, 1}));
}

void TestPreferences::updateCheckOncePerDay()
{
    const QDate day(2024, 3, 1);
    Preferences preferences;
#if GRADORA_UPDATE_CHECK
    QVERIFY(preferences.updateCheckDue(day));
#endif
    preferences.markUpdateChecked(day);
    QCOMPARE(stored("lastCheck").toDate(), day);
    QVERIFY(!preferences.updateCheckDue(day));
#if GRADORA_UPDATE_CHECK
    QVERIFY(preferences.updateCheckDue(day.addDays(1)));
#endif
}

void TestPreferences::firstStartUnitTables()
{
    const Preferences preferences;
    const TextGrid &units = preferences.unitCells(UnitTable::Physical);
    QCOMPARE(gridRow(units, 0, 4), (QStringList{"Inches", "in", "1", "8"}));
    QCOMPARE(gridRow(units, 1, 4), (QStringList{"Centimeters", "cm", "2.54", "10"}));
    QCOMPARE(gridRow(units, 2, 4), (QStringList{"Millimeters", "mm", "25.4", "1"}));
    QCOMPARE(gridRow(units, 3, 4), (QStringList{"Points", "pt", "72", ".1"}));
    for (int row = 4; row < Preferences::kTableRows; ++row)
        QCOMPARE(gridRow(units, row, 4), QStringList(4, QString()));
    for (int row = 0; row < Preferences::kTableRows; ++row)
        QCOMPARE(gridRow(preferences.unitCells(UnitTable::PixelBased), row, 5), QStringList(5, QString()));
    // The menu reads names up to row 9, which no table has.
    QVERIFY(units[9][0].isEmpty());
    // Loading stores nothing of its own.
    QVERIFY(!stored("unit_0_0").isValid());
}

void TestPreferences::storedTextsReplaceTheDefaults()
{
    {
        QSettings store;
        store.setValue("unit_0_0", "Feet");
        store.setValue("unit_0_2", "");
        store.setValue("pb_unit_8_4", "3");
    }
    const Preferences preferences;
    QCOMPARE(gridRow(preferences.unitCells(UnitTable::Physical), 0, 4),
             (QStringList{"Feet", "in", "1", "8"}));
    QCOMPARE(preferences.unitCells(UnitTable::PixelBased)[8][4], QStringLiteral("3"));
}

void TestPreferences::unitCellEdit_data()
{
    QTest::addColumn<UnitTable>("table");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("message");

    const UnitTable physical = UnitTable::Physical;
    const UnitTable pixelBased = UnitTable::PixelBased;
    QTest::newRow("abc as units per inch of Inches") << physical << 0 << 2 << "abc" << false << kNotNumeric;
    QTest::newRow("emptied ticks of Inches") << physical << 0 << 3 << "" << false << kEmptyField;
    QTest::newRow("blanks as the name of Points") << physical << 3 << 0 << "  " << false << kEmptyField;
    QTest::newRow("a new abbreviation") << physical << 1 << 1 << "CM" << true << QString();
    QTest::newRow("a name into row 5") << physical << 5 << 0 << "Furlongs" << true << QString();
    QTest::newRow("2.5 into an empty row 6") << physical << 6 << 2 << "2.5" << true << QString();
    QTest::newRow("x into an empty row 6") << physical << 6 << 2 << "x" << false << kNotNumeric;
    QTest::newRow("PPU into the pixel-based table") << pixelBased << 0 << 2 << "100" << true << QString();
    QTest::newRow("1e999 into the pixel-based table")
        << pixelBased << 4 << 3 << "1e999" << false << kNotNumeric;
}

void TestPreferences::unitCellEdit()
{
    QFETCH(UnitTable, table);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    QFETCH(QString, message);

    Preferences preferences;
    QSignalSpy changed(&preferences, &Preferences::unitsChanged);
    const QString before = preferences.unitCells(table)[row][column];
    QStringList cells = gridRow(preferences.unitCells(table), row, Preferences::columnCount(table));
    cells[column] = typed;
    const UnitTableRules::CellVerdict verdict = preferences.editUnitCell(table, row, column, cells);

    QCOMPARE(verdict.accepted, accepted);
    QCOMPARE(QString::fromLatin1(verdict.message), message);
    QCOMPARE(preferences.unitCells(table)[row][column], accepted ? typed : before);
    QCOMPARE(changed.count(), accepted ? 1 : 0);
    const QString prefix =
        table == UnitTable::Physical ? QStringLiteral("unit_") : QStringLiteral("pb_unit_");
    const QVariant key = stored(prefix + QString::number(row) + '_' + QString::number(column));
    // An accepted edit writes the whole table; a refused one writes nothing.
    QCOMPARE(key.isValid(), accepted);
    if (accepted)
        QCOMPARE(key.toString(), typed);
}

void TestPreferences::resetStoresEveryCell_data()
{
    QTest::addColumn<UnitTable>("table");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QList<UnitTableRules::FactoryRow>>("rows");
    QTest::newRow("unit defaults") << UnitTable::Physical << "unit_" << UnitTableRules::defaultUnits();
    QTest::newRow("samples") << UnitTable::PixelBased << "pb_unit_" << UnitTableRules::sampleUnits();
    QTest::newRow("clear all") << UnitTable::PixelBased << "pb_unit_" << QList<UnitTableRules::FactoryRow>();
}

void TestPreferences::resetStoresEveryCell()
{
    QFETCH(UnitTable, table);
    QFETCH(QString, prefix);
    QFETCH(QList<UnitTableRules::FactoryRow>, rows);
    {
        Preferences preferences;
        QStringList cells = gridRow(preferences.unitCells(table), 6, Preferences::columnCount(table));
        cells[0] = QStringLiteral("Furlongs");
        QVERIFY(preferences.editUnitCell(table, 6, 0, cells).accepted);
        QSignalSpy changed(&preferences, &Preferences::unitsChanged);
        preferences.resetUnitTable(table, rows);
        QCOMPARE(changed.count(), 1);
    }
    const Preferences preferences;
    for (int row = 0; row < Preferences::kTableRows; ++row) {
        for (int column = 0; column < Preferences::columnCount(table); ++column) {
            const QString expected = rows.value(row).value(column);
            const QVariant value = stored(prefix + QString::number(row) + '_' + QString::number(column));
            QVERIFY(value.isValid());
            QCOMPARE(value.toString(), expected);
            QCOMPARE(preferences.unitCells(table)[row][column],
                     expected.isEmpty() && table == UnitTable::Physical
                         ? UnitTableRules::defaultUnits().value(row).value(column)
                         : expected);
        }
    }
}

void TestPreferences::firstStartDetectsTheDisplays()
{
    const Preferences preferences;
    QVERIFY(preferences.detectedOnStart());
    QVERIFY(stored("displays_detected").toBool());
    for (int row = 0; row < 9; ++row) {
        for (int cell = 0; cell < 6; ++cell)
            QVERIFY(stored(QStringLiteral("display_%1_%2").arg(row).arg(cell)).isValid());
    }
    QVERIFY(!preferences.displayCells()[0][0].isEmpty());
    QVERIFY(!Preferences().detectedOnStart());
}

void TestPreferences::laterStartTakesOnlyValidCalibrations()
{
    {
        QSettings store;
        store.setValue("displays_detected", true);
        store.setValue("display_0_0", "1234x567");
        store.setValue("display_0_1", "77.5");
        store.setValue("display_0_2", "abc");
        store.setValue("display_0_4", "567");
    }
    const Preferences preferences;
    QVERIFY(!preferences.detectedOnStart());
    QCOMPARE(preferences.displayCells()[0][0], QStringLiteral("1234x567"));
    QCOMPARE(preferences.displayCells()[0][1], QStringLiteral("77.5"));
    QCOMPARE(preferences.displayCells()[0][4], QStringLiteral("567"));
    QCOMPARE(stored("display_0_0").toString(), QStringLiteral("1234x567"));
    // A stored value that is no calibration is kept as it is, not taken up.
    QCOMPARE(stored("display_0_2").toString(), QStringLiteral("abc"));
}

void TestPreferences::displayCellEdit_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("taken");
    QTest::newRow("PPI-X 120.5") << 1 << "120.5" << true;
    QTest::newRow("PPI-Y 96") << 2 << "96" << true;
    QTest::newRow("abc") << 1 << "abc" << false;
    QTest::newRow("negative") << 2 << "-5" << false;
    QTest::newRow("zero") << 1 << "0" << false;
    QTest::newRow("inf") << 1 << "inf" << false;
    QTest::newRow("overflowing") << 1 << "1e999" << false;
    QTest::newRow("resolution is the desktop's") << 0 << "999x999" << false;
    QTest::newRow("beyond the table") << 3 << "5" << false;
}

void TestPreferences::displayCellEdit()
{
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(bool, taken);
    Preferences preferences;
    QSignalSpy changed(&preferences, &Preferences::displaysChanged);
    const QString before = preferences.displayCells()[0][column];
    QCOMPARE(preferences.editDisplayCell(0, column, typed), taken);
    QCOMPARE(preferences.displayCells()[0][column], taken ? typed : before);
    QCOMPARE(stored(QStringLiteral("display_0_%1").arg(column)).toString(), taken ? typed : before);
    QCOMPARE(changed.count(), taken ? 1 : 0);
}

GRADORA_TEST_MAIN(TestPreferences)
#include "tst_preferences.moc"
