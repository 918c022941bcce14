// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/commands/rulermenu.h"
#include "rulerfixture.h"

#include <QAction>
#include <QTest>
#include <QWheelEvent>
#include <memory>

namespace {
// A copy for comparing: an emptied list compared with an empty one trips the sanitizer in QList.
QList<int> values(const QList<int> &guides)
{
    return QList<int>(guides.cbegin(), guides.cend());
}
} // namespace

// A real ruler window offscreen, driven with mouse, wheel and key events.
class TestRulerInteraction : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void guideCreation_data();
    void guideCreation();
    void guideDraggedOutIsRemoved_data();
    void guideDraggedOutIsRemoved();
    void hoverNextToGuide_data();
    void hoverNextToGuide();
    void edgeResize_data();
    void edgeResize();
    void bodyDragOnTheFigureMovesTheFigure();
    void fullScreenResizes();
    void doubleClickTogglesFullScreenTwice();
    void wheelAccumulator();
    void wheelActions_data();
    void wheelActions();
    void thinRulerEdges_data();
    void thinRulerEdges();
    void handleNearTheTopEdge();
    void arrowKeys_data();
    void arrowKeys();
    void keySequences_data();
    void keySequences();
    void keysNeverLoseTheRuler_data();
    void keysNeverLoseTheRuler();
    void altQSavesOnlyThisRuler();
    void closingTheMiddleRulerActivatesTheLast();

private:
    RulerWindow *makeRuler(const QRect &geometry = QRect(100, 100, 300, 200))
    {
        return m_fixture.shown(geometry);
    }
    void drag(RulerWindow *ruler, const QPoint &from, const QPoint &to);
    static void turnWheel(RulerWindow *ruler, const QPoint &pos, const QPoint &angleDelta,
                          Qt::KeyboardModifiers modifiers);
    RulerFixture m_fixture;
};

void TestRulerInteraction::init()
{
    m_fixture.setUp(false);
}

void TestRulerInteraction::cleanup()
{
    m_fixture.tearDown();
}

void TestRulerInteraction::drag(RulerWindow *ruler, const QPoint &from, const QPoint &to)
{
    // The test's pointer may still stand where the last window left it: hover in from elsewhere.
    QTest::mouseMove(ruler, QPoint(150, 150));
    QTest::mouseMove(ruler, from);
    QTest::mousePress(ruler, Qt::LeftButton, Qt::NoModifier, from);
    if (to != from)
        QTest::mouseMove(ruler, to);
    QTest::mouseRelease(ruler, Qt::LeftButton, Qt::NoModifier, to);
}

void TestRulerInteraction::guideCreation_data()
{
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<QList<int>>("vertical");
    QTest::addColumn<QList<int>>("horizontal");
    QTest::newRow("left band at 11, dragged")
        << QPoint(11, 100) << QPoint(60, 100) << QList<int>{60} << QList<int>{};
    QTest::newRow("left band at 29, dragged")
        << QPoint(29, 100) << QPoint(80, 100) << QList<int>{80} << QList<int>{};
    QTest::newRow("x 10 gives none") << QPoint(10, 100) << QPoint(60, 100) << QList<int>{} << QList<int>{};
    QTest::newRow("x 30 gives none") << QPoint(30, 100) << QPoint(60, 100) << QList<int>{} << QList<int>{};
    QTest::newRow("top band, dragged")
        << QPoint(150, 20) << QPoint(150, 90) << QList<int>{} << QList<int>{90};
    QTest::newRow("corner square gives a horizontal guide")
        << QPoint(20, 20) << QPoint(60, 70) << QList<int>{} << QList<int>{70};
    QTest::newRow("click without a drag leaves none")
        << QPoint(11, 100) << QPoint(11, 100) << QList<int>{} << QList<int>{};
}

void TestRulerInteraction::guideCreation()
{
    QFETCH(QPoint, press);
    QFETCH(QPoint, release);
    QFETCH(QList<int>, vertical);
    QFETCH(QList<int>, horizontal);
    RulerWindow *ruler = makeRuler();
    drag(ruler, press, release);
    QCOMPARE(values(ruler->guides().vertical()), vertical);
    QCOMPARE(values(ruler->guides().horizontal()), horizontal);
    QCOMPARE(ruler->guides().drag(), GuideDrag::None);
}

