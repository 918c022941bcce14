// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "figure/figurekind.h"
#include "figure/figuremodel.h"
#include "figure/figureratios.h"
#include "ruler/commands/rulercommand.h"
#include "testsupport.h"

#include <QHash>
#include <QKeySequence>
#include <QTest>

Q_DECLARE_METATYPE(RulerCommand)

using namespace RulerCommands;
using C = RulerCommand;

namespace {

const Qt::KeyboardModifiers kNone = Qt::NoModifier;
const Qt::KeyboardModifiers kAlt = Qt::AltModifier;
const Qt::KeyboardModifiers kShift = Qt::ShiftModifier;
const Qt::KeyboardModifiers kAltShift = Qt::AltModifier | Qt::ShiftModifier;
const Qt::KeyboardModifiers kControl = Qt::ControlModifier;

// A key pressed with the modifiers held, as the ruler sees it.
KeyPress press(int key, Qt::KeyboardModifiers held, bool fullScreen = false)
{
    return {key, held, ModifierLatch::fromKey(key, true, held), fullScreen};
}

// A readable name for a row: the entry's text, or the key-only command's number.
QString describe(RulerCommand command)
{
    const QString text = RulerCommands::text(command);
    return text.isEmpty() ? QStringLiteral("command %1").arg(int(command)) : text;
}

} // namespace

// The command table and the key map: every key of a ruler, and the shortcuts its menu shows.
class TestRulerCommand : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyShownShortcutIsTheKeyOfItsEntry_data();
    void everyShownShortcutIsTheKeyOfItsEntry();
    void keys_data();
    void keys();
    void unclaimedKeys_data();
    void unclaimedKeys();
    void keyStages_data();
    void keyStages();
    void everyCommandHasItsRow();
    void toggledOptionsHaveTheirEntry();
    void groupsAndParameters_data();
    void groupsAndParameters();
    void ratios_data();
    void ratios();
    void choiceGroups();
    void unitEntries();
    void noKeyTwice();
    void everyRowIsComplete();
    void amounts_data();
    void amounts();
};

void TestRulerCommand::everyShownShortcutIsTheKeyOfItsEntry_data()
{
    QTest::addColumn<RulerCommand>("command");
    QTest::addColumn<RulerCommand>("expected");
    for (RulerCommand command : all()) {
        if (!entry(command).shortcut)
            continue;
        // The free shapes are reserved entries that share the ratios' keys; Alt+Q quits saving only
        // this ruler, the menu's "Quit" closes them all.
        RulerCommand expected = command;
        if (inRange(command, C::FreeShapeFirst, kShapes))
            expected = ratio(int(command) - int(C::FreeShapeFirst));
        else if (command == C::Quit)
            expected = C::SaveAndQuit;
        QTest::newRow(qPrintable(describe(command) + " <" + entry(command).shortcut + ">"))
            << command << expected;
    }
}

// The shortcut text as the menu shows it, pressed as a key, runs the entry's command.
void TestRulerCommand::everyShownShortcutIsTheKeyOfItsEntry()
{
    QFETCH(RulerCommand, command);
    QFETCH(RulerCommand, expected);
    const QKeySequence sequence(QString::fromLatin1(entry(command).shortcut));
    QCOMPARE(sequence.count(), 1);
    const QKeyCombination combination = sequence[0];
    const auto decided = commandForKey(press(combination.key(), combination.keyboardModifiers()));
    QVERIFY(decided.has_value());
    QCOMPARE(*decided, expected);
}

