// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/rulerhub.h"
#include "prefs/preferencesdialog.h"
#include "ruler/commands/mnemonics.h"
#include "ruler/commands/rulermenu.h"
#include "ruler/window/rulerwindow.h"
#include "testsupport.h"

#include <QAction>
#include <QActionGroup>
#include <QColorDialog>
#include <QMenu>
#include <QPointer>
#include <QTableWidget>
#include <QTest>
#include <memory>

Q_DECLARE_METATYPE(RulerCommand)

using C = RulerCommand;
using O = RulerOption;

namespace {

// One line per entry as the user sees it: the text, the shortcut in angle brackets, "[x]" or "[ ]" for
// a check mark and "(disabled)"; "-" for a separator and ">Title" for a submenu. Hidden entries are left
// out. The mnemonic markers are left out too (they have their own test).
QStringList entries(const QMenu *menu)
{
    QStringList lines;
    for (const QAction *action : menu->actions()) {
        if (!action->isVisible())
            continue;
        if (action->isSeparator()) {
            lines.append(QStringLiteral("-"));
            continue;
        }
        if (const QMenu *submenu = action->menu()) {
            lines.append(QLatin1Char('>') + Mnemonics::strip(submenu->title()));
            continue;
        }
        QString line = Mnemonics::strip(action->text());
        if (!action->shortcut().isEmpty())
            line += QStringLiteral(" <%1>").arg(action->shortcut().toString(QKeySequence::NativeText));
        if (action->isCheckable())
            line += action->isChecked() ? QStringLiteral(" [x]") : QStringLiteral(" [ ]");
        if (!action->isEnabled())
            line += QStringLiteral(" (disabled)");
        lines.append(line);
    }
    return lines;
}

// The context menu and every menu below it.
QList<const QMenu *> allMenus(const QMenu *top)
{
    QList<const QMenu *> menus{top};
    for (int i = 0; i < menus.size(); ++i) {
        for (const QAction *action : menus.at(i)->actions()) {
            if (const QMenu *submenu = action->menu())
                menus.append(submenu);
        }
    }
    return menus;
}

const QMenu *submenu(const RulerWindow &ruler, const QString &title)
{
    for (const QMenu *menu : allMenus(ruler.menu()->contextMenu())) {
        if (Mnemonics::strip(menu->title()) == title)
            return menu;
    }
    return nullptr;
}

// What a figure entry could change.
struct FigureState
{
    FigureKind kind;
    QPoint origin;
    double angle;
    QPolygon points;
    bool ratioLocked;
    RulerCommand checkedEntry;

    bool operator==(const FigureState &other) const
    {
        return kind == other.kind && origin == other.origin && angle == other.angle &&
               points == other.points && ratioLocked == other.ratioLocked &&
               checkedEntry == other.checkedEntry;
    }
};

FigureState figureState(const RulerWindow &ruler)
{
    return {ruler.flyingFigure().kind,  ruler.flyingFigure().origin,
            ruler.flyingFigure().angle, ruler.flyingFigure().screenPoints,
            ruler.flyingFigure().ratioLocked, ruler.menu()->checkedIn(RulerCommands::Group::Figure)};
}

} // namespace

class TestRulerMenus : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void menuLayout_data();
    void menuLayout();
    void closeRulerNeedsTwoRulers();
    void unitEntriesFollowTheTables_data();
    void unitEntriesFollowTheTables();
    void checkForUpdates_data();
    void checkForUpdates();
    void trayShowsTheLastRebuiltMenu();
    void freeEntriesStayOutOfTheMenus();
    void shortcutsLeaveTheKeysToTheRuler_data();
    void shortcutsLeaveTheKeysToTheRuler();
    void figureReadingsNeedTheFigure();
    void boldControlPointsKeptWhileHidden();
    void minimalReadingsTurnReadingsOn();
    void everyEntryOfTheTableIsInAMenu();
    void checkMarksFollowTheOptions_data();
    void checkMarksFollowTheOptions();
    void colorDialogFollowsTheLastRuler();

