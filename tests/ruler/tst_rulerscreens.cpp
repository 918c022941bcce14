// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "prefs/preferencesdialog.h"
#include "ruler/commands/rulermenu.h"
#include "rulerfixture.h"

#include <QAction>
#include <QColorDialog>
#include <QFile>
#include <QMenu>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <memory>

// Rulers on a desktop of two screens side by side: 1920 x 1080 at (0, 0) and 1280 x 1024 at (1920, 0).
class TestRulerScreens : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void snapping_data();
    void snapping();
    void dragMovedByTheDesktopEndsWhereThePointerLeftIt_data();
    void dragMovedByTheDesktopEndsWhereThePointerLeftIt();
    void lockingCutsAnOverWideWindow();
    void lockingDoesNothingInFullScreen();
    void secondScreenReadsItsOwnCalibration();
    void newRulerBesideItsMaker();
    void colorDialogFollowsTheNewRuler();
    void newRulerOfAStayOnTopRulerOpensInFront();
    void preferencesCenteredOnThePrimaryScreen();

private:
    RulerWindow *makeRuler(const QRect &geometry) { return m_fixture.shown(geometry); }
    RulerFixture m_fixture;
};

void TestRulerScreens::initTestCase()
{
    QCOMPARE(QGuiApplication::screens().size(), 2);
    QCOMPARE(QGuiApplication::screens().at(1)->geometry(), QRect(1920, 0, 1280, 1024));
}

void TestRulerScreens::init()
{
    m_fixture.setUp(false);
}

void TestRulerScreens::cleanup()
{
    m_fixture.tearDown();
}

void TestRulerScreens::snapping_data()
{
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("L + 25 snaps") << QPoint(25, 300) << QPoint(0, 300);
    QTest::newRow("L + 26 stays") << QPoint(26, 300) << QPoint(26, 300);
    QTest::newRow("300 wide at x 1600 goes to 1620") << QPoint(1600, 300) << QPoint(1620, 300);
    QTest::newRow("second screen's left edge") << QPoint(1940, 300) << QPoint(1920, 300);
    QTest::newRow("second screen's right edge") << QPoint(2880, 300) << QPoint(2900, 300);
    QTest::newRow("second screen's bottom") << QPoint(2200, 810) << QPoint(2200, 824);
}

void TestRulerScreens::snapping()
{
    QFETCH(QPoint, to);
    QFETCH(QPoint, expected);
    RulerWindow *ruler = makeRuler(QRect(500, 300, 300, 200));
    ruler->execute(RulerCommand::ShowFigure); // the body, not the figure, is dragged
    ruler->menu()->action(RulerCommand::SnapToScreen)->trigger();
    QVERIFY(ruler->state().options().value(RulerOption::SnapToScreen));
    const QPoint grab(150, 100);
    QTest::mouseMove(ruler, grab);
    QTest::mousePress(ruler, Qt::LeftButton, Qt::NoModifier, grab);
    QTest::mouseMove(ruler, grab + to - ruler->pos());
    QTest::mouseRelease(ruler, Qt::LeftButton, Qt::NoModifier, grab + to - ruler->pos());
    QTRY_COMPARE(ruler->pos(), expected);

    // Snapping belongs to the pointer: a window placed by the program, a key or a dialog stays exactly.
    ruler->move(to);
    QTest::qWait(20);
    QCOMPARE(ruler->pos(), to);
}

void TestRulerScreens::dragMovedByTheDesktopEndsWhereThePointerLeftIt_data()
{
    QTest::addColumn<bool>("snap");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("free") << false << QPoint(731, 412) << QPoint(731, 412);
    QTest::newRow("snapped to the left edge") << true << QPoint(20, 412) << QPoint(0, 412);
    QTest::newRow("snapped to the second screen's bottom") << true << QPoint(2200, 810) << QPoint(2200, 824);
    QTest::newRow("snapping on, nothing near") << true << QPoint(731, 412) << QPoint(731, 412);
}

