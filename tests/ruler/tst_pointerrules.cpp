// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "render/menutext.h"
#include "ruler/input/pointerrules.h"
#include "testsupport.h"

#include <QTest>

using namespace PointerRules;

class TestPointerRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void edges_data();
    void edges();
    void guideReach_data();
    void guideReach();
    void edgeDrags_data();
    void edgeDrags();
    void shiftDrag_data();
    void shiftDrag();
    void wheelScale_data();
    void wheelScale();
    void growByWheel_data();
    void growByWheel();
    void menuZone_data();
    void menuZone();
};

void TestPointerRules::edges_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<DragMode>("mode"); // the body: no band
    QTest::addColumn<int>("cursor");
    QTest::newRow("column 0 is not the left edge") << QPoint(0, 100) << DragMode::Body << 0;
    QTest::newRow("column 1 is") << QPoint(1, 100) << DragMode::LeftEdge << int(Qt::SizeHorCursor);
    QTest::newRow("column 4 is") << QPoint(4, 100) << DragMode::LeftEdge << int(Qt::SizeHorCursor);
    QTest::newRow("column 5 is not") << QPoint(5, 100) << DragMode::Body << 0;
    QTest::newRow("row 0 is not the top edge") << QPoint(100, 0) << DragMode::Body << 0;
    QTest::newRow("top") << QPoint(100, 1) << DragMode::TopEdge << int(Qt::SizeVerCursor);
    QTest::newRow("right w-4") << QPoint(296, 100) << DragMode::RightEdge << int(Qt::SizeHorCursor);
    QTest::newRow("right w-1") << QPoint(299, 100) << DragMode::RightEdge << int(Qt::SizeHorCursor);
    QTest::newRow("right w-5 is not") << QPoint(295, 100) << DragMode::Body << 0;
    QTest::newRow("bottom") << QPoint(100, 199) << DragMode::BottomEdge << int(Qt::SizeVerCursor);
    QTest::newRow("bottom-right") << QPoint(298, 198) << DragMode::BottomRight << int(Qt::SizeFDiagCursor);
    QTest::newRow("top-right") << QPoint(298, 2) << DragMode::TopRight << int(Qt::SizeBDiagCursor);
    QTest::newRow("top-left") << QPoint(2, 2) << DragMode::TopLeft << int(Qt::SizeFDiagCursor);
    QTest::newRow("bottom-left") << QPoint(2, 198) << DragMode::BottomLeft << int(Qt::SizeBDiagCursor);
    QTest::newRow("interior") << QPoint(150, 100) << DragMode::Body << 0;
}

void TestPointerRules::edges()
{
    QFETCH(QPoint, pos);
    QFETCH(DragMode, mode);
    QFETCH(int, cursor);
    const std::optional<EdgeHit> hit = edgeAt(pos, QSize(300, 200));
    QCOMPARE(hit.has_value(), mode != DragMode::Body);
    if (hit) {
        QCOMPARE(hit->mode, mode);
        QCOMPARE(int(hit->cursor), cursor);
    }
}

void TestPointerRules::guideReach_data()
{
    QTest::addColumn<int>("distance");
    QTest::addColumn<bool>("hovers");
    QTest::addColumn<bool>("grabs");
    QTest::newRow("on it") << 0 << true << true;
    QTest::newRow("2 px") << 2 << true << true;
    QTest::newRow("-2 px") << -2 << true << true;
    QTest::newRow("3 px") << 3 << false << false;
    QTest::newRow("-3 px") << -3 << false << false;
}

void TestPointerRules::guideReach()
{
    QFETCH(int, distance);
    QFETCH(bool, hovers);
    QFETCH(bool, grabs);
    QCOMPARE(hoversGuide(100, 100 + distance), hovers);
    QCOMPARE(grabsGuide(100, 100 + distance), grabs);
}

void TestPointerRules::edgeDrags_data()
{
    QTest::addColumn<DragMode>("mode");
    QTest::addColumn<QPoint>("moved");
    QTest::addColumn<bool>("fullScreen");
    QTest::addColumn<QRect>("expected"); // null: ignored

    // The window stands at (100, 100), 300 x 200.
    QTest::newRow("right edge to width 21")
        << DragMode::RightEdge << QPoint(-279, 0) << false << QRect(100, 100, 21, 200);
    QTest::newRow("right edge to width 20 ignored")
        << DragMode::RightEdge << QPoint(-280, 0) << false << QRect();
    QTest::newRow("left edge to width 20")
        << DragMode::LeftEdge << QPoint(280, 0) << false << QRect(380, 100, 20, 200);
    QTest::newRow("left edge to width 19 ignored")
        << DragMode::LeftEdge << QPoint(281, 0) << false << QRect();
    QTest::newRow("top edge up") << DragMode::TopEdge << QPoint(0, -50) << false << QRect(100, 50, 300, 250);
    QTest::newRow("bottom edge to 20")
        << DragMode::BottomEdge << QPoint(0, -180) << false << QRect(100, 100, 300, 20);
    QTest::newRow("bottom edge to 19 ignored") << DragMode::BottomEdge << QPoint(0, -181) << false << QRect();
    QTest::newRow("bottom-right") << DragMode::BottomRight << QPoint(10, 20) << false
                                  << QRect(100, 100, 310, 220);
    QTest::newRow("bottom-right in full screen")
        << DragMode::BottomRight << QPoint(10, 20) << true << QRect(100, 100, 310, 220);
    QTest::newRow("left edge in full screen ignored")
        << DragMode::LeftEdge << QPoint(10, 0) << true << QRect();
    QTest::newRow("top-left") << DragMode::TopLeft << QPoint(10, 20) << false << QRect(110, 120, 290, 180);
    QTest::newRow("top-right") << DragMode::TopRight << QPoint(10, 20) << false << QRect(100, 120, 310, 180);
    QTest::newRow("top-right to width 20")
        << DragMode::TopRight << QPoint(-280, 0) << false << QRect(100, 100, 20, 200);
    QTest::newRow("bottom-left") << DragMode::BottomLeft << QPoint(10, 20) << false
                                 << QRect(110, 100, 290, 220);
}