private:
    RulerWindow *makeRuler();
    QTableWidget *table(const char *name) const { return m_hub->preferencesDialog()->findChild<QTableWidget *>(name); }

    std::unique_ptr<RulerHub> m_hub;
    QList<RulerWindow *> m_rulers;
};

void TestRulerMenus::init()
{
    TestSupport::clearStore();
    m_hub = std::make_unique<RulerHub>();
    m_hub->preferences()->setValue(ProgramSetting::ShowInfoPanel, false);
}

void TestRulerMenus::cleanup()
{
    qDeleteAll(m_rulers);
    m_rulers.clear();
    m_hub.reset();
}

RulerWindow *TestRulerMenus::makeRuler()
{
    RulerWindow *ruler = m_hub->createRuler();
    m_rulers.append(ruler);
    ruler->setGeometry(QRect(100 + 20 * int(m_rulers.size()), 100, 300, 200));
    ruler->show();
    ruler->activateWindow();
    if (!QTest::qWaitForWindowActive(ruler))
        qWarning("the ruler did not become active");
    return ruler;
}

void TestRulerMenus::menuLayout_data()
{
    QTest::addColumn<QString>("menu"); // the submenu's title, or empty for the context menu
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("context menu") << QString()
                                  << QStringList{"New Ruler <Alt+N>",
                                                 "-",
                                                 "Background Color <Alt+B>",
                                                 "Ruler Color <Alt+C>",
                                                 "Guides Color <Alt+G>",
                                                 "Transparency <Alt+Shift+T>",
                                                 "-",
                                                 "Stay On Top <Alt+S> [ ]",
                                                 "Snap to Screen Edges <Alt+P> [ ]",
                                                 "Lock to Screen <Alt+L> [ ]",
                                                 "Full Screen <Alt+F> [ ]",
                                                 "-",
                                                 ">View",
                                                 ">Unit",
                                                 ">Start Point",
                                                 ">Image",
                                                 ">Flying Figure",
                                                 ">Tools",
                                                 "-",
                                                 "Preferences <Alt+,>",
                                                 "Gradora Help <Alt+/>",
                                                 "Online Info",
                                                 "Request Feature",
                                                 "About Gradora",
                                                 "-",
                                                 "Quit <Alt+Q>"};
    QTest::newRow("View") << "View"
                          << QStringList{"Show Flying Figure <`> [x]",
                                         "Show Figure Rotation Center <R> [ ]",
                                         "Show Control Points <M> [x]",
                                         "Bold Control Points <N> [x]",
                                         "Show Figure Readings <T> [x]",
                                         "-",
                                         "Show Border <B> [x]",
                                         "Show Readings <Y> [x]",
                                         "Minimal Readings <Alt+Shift+Y> [ ]",
                                         "Show Bottom-Right Labels <Alt+Shift+R> [ ]",
                                         "Show Central Point <Alt+Shift+C> [ ]",
                                         "-",
                                         "Show Guides <G> [x]",
                                         "Guides Hover Width / Height <H> [ ]",
                                         "Clear All Guides <Alt+Shift+G>",
                                         "-",
                                         "Show Info Panel </> [ ]",
                                         "Send Panel to Left <.> (disabled)",
                                         "-",
                                         "Top Ticker [x]",
                                         "Left Ticker [x]",
                                         "Bottom Ticker [x]",
                                         "Right Ticker [x]",
                                         "Show All Tickers",
                                         "Hide All Tickers",
                                         "-",
                                         "Anti-aliasing <Alt+Shift+A> [ ]",
                                         "Megapixel instead of px [x]"};
    QTest::newRow("Unit") << "Unit" << QStringList{"Pixels [x]",
                                                   "Inches [ ]",
                                                   "Centimeters [ ]",
                                                   "Millimeters [ ]",
                                                   "Points [ ]",
                                                   "(Edit Units)",
                                                   "-",
                                                   "(Edit Pixel-Based Units)"};
    QTest::newRow("Start Point") << "Start Point"
                                 << QStringList{"Top-Left [x]",
                                                "Top-Right [ ]",
                                                "Bottom-Left [ ]",
                                                "Bottom-Right [ ]",
                                                "-",
                                                "Rulers Start With Pixel 0 [x]",
                                                "Rulers Start With Pixel 1 [ ]"};
    // Without a picture its entries are disabled and "Proportional" is hidden.
    QTest::newRow("Image") << "Image"
                           << QStringList{"Open Image",
                                          "-",
                                          "Actual Size [x] (disabled)",
                                          "Stretch Image [ ] (disabled)",
                                          "Transparent Image [ ] (disabled)",
                                          "Ruler to Image Size (disabled)",
                                          "-",
                                          "Clear Image (disabled)"};
    QTest::newRow("Tools") << "Tools"
                           << QStringList{"Magnifier <Alt+Shift+M>", "Set Position / Size <Alt+Shift+P>",
                                          "Copy Readings <Ctrl+C>", "Copy Picture of Region <Alt+Shift+O>",
                                          "Save Picture of Region… <Alt+O>", "Edge Finder <E> [ ]"};
    QTest::newRow("Flying Figure") << "Flying Figure"
                                   << QStringList{"Ruler <0> [x]",
                                                  "-",
                                                  "Rectangle <1> [ ]",
                                                  "Square <2> [ ]",
                                                  "Rhombus <3> [ ]",
                                                  "Isosceles Triangle <4> [ ]",
                                                  "Right Triangle <5> [ ]",
                                                  "Circle <6> [ ]",
                                                  "Ellipse <7> [ ]",
                                                  "-",
                                                  "Centered Rectangle <Shift+1> [ ]",
                                                  "Centered Square <Shift+2> [ ]",
                                                  "Centered Rhombus <Shift+3> [ ]",
                                                  "Centered Isosceles Triangle <Shift+4> [ ]",
                                                  "Centered Right Triangle <Shift+5> [ ]",
                                                  "Centered Circle <Shift+6> [ ]",
                                                  "Centered Ellipse <Shift+7> [ ]",
                                                  "-",
                                                  "Ratio 1.33333333:1 -- 4:3 <Alt+1> [ ]",
                                                  "Ratio 1.77777778:1 -- 16:9 <Alt+2> [ ]",
                                                  "Ratio 1.66666667:1 -- 5:3 <Alt+3> [ ]",
                                                  "Ratio 1.5:1 -- 3:2 <Alt+4> [ ]",
                                                  "Ratio 1.85:1 <Alt+5> [ ]",
                                                  "Ratio 2.39:1 <Alt+6> [ ]",
                                                  "Ratio 1.61803399:1 -- \"golden\" ratio <Alt+7> [ ]",
                                                  "-",
                                                  "Send to Center <\\>",
                                                  "Reverse Alt Key Behavior <Alt+Shift+S> [ ]"};
}