void TestRulerInteraction::guideDraggedOutIsRemoved_data()
{
    QTest::addColumn<int>("y");
    QTest::addColumn<bool>("kept");
    QTest::newRow("y 0 removed") << 0 << false;
    QTest::newRow("y 1 kept") << 1 << true;
    QTest::newRow("y h-2 kept") << 198 << true;
    QTest::newRow("y h-1 removed") << 199 << false;
    QTest::newRow("beyond the window removed") << 260 << false;
}

void TestRulerInteraction::guideDraggedOutIsRemoved()
{
    QFETCH(int, y);
    QFETCH(bool, kept);
    RulerWindow *ruler = makeRuler();
    drag(ruler, QPoint(150, 20), QPoint(150, 100));
    QCOMPARE(ruler->guides().horizontal(), QList<int>{100});
    // Grab the guide again and drag it.
    QTest::mouseMove(ruler, QPoint(150, 101));
    QVERIFY(ruler->guides().isHovered());
    QCOMPARE(ruler->cursor().shape(), Qt::SplitVCursor);
    QTest::mousePress(ruler, Qt::LeftButton, Qt::NoModifier, QPoint(150, 101));
    QTest::mouseMove(ruler, QPoint(150, y));
    QTest::mouseRelease(ruler, Qt::LeftButton, Qt::NoModifier, QPoint(150, y));
    QCOMPARE(ruler->guides().horizontal().size(), kept ? 1 : 0);
    if (kept)
        QCOMPARE(ruler->guides().horizontal().first(), y);
}

void TestRulerInteraction::hoverNextToGuide_data()
{
    QTest::addColumn<int>("distance");
    QTest::addColumn<bool>("split");
    QTest::newRow("2 px shows the split cursor") << 2 << true;
    QTest::newRow("3 px does not") << 3 << false;
}

void TestRulerInteraction::hoverNextToGuide()
{
    QFETCH(int, distance);
    QFETCH(bool, split);
    RulerWindow *ruler = makeRuler();
    RulerFixture::placeGuide(ruler, Qt::Vertical, 150);
    QTest::mouseMove(ruler, QPoint(150 + distance, 100));
    QCOMPARE(ruler->cursor().shape() == Qt::SplitHCursor, split);
}

void TestRulerInteraction::edgeResize_data()
{
    QTest::addColumn<QPoint>("grab");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("right edge to 21") << QPoint(298, 100) << QPoint(19, 100) << QRect(100, 100, 21, 200);
    QTest::newRow("right edge to 20 ignored")
        << QPoint(298, 100) << QPoint(18, 100) << QRect(100, 100, 300, 200);
    QTest::newRow("left edge to 20") << QPoint(2, 100) << QPoint(282, 100) << QRect(380, 100, 20, 200);
    QTest::newRow("left edge to 19 ignored")
        << QPoint(2, 100) << QPoint(283, 100) << QRect(100, 100, 300, 200);
    QTest::newRow("bottom-right") << QPoint(298, 198) << QPoint(318, 218) << QRect(100, 100, 320, 220);
    QTest::newRow("body moves the window")
        << QPoint(150, 100) << QPoint(170, 130) << QRect(120, 130, 300, 200);
}

void TestRulerInteraction::edgeResize()
{
    QFETCH(QPoint, grab);
    QFETCH(QPoint, to);
    QFETCH(QRect, expected);
    RulerWindow *ruler = makeRuler();
    ruler->execute(RulerCommand::ShowFigure); // the figure out of the way: these drags are about the window
    drag(ruler, grab, to);
    QCOMPARE(ruler->geometry(), expected);
}

void TestRulerInteraction::bodyDragOnTheFigureMovesTheFigure()
{
    RulerWindow *ruler = makeRuler();
    const QPoint center = ruler->rect().center();
    QVERIFY(ruler->flyingFigure().hitTest(center));
    const QPoint origin = ruler->flyingFigure().origin;
    drag(ruler, center, center + QPoint(7, 5));
    QCOMPARE(ruler->geometry(), QRect(100, 100, 300, 200));
    QCOMPARE(ruler->flyingFigure().origin, origin + QPoint(7, 5));
}

