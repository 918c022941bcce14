// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/commands/rulermenu.h"
#include "ruler/panel/infopanel.h"
#include "rulerfixture.h"

#include <QAction>
#include <QClipboard>
#include <QKeySequence>
#include <QLabel>
#include <QTest>

// "Copy Readings" and Ctrl+C on a ruler: what reaches the clipboard, and the keys around it.
namespace {

enum class Unit
{
    Pixels,
    PixelBasedCentimetres, // 32 px each way
};

const QRect kGeometry(100, 100, 600, 400);

// A pixel-based unit of 32 px, chosen from the menu.
void useCentimetres(RulerWindow *ruler, Preferences *preferences)
{
    TextGrid pixelUnits = preferences->unitCells(Preferences::UnitTable::PixelBased);
    pixelUnits[0] = {QStringLiteral("Centimetres"), QStringLiteral("cm"), QStringLiteral("32"),
                     QStringLiteral("32"),          QStringLiteral("10"), QString()};
    preferences->setUnitCells(Preferences::UnitTable::PixelBased, pixelUnits);
    ruler->menu()->action(RulerCommands::pixelUnit(0))->trigger();
}

QStringList copiedLines()
{
    return QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
}

} // namespace

Q_DECLARE_METATYPE(Unit)

class TestCopyReadings : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void ctrlCCopies_data();
    void ctrlCCopies();
    void figureLineListsThePanelsReadings();
    void menuEntryCopiesToo();
    void ctrlCNoLongerTurnsButCAndAltCStay();

private:
    RulerWindow *activeRuler();
    RulerFixture m_fixture;
};

void TestCopyReadings::init()
{
    m_fixture.setUp();
    QGuiApplication::clipboard()->clear();
}

void TestCopyReadings::cleanup()
{
    QLocale::setDefault(QLocale::system());
    m_fixture.tearDown();
}

RulerWindow *TestCopyReadings::activeRuler()
{
    return m_fixture.shown(kGeometry, true);
}

void TestCopyReadings::ctrlCCopies_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<Unit>("unit");
    QTest::addColumn<bool>("figureShown");
    QTest::addColumn<QString>("sizeLine");
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    QTest::newRow("pixels, figure hidden")
        << english << Unit::Pixels << false << QStringLiteral("600 \u00D7 400 px");
    QTest::newRow("pixels, figure shown")
        << english << Unit::Pixels << true << QStringLiteral("600 \u00D7 400 px");
    QTest::newRow("centimetres") << english << Unit::PixelBasedCentimetres << false
                                 << QStringLiteral("18.75 \u00D7 12.5 cm");
    QTest::newRow("centimetres in German, figure shown")
        << german << Unit::PixelBasedCentimetres << true << QStringLiteral("18,75 \u00D7 12,5 cm");
}

void TestCopyReadings::ctrlCCopies()
{
    QFETCH(QLocale, locale);
    QFETCH(Unit, unit);
    QFETCH(bool, figureShown);
    QLocale::setDefault(locale);
    RulerWindow *ruler = activeRuler();
    if (unit == Unit::PixelBasedCentimetres)
        useCentimetres(ruler, m_fixture.preferences());
    ruler->execute(RulerCommands::cornerShape(0));
    setOption(*ruler, RulerOption::ShowFigure, figureShown);

    QTest::keyClick(ruler, Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = copiedLines();
    QTEST(lines.first(), "sizeLine");
    QCOMPARE(lines.size(), figureShown ? 2 : 1);
    if (figureShown) {
        QVERIFY2(lines.last().startsWith(QStringLiteral("Rectangle | \u21941: ")), qPrintable(lines.last()));
        // The figure's numbers take the locale's decimal sign as the ruler's do.
        if (locale.decimalPoint() != QLatin1String("."))
            QVERIFY2(!lines.last().contains(QLatin1Char('.')), qPrintable(lines.last()));
    }
}

// The second line says what the information panel says, in the panel's order, without its padding.
void TestCopyReadings::figureLineListsThePanelsReadings()
{
    RulerWindow *ruler = activeRuler();
    setOption(*ruler, RulerOption::ShowFigure, true);
    ruler->execute(RulerCommands::cornerShape(4)); // a right triangle, with its hypotenuse
    FigureModel turned = ruler->flyingFigure();
    turned.angle = 30;
    ruler->setFlyingFigure(turned);
    ruler->repaint();
    const InfoPanel *panel = m_fixture.hub->infoPanel();
    QCOMPARE(panel->owner(), ruler);

    QTest::keyClick(ruler, Qt::Key_C, Qt::ControlModifier);
    const QStringList parts = copiedLines().value(1).split(QStringLiteral(" | "));
    auto label = [panel](InfoPanel::FigureReading reading) {
        return panel->figureLabel(reading)->text().trimmed();
    };
    const QStringList expected{QStringLiteral("Right Triangle"), label(InfoPanel::FigureWidth),
                               label(InfoPanel::FigureHeight),   panel->extraSideLabel()->text().trimmed(),
                               label(InfoPanel::RotationAngle),  label(InfoPanel::FigureArea),
                               label(InfoPanel::FigurePerimeter)};
    QCOMPARE(parts, expected);
    QCOMPARE(label(InfoPanel::RotationAngle), QStringLiteral("Angle: 30\u00B0"));
}

void TestCopyReadings::menuEntryCopiesToo()
{
    RulerWindow *ruler = activeRuler();
    setOption(*ruler, RulerOption::ShowFigure, false);
    QAction *entry = ruler->menu()->action(RulerCommand::CopyReadings);
    QVERIFY(entry);
    QCOMPARE(entry->shortcut(), QKeySequence(QStringLiteral("Ctrl+C")));
    entry->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("600 \u00D7 400 px"));
    // Copying does nothing else: the Tools entry after it stays off.
    QVERIFY(!ruler->menu()->action(RulerCommand::EdgeFinder)->isChecked());
}

// Ctrl+C used to repeat C's turn; C and Alt+C keep theirs (the turn and the ruler colour).
void TestCopyReadings::ctrlCNoLongerTurnsButCAndAltCStay()
{
    RulerWindow *ruler = activeRuler();
    setOption(*ruler, RulerOption::ShowFigure, true);
    ruler->execute(RulerCommands::cornerShape(0));
    QTest::keyClick(ruler, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(ruler->flyingFigure().angle, 0.0);
    QTest::keyClick(ruler, Qt::Key_C);
    QCOMPARE(ruler->flyingFigure().angle, 45.0);
    QCOMPARE(RulerCommands::commandForKey({Qt::Key_C, Qt::AltModifier,
                                           ModifierLatch::fromKey(Qt::Key_C, true, Qt::AltModifier), false}),
             RulerCommand::RulerColor);
}

GRADORA_TEST_MAIN(TestCopyReadings)
#include "tst_copyreadings.moc"