void TestRulerMenus::menuLayout()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, expected);
    RulerWindow *ruler = makeRuler();
    ruler->rebuildMenu();
    const QMenu *shown = menu.isEmpty() ? ruler->menu()->contextMenu() : submenu(*ruler, menu);
    QVERIFY(shown);
    QCOMPARE(entries(shown), expected);
}

void TestRulerMenus::closeRulerNeedsTwoRulers()
{
    const QString close = QStringLiteral("Close Ruler <Alt+W>");
    RulerWindow *first = makeRuler();
    first->rebuildMenu();
    QVERIFY(!entries(first->menu()->contextMenu()).contains(close));
    QAction *closeEntry = first->menu()->action(C::CloseRuler);
    QVERIFY(!first->menu()->contextMenu()->actions().contains(closeEntry));
    QVERIFY(!closeEntry->isEnabled());

    RulerWindow *second = makeRuler();
    for (RulerWindow *ruler : {first, second}) {
        ruler->rebuildMenu();
        // Right after "New Ruler".
        QCOMPARE(entries(ruler->menu()->contextMenu()).mid(0, 2), (QStringList{"New Ruler <Alt+N>", close}));
    }

    // Back to one ruler: the entry goes again.
    QPointer<RulerWindow> closed = second;
    second->execute(C::CloseRuler);
    m_rulers.removeOne(second);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(closed.isNull());
    QCOMPARE(m_hub->rulers(), QList<RulerWindow *>{first});
    first->rebuildMenu();
    QVERIFY(!entries(first->menu()->contextMenu()).contains(close));
}

