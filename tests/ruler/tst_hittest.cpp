// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/input/hittest.h"
#include "testsupport.h"

#include <QTest>

using HitTest::Target;
using namespace PointerRules;

// What the pointer is over, above all where targets overlap: thin rulers, handles near the edges.
class TestHitTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void targets_data();
    void targets();
    void pressInTheBandsDropsTheGuideThatWins();
};

void TestHitTest::targets_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QList<QPoint>>("handles");
    QTest::addColumn<QList<int>>("vertical");
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<Target>("target");
    QTest::addColumn<DragMode>("dragMode");
    QTest::addColumn<int>("cursor");

    const QSize wide(640, 480);
    const QList<QPoint> none;
    const QList<int> noGuides;
    const DragMode body = DragMode::Body;
    QTest::newRow("body") << wide << none << noGuides << QPoint(300, 200) << Target::Body << body
                          << int(Qt::ArrowCursor);
    QTest::newRow("left band") << wide << none << noGuides << QPoint(20, 200) << Target::GuideBand << body
                               << int(Qt::SplitHCursor);
    QTest::newRow("top band") << wide << none << noGuides << QPoint(300, 11) << Target::GuideBand << body
                              << int(Qt::SplitVCursor);
    QTest::newRow("right edge of a wide ruler")
        << wide << none << noGuides << QPoint(637, 200) << Target::Edge << DragMode::RightEdge
        << int(Qt::SizeHorCursor);
    // 25 wide: the right band 21..24 lies inside the left guide band 11..29.
    QTest::newRow("right edge of a 25-px ruler")
        << QSize(25, 300) << none << noGuides << QPoint(22, 150) << Target::Edge << DragMode::RightEdge
        << int(Qt::SizeHorCursor);
    QTest::newRow("bottom edge of a 30-px ruler")
        << QSize(400, 30) << none << noGuides << QPoint(200, 27) << Target::Edge << DragMode::BottomEdge
        << int(Qt::SizeVerCursor);
    QTest::newRow("bottom-right corner of a 21-px square")
        << QSize(21, 21) << none << noGuides << QPoint(18, 18) << Target::Edge << DragMode::BottomRight
        << int(Qt::SizeFDiagCursor);
    QTest::newRow("33 px: the band still ends before the edge")
        << QSize(33, 300) << none << noGuides << QPoint(28, 150) << Target::GuideBand << body
        << int(Qt::SplitHCursor);
    QTest::newRow("33 px: the edge") << QSize(33, 300) << none << noGuides << QPoint(29, 150) << Target::Edge
                                     << DragMode::RightEdge << int(Qt::SizeHorCursor);
    QTest::newRow("a handle in the top band")
        << wide << QList<QPoint>{{100, 15}} << noGuides << QPoint(104, 20) << Target::ControlPoint
        << DragMode::ControlPoint << int(Qt::ArrowCursor);
    QTest::newRow("a handle in the left band")
        << wide << QList<QPoint>{{25, 200}} << noGuides << QPoint(30, 195) << Target::ControlPoint
        << DragMode::ControlPoint << int(Qt::ArrowCursor);
    QTest::newRow("just beyond a handle's reach is the band")
        << wide << QList<QPoint>{{100, 15}} << noGuides << QPoint(110, 20) << Target::GuideBand << body
        << int(Qt::SplitVCursor);
    QTest::newRow("an edge before a handle") << wide << QList<QPoint>{{3, 200}} << noGuides << QPoint(2, 200)
                                             << Target::Edge << DragMode::LeftEdge << int(Qt::SizeHorCursor);
    QTest::newRow("a guide line before an edge, so that it can be dragged away")
        << QSize(25, 300) << none << QList<int>{22} << QPoint(23, 150) << Target::GuideLine << body
        << int(Qt::SplitHCursor);
    QTest::newRow("a guide line before a handle")
        << wide << QList<QPoint>{{300, 200}} << QList<int>{300} << QPoint(301, 200) << Target::GuideLine
        << body << int(Qt::SplitHCursor);
}

void TestHitTest::targets()
{
    QFETCH(QSize, size);
    QFETCH(QList<QPoint>, handles);
    QFETCH(QList<int>, vertical);
    QFETCH(QPoint, pos);
    HitTest::Scene scene;
    scene.size = size;
    scene.controlPoints = handles;
    scene.verticalGuides = vertical;
    const HitTest::Hit hit = HitTest::at(pos, scene);
    QTEST(hit.target, "target");
    QTEST(hit.dragMode, "dragMode");
    if (hit.target != Target::Body)
        QTEST(int(hit.cursor), "cursor");
}

void TestHitTest::pressInTheBandsDropsTheGuideThatWins()
{
    HitTest::Scene scene;
    scene.size = QSize(640, 480);
    scene.guideLines = false;
    // Where the two bands meet the press drops a horizontal guide, though the cursor names the left band.
    HitTest::Hit square = HitTest::at(QPoint(20, 20), scene);
    QCOMPARE(square.newGuide, Qt::Horizontal);
    QCOMPARE(square.cursor, Qt::SplitHCursor);
    QCOMPARE(HitTest::at(QPoint(20, 200), scene).newGuide, Qt::Vertical);
    scene.guideBands = false;
    QCOMPARE(HitTest::at(QPoint(20, 200), scene).target, Target::Body);
    // Guides that cannot be hovered are no target.
    scene.verticalGuides = {300};
    QCOMPARE(HitTest::at(QPoint(300, 200), scene).target, Target::Body);
}

GRADORA_TEST_GUILESS_MAIN(TestHitTest)
#include "tst_hittest.moc"
