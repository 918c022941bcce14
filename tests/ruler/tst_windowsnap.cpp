// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/commands/rulermenu.h"
#include "ruler/placement/windowsnap.h"
#include "rulerfixture.h"

#include <QAction>
#include <QTest>

using DragMode = PointerRules::DragMode;
using Stack = QList<DesktopWindow>;
Q_DECLARE_METATYPE(DesktopWindow)

namespace {
constexpr int kDistance = 25;
const QRect kScreen(0, 0, 1920, 1080);
// Another program's window: x from 1000 to 1400, y from 400 to 700.
const QRect kOther(1000, 400, 400, 300);
} // namespace

// Rulers snapping to other programs' windows: the arithmetic, the windows taken from the desktop's
// stack, and a ruler dragged by the pointer beside a window that the desktop lists.
class TestWindowSnap : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void moved_data();
    void moved();
    void resized_data();
    void resized();
    void snapTargets_data();
    void snapTargets();

    void cleanup();
    void pointerDrags_data();
    void pointerDrags();
    void neverToTheProgramsOwnWindows();

private:
    RulerFixture m_fixture;
};

void TestWindowSnap::moved_data()
{
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QList<QRect>>("others");
    QTest::addColumn<QPoint>("expected");
    const QList<QRect> other{kOther};
    // A ruler of 300 x 200; at y = 450 it meets no horizontal edge.
    QTest::newRow("left edge beside the window's right") << QPoint(1410, 450) << other << QPoint(1400, 450);
    QTest::newRow("right edge beside the window's left") << QPoint(690, 450) << other << QPoint(700, 450);
    QTest::newRow("at the distance snaps") << QPoint(1425, 450) << other << QPoint(1400, 450);
    QTest::newRow("one beyond stays") << QPoint(1426, 450) << other << QPoint(1426, 450);
    QTest::newRow("standing on it, left edges aligned") << QPoint(1010, 190) << other << QPoint(1000, 200);
    QTest::newRow("over it, inner edges aligned") << QPoint(1020, 480) << other << QPoint(1000, 500);
    QTest::newRow("diagonal gap in reach meets the corner")
        << QPoint(1410, 720) << other << QPoint(1400, 700);
    QTest::newRow("far above: edges do not line up") << QPoint(1410, 100) << other << QPoint(1410, 100);
    const QList<QRect> two{kOther, QRect(1725, 400, 100, 100)};
    QTest::newRow("nearer of two windows, left") << QPoint(1410, 450) << two << QPoint(1400, 450);
    QTest::newRow("nearer of two windows, right") << QPoint(1415, 450) << two << QPoint(1425, 450);

    // A thin window at the screen's left edge: its right edge at 20.
    const QList<QRect> thin{QRect(0, 400, 20, 300)};
    QTest::newRow("screen edge nearer") << QPoint(8, 450) << thin << QPoint(0, 450);
    QTest::newRow("window edge nearer than the screen's") << QPoint(14, 450) << thin << QPoint(20, 450);
    QTest::newRow("equal pull goes to the screen") << QPoint(10, 450) << thin << QPoint(0, 450);
    QTest::newRow("flush with the screen stays")
        << QPoint(0, 450) << QList<QRect>{QRect(10, 400, 5, 300)} << QPoint(0, 450);
    QTest::newRow("no windows: the screen rule alone")
        << QPoint(1600, 450) << QList<QRect>() << QPoint(1620, 450);
}

void TestWindowSnap::moved()
{
    QFETCH(QPoint, to);
    QFETCH(QList<QRect>, others);
    QFETCH(QPoint, expected);
    QCOMPARE(WindowSnap::moved(QRect(to, QSize(300, 200)), kScreen, others, kDistance), expected);
}

void TestWindowSnap::resized_data()
{
    QTest::addColumn<QRect>("window");
    QTest::addColumn<DragMode>("drag");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("right edge beside the window's left")
        << QRect(600, 450, 390, 200) << DragMode::RightEdge << QRect(600, 450, 400, 200);
    QTest::newRow("left edge beside the window's right")
        << QRect(1410, 450, 300, 200) << DragMode::LeftEdge << QRect(1400, 450, 310, 200);
    QTest::newRow("bottom edge aligned inside")
        << QRect(1100, 300, 200, 390) << DragMode::BottomEdge << QRect(1100, 300, 200, 400);
    QTest::newRow("corner snaps both sides")
        << QRect(600, 200, 390, 190) << DragMode::BottomRight << QRect(600, 200, 400, 200);
    QTest::newRow("top-left corner snaps both sides")
        << QRect(1410, 710, 100, 100) << DragMode::TopLeft << QRect(1400, 700, 110, 110);
    QTest::newRow("sides that stay do not snap")
        << QRect(600, 450, 390, 200) << DragMode::LeftEdge << QRect(600, 450, 390, 200);
    QTest::newRow("far above: no snap")
        << QRect(600, 100, 390, 200) << DragMode::RightEdge << QRect(600, 100, 390, 200);
    QTest::newRow("no snap below the minimum")
        << QRect(1390, 450, 25, 200) << DragMode::LeftEdge << QRect(1390, 450, 25, 200);
}