void TestRulerMenus::unitEntriesFollowTheTables_data()
{
    QTest::addColumn<QString>("tableName"); // the preferences' table widget
    QTest::addColumn<QList<int>>("rows");   // rows that get a name, "Unit <row>"
    QTest::addColumn<QStringList>("unitMenu");

    QTest::newRow("the factory units")
        << QString() << QList<int>{}
        << QStringList{
               "Pixels [x]",   "Inches [ ]", "Centimeters [ ]",         "Millimeters [ ]", "Points [ ]",
               "(Edit Units)", "-",          "(Edit Pixel-Based Units)"};
    QTest::newRow("a pixel-based unit named in row 2")
        << "pixelUnitTable" << QList<int>{2}
        << QStringList{
               "Pixels [x]",   "Inches [ ]", "Centimeters [ ]", "Millimeters [ ]",         "Points [ ]",
               "(Edit Units)", "-",          "Unit 2 [ ]",      "(Edit Pixel-Based Units)"};
    QTest::newRow("a physical unit named in row 6")
        << "unitTable" << QList<int>{6}
        << QStringList{"Pixels [x]",      "Inches [ ]", "Centimeters [ ]",
                       "Millimeters [ ]", "Points [ ]", "Unit 6 [ ]",
                       "(Edit Units)",    "-",          "(Edit Pixel-Based Units)"};
    QTest::newRow("every pixel-based row named: nine entries")
        << "pixelUnitTable" << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}
        << QStringList{"Pixels [x]",
                       "Inches [ ]",
                       "Centimeters [ ]",
                       "Millimeters [ ]",
                       "Points [ ]",
                       "(Edit Units)",
                       "-",
                       "Unit 0 [ ]",
                       "Unit 1 [ ]",
                       "Unit 2 [ ]",
                       "Unit 3 [ ]",
                       "Unit 4 [ ]",
                       "Unit 5 [ ]",
                       "Unit 6 [ ]",
                       "Unit 7 [ ]",
                       "Unit 8 [ ]",
                       "(Edit Pixel-Based Units)"};
}

void TestRulerMenus::unitEntriesFollowTheTables()
{
    QFETCH(QString, tableName);
    QFETCH(QList<int>, rows);
    QFETCH(QStringList, unitMenu);
    RulerWindow *ruler = makeRuler();
    ruler->rebuildMenu();
    if (!tableName.isEmpty()) {
        QTableWidget *units = table(qPrintable(tableName));
        QVERIFY(units);
        for (int row : rows)
            units->item(row, 0)->setText(QStringLiteral("Unit %1").arg(row));
    }
    // The names show at the next opening of the menu.
    ruler->rebuildMenu();
    QCOMPARE(entries(submenu(*ruler, QStringLiteral("Unit"))), unitMenu);
    // The tenth row of each table never has a name, so its entry never shows.
    QVERIFY(!ruler->menu()->action(RulerCommands::physicalUnit(9))->isVisible());
    QVERIFY(!ruler->menu()->action(RulerCommands::pixelUnit(9))->isVisible());
    QVERIFY(!ruler->menu()->action(RulerCommands::pixelUnit(9))->isEnabled());
}