void TestRulerInteraction::fullScreenResizes()
{
    RulerWindow *ruler = makeRuler();
    ruler->execute(RulerCommand::FullScreen);
    QTRY_VERIFY(ruler->geometry().width() > 300);
    const QRect full = ruler->geometry();
    drag(ruler, QPoint(2, 100), QPoint(40, 100));
    QCOMPARE(ruler->geometry(), full);
    const QPoint corner(full.width() - 2, full.height() - 2);
    drag(ruler, corner, corner - QPoint(30, 40));
    QCOMPARE(ruler->geometry().size(), full.size() - QSize(30, 40));
}

void TestRulerInteraction::doubleClickTogglesFullScreenTwice()
{
    RulerWindow *ruler = makeRuler(QRect(123, 134, 345, 256));
    QTest::mouseDClick(ruler, Qt::LeftButton, Qt::NoModifier, QPoint(150, 100));
    QVERIFY(ruler->state().fullScreen());
    QTest::mouseDClick(ruler, Qt::LeftButton, Qt::NoModifier, QPoint(150, 100));
    QVERIFY(!ruler->state().fullScreen());
    QCOMPARE(ruler->geometry(), QRect(123, 134, 345, 256));
}

void TestRulerInteraction::turnWheel(RulerWindow *ruler, const QPoint &pos, const QPoint &angleDelta,
                                     Qt::KeyboardModifiers modifiers)
{
    QWheelEvent wheel(pos, ruler->mapToGlobal(pos), QPoint(), angleDelta, Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(ruler, &wheel);
}

void TestRulerInteraction::wheelAccumulator()
{
    RulerWindow *ruler = makeRuler();
    // Turns without a modifier change nothing, but they count: the next turn with Alt grows the
    // window by all the steps so far.
    for (int delta : {120, 120})
        turnWheel(ruler, QPoint(150, 100), QPoint(0, delta), Qt::NoModifier);
    QCOMPARE(ruler->geometry(), QRect(100, 100, 300, 200));
    turnWheel(ruler, QPoint(5, 5), QPoint(0, 120), Qt::AltModifier);
    QTRY_COMPARE(ruler->geometry(), QRect(100, 100, 303, 203));

    // Pressing Alt starts the count again.
    for (int delta : {120, 120})
        turnWheel(ruler, QPoint(150, 100), QPoint(0, delta), Qt::NoModifier);
    QTest::keyPress(ruler, Qt::Key_Alt, Qt::AltModifier);
    turnWheel(ruler, QPoint(5, 5), QPoint(0, 120), Qt::AltModifier);
    QTest::keyRelease(ruler, Qt::Key_Alt, Qt::NoModifier);
    QTRY_COMPARE(ruler->geometry(), QRect(100, 100, 304, 204));
}

using Deltas = QList<QPoint>;

void TestRulerInteraction::wheelActions_data()
{
    QTest::addColumn<QRect>("start");
    QTest::addColumn<Deltas>("deltas");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QRect>("expected");
    const QRect start(100, 100, 300, 200);
    const int alt = Qt::AltModifier;
    const int shift = Qt::ShiftModifier;
    const QPoint up(0, 120);
    // The pointer stands at (5, 5), outside the figure.
    QTest::newRow("Alt, one notch") << start << Deltas{up} << alt << QRect(100, 100, 301, 201);
    QTest::newRow("Alt as X11 reports it: on the horizontal axis")
        << start << Deltas{{120, 0}, {120, 0}} << alt << QRect(100, 100, 303, 203);
    QTest::newRow("Alt, down as X11 reports it")
        << start << Deltas{{-120, 0}} << alt << QRect(100, 100, 299, 199);
    QTest::newRow("Control acts as Alt")
        << start << Deltas{up} << int(Qt::ControlModifier) << QRect(100, 100, 301, 201);
    QTest::newRow("Alt on a touchpad: small deltas make a step")
        << start << Deltas{{0, 40}, {0, 40}, {0, 40}} << alt << QRect(100, 100, 301, 201);
    QTest::newRow("no modifier changes nothing") << start << Deltas{up, up} << 0 << start;
    QTest::newRow("Shift grows on every side") << start << Deltas{up} << shift << QRect(99, 99, 302, 202);
    QTest::newRow("Shift grows in place at x = 0")
        << QRect(0, 0, 300, 200) << Deltas{up} << shift << QRect(-1, -1, 302, 202);
    QTest::newRow("Shift grows in place near the origin")
        << QRect(12, 15, 300, 200) << Deltas{up, up} << shift << QRect(9, 12, 306, 206);
    QTest::newRow("Shift, one notch up then one down")
        << start << Deltas{up, {0, -120}} << shift << start;
    QTest::newRow("Control, one notch up then one down")
        << start << Deltas{up, {0, -120}} << int(Qt::ControlModifier) << start;
    QTest::newRow("Alt, one notch down then one up as X11 reports it")
        << start << Deltas{{-120, 0}, {120, 0}} << alt << start;
    QTest::newRow("Shift shrinks in place")
        << QRect(10, 10, 300, 200) << Deltas{{0, -120}} << shift << QRect(11, 11, 298, 198);
}

void TestRulerInteraction::wheelActions()
{
    QFETCH(QRect, start);
    QFETCH(Deltas, deltas);
    QFETCH(int, modifiers);
    QFETCH(QRect, expected);
    RulerWindow *ruler = makeRuler(start);
    for (const QPoint &delta : deltas)
        turnWheel(ruler, QPoint(5, 5), delta, Qt::KeyboardModifiers(modifiers));
    QTRY_COMPARE(ruler->geometry(), expected);
}

void TestRulerInteraction::thinRulerEdges_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("grab");
    QTest::addColumn<QPoint>("moved");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("right edge, 25 wide")
        << QSize(25, 300) << QPoint(22, 150) << QPoint(40, 0) << QSize(65, 300);
    QTest::newRow("right edge, 33 wide")
        << QSize(33, 300) << QPoint(30, 150) << QPoint(10, 0) << QSize(43, 300);
    QTest::newRow("bottom edge, 30 high")
        << QSize(400, 30) << QPoint(200, 27) << QPoint(0, 50) << QSize(400, 80);
    QTest::newRow("bottom-right corner, 21 square")
        << QSize(21, 21) << QPoint(19, 19) << QPoint(30, 20) << QSize(51, 41);
}