// Where the desktop moves a dragged window its own cheaper way, a quick drag moves it at most once a
// frame, each time to a place the pointer asked for (snapped), and its release to the last one.
void TestRulerScreens::dragMovedByTheDesktopEndsWhereThePointerLeftIt()
{
    QFETCH(bool, snap);
    QFETCH(QPoint, to);
    QFETCH(QPoint, expected);
    RulerWindow *ruler = makeRuler(QRect(500, 300, 300, 200));
    ruler->execute(RulerCommand::ShowFigure); // the body, not the figure, is dragged
    if (snap)
        ruler->menu()->action(RulerCommand::SnapToScreen)->trigger();
    QList<QPoint> moved;
    m_fixture.desktop->moveAt = [&](WId window, const QPoint &topLeft) {
        moved << topLeft;
        QWidget::find(window)->move(topLeft);
        return true;
    };
    const QPoint grab(150, 100);
    const QPoint start = ruler->pos();
    QTest::mouseMove(ruler, grab);
    QTest::mousePress(ruler, Qt::LeftButton, Qt::NoModifier, grab);
    const int steps = 40;
    for (int step = 1; step <= steps; ++step) {
        const QPoint place = start + (to - start) * step / steps;
        QTest::mouseMove(ruler, grab + place - ruler->pos());
    }
    QVERIFY(!moved.isEmpty());
    QVERIFY(moved.size() <= steps);
    QTest::mouseRelease(ruler, Qt::LeftButton, Qt::NoModifier, grab + to - ruler->pos());
    QCOMPARE(ruler->pos(), expected);
    QCOMPARE(moved.last(), expected);

    // After the drag, a move of the program's own goes the toolkit's way.
    const int desktopMoves = moved.size();
    QTest::keyClick(ruler, Qt::Key_Right);
    QCOMPARE(moved.size(), desktopMoves);
    QVERIFY(ruler->pos().x() > expected.x());
}

void TestRulerScreens::lockingCutsAnOverWideWindow()
{
    RulerWindow *ruler = makeRuler(QRect(2000, 100, 1500, 300));
    ruler->execute(RulerCommand::LockToScreen);
    QTRY_COMPARE(ruler->geometry(), QRect(1920, 100, 1280, 300));
    QCOMPARE(ruler->state().display(), 1);
}

void TestRulerScreens::lockingDoesNothingInFullScreen()
{
    RulerWindow *ruler = makeRuler(QRect(100, 100, 300, 200));
    ruler->execute(RulerCommand::FullScreen);
    QTRY_COMPARE(ruler->geometry(), QRect(0, 0, 1920, 1080));
    setOption(*ruler, RulerOption::LockToScreen, true);
    ruler->followWindowMove();
    QCOMPARE(ruler->geometry(), QRect(0, 0, 1920, 1080));
    ruler->execute(RulerCommand::FullScreen);
    QTRY_COMPARE(ruler->geometry(), QRect(100, 100, 300, 200));
}

void TestRulerScreens::secondScreenReadsItsOwnCalibration()
{
    // Display 1 at 96 ppi, display 2 at 192 ppi; the ruler measures in inches.
    TextGrid displays = m_fixture.preferences()->displayCells();
    displays[0][1] = displays[0][2] = QStringLiteral("96");
    displays[1][1] = displays[1][2] = QStringLiteral("192");
    m_fixture.preferences()->setDisplayCells(displays);
    RulerWindow *ruler = makeRuler(QRect(100, 100, 300, 200));
    ruler->execute(RulerCommands::physicalUnit(0));
    QCOMPARE(ruler->state().scale().pixelsPerUnitX, 96.0);

    ruler->move(2100, 100);
    QTRY_COMPARE(ruler->state().display(), 1);
    QCOMPARE(ruler->state().scale().pixelsPerUnitX, 192.0);
}

void TestRulerScreens::newRulerBesideItsMaker()
{
    RulerWindow *maker = makeRuler(QRect(2000, 200, 640, 480));
    maker->execute(RulerCommand::NewRuler);
    QCOMPARE(m_fixture.hub->rulers().size(), 2);
    RulerWindow *made = m_fixture.hub->rulers().last();
    m_fixture.adopt(made);
    QTRY_COMPARE(made->geometry(), QRect(2050, 250, 300, 200));
    QCOMPARE(made->state().color(ColorTarget::Background), RulerWindow::backgroundPalette().at(1));
    QVERIFY(made->menu()->action(RulerCommand::CloseRuler)->isVisible());
    maker->rebuildMenu();
    QVERIFY(
        maker->menu()->contextMenu()->actions().contains(maker->menu()->action(RulerCommand::CloseRuler)));
}

