#include "rulerfixture.h"

#include <QAction>
#include <QTest>
#include <QWheelEvent>
#include <memory>

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
    void arrowKeys_data();
    void arrowKeys();
    void keysNeverLoseTheRuler_data();
    void keysNeverLoseTheRuler();
    void altQSavesOnlyThisRuler();
    void closingTheMiddleRulerActivatesTheLast();

private:
    Gradora *makeRuler(const QRect &geometry = QRect(100, 100, 300, 200))
    {
        return m_fixture.shown(geometry);
    }
    void drag(Gradora *ruler, const QPoint &from, const QPoint &to);
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

void TestRulerInteraction::drag(Gradora *ruler, const QPoint &from, const QPoint &to)
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
    Gradora *ruler = makeRuler();
    drag(ruler, press, release);
    QCOMPARE(ruler->verticalGuides, vertical);
    QCOMPARE(ruler->horizontalGuides, horizontal);
    QCOMPARE(ruler->guideMode, 0);
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
    Gradora *ruler = makeRuler();
    drag(ruler, QPoint(150, 20), QPoint(150, 100));
    QCOMPARE(ruler->horizontalGuides, QList<int>{100});
    // Grab the guide again and drag it.
    QTest::mouseMove(ruler, QPoint(150, 101));
    QVERIFY(ruler->overGuide);
    QTest::mousePress(ruler, Qt::LeftButton, Qt::NoModifier, QPoint(150, 101));
    QTest::mouseMove(ruler, QPoint(150, y));
    QTest::mouseRelease(ruler, Qt::LeftButton, Qt::NoModifier, QPoint(150, y));
    QCOMPARE(ruler->horizontalGuides.size(), kept ? 1 : 0);
    if (kept)
        QCOMPARE(ruler->horizontalGuides.first(), y);
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
    Gradora *ruler = makeRuler();
    ruler->verticalGuides = {150};
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
    Gradora *ruler = makeRuler();
    ruler->setViewFigureAction(); // the figure out of the way: these drags are about the window
    drag(ruler, grab, to);
    QCOMPARE(ruler->geometry(), expected);
}

void TestRulerInteraction::bodyDragOnTheFigureMovesTheFigure()
{
    Gradora *ruler = makeRuler();
    const QPoint centre = ruler->rect().center();
    QVERIFY(ruler->figure.hitTest(centre));
    const QPoint origin = ruler->figure.figureOrigin;
    drag(ruler, centre, centre + QPoint(7, 5));
    QCOMPARE(ruler->geometry(), QRect(100, 100, 300, 200));
    QCOMPARE(ruler->figure.figureOrigin, origin + QPoint(7, 5));
}

void TestRulerInteraction::fullScreenResizes()
{
    Gradora *ruler = makeRuler();
    ruler->setFullScreen();
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
    Gradora *ruler = makeRuler(QRect(123, 134, 345, 256));
    QTest::mouseDClick(ruler, Qt::LeftButton, Qt::NoModifier, QPoint(150, 100));
    QVERIFY(ruler->fullScreen);
    QTest::mouseDClick(ruler, Qt::LeftButton, Qt::NoModifier, QPoint(150, 100));
    QVERIFY(!ruler->fullScreen);
    QCOMPARE(ruler->geometry(), QRect(123, 134, 345, 256));
}

void TestRulerInteraction::wheelAccumulator()
{
    Gradora *ruler = makeRuler();
    QList<int> seen;
    for (int delta : {120, 120, -120}) {
        QWheelEvent wheel(QPointF(150, 100), ruler->mapToGlobal(QPointF(150, 100)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(ruler, &wheel);
        seen << ruler->wheelAccumulator;
    }
    QCOMPARE(seen, (QList<int>{1, 2, -1}));

    // With Alt remembered, the wheel grows the window by the accumulated value.
    ruler->altState = true;
    ruler->wheelAccumulator = 0;
    QWheelEvent up(QPointF(150, 100), ruler->mapToGlobal(QPointF(150, 100)), QPoint(), QPoint(0, 120),
                   Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(ruler, &up);
    QCOMPARE(ruler->size(), QSize(301, 201));
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
    m_fixture.settings->move_normal = 1;
    m_fixture.settings->move_more = 10;
    m_fixture.settings->resize_normal = 2;
    m_fixture.settings->resize_more = 20;
    Gradora *ruler = makeRuler();
    QTest::keyClick(ruler, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(ruler->geometry(), expected);
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
    QTest::newRow("Shift+Left to the minimum width") << int(Qt::Key_Left) << shift << 40 << QRect(100, 100, 20, 200);
    QTest::newRow("Shift+Up to the minimum height") << int(Qt::Key_Up) << shift << 40 << QRect(100, 100, 300, 20);
    QTest::newRow("Shift+Alt+Left by large steps") << int(Qt::Key_Left) << shiftAlt << 20 << QRect(100, 100, 20, 200);
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
    m_fixture.settings->move_more = 100;
    m_fixture.settings->resize_normal = 10;
    m_fixture.settings->resize_more = 50;
    Gradora *ruler = makeRuler();
    for (int i = 0; i < presses; ++i)
        QTest::keyClick(ruler, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QTEST(ruler->geometry(), "expected");
}

void TestRulerInteraction::altQSavesOnlyThisRuler()
{
    Gradora *first = makeRuler();
    Gradora *second = makeRuler();
    first->crossHairVisible = true;
    second->crossHairVisible = false;
    QTest::keyClick(first, Qt::Key_Q, Qt::AltModifier);
    QCOMPARE(QSettings().value("crossHairVisible").toBool(), true);
    QCOMPARE(QSettings().value("geometry").toRect(), first->geometry());
}

void TestRulerInteraction::closingTheMiddleRulerActivatesTheLast()
{
    Gradora *first = makeRuler();
    Gradora *middle = makeRuler();
    Gradora *last = makeRuler();
    first->activateWindow();
    QTRY_VERIFY(first->isActiveWindow());
    middle->closeRuler();
    m_fixture.release(middle);
    QTRY_VERIFY(last->isActiveWindow());
    QCOMPARE(m_fixture.settings->rulers, (QList<Gradora *>{first, last}));
    QVERIFY(!first->actCloseRuler->isVisible() || m_fixture.settings->rulers.size() >= 2);
}

GRADORA_TEST_MAIN(TestRulerInteraction)
#include "tst_rulerinteraction.moc"