void TestPointerRules::edgeDrags()
{
    QFETCH(DragMode, mode);
    QFETCH(QPoint, moved);
    QFETCH(bool, fullScreen);
    QFETCH(QRect, expected);
    const QRect frame(100, 100, 300, 200);
    const QPoint press(250, 250);
    const std::optional<QRect> result = edgeDragGeometry(mode, frame, press, press + moved, fullScreen);
    QCOMPARE(result.has_value(), !expected.isNull());
    if (result)
        QCOMPARE(*result, expected);
}

void TestPointerRules::shiftDrag_data()
{
    QTest::addColumn<QPoint>("moved");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("grow") << QPoint(10, 5) << QSize(310, 205);
    QTest::newRow("21 by 21") << QPoint(-279, -179) << QSize(21, 21);
    QTest::newRow("20 wide ignored") << QPoint(-280, 0) << QSize();
}

void TestPointerRules::shiftDrag()
{
    QFETCH(QPoint, moved);
    QFETCH(QSize, expected);
    const std::optional<QSize> size = shiftDragSize(QSize(300, 200), QPoint(5, 5), QPoint(5, 5) + moved);
    QCOMPARE(size.has_value(), expected.isValid());
    if (size)
        QCOMPARE(*size, expected);
}

void TestPointerRules::wheelScale_data()
{
    QTest::addColumn<int>("accumulated");
    QTest::addColumn<double>("factor");
    QTest::newRow("1") << 1 << 1.01;
    QTest::newRow("2") << 2 << 1.02;
    QTest::newRow("99") << 99 << 1.99;
    QTest::newRow("100 counts tenfold less") << 100 << 1.10;
    QTest::newRow("-1") << -1 << 0.99;
    QTest::newRow("-100 never reaches zero") << -100 << 0.01;
    QTest::newRow("-250 stays positive") << -250 << 0.01;
}

void TestPointerRules::wheelScale()
{
    QFETCH(int, accumulated);
    QFETCH(double, factor);
    QVERIFY(qFuzzyCompare(wheelScaleFactor(accumulated), factor));
}

void TestPointerRules::growByWheel_data()
{
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<int>("v");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("grow") << QRect(100, 100, 300, 200) << 2 << QRect(98, 98, 304, 204);
    QTest::newRow("shrink") << QRect(100, 100, 300, 200) << -3 << QRect(103, 103, 294, 194);
    QTest::newRow("shrink stops at the minimum, centred")
        << QRect(100, 100, 30, 40) << -10 << QRect(105, 110, 20, 20);
    QTest::newRow("a window below the minimum does not grow by shrinking")
        << QRect(100, 100, 12, 300) << -1 << QRect(100, 101, 12, 298);
    QTest::newRow("at x = 0 it grows in place") << QRect(0, 0, 300, 200) << 1 << QRect(-1, -1, 302, 202);
    QTest::newRow("near the origin it grows in place")
        << QRect(10, 19, 300, 200) << 3 << QRect(7, 16, 306, 206);
    QTest::newRow("on a monitor at negative coordinates")
        << QRect(-1500, -200, 300, 200) << -2 << QRect(-1498, -198, 296, 196);
}

void TestPointerRules::growByWheel()
{
    QFETCH(QRect, frame);
    QFETCH(int, v);
    QFETCH(QRect, expected);
    QCOMPARE(grownFrame(frame, v), expected);
}

void TestPointerRules::menuZone_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<bool>("inside");
    QTest::newRow("inside") << QPoint(200, 50) << true;
    QTest::newRow("left edge w-107") << QPoint(193, 50) << true;
    QTest::newRow("w-80 is out") << QPoint(220, 50) << false;
    QTest::newRow("y 45 is out") << QPoint(200, 45) << false;
    QTest::newRow("y 55 is in") << QPoint(200, 55) << true;
    QTest::newRow("y 56 is out") << QPoint(200, 56) << false;
    QTest::newRow("w-108, where the text starts, is out") << QPoint(192, 50) << false;
}

void TestPointerRules::menuZone()
{
    QFETCH(QPoint, pos);
    QFETCH(bool, inside);
    QCOMPARE(MenuText::inZone(pos, 300), inside);
    // The text the zone lies over, and where a press there opens the menu.
    QCOMPARE(MenuText::baseline(300), QPoint(192, 55));
    QCOMPARE(MenuText::popupPoint(QRect(100, 100, 300, 200)), QPoint(399 - 107, 155));
}

GRADORA_TEST_GUILESS_MAIN(TestPointerRules)
#include "tst_pointerrules.moc"
