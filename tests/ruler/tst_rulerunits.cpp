// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/rulerwindow.h"
#include "ruler/mnemonics.h"
#include "app/rulerhub.h"
#include "prefs/preferencesdialog.h"
#include "testsupport.h"

#include <QAction>
#include <QTableWidget>
#include <QTest>
#include <memory>

class TestRulerUnits : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void chosenUnitFollowsTheDisplayCalibration();
    void refusedUnitTellsWhyAndFallsBackToPixels();
    void quietRecomputationRefusesSilently();
    void conversionFollowsOpenPreferences();

private:
    QTableWidget *units() const { return m_hub->preferencesDialog()->findChild<QTableWidget *>("unitTable"); }

    std::unique_ptr<RulerHub> m_hub;
    std::unique_ptr<RulerWindow> m_ruler;
    QStringList m_messages;
};

void TestRulerUnits::init()
{
    TestSupport::clearStore();
    m_messages.clear();
    m_hub = std::make_unique<RulerHub>();
    m_hub->setMessageHandler([this](const QString &text) { m_messages.append(text); });
    TextGrid displays = m_hub->preferences()->displayCells();
    displays[0][1] = QStringLiteral("96");
    displays[0][2] = QStringLiteral("120");
    m_hub->preferences()->setDisplayCells(displays);
    m_ruler.reset(m_hub->createRuler());
    m_ruler->displayIndex = 0;
}

void TestRulerUnits::cleanup()
{
    m_ruler.reset();
    m_hub.reset();
}

void TestRulerUnits::chosenUnitFollowsTheDisplayCalibration()
{
    m_ruler->physicalUnitActions[0]->setChecked(true);
    m_ruler->setUnit(true);
    QCOMPARE(m_ruler->scale.unitKind, int(UnitScale::TableUnit));
    QCOMPARE(m_ruler->scale.unitLabel, QStringLiteral("in"));
    QCOMPARE(m_ruler->scale.pixelsPerUnitX, 96.0);
    QCOMPARE(m_ruler->scale.pixelsPerUnitY, 120.0);
    QCOMPARE(m_ruler->scale.ticksPerUnit, 8.0);
    QVERIFY(m_ruler->physicalUnitActions[0]->isChecked());

    m_ruler->actPixels->setChecked(true);
    m_ruler->setUnit(true);
    QCOMPARE(m_ruler->scale.unitLabel, QStringLiteral("px"));
    QVERIFY(m_messages.isEmpty());
}

void TestRulerUnits::refusedUnitTellsWhyAndFallsBackToPixels()
{
    units()->item(5, 0)->setText("Furlongs");
    m_ruler->aboutToShow();
    QCOMPARE(Mnemonics::strip(m_ruler->physicalUnitActions[5]->text()), QStringLiteral("Furlongs"));

    m_ruler->physicalUnitActions[5]->setChecked(true);
    m_ruler->setUnit();
    QCOMPARE(m_messages,
             QStringList{QStringLiteral("Wrong value for Units per Inch;\nWrong \"Ticks per Unit\" "
                                        "Value;\nGo to \"Preferences | Units\" or \"Preferences | "
                                        "Pixel-based Units\" and fix respective unit settings.")});
    QVERIFY(m_ruler->actPixels->isChecked());
    QCOMPARE(m_ruler->scale.unitKind, int(UnitScale::Pixels));
    QCOMPARE(m_ruler->scale.unitLabel, QStringLiteral("px"));
}

void TestRulerUnits::quietRecomputationRefusesSilently()
{
    m_ruler->physicalUnitActions[2]->setChecked(true);
    m_ruler->recomputeScale();
    QCOMPARE(m_ruler->scale.unitLabel, QStringLiteral("mm"));

    // Zero passes the table and is refused by the ruler.
    units()->item(2, 2)->setText("0");
    m_ruler->recomputeScale();
    QVERIFY(m_messages.isEmpty());
    QVERIFY(m_ruler->actPixels->isChecked());
    QCOMPARE(m_ruler->scale.unitLabel, QStringLiteral("px"));
}

void TestRulerUnits::conversionFollowsOpenPreferences()
{
    m_ruler->physicalUnitActions[1]->setChecked(true);
    m_ruler->setUnit(true);
    QCOMPARE(m_ruler->scale.lengthInUnits(96, 0, false, true, 0), 2.54);

    // While the preferences are open, every paint pass takes the edited unit.
    m_hub->preferencesDialog()->show();
    units()->item(1, 2)->setText("5.08");
    m_ruler->grab();
    QCOMPARE(m_ruler->scale.lengthInUnits(96, 0, false, true, 0), 5.08);
    QCOMPARE(m_ruler->scale.lengthInUnits(120, 90, false, true, 0), 5.08);
    m_hub->preferencesDialog()->hide();
}

GRADORA_TEST_MAIN(TestRulerUnits)
#include "tst_rulerunits.moc"