void TestRulerInteraction::thinRulerEdges()
{
    QFETCH(QSize, size);
    QFETCH(QPoint, grab);
    QFETCH(QPoint, moved);
    QFETCH(QSize, expected);
    RulerWindow *ruler = makeRuler(QRect(QPoint(300, 300), size));
    ruler->execute(RulerCommand::ShowFigure);
    // A click first leaves the test's pointer with no button held, whatever the tests before it did.
    QTest::mouseClick(ruler, Qt::LeftButton, Qt::NoModifier, QPoint(size.width() / 2, size.height() / 2));
    QTest::mouseMove(ruler, grab);
    QTest::mousePress(ruler, Qt::LeftButton, Qt::NoModifier, grab);
    QTest::mouseMove(ruler, grab + moved);

    QTest::mouseRelease(ruler, Qt::LeftButton, Qt::NoModifier, grab + moved);
    QTRY_COMPARE(ruler->size(), expected);
    QCOMPARE(ruler->pos(), QPoint(300, 300));
    QVERIFY(ruler->guides().isEmpty());
}

void TestRulerInteraction::handleNearTheTopEdge()
{
    RulerWindow *ruler = makeRuler(QRect(100, 100, 400, 300));
    ruler->execute(RulerCommands::cornerShape(0));
    // The rectangle's anchor moved into the top ticker's guide band.
    const QPoint anchor = ruler->flyingFigure().screenPoints.value(0);
    FigureModel moved = ruler->flyingFigure();
    moved.origin += QPoint(60, 20) - anchor;
    moved.recompute({});
    ruler->setFlyingFigure(moved);
    const QPoint handle = ruler->flyingFigure().screenPoints.value(0);
    QCOMPARE(handle, QPoint(60, 20));

    QTest::mouseMove(ruler, QPoint(200, 150));
    QTest::mouseMove(ruler, handle);
    QTest::mousePress(ruler, Qt::LeftButton, Qt::NoModifier, handle);
    // A handle's drag hides the pointer.
    QCOMPARE(ruler->cursor().shape(), Qt::BlankCursor);
    QTest::mouseMove(ruler, handle + QPoint(30, 40));
    QTest::mouseRelease(ruler, Qt::LeftButton, Qt::NoModifier, handle + QPoint(30, 40));
    QCOMPARE(ruler->flyingFigure().screenPoints.value(0), handle + QPoint(30, 40));
    QVERIFY(ruler->guides().isEmpty());
}