void TestRulerCommand::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("held");
    QTest::addColumn<bool>("fullScreen");
    QTest::addColumn<RulerCommand>("expected");
    auto row = [](const char *name, int key, Qt::KeyboardModifiers held, RulerCommand expected,
                  bool fullScreen = false) { QTest::newRow(name) << key << held << fullScreen << expected; };
    // The desktop's conventions.
    row("F1", Qt::Key_F1, kNone, C::Help);
    row("F1 on the keypad", Qt::Key_F1, Qt::KeypadModifier, C::Help);
    row("Ctrl+Q", Qt::Key_Q, kControl, C::Quit);
    row("Ctrl+W", Qt::Key_W, kControl, C::CloseRuler);
    row("Ctrl+C copies the readings", Qt::Key_C, kControl, C::CopyReadings);
    row("Escape in full screen", Qt::Key_Escape, kNone, C::FullScreen, true);
    // Control counts as Alt for the chords.
    row("Ctrl+Shift+A", Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier, C::AntiAliasing);
    row("Alt+Shift+H", Qt::Key_H, kAltShift, C::ShowHeightNumber);
    row("Alt+Shift+W", Qt::Key_W, kAltShift, C::ShowWidthNumber);
    row("Alt+Shift+Z is a plain turn", Qt::Key_Z, kAltShift, C::TurnFigureFine);
    row("Alt+Shift+O copies a picture of the region", Qt::Key_O, kAltShift, C::CopyRegionPicture);
    row("Ctrl+Shift+O copies a picture of the region", Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier,
        C::CopyRegionPicture);
    row("Alt+O saves a picture of the region", Qt::Key_O, kAlt, C::SaveRegionPicture);
    row("Ctrl+O is free", Qt::Key_O, kControl, C::Count);
    // Exactly Alt: with Control too, the letters fall through to the figure and option keys.
    row("Alt+Q", Qt::Key_Q, kAlt, C::SaveAndQuit);
    row("Ctrl+S turns", Qt::Key_S, kControl, C::TurnFigureCoarseBack);
    row("Ctrl+B shows the border", Qt::Key_B, kControl, C::ShowBorder);
    row("Alt+Ctrl+N", Qt::Key_N, Qt::AltModifier | Qt::ControlModifier, C::BoldControlPoints);
    row("Alt+L on the keypad is a nudge", Qt::Key_L, Qt::AltModifier | Qt::KeypadModifier,
        C::NudgeFigureRight);
    // Arrows and the figure keys.
    row("Left", Qt::Key_Left, kNone, C::StepLeft);
    row("Shift+Down", Qt::Key_Down, kShift, C::StepDown);
    row("Alt+Up", Qt::Key_Up, kAlt, C::StepUp);
    row("Right", Qt::Key_Right, kNone, C::StepRight);
    row("Z", Qt::Key_Z, kNone, C::TurnFigureFine);
    row("A", Qt::Key_A, kNone, C::TurnFigureFineBack);
    row("X", Qt::Key_X, kNone, C::TurnFigureCoarse);
    row("S", Qt::Key_S, kNone, C::TurnFigureCoarseBack);
    row("C", Qt::Key_C, kNone, C::TurnFigureEighth);
    row("D", Qt::Key_D, kNone, C::TurnFigureEighthBack);
    row("V", Qt::Key_V, kNone, C::TurnFigureQuarter);
    row("F", Qt::Key_F, kNone, C::TurnFigureQuarterBack);
    row("Page Up", Qt::Key_PageUp, kNone, C::GrowFigure);
    row("Page Down", Qt::Key_PageDown, kNone, C::ShrinkFigure);
    row("I", Qt::Key_I, kNone, C::NudgeFigureUp);
    row("K", Qt::Key_K, kNone, C::NudgeFigureDown);
    row("J", Qt::Key_J, kNone, C::NudgeFigureLeft);
    row("L", Qt::Key_L, kNone, C::NudgeFigureRight);
    row("Tab", Qt::Key_Tab, kNone, C::ToggleFigurePlacement);
    row("Shift alone", Qt::Key_Shift, kNone, C::RecomputeFigure);
    row("Escape out of full screen is nothing else", Qt::Key_Escape, kNone, C::Count);
    // Digits: the modifier roles come from the event alone.
    row("Alt+Shift+1 keeps the ratio", Qt::Key_1, kAltShift, ratio(0));
    row("Alt+Shift+2 centred square", Qt::Key_2, kAltShift, centeredShape(1));
    row("Ctrl+7 golden ratio", Qt::Key_7, kControl, ratio(6));
    row("exclamation mark", Qt::Key_Exclam, kShift, centeredShape(0));
    row("number sign", Qt::Key_NumberSign, kShift, centeredShape(2));
    row("dollar", Qt::Key_Dollar, kShift, centeredShape(3));
    row("percent", Qt::Key_Percent, kShift, centeredShape(4));
    row("circumflex", Qt::Key_AsciiCircum, kShift, centeredShape(5));
    row("ampersand", Qt::Key_Ampersand, kShift, centeredShape(6));
    row("8 is no shape", Qt::Key_8, kNone, C::Count);
    // Option keys and their second characters.
    row("greater-than", Qt::Key_Greater, kShift, C::PanelSide);
    row("question mark", Qt::Key_Question, kShift, C::ShowInfoPanel);
    row("tilde", Qt::Key_AsciiTilde, kShift, C::ShowFigure);
    row("P", Qt::Key_P, kNone, C::ActivateOnHover);
    row("Shift+Y is taken and does nothing", Qt::Key_Y, kShift, C::Count);
    row("Ctrl+Y is taken and does nothing", Qt::Key_Y, kControl, C::Count);
    row("E", Qt::Key_E, kNone, C::EdgeFinder);
}

