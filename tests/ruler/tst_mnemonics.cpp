// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/commands/mnemonics.h"
#include "ruler/commands/rulermenu.h"
#include "rulerfixture.h"

#include <QAction>
#include <QMenu>
#include <QSet>
#include <QTest>

// Menu mnemonics: how letters are chosen, and that no menu of a ruler has two entries on one letter.
class TestMnemonics : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void assign_data();
    void assign();
    void strip_data();
    void strip();
    void everyRulerMenuIsFreeOfClashes_data();
    void everyRulerMenuIsFreeOfClashes();
    void renamedEntriesAreLabelledAgain();
    void optionalEntriesMoveNoOtherLetter();

private:
    RulerFixture m_fixture;
};

void TestMnemonics::init()
{
    m_fixture.setUp();
}

void TestMnemonics::cleanup()
{
    m_fixture.tearDown();
}

void TestMnemonics::assign_data()
{
    QTest::addColumn<QStringList>("plain");
    QTest::addColumn<QStringList>("marked");
    QTest::newRow("first letters") << QStringList{"New Ruler", "Quit"} << QStringList{"&New Ruler", "&Quit"};
    QTest::newRow("taken first letter moves to the next word")
        << QStringList{"Show Border", "Show Guides"} << QStringList{"&Show Border", "Show &Guides"};
    QTest::newRow("then to any letter") << QStringList{"Tools", "Top"} << QStringList{"&Tools", "T&op"};
    QTest::newRow("an earlier entry moves on to make room")
        << QStringList{"Top", "Tools", "To"} << QStringList{"To&p", "T&ools", "&To"};
    QTest::newRow("out of letters") << QStringList{"Ab", "Ba", "AB"} << QStringList{"&Ab", "&Ba", "AB"};
    QTest::newRow("case does not make a second letter")
        << QStringList{"Ruler", "rhombus"} << QStringList{"&Ruler", "r&hombus"};
    QTest::newRow("digits count") << QStringList{"Ratio 4:3", "Ratio 16:9"}
                                  << QStringList{"&Ratio 4:3", "Ratio &16:9"};
    QTest::newRow("separators stay empty")
        << QStringList{"View", QString(), "Unit"} << QStringList{"&View", QString(), "&Unit"};
    QTest::newRow("a literal ampersand is doubled")
        << QStringList{"R&D", "Rates"} << QStringList{"&R&&D", "R&ates"};
    QTest::newRow("punctuation is never marked")
        << QStringList{"(Edit Units)", "/"} << QStringList{"(&Edit Units)", "/"};
}

void TestMnemonics::assign()
{
    QFETCH(QStringList, plain);
    QFETCH(QStringList, marked);
    QCOMPARE(Mnemonics::assign(plain), marked);
    for (qsizetype i = 0; i < plain.size(); ++i)
        QCOMPARE(Mnemonics::strip(marked.at(i)), plain.at(i));
}

void TestMnemonics::strip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("letter");
    QTest::newRow("plain") << "Quit"
                           << "Quit" << QString();
    QTest::newRow("marked") << "Sh&ow"
                            << "Show"
                            << "o";
    QTest::newRow("literal") << "R&&D"
                             << "R&D" << QString();
    QTest::newRow("literal then marked") << "R&&&D"
                                         << "R&D"
                                         << "D";
    QTest::newRow("trailing ampersand") << "Go&"
                                        << "Go" << QString();
}

void TestMnemonics::strip()
{
    QFETCH(QString, text);
    QFETCH(QString, plain);
    QFETCH(QString, letter);
    QCOMPARE(Mnemonics::strip(text), plain);
    const QChar mark = Mnemonics::marked(text);
    QCOMPARE(mark.isNull() ? QString() : QString(mark), letter);
}

void TestMnemonics::everyRulerMenuIsFreeOfClashes_data()
{
    QTest::addColumn<QString>("menu");
    for (const char *menu : {"context", "View", "Unit", "Start Point", "Image", "Tools", "Flying Figure"})
        QTest::newRow(menu) << QString::fromLatin1(menu);
}