void TestWindowSnap::resized()
{
    QFETCH(QRect, window);
    QFETCH(DragMode, drag);
    QFETCH(QRect, expected);
    QCOMPARE(WindowSnap::resized(window, drag, {kOther}, kDistance, PointerRules::kMinimumSide + 1),
             expected);
}

void TestWindowSnap::snapTargets_data()
{
    QTest::addColumn<Stack>("stack");
    QTest::addColumn<QList<QRect>>("expected");
    const QRect small(100, 100, 50, 50);
    const QRect big(0, 0, 500, 500);
    const QRect beside(140, 0, 500, 500);
    constexpr WId own = 7;
    QTest::newRow("bottom to top, the program's own left out")
        << Stack{{1, small}, {own, big}, {2, beside}} << QList<QRect>{small, beside};
    QTest::newRow("covered whole by a window above") << Stack{{1, small}, {2, big}} << QList<QRect>{big};
    QTest::newRow("partly covered stays") << Stack{{1, small}, {2, beside}} << QList<QRect>{small, beside};
    QTest::newRow("on top of a larger one") << Stack{{2, big}, {1, small}} << QList<QRect>{big, small};
    QTest::newRow("an empty frame is none") << Stack{{1, QRect()}} << QList<QRect>();
}

void TestWindowSnap::snapTargets()
{
    QFETCH(Stack, stack);
    QFETCH(QList<QRect>, expected);
    QCOMPARE(WindowSnap::targets(stack, {7}), expected);
}

void TestWindowSnap::cleanup()
{
    m_fixture.tearDown();
}

enum class Gesture
{
    Body,
    RightEdge
};

void TestWindowSnap::pointerDrags_data()
{
    QTest::addColumn<Gesture>("gesture");
    QTest::addColumn<bool>("snapping");
    QTest::addColumn<QRect>("expected");
    // The ruler stands at (300, 150), 300 x 200; the other window's right edge is at 250, and a second
    // one's left edge at 630. Each gesture moves by 40 pixels.
    QTest::newRow("body drag ends beside") << Gesture::Body << true << QRect(250, 150, 300, 200);
    QTest::newRow("body drag without snapping") << Gesture::Body << false << QRect(260, 150, 300, 200);
    QTest::newRow("right edge resized to the window")
        << Gesture::RightEdge << true << QRect(300, 150, 330, 200);
    QTest::newRow("right edge without snapping") << Gesture::RightEdge << false << QRect(300, 150, 320, 200);
}

void TestWindowSnap::pointerDrags()
{
    QFETCH(Gesture, gesture);
    QFETCH(bool, snapping);
    QFETCH(QRect, expected);
    m_fixture.setUp(false);
    m_fixture.desktop->listWindows = [] {
        return Stack{{0xA1, QRect(100, 100, 150, 300)}, {0xA2, QRect(630, 120, 100, 100)}};
    };
    RulerWindow *ruler = m_fixture.shown(QRect(300, 150, 300, 200));
    ruler->execute(RulerCommand::ShowFigure); // the body, not the figure, is dragged
    setOption(*ruler, RulerOption::SnapToScreen, snapping);
    QCOMPARE(ruler->geometry(), QRect(300, 150, 300, 200));

    const bool body = gesture == Gesture::Body;
    const QPoint grab = body ? QPoint(150, 100) : QPoint(ruler->width() - 2, 100);
    const QPoint to = grab + (body ? QPoint(-40, 0) : QPoint(20, 0));
    RulerFixture::drag(ruler, grab, to);
    QTRY_COMPARE(ruler->geometry(), expected);
}

void TestWindowSnap::neverToTheProgramsOwnWindows()
{
    // The desktop lists every shown window of the program where it stands: this ruler, its panel and
    // a second ruler.
    m_fixture.setUp(true);
    m_fixture.desktop->listWindows = [] {
        Stack stack;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible())
                stack.append({widget->winId(), widget->frameGeometry()});
        }
        return stack;
    };
    m_fixture.shown(QRect(400, 50, 200, 100));
    RulerWindow *ruler = m_fixture.shown(QRect(100, 200, 200, 100), true);
    ruler->execute(RulerCommand::ShowFigure);
    setOption(*ruler, RulerOption::SnapToScreen, true);

    // Dragged 10 px under the other ruler's bottom and left of its left edge, with the panel beside.
    const QPoint grab(100, 50);
    const QPoint to = grab + QPoint(90, -40);
    RulerFixture::drag(ruler, grab, to);
    QTRY_COMPARE(ruler->pos(), QPoint(190, 160));
}

GRADORA_TEST_MAIN(TestWindowSnap)
#include "tst_windowsnap.moc"
