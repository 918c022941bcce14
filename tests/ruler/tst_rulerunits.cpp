// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/commands/mnemonics.h"
#include "ruler/commands/rulermenu.h"
#include "rulerfixture.h"

#include <QAction>
#include <QTest>
#include <memory>

class TestRulerUnits : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void chosenUnitFollowsTheDisplayCalibration();
    void menuShowsTheChosenUnit();
    void refusedUnitTellsWhyAndFallsBackToPixels();
    void quietRecomputationRefusesSilently();
    void conversionFollowsAUnitEdit();

private:
    // Types a cell of the physical unit table, as the preferences would take it.
    void editUnit(int row, int column, const QString &text)
    {
        Preferences *preferences = m_parts->preferences();
        QStringList cells;
        for (int c = 0; c < Preferences::columnCount(Preferences::UnitTable::Physical); ++c)
            cells << preferences->unitCells(Preferences::UnitTable::Physical)[row][c];
        cells[column] = text;
        QVERIFY(preferences->editUnitCell(Preferences::UnitTable::Physical, row, column, cells).accepted);
    }

    std::unique_ptr<RulerParts> m_parts;
    RulerWindow *m_ruler = nullptr;
    QStringList m_messages;
};

void TestRulerUnits::init()
{
    m_messages.clear();
    m_parts = std::make_unique<RulerParts>();
    TextGrid displays = m_parts->preferences()->displayCells();
    displays[0][1] = QStringLiteral("96");
    displays[0][2] = QStringLiteral("120");
    m_parts->preferences()->setDisplayCells(displays);
    m_ruler = m_parts->attached();
    connect(m_ruler, &RulerWindow::messageRequested, this, [this](const QString &text) { m_messages.append(text); });
}

void TestRulerUnits::cleanup()
{
    m_parts.reset();
    m_ruler = nullptr;
}

void TestRulerUnits::chosenUnitFollowsTheDisplayCalibration()
{
    // Chosen as the user chooses it: Qt checks the entry, then the ruler takes its unit.
    m_ruler->menu()->action(RulerCommands::physicalUnit(0))->trigger();
    QCOMPARE(m_ruler->state().unit(), (UnitChoice{UnitChoice::Table::Physical, 0}));
    QCOMPARE(m_ruler->state().scale().unitKind, int(UnitScale::TableUnit));
    QCOMPARE(m_ruler->state().scale().unitLabel, QStringLiteral("in"));
    QCOMPARE(m_ruler->state().scale().pixelsPerUnitX, 96.0);
    QCOMPARE(m_ruler->state().scale().pixelsPerUnitY, 120.0);
    QCOMPARE(m_ruler->state().scale().ticksPerUnit, 8.0);
    QVERIFY(m_ruler->menu()->action(RulerCommands::physicalUnit(0))->isChecked());

    m_ruler->menu()->action(RulerCommand::UnitPixels)->trigger();
    QCOMPARE(m_ruler->state().unit(), UnitChoice());
    QCOMPARE(m_ruler->state().scale().unitLabel, QStringLiteral("px"));
    QVERIFY(m_messages.isEmpty());
}

void TestRulerUnits::menuShowsTheChosenUnit()
{
    m_ruler->execute(RulerCommands::physicalUnit(1));
    const UnitChoice chosen = m_ruler->state().unit();
    QCOMPARE(chosen, (UnitChoice{UnitChoice::Table::Physical, 1}));
    // A check mark set by other means than choosing chooses nothing, and the next opening of the menu
    // shows the ruler's unit again.
    m_ruler->menu()->action(RulerCommands::physicalUnit(2))->setChecked(true);
    QCOMPARE(m_ruler->state().unit(), chosen);
    m_ruler->rebuildMenu();
    QCOMPARE(m_ruler->menu()->checkedIn(RulerCommands::Group::Unit), RulerCommands::physicalUnit(1));
}

void TestRulerUnits::refusedUnitTellsWhyAndFallsBackToPixels()
{
    editUnit(5, 0, QStringLiteral("Furlongs"));
    m_ruler->rebuildMenu();
    QCOMPARE(Mnemonics::strip(m_ruler->menu()->action(RulerCommands::physicalUnit(5))->text()),
             QStringLiteral("Furlongs"));

    m_ruler->menu()->action(RulerCommands::physicalUnit(5))->trigger();
    QCOMPARE(m_messages,
             QStringList{QStringLiteral("Wrong value for Units per Inch;\nWrong \"Ticks per Unit\" "
                                        "Value;\nGo to \"Preferences | Units\" or \"Preferences | "
                                        "Pixel-based Units\" and fix respective unit settings.")});
    QVERIFY(m_ruler->menu()->action(RulerCommand::UnitPixels)->isChecked());
    QCOMPARE(m_ruler->state().unit(), UnitChoice());
    QCOMPARE(m_ruler->state().scale().unitKind, int(UnitScale::Pixels));
    QCOMPARE(m_ruler->state().scale().unitLabel, QStringLiteral("px"));
}

void TestRulerUnits::quietRecomputationRefusesSilently()
{
    m_ruler->execute(RulerCommands::physicalUnit(2));
    m_ruler->recomputeScale();
    QCOMPARE(m_ruler->state().scale().unitLabel, QStringLiteral("mm"));

    // Zero passes the table and is refused by the ruler, which hears of the edit at once.
    editUnit(2, 2, QStringLiteral("0"));
    m_ruler->recomputeScale();
    QVERIFY(m_messages.isEmpty());
    QCOMPARE(m_ruler->state().unit(), UnitChoice());
    QVERIFY(m_ruler->menu()->action(RulerCommand::UnitPixels)->isChecked());
    QCOMPARE(m_ruler->state().scale().unitLabel, QStringLiteral("px"));
}

void TestRulerUnits::conversionFollowsAUnitEdit()
{
    m_ruler->execute(RulerCommands::physicalUnit(1));
    QCOMPARE(m_ruler->state().scale().lengthInUnits(96, 0, false, true, 0), 2.54);

    // An edit in the preferences reaches the ruler at once, before it paints again.
    editUnit(1, 2, QStringLiteral("5.08"));
    QCOMPARE(m_ruler->state().scale().lengthInUnits(96, 0, false, true, 0), 5.08);
    QCOMPARE(m_ruler->state().scale().lengthInUnits(120, 90, false, true, 0), 5.08);
}

GRADORA_TEST_MAIN(TestRulerUnits)
#include "tst_rulerunits.moc"
