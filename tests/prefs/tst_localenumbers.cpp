// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "dialogfixture.h"
#include "prefs/localenumbers.h"

#include <QDoubleSpinBox>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <memory>

// Numbers in the preferences follow the user's locale on the screen, while the settings file keeps
// one form for every locale.
class TestLocaleNumbers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void conversions_data();
    void conversions();
    void unitCellsInTheUsersForm_data();
    void unitCellsInTheUsersForm();
    void storedTextsShowInTheUsersForm();
    void calculatorResultReachesTheDisplayTable();
    void displayCellTypedInTheUsersForm();
    void keyboardStepsReachTheFileInOneForm();

private:
    void start(QLocale::Language language, QLocale::Territory territory);

    template <typename T> T *widget(const char *name) const { return m_fixture.widget<T>(name); }
    const TextGrid &units(Preferences::UnitTable table) const
    {
        return m_fixture.preferences->unitCells(table);
    }

    DialogFixture m_fixture;
};

void TestLocaleNumbers::init()
{
    TestSupport::clearStore();
}

void TestLocaleNumbers::cleanup()
{
    m_fixture.stop();
    QLocale::setDefault(QLocale::c());
}

void TestLocaleNumbers::start(QLocale::Language language, QLocale::Territory territory)
{
    // Widgets take the default locale when they are made, as they take the user's at start-up.
    QLocale::setDefault(QLocale(language, territory));
    m_fixture.start();
}

void TestLocaleNumbers::conversions_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("typed");
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale french(QLocale::French, QLocale::France);
    // typed: what the user may type for the same stored text (besides the shown text itself).
    QTest::newRow("de decimal") << german << "2.54"
                                << "2,54"
                                << "2.54";
    QTest::newRow("de leading point") << german << ".1"
                                      << ",1"
                                      << "0,1";
    QTest::newRow("de whole number") << german << "72"
                                     << "72"
                                     << "72";
    QTest::newRow("de negative") << german << "-1.5"
                                 << "-1,5"
                                 << "-1.5";
    QTest::newRow("de text is no number") << german << "in"
                                          << "in"
                                          << "in";
    QTest::newRow("de resolution") << german << "1920x1080"
                                   << "1920x1080"
                                   << "1920x1080";
    QTest::newRow("fr decimal") << french << "25.4"
                                << "25,4"
                                << "25.4";
    QTest::newRow("en decimal") << english << "2.54"
                                << "2.54"
                                << "2.54";
    QTest::newRow("C decimal") << QLocale::c() << "108.79"
                               << "108.79"
                               << "108.79";
}

void TestLocaleNumbers::conversions()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    QFETCH(QString, typed);
    QCOMPARE(LocaleNumbers::toShown(stored, locale), shown);
    QCOMPARE(LocaleNumbers::toStored(shown, locale), stored);
    // The other form reads as the same number.
    bool isNumber = false;
    const double value = QLocale::c().toDouble(stored, &isNumber);
    if (isNumber) {
        bool ok = false;
        QCOMPARE(QLocale::c().toDouble(LocaleNumbers::toStored(typed, locale), &ok), value);
        QVERIFY(ok);
    }
}

void TestLocaleNumbers::unitCellsInTheUsersForm_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("territory");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");  // the cell after the edit
    QTest::addColumn<QString>("stored"); // the grid and the file; empty: refused
    const int de = QLocale::German, germany = QLocale::Germany;
    const int en = QLocale::English, us = QLocale::UnitedStates;
    QTest::newRow("de comma") << de << germany << "2,5"
                              << "2,5"
                              << "2.5";
    QTest::newRow("de point") << de << germany << "2.5"
                              << "2,5"
                              << "2.5";
    QTest::newRow("de no group separator") << de << germany << "1.000,5"
                                           << "2,54"
                                           << "";
    QTest::newRow("de not a number") << de << germany << "2,5cm"
                                     << "2,54"
                                     << "";
    QTest::newRow("en point") << en << us << "2.5"
                              << "2.5"
                              << "2.5";
    QTest::newRow("en comma is no decimal sign") << en << us << "2,5"
                                                 << "2.54"
                                                 << "";
}