void TestRulerMenus::checkForUpdates_data()
{
    QTest::addColumn<bool>("automatic");
    QTest::addColumn<QStringList>("helpPart"); // the entries after "Gradora Help"

    QTest::newRow("automatic checks on")
        << true << QStringList{"Online Info", "Request Feature", "About Gradora"};
#if GRADORA_UPDATE_CHECK
    QTest::newRow("automatic checks off")
        << false << QStringList{"Check for Updates", "Online Info", "Request Feature", "About Gradora"};
#else
    // A build without the update check has no entry for it.
    QTest::newRow("automatic checks off")
        << false << QStringList{"Online Info", "Request Feature", "About Gradora"};
#endif
}

void TestRulerMenus::checkForUpdates()
{
    QFETCH(bool, automatic);
    QFETCH(QStringList, helpPart);
    RulerWindow *ruler = makeRuler();
    m_hub->preferences()->setValue(ProgramSetting::AutoUpdates, automatic);
    ruler->rebuildMenu();
    const QStringList lines = entries(ruler->menu()->contextMenu());
    const qsizetype help = lines.indexOf(QStringLiteral("Gradora Help <Alt+/>"));
    QVERIFY(help >= 0);
    QCOMPARE(lines.mid(help + 1, helpPart.size()), helpPart);
}

void TestRulerMenus::trayShowsTheLastRebuiltMenu()
{
    if (!m_hub->trayIcon())
        QSKIP("no tray icon on this platform");
    RulerWindow *first = makeRuler();
    RulerWindow *second = makeRuler();
    first->rebuildMenu();
    QCOMPARE(m_hub->trayIcon()->contextMenu(), first->menu()->contextMenu());
    second->rebuildMenu();
    QCOMPARE(m_hub->trayIcon()->contextMenu(), second->menu()->contextMenu());
}

void TestRulerMenus::freeEntriesStayOutOfTheMenus()
{
    RulerWindow *ruler = makeRuler();
    ruler->rebuildMenu();
    const QStringList shapes{"Rectangle",      "Square", "Rhombus", "Isosceles Triangle",
                             "Right Triangle", "Circle", "Ellipse"};
    ruler->execute(RulerCommands::cornerShape(2));
    const FigureState before = figureState(*ruler);
    for (int i = 0; i < RulerCommands::kShapes; ++i) {
        const QAction *free = ruler->menu()->action(RulerCommands::freeShape(i));
        QCOMPARE(free->text(), QStringLiteral("Free ") + shapes.at(i));
        QCOMPARE(free->shortcut(), QKeySequence(QStringLiteral("Alt+%1").arg(i + 1)));
        QVERIFY(free->isCheckable());
        for (const QMenu *menu : allMenus(ruler->menu()->contextMenu()))
            QVERIFY2(!menu->actions().contains(free), qPrintable(menu->title()));
        QVERIFY(free->associatedObjects().isEmpty());
        ruler->execute(RulerCommands::freeShape(i));
        QVERIFY(figureState(*ruler) == before);
    }
}

void TestRulerMenus::shortcutsLeaveTheKeysToTheRuler_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("entry"); // index of the ratio entry, or -1 for "Rectangle"

    QTest::newRow("Alt+1: ratio 4:3") << int(Qt::Key_1) << int(Qt::AltModifier) << 0;
    QTest::newRow("Alt+2: ratio 16:9") << int(Qt::Key_2) << int(Qt::AltModifier) << 1;
    QTest::newRow("Alt+7: golden ratio") << int(Qt::Key_7) << int(Qt::AltModifier) << 6;
    QTest::newRow("1: rectangle") << int(Qt::Key_1) << 0 << -1;
}