void TestMnemonics::everyRulerMenuIsFreeOfClashes()
{
    QFETCH(QString, menu);
    // Everything that can show at once: two rulers, the update entry, named units of both kinds.
    m_fixture.preferences()->setValue(ProgramSetting::AutoUpdates, false);
    {
        Preferences *preferences = m_fixture.preferences();
        TextGrid units = preferences->unitCells(Preferences::UnitTable::Physical);
        units[4][0] = QStringLiteral("Furlongs & Chains");
        preferences->setUnitCells(Preferences::UnitTable::Physical, units);
        TextGrid pixelUnits = preferences->unitCells(Preferences::UnitTable::PixelBased);
        pixelUnits[0][0] = QStringLiteral("1cm = 100px");
        preferences->setUnitCells(Preferences::UnitTable::PixelBased, pixelUnits);
    }
    m_fixture.attached();
    RulerWindow *ruler = m_fixture.attached();
    ruler->rebuildMenu();

    QMenu *shown = ruler->menu()->contextMenu();
    for (const QAction *entry : ruler->menu()->contextMenu()->actions()) {
        if (entry->menu() && Mnemonics::strip(entry->menu()->title()) == menu)
            shown = entry->menu();
    }
    QSet<QChar> letters;
    int unmarked = 0;
    for (const QAction *entry : shown->actions()) {
        if (entry->isSeparator() || !entry->isVisible())
            continue;
        const QChar letter = Mnemonics::marked(entry->text());
        if (letter.isNull()) {
            ++unmarked;
            continue;
        }
        QVERIFY2(!letters.contains(letter.toLower()), qPrintable(entry->text()));
        letters.insert(letter.toLower());
    }
    // Every menu of a ruler has letters enough for all its entries.
    QCOMPARE(unmarked, 0);
    QCOMPARE(Mnemonics::strip(ruler->menu()->action(RulerCommands::physicalUnit(4))->text()),
             QStringLiteral("Furlongs & Chains"));
}

void TestMnemonics::renamedEntriesAreLabelledAgain()
{
    RulerWindow *ruler = m_fixture.attached();
    ruler->rebuildMenu();
    const QAction *panelSide = ruler->menu()->action(RulerCommand::PanelSide);
    ruler->execute(RulerCommand::PanelSide);
    QCOMPARE(panelSide->text(), QStringLiteral("Send Panel to Right"));
    ruler->rebuildMenu();
    QCOMPARE(Mnemonics::strip(panelSide->text()), QStringLiteral("Send Panel to Right"));
    QVERIFY(!Mnemonics::marked(panelSide->text()).isNull());
    // Labelling twice keeps the letters.
    const QString once = ruler->menu()->action(RulerCommand::ShowBorder)->text();
    ruler->rebuildMenu();
    QCOMPARE(ruler->menu()->action(RulerCommand::ShowBorder)->text(), once);
}

void TestMnemonics::optionalEntriesMoveNoOtherLetter()
{
    m_fixture.preferences()->setValue(ProgramSetting::AutoUpdates, true);
    RulerWindow *ruler = m_fixture.attached();
    ruler->rebuildMenu();
    QStringList alone;
    for (const QAction *entry : ruler->menu()->contextMenu()->actions())
        alone << entry->text();

    m_fixture.attached();
    m_fixture.preferences()->setValue(ProgramSetting::AutoUpdates, false);
    ruler->rebuildMenu();
    QStringList crowded;
    for (const QAction *entry : ruler->menu()->contextMenu()->actions()) {
        if (entry != ruler->menu()->action(RulerCommand::CloseRuler) &&
            entry != ruler->menu()->action(RulerCommand::CheckForUpdates))
            crowded << entry->text();
    }
    QCOMPARE(crowded, alone);
}

GRADORA_TEST_MAIN(TestMnemonics)
#include "tst_mnemonics.moc"