void TestRulerInteraction::arrowKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QRect>("expected");
    const int alt = Qt::AltModifier;
    const int shift = Qt::ShiftModifier;
    QTest::newRow("Left") << int(Qt::Key_Left) << 0 << QRect(99, 100, 300, 200);
    QTest::newRow("Alt+Left") << int(Qt::Key_Left) << alt << QRect(90, 100, 300, 200);
    QTest::newRow("Down") << int(Qt::Key_Down) << 0 << QRect(100, 101, 300, 200);
    QTest::newRow("Alt+Up") << int(Qt::Key_Up) << alt << QRect(100, 90, 300, 200);
    QTest::newRow("Shift+Right") << int(Qt::Key_Right) << shift << QRect(100, 100, 302, 200);
    QTest::newRow("Shift+Up") << int(Qt::Key_Up) << shift << QRect(100, 100, 300, 198);
    QTest::newRow("Alt+Shift+Left") << int(Qt::Key_Left) << (alt | shift) << QRect(100, 100, 280, 200);
}

void TestRulerInteraction::arrowKeys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QRect, expected);
    m_fixture.preferences()->setValue(ProgramSetting::MoveStep, 1);
    m_fixture.preferences()->setValue(ProgramSetting::MoveMoreStep, 10);
    m_fixture.preferences()->setValue(ProgramSetting::ResizeStep, 2);
    m_fixture.preferences()->setValue(ProgramSetting::ResizeMoreStep, 20);
    RulerWindow *ruler = makeRuler();
    QTest::keyClick(ruler, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(ruler->geometry(), expected);
}

struct KeyStep
{
    bool pressed;
    int key;
    int modifiers;
};
Q_DECLARE_METATYPE(QList<KeyStep>)

void TestRulerInteraction::keySequences_data()
{
    QTest::addColumn<bool>("snap");
    QTest::addColumn<QList<KeyStep>>("keys");
    QTest::addColumn<QPoint>("expected");
    const int control = Qt::ControlModifier;
    const int alt = Qt::AltModifier;
    const KeyStep right{true, Qt::Key_Right, 0};
    QTest::newRow("snapping on: five Rights from x = 0 move five pixels")
        << true << QList<KeyStep>{right, right, right, right, right} << QPoint(5, 0);
    QTest::newRow("snapping on: Alt+Right moves by its step")
        << true << QList<KeyStep>{{true, Qt::Key_Right, alt}} << QPoint(10, 0);
    QTest::newRow("Control+Right, released, then Right") << false
                                                         << QList<KeyStep>{{true, Qt::Key_Control, control},
                                                                           {true, Qt::Key_Right, control},
                                                                           {false, Qt::Key_Control, control},
                                                                           right}
                                                         << QPoint(11, 0);
    QTest::newRow("Alt pressed here, released over another window, then Right")
        << false << QList<KeyStep>{{true, Qt::Key_Alt, alt}, right} << QPoint(1, 0);
    QTest::newRow("Shift released elsewhere: Right moves again instead of resizing")
        << false << QList<KeyStep>{{true, Qt::Key_Shift, int(Qt::ShiftModifier)}, right} << QPoint(1, 0);
}