void TestRulerMenus::shortcutsLeaveTheKeysToTheRuler()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, entry);
    RulerWindow *ruler = makeRuler();
    ruler->rebuildMenu();
    QVERIFY(ruler->menu()->action(C::FlyingRuler)->isChecked());
    // Sent to the window, so that the key passes the application's shortcut map first, as a real key does.
    QTest::keyClick(ruler->windowHandle(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    if (entry >= 0) {
        QVERIFY(ruler->flyingFigure().isRatioRectangle());
        QVERIFY(ruler->menu()->action(RulerCommands::ratio(entry))->isChecked());
    } else {
        QVERIFY(!ruler->flyingFigure().isRatioRectangle());
        QVERIFY(ruler->menu()->action(RulerCommands::cornerShape(0))->isChecked());
    }
    for (int i = 0; i < RulerCommands::kShapes; ++i)
        QVERIFY(!ruler->menu()->action(RulerCommands::freeShape(i))->isChecked());
}

void TestRulerMenus::figureReadingsNeedTheFigure()
{
    RulerWindow *ruler = makeRuler();
    RulerMenu *menu = ruler->menu();
    QVERIFY(ruler->state().options().value(O::ShowFigureReadings));
    ruler->execute(C::ShowFigure);
    QVERIFY(!ruler->state().options().value(O::ShowFigure));
    QVERIFY(!menu->action(C::ShowFigureReadings)->isEnabled());
    QVERIFY(!submenu(*ruler, QStringLiteral("Flying Figure"))->isEnabled());

    // Neither the disabled entry nor its command changes the option while the figure is hidden.
    menu->action(C::ShowFigureReadings)->trigger();
    ruler->execute(C::ShowFigureReadings);
    QVERIFY(ruler->state().options().value(O::ShowFigureReadings));
    QVERIFY(menu->action(C::ShowFigureReadings)->isChecked());

    ruler->execute(C::ShowFigure);
    ruler->execute(C::ShowFigureReadings);
    QVERIFY(!ruler->state().options().value(O::ShowFigureReadings));
    QVERIFY(!menu->action(C::ShowFigureReadings)->isChecked());
}

void TestRulerMenus::boldControlPointsKeptWhileHidden()
{
    RulerWindow *ruler = makeRuler();
    RulerMenu *menu = ruler->menu();
    ruler->execute(C::BoldControlPoints); // bold off
    QVERIFY(!ruler->state().options().value(O::BoldControlPoints));
    ruler->execute(C::ShowControlPoints); // control points hidden
    QVERIFY(ruler->state().options().value(O::HideControlPoints));
    QVERIFY(!menu->action(C::ShowControlPoints)->isChecked());
    QVERIFY(!menu->action(C::BoldControlPoints)->isEnabled());

    ruler->execute(C::BoldControlPoints);
    QVERIFY(!ruler->state().options().value(O::BoldControlPoints));
    QVERIFY(!menu->action(C::BoldControlPoints)->isChecked());

    ruler->execute(C::ShowControlPoints); // shown again, with the state they had
    QVERIFY(menu->action(C::BoldControlPoints)->isEnabled());
    QVERIFY(!ruler->state().options().value(O::BoldControlPoints));
    QVERIFY(!menu->action(C::BoldControlPoints)->isChecked());
}

void TestRulerMenus::minimalReadingsTurnReadingsOn()
{
    RulerWindow *ruler = makeRuler();
    RulerMenu *menu = ruler->menu();
    ruler->execute(C::ShowReadings);
    QVERIFY(!ruler->state().options().value(O::ShowReadings));
    QVERIFY(!menu->action(C::MinimalReadings)->isEnabled());

    ruler->execute(C::MinimalReadings);
    QVERIFY(ruler->state().options().value(O::MinimalReadings));
    QVERIFY(ruler->state().options().value(O::ShowReadings));
    QVERIFY(menu->action(C::ShowReadings)->isChecked());
    QVERIFY(menu->action(C::MinimalReadings)->isChecked());
    QVERIFY(menu->action(C::MinimalReadings)->isEnabled());

    // Off again: readings stay on.
    ruler->execute(C::MinimalReadings);
    QVERIFY(!ruler->state().options().value(O::MinimalReadings));
    QVERIFY(!menu->action(C::MinimalReadings)->isChecked());
    QVERIFY(ruler->state().options().value(O::ShowReadings));
}

// Every command with an entry shows in one menu, except the free shapes; the optional entries show
// once the program asks for them.
void TestRulerMenus::everyEntryOfTheTableIsInAMenu()
{
    m_hub->preferences()->setValue(ProgramSetting::AutoUpdates, false);
    makeRuler();
    RulerWindow *ruler = makeRuler();
    ruler->rebuildMenu();
    QList<QAction *> shown;
    for (const QMenu *menu : allMenus(ruler->menu()->contextMenu()))
        shown << menu->actions();
    for (RulerCommand command : RulerCommands::all()) {
        const QAction *entry = ruler->menu()->action(command);
        if (!RulerCommands::hasMenuEntry(command)) {
            QVERIFY(!entry);
            continue;
        }
#if !GRADORA_UPDATE_CHECK
        if (command == C::CheckForUpdates)
            continue;
#endif
        const bool free = RulerCommands::inRange(command, C::FreeShapeFirst, RulerCommands::kShapes);
        QVERIFY(entry);
        QCOMPARE(shown.count(entry), free ? 0 : 1);
    }
}

void TestRulerMenus::checkMarksFollowTheOptions_data()
{
    QTest::addColumn<RulerCommand>("command");
    for (RulerCommand command : RulerCommands::all()) {
        const RulerCommands::Entry &row = RulerCommands::entry(command);
        if (row.option && RulerCommands::hasMenuEntry(command))
            QTest::newRow(qPrintable(RulerCommands::text(command))) << command;
    }
}

// Chosen from the menu or run as a command, an entry's check mark shows its option.
void TestRulerMenus::checkMarksFollowTheOptions()
{
    QFETCH(RulerCommand, command);
    RulerWindow *ruler = makeRuler();
    const RulerCommands::Entry &row = RulerCommands::entry(command);
    QAction *entry = ruler->menu()->action(command);
    QVERIFY(entry->isCheckable());
    const bool before = ruler->state().options().value(*row.option);
    QCOMPARE(entry->isChecked(), before != row.checkShowsOpposite);
    entry->setEnabled(true);
    entry->trigger();
    QCOMPARE(ruler->state().options().value(*row.option), !before);
    QCOMPARE(entry->isChecked(), !before != row.checkShowsOpposite);
    ruler->execute(command);
    QCOMPARE(ruler->state().options().value(*row.option), before);
    QCOMPARE(entry->isChecked(), before != row.checkShowsOpposite);
}

void TestRulerMenus::colorDialogFollowsTheLastRuler()
{
    RulerWindow *first = makeRuler();
    RulerWindow *second = makeRuler();
    QColorDialog *dialog = m_hub->colorDialog();
    const QColor firstGuides = first->state().color(ColorTarget::Guides);
    const QColor firstBackground = first->state().color(ColorTarget::Background);
    const QColor secondGuides = second->state().color(ColorTarget::Guides);

    first->menu()->action(C::GuidesColor)->trigger();
    QVERIFY(m_hub->colorTarget() == ColorTarget::Guides);
    QCOMPARE(dialog->currentColor(), firstGuides);
    second->menu()->action(C::BackgroundColor)->trigger();
    QVERIFY(m_hub->colorTarget() == ColorTarget::Background);
    QCOMPARE(dialog->currentColor(), second->state().color(ColorTarget::Background));

    const QColor chosen(12, 34, 56, 200);
    emit dialog->currentColorChanged(chosen);
    QCOMPARE(second->state().color(ColorTarget::Background), chosen);
    QCOMPARE(second->state().color(ColorTarget::Guides), secondGuides);
    QCOMPARE(first->state().color(ColorTarget::Guides), firstGuides);
    QCOMPARE(first->state().color(ColorTarget::Background), firstBackground);

    const QColor selected(90, 80, 70, 150);
    emit dialog->colorSelected(selected);
    QCOMPARE(second->state().color(ColorTarget::Background), selected);
    QCOMPARE(first->state().color(ColorTarget::Guides), firstGuides);
    dialog->hide();
}

GRADORA_TEST_MAIN(TestRulerMenus)
#include "tst_rulermenus.moc"