// The keys whose meaning the menu does not show. C::Count stands for "no command".
void TestRulerCommand::keys()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, held);
    QFETCH(bool, fullScreen);
    QFETCH(RulerCommand, expected);
    const auto decided = commandForKey(press(key, held, fullScreen));
    QCOMPARE(decided.value_or(C::Count), expected);
}

void TestRulerCommand::unclaimedKeys_data()
{
    QTest::addColumn<int>("key");
    for (int key = Qt::Key_A; key <= Qt::Key_Z; ++key)
        QTest::addRow("Alt+Shift+%c", char(key)) << key;
}

// An Alt+Shift letter that is no chord acts as the plain letter would.
void TestRulerCommand::unclaimedKeys()
{
    QFETCH(int, key);
    const KeyDecision chord = decideKey(press(key, kAltShift));
    if (chord.stage == KeyStage::Chord)
        return;
    const auto plain = commandForKey(press(key, kNone));
    if (key == Qt::Key_Y)
        QVERIFY(!chord.command.has_value());
    else
        QCOMPARE(chord.command, plain);
}

void TestRulerCommand::keyStages_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("held");
    QTest::addColumn<KeyStage>("stage");
    QTest::newRow("F1") << int(Qt::Key_F1) << kNone << KeyStage::Convention;
    QTest::newRow("Ctrl+W") << int(Qt::Key_W) << kControl << KeyStage::Convention;
    QTest::newRow("Alt+Shift+G") << int(Qt::Key_G) << kAltShift << KeyStage::Chord;
    QTest::newRow("Alt+N") << int(Qt::Key_N) << kAlt << KeyStage::Chord;
    QTest::newRow("Alt+1") << int(Qt::Key_1) << kAlt << KeyStage::Plain;
    QTest::newRow("Shift+Left") << int(Qt::Key_Left) << kShift << KeyStage::Plain;
    QTest::newRow("B") << int(Qt::Key_B) << kNone << KeyStage::Plain;
}

void TestRulerCommand::keyStages()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, held);
    QFETCH(KeyStage, stage);
    QCOMPARE(decideKey(press(key, held)).stage, stage);
}

void TestRulerCommand::everyCommandHasItsRow()
{
    QCOMPARE(all().size(), qsizetype(RulerCommand::Count));
    for (RulerCommand command : all()) {
        const Entry &row = entry(command);
        QCOMPARE(row.command, command);
        // A check mark belongs to an entry; an exclusive group needs one.
        if (row.group != Group::None || row.option)
            QVERIFY(row.checkable);
        if (!hasMenuEntry(command))
            QVERIFY(!row.shortcut);
    }
}