void TestRulerInteraction::keySequences()
{
    QFETCH(bool, snap);
    QFETCH(QList<KeyStep>, keys);
    QFETCH(QPoint, expected);
    m_fixture.preferences()->setValue(ProgramSetting::MoveStep, 1);
    m_fixture.preferences()->setValue(ProgramSetting::MoveMoreStep, 10);
    RulerWindow *ruler = makeRuler(QRect(0, 0, 300, 200));
    if (snap)
        ruler->execute(RulerCommand::SnapToScreen);
    for (const KeyStep &step : keys) {
        if (step.pressed)
            QTest::keyPress(ruler, Qt::Key(step.key), Qt::KeyboardModifiers(step.modifiers));
        else
            QTest::keyRelease(ruler, Qt::Key(step.key), Qt::KeyboardModifiers(step.modifiers));
    }
    QTRY_COMPARE(ruler->pos(), expected);
    QCOMPARE(ruler->size(), QSize(300, 200));
}

// Held keys shrink a ruler to the pointer's minimum and no further, and move it only as far as a
// piece of it stays on the screen to grab.
void TestRulerInteraction::keysNeverLoseTheRuler_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("presses");
    QTest::addColumn<QRect>("expected");
    const int shift = int(Qt::ShiftModifier);
    const int shiftAlt = int(Qt::ShiftModifier | Qt::AltModifier);
    QTest::newRow("Shift+Left to the minimum width")
        << int(Qt::Key_Left) << shift << 40 << QRect(100, 100, 20, 200);
    QTest::newRow("Shift+Up to the minimum height")
        << int(Qt::Key_Up) << shift << 40 << QRect(100, 100, 300, 20);
    QTest::newRow("Shift+Alt+Left by large steps")
        << int(Qt::Key_Left) << shiftAlt << 20 << QRect(100, 100, 20, 200);
    // The offscreen desktop of these tests is 800 by 800.
    QTest::newRow("Shift+Right up to the desktop's width")
        << int(Qt::Key_Right) << shiftAlt << 200 << QRect(100, 100, 800, 200);
    QTest::newRow("Alt+Down eleven times stops with a piece on the screen")
        << int(Qt::Key_Down) << int(Qt::AltModifier) << 11 << QRect(100, 760, 300, 200);
    QTest::newRow("Left until far off stops with a piece on the screen")
        << int(Qt::Key_Left) << int(Qt::AltModifier) << 100 << QRect(-260, 100, 300, 200);
}

void TestRulerInteraction::keysNeverLoseTheRuler()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, presses);
    m_fixture.preferences()->setValue(ProgramSetting::MoveMoreStep, 100);
    m_fixture.preferences()->setValue(ProgramSetting::ResizeStep, 10);
    m_fixture.preferences()->setValue(ProgramSetting::ResizeMoreStep, 50);
    RulerWindow *ruler = makeRuler();
    for (int i = 0; i < presses; ++i)
        QTest::keyClick(ruler, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QTEST(ruler->geometry(), "expected");
}

void TestRulerInteraction::altQSavesOnlyThisRuler()
{
    RulerWindow *first = makeRuler();
    RulerWindow *second = makeRuler();
    setOption(*first, RulerOption::ShowCentralPoint, true);
    setOption(*second, RulerOption::ShowCentralPoint, false);
    QTest::keyClick(first, Qt::Key_Q, Qt::AltModifier);
    QCOMPARE(QSettings().value("crossHairVisible").toBool(), true);
    QCOMPARE(QSettings().value("geometry").toRect(), first->geometry());
}

void TestRulerInteraction::closingTheMiddleRulerActivatesTheLast()
{
    RulerWindow *first = makeRuler();
    RulerWindow *middle = makeRuler();
    RulerWindow *last = makeRuler();
    first->activateWindow();
    QTRY_VERIFY(first->isActiveWindow());
    middle->execute(RulerCommand::CloseRuler);
    m_fixture.release(middle);
    QTRY_VERIFY(last->isActiveWindow());
    QCOMPARE(m_fixture.hub->rulers(), (QList<RulerWindow *>{first, last}));
    QVERIFY(!first->menu()->action(RulerCommand::CloseRuler)->isVisible() || m_fixture.hub->rulers().size() >= 2);
}

GRADORA_TEST_MAIN(TestRulerInteraction)
#include "tst_rulerinteraction.moc"