void TestLocaleNumbers::unitCellsInTheUsersForm()
{
    QFETCH(int, language);
    QFETCH(int, territory);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, stored);
    start(QLocale::Language(language), QLocale::Territory(territory));
    QTableWidget *table = widget<QTableWidget>("unitTable");
    table->item(1, 2)->setText(typed); // "Units per Inch" of "Centimeters"

    QCOMPARE(table->item(1, 2)->text(), shown);
    const QString expected = stored.isEmpty() ? QStringLiteral("2.54") : stored;
    QCOMPARE(units(Preferences::UnitTable::Physical)[1][2], expected);
    if (stored.isEmpty()) {
        QCOMPARE(m_fixture.messages, QStringList{"Please, type numeric value here."});
        QCOMPARE(QSettings().value("unit_1_2", "2.54").toString(), QStringLiteral("2.54"));
    } else {
        QVERIFY(m_fixture.messages.isEmpty());
        QCOMPARE(QSettings().value("unit_1_2").toString(), stored);
        // Every number of the table reaches the file in the one form.
        QCOMPARE(QSettings().value("unit_3_3").toString(), QStringLiteral(".1"));
    }
}

void TestLocaleNumbers::storedTextsShowInTheUsersForm()
{
    {
        QSettings store;
        store.setValue("pb_unit_0_2", "12.5");
        store.setValue("pb_unit_0_1", "x.y");
    }
    start(QLocale::German, QLocale::Germany);
    QCOMPARE(widget<QTableWidget>("unitTable")->item(2, 2)->text(), QStringLiteral("25,4"));
    QCOMPARE(widget<QTableWidget>("unitTable")->item(3, 3)->text(), QStringLiteral(",1"));
    QCOMPARE(widget<QTableWidget>("pixelUnitTable")->item(0, 2)->text(), QStringLiteral("12,5"));
    // The abbreviation is text, whatever it looks like.
    QCOMPARE(widget<QTableWidget>("pixelUnitTable")->item(0, 1)->text(), QStringLiteral("x.y"));
    QCOMPARE(units(Preferences::UnitTable::PixelBased)[0][2], QStringLiteral("12.5"));
    QCOMPARE(units(Preferences::UnitTable::Physical)[2][2], QStringLiteral("25.4"));
    // The spin boxes have always followed the locale; now the tables agree with them.
    QCOMPARE(widget<QDoubleSpinBox>("diagonalInchesBox")->text(), QStringLiteral("0,00 in"));
}

void TestLocaleNumbers::calculatorResultReachesTheDisplayTable()
{
    start(QLocale::German, QLocale::Germany);
    widget<QTableWidget>("displayTable")->setCurrentCell(1, 0);
    widget<QDoubleSpinBox>("ppiBox")->setValue(108.79);
    QCOMPARE(widget<QDoubleSpinBox>("ppiBox")->text(), QStringLiteral("108,79 ppi"));
    widget<QPushButton>("setDisplayPpiButton")->click();
    QCOMPARE(widget<QTableWidget>("displayTable")->item(1, 1)->text(), QStringLiteral("108,79"));
    QCOMPARE(m_fixture.preferences->displayCells()[1][1], QStringLiteral("108.79"));
    QCOMPARE(QSettings().value("display_1_2").toString(), QStringLiteral("108.79"));
}

void TestLocaleNumbers::displayCellTypedInTheUsersForm()
{
    start(QLocale::German, QLocale::Germany);
    QTableWidget *table = widget<QTableWidget>("displayTable");
    table->item(0, 1)->setText(QStringLiteral("101,6"));
    QCOMPARE(m_fixture.preferences->displayCells()[0][1], QStringLiteral("101.6"));
    QCOMPARE(QSettings().value("display_0_1").toString(), QStringLiteral("101.6"));
    QCOMPARE(table->item(0, 1)->text(), QStringLiteral("101,6"));
    // Refused as before: back to the last value, in the user's form.
    table->item(0, 1)->setText(QStringLiteral("abc"));
    QCOMPARE(table->item(0, 1)->text(), QStringLiteral("101,6"));
}

// A locale with digits of its own: the box shows them, the file keeps plain digits.
void TestLocaleNumbers::keyboardStepsReachTheFileInOneForm()
{
    start(QLocale::Arabic, QLocale::Egypt);
    QSpinBox *box = widget<QSpinBox>("moveStepBox");
    box->setValue(25);
    QVERIFY(box->text() != QStringLiteral("25"));
    Q_EMIT box->editingFinished();
    QCOMPARE(QSettings().value("move_normal").toString(), QStringLiteral("25"));
    QCOMPARE(m_fixture.preferences->steps().moveNormal, 25);
    widget<QPushButton>("shortcutDefaultsButton")->click(); // "Load Defaults"
    QCOMPARE(QSettings().value("move_more").toString(), QStringLiteral("100"));
}

GRADORA_TEST_MAIN(TestLocaleNumbers)
#include "tst_localenumbers.moc"