// Every option that has a menu text has an entry that toggles it, and only one.
void TestRulerCommand::toggledOptionsHaveTheirEntry()
{
    for (RulerOption option : RulerOptionTable::all()) {
        QList<RulerCommand> toggling;
        for (RulerCommand command : all()) {
            if (entry(command).option == option)
                toggling.append(command);
        }
        const char *menuText = RulerOptionTable::entry(option).menuText;
        QVERIFY2(toggling.size() <= 1, menuText);
        if (menuText) {
            QCOMPARE(toggling.size(), 1);
            QVERIFY(entry(toggling.first()).checkable);
            QCOMPARE(text(toggling.first()), QString::fromLatin1(menuText));
        }
    }
    QVERIFY(entry(C::ShowControlPoints).checkShowsOpposite);
    QCOMPARE(entry(C::ShowWidthNumber).option, RulerOption::ShowWidthNumber);
    QVERIFY(!hasMenuEntry(C::ShowWidthNumber));
}

void TestRulerCommand::groupsAndParameters_data()
{
    QTest::addColumn<int>("shape");
    for (int i = 0; i < kShapes; ++i) {
        const char *name = FigureKinds::row(FigureKinds::cornerKind(i)).shapeName;
        QTest::newRow(name) << i;
    }
}

// A shape's three entries make its two kinds and are named after the shape; the reserved free
// entries make none.
void TestRulerCommand::groupsAndParameters()
{
    QFETCH(int, shape);
    const FigureKind corner = FigureKinds::cornerKind(shape);
    const FigureKind center = FigureKinds::centerKind(shape);
    QVERIFY(isCornerKind(corner));
    QCOMPARE(placementPartner(corner), std::optional(center));
    QCOMPARE(placementPartner(center), std::optional(corner));
    QCOMPARE(figureKindOf(cornerShape(shape)), std::optional(corner));
    QCOMPARE(figureKindOf(centeredShape(shape)), std::optional(center));
    QVERIFY(!figureKindOf(freeShape(shape)));
    const QString name = QString::fromLatin1(FigureKinds::row(corner).shapeName);
    QCOMPARE(text(cornerShape(shape)), name);
    QCOMPARE(text(centeredShape(shape)), "Centered " + name);
    QCOMPARE(text(freeShape(shape)), "Free " + name);
    for (RulerCommand command : {cornerShape(shape), centeredShape(shape), freeShape(shape)})
        QCOMPARE(entry(command).group, Group::Figure);
}

void TestRulerCommand::ratios_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < kRatioRectangleCount; ++i)
        QTest::newRow(kRatioRectangles[i].menuText) << i;
}

// Each ratio rectangle has its entry, named and locking its ratio, and no other command locks one.
void TestRulerCommand::ratios()
{
    QFETCH(int, index);
    const RulerCommand command = ratio(index);
    QCOMPARE(ratioOf(command), kRatioRectangles[index].ratio);
    QCOMPARE(text(command), QString::fromUtf8(kRatioRectangles[index].menuText));
    QCOMPARE(entry(command).group, Group::Figure);
    QVERIFY(!figureKindOf(command));
    QCOMPARE(ratioOf(C::FlyingRuler), 0.0);
    QCOMPARE(ratioOf(freeShape(0)), 0.0);
}

void TestRulerCommand::choiceGroups()
{
    QCOMPARE(figureKindOf(C::FlyingRuler), std::optional(FigureKind::FlyingRuler));
    for (int row = 0; row < kUnitRows; ++row) {
        QCOMPARE(entry(physicalUnit(row)).group, Group::Unit);
        QCOMPARE(entry(pixelUnit(row)).group, Group::Unit);
        QVERIFY(hasMenuEntry(pixelUnit(row)));
    }
    QCOMPARE(physicalUnit(kUnitRows - 1), C::PhysicalUnitLast);
    QCOMPARE(pixelUnit(kUnitRows - 1), C::PixelUnitLast);
    QCOMPARE(ratio(kRatioRectangleCount - 1), C::RatioLast);
    QCOMPARE(entry(C::StartBottomRight).group, Group::StartCorner);
    QCOMPARE(entry(C::StartFromPixelOne).group, Group::PixelOrigin);
}

// The entries of the unit group are the units, one each, and no other command is one.
void TestRulerCommand::unitEntries()
{
    QList<UnitChoice> units;
    for (RulerCommand command : all()) {
        const std::optional<UnitChoice> unit = unitOf(command);
        QCOMPARE(unit.has_value(), entry(command).group == Group::Unit);
        if (!unit)
            continue;
        QCOMPARE(unitCommand(*unit), command);
        QVERIFY(!units.contains(*unit));
        units.append(*unit);
    }
    QCOMPARE(int(units.size()), 1 + 2 * kUnitRows);
}