void TestRulerScreens::colorDialogFollowsTheNewRuler()
{
    RulerWindow *maker = makeRuler(QRect(100, 100, 300, 200));
    maker->execute(RulerCommand::BackgroundColor);
    QVERIFY(m_fixture.hub->colorDialog()->isVisible());
    maker->execute(RulerCommand::NewRuler);
    RulerWindow *made = m_fixture.hub->rulers().last();
    m_fixture.adopt(made);
    const QColor makerColor = maker->state().color(ColorTarget::Background);
    Q_EMIT m_fixture.hub->colorDialog()->currentColorChanged(QColor(1, 2, 3, 200));
    QCOMPARE(made->state().color(ColorTarget::Background), QColor(1, 2, 3, 200));
    QCOMPARE(maker->state().color(ColorTarget::Background), makerColor);
    m_fixture.hub->colorDialog()->hide();
}

// Made from a ruler that stays on top, the new ruler stays on top too (beneath it, a window manager
// would open it hidden) and takes the keyboard; the panel stays on top exactly with the ruler it
// describes.
void TestRulerScreens::newRulerOfAStayOnTopRulerOpensInFront()
{
    m_fixture.preferences()->setValue(ProgramSetting::ShowInfoPanel, true);
    RulerWindow *maker = m_fixture.shown(QRect(100, 100, 640, 480), true);
    QTest::mouseClick(maker, Qt::LeftButton, Qt::NoModifier, QPoint(300, 6));
    InfoPanel *panel = m_fixture.hub->infoPanel();
    QCOMPARE(panel->owner(), maker);
    QVERIFY(!panel->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    maker->execute(RulerCommand::StayOnTop);
    QVERIFY(maker->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(panel->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QTRY_VERIFY(panel->isVisible());

    maker->execute(RulerCommand::NewRuler);
    RulerWindow *made = m_fixture.hub->rulers().last();
    m_fixture.adopt(made);
    QVERIFY(made->state().options().value(RulerOption::StayOnTop));
    QVERIFY(made->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(made->menu()->action(RulerCommand::StayOnTop)->isChecked());
    QTRY_VERIFY(made->isActiveWindow());
    QCOMPARE(panel->owner(), made);

    // A ruler that does not stay on top takes the panel down with it.
    RulerWindow *plain = m_fixture.shown(QRect(900, 100, 300, 200), true);
    QVERIFY(!plain->state().options().value(RulerOption::StayOnTop));
    QTest::mouseClick(plain, Qt::LeftButton, Qt::NoModifier, QPoint(150, 6));
    QCOMPARE(panel->owner(), plain);
    QVERIFY(!panel->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QTRY_VERIFY(panel->isVisible());
}

void TestRulerScreens::preferencesCenteredOnThePrimaryScreen()
{
    RulerWindow *ruler = makeRuler(QRect(2100, 100, 300, 200));
    ruler->execute(RulerCommand::Preferences);
    const QRect dialog = m_fixture.hub->preferencesDialog()->geometry();
    QCOMPARE(m_fixture.hub->preferencesDialog()->frameGeometry().left(), 1919 / 2 - (dialog.width() - 1) / 2);
    QCOMPARE(m_fixture.hub->preferencesDialog()->frameGeometry().top(), 1079 / 2 - (dialog.height() - 1) / 2);
    QCOMPARE(m_fixture.hub->preferencesDialog()->findChild<QTabWidget *>("pageTabs")->currentIndex(), 0);
    m_fixture.hub->preferencesDialog()->hide();
}

int main(int argc, char **argv)
{
    const QString home = TestSupport::isolateUserFiles();
    const QString config = home + QStringLiteral("/screens.json");
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(R"({"screens": [
        {"name": "left", "x": 0, "y": 0, "width": 1920, "height": 1080, "logicalDpi": 96, "dpr": 1},
        {"name": "right", "x": 1920, "y": 0, "width": 1280, "height": 1024, "logicalDpi": 96, "dpr": 1}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    QApplication app(argc, argv);
    TestSupport::setIdentity();
    TestRulerScreens test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_rulerscreens.moc"