// A key with its chord, or a desktop convention, reaches one command at most, or the table's order
// would decide silently.
void TestRulerCommand::noKeyTwice()
{
    QHash<QPair<int, int>, RulerCommand> claimed;
    for (const Entry &row : table()) {
        for (const Key &bound : row.keys) {
            if (!bound.key)
                continue;
            const QPair<int, int> key(bound.key, int(bound.chord));
            QVERIFY2(!claimed.contains(key), qPrintable(describe(row.command) + " and " +
                                                        describe(claimed.value(key)) + " share a key"));
            claimed.insert(key, row.command);
        }
    }
    QList<ConventionKeys::Command> conventions;
    for (const Entry &row : table()) {
        if (row.convention == ConventionKeys::Command::None)
            continue;
        QVERIFY2(!conventions.contains(row.convention), qPrintable(describe(row.command)));
        conventions.append(row.convention);
    }
}

// Every command does something when run, and every placed entry has a text to show.
void TestRulerCommand::everyRowIsComplete()
{
    for (const Entry &row : table()) {
#if !GRADORA_UPDATE_CHECK
        if (row.command == C::CheckForUpdates)
            continue;
#endif
        QVERIFY2(row.handler, qPrintable(describe(row.command)));
        if (row.menu != Menu::None)
            QVERIFY2(row.text, qPrintable(describe(row.command)));
        if (row.separatorBefore)
            QVERIFY2(row.menu != Menu::None, qPrintable(describe(row.command)));
    }
}

void TestRulerCommand::amounts_data()
{
    QTest::addColumn<RulerCommand>("command");
    QTest::addColumn<double>("turn");
    QTest::addColumn<double>("scale");
    QTest::addColumn<QPoint>("direction");
    QTest::newRow("fine") << C::TurnFigureFine << 0.17578125 << 1.0 << QPoint();
    QTest::newRow("fine back") << C::TurnFigureFineBack << -0.17578125 << 1.0 << QPoint();
    QTest::newRow("coarse") << C::TurnFigureCoarse << 11.25 << 1.0 << QPoint();
    QTest::newRow("coarse back") << C::TurnFigureCoarseBack << -11.25 << 1.0 << QPoint();
    QTest::newRow("eighth") << C::TurnFigureEighth << 45.0 << 1.0 << QPoint();
    QTest::newRow("eighth back") << C::TurnFigureEighthBack << -45.0 << 1.0 << QPoint();
    QTest::newRow("quarter") << C::TurnFigureQuarter << 90.0 << 1.0 << QPoint();
    QTest::newRow("quarter back") << C::TurnFigureQuarterBack << -90.0 << 1.0 << QPoint();
    QTest::newRow("grow") << C::GrowFigure << 0.0 << 1.01 << QPoint();
    QTest::newRow("shrink") << C::ShrinkFigure << 0.0 << 0.99 << QPoint();
    QTest::newRow("nudge up") << C::NudgeFigureUp << 0.0 << 1.0 << QPoint(0, -1);
    QTest::newRow("nudge left") << C::NudgeFigureLeft << 0.0 << 1.0 << QPoint(-1, 0);
    QTest::newRow("step down") << C::StepDown << 0.0 << 1.0 << QPoint(0, 1);
    QTest::newRow("step right") << C::StepRight << 0.0 << 1.0 << QPoint(1, 0);
    QTest::newRow("border") << C::ShowBorder << 0.0 << 1.0 << QPoint();
}

void TestRulerCommand::amounts()
{
    QFETCH(RulerCommand, command);
    QFETCH(double, turn);
    QFETCH(double, scale);
    QFETCH(QPoint, direction);
    const Amount amount = entry(command).amount;
    QCOMPARE(amount.turn, turn);
    QCOMPARE(amount.scale, scale);
    QCOMPARE(amount.direction, direction);
}

GRADORA_TEST_MAIN(TestRulerCommand)
#include "tst_rulercommand.moc"
