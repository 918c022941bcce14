// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "render/labelplacement.h"
#include "testsupport.h"

#include <QTest>

using LabelPlacement::kGivesWay;
using LabelPlacement::Places;

namespace {

QPolygonF box(qreal x, qreal y, qreal width, qreal height)
{
    return QPolygonF(QRectF(x, y, width, height));
}

// The same box turned by 45 degrees about its centre.
QPolygonF turned(const QPolygonF &polygon)
{
    const QPointF center = polygon.boundingRect().center();
    QTransform turn;
    turn.translate(center.x(), center.y());
    turn.rotate(45);
    turn.translate(-center.x(), -center.y());
    return turn.map(polygon);
}

} // namespace

class TestLabelPlacement : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void choose_data();
    void choose();
    void covers_data();
    void covers();
};

void TestLabelPlacement::choose_data()
{
    QTest::addColumn<QList<Places>>("labels");
    QTest::addColumn<QList<int>>("chosen");

    const QPolygonF a = box(0, 0, 100, 20);
    const QPolygonF overA = box(50, 10, 100, 20);
    const QPolygonF apart = box(0, 100, 100, 20);
    const QPolygonF touching = box(100, 0, 50, 20);

    QTest::newRow("apart: each its first place") << QList<Places>{{a}, {apart}} << QList<int>{0, 0};
    QTest::newRow("touching does not cover") << QList<Places>{{a}, {touching}} << QList<int>{0, 0};
    QTest::newRow("covering: the less important gives way")
        << QList<Places>{{a}, {overA}} << QList<int>{0, kGivesWay};
    QTest::newRow("covering: the less important takes its second place")
        << QList<Places>{{a}, {overA, apart}} << QList<int>{0, 1};
    QTest::newRow("the more important moves to make room for the other")
        << QList<Places>{{a, apart}, {overA}} << QList<int>{1, 0};
    QTest::newRow("the more important keeps its place when the other can move")
        << QList<Places>{{a, apart}, {overA, box(300, 0, 10, 10)}} << QList<int>{0, 1};
    QTest::newRow("a third label gives way, not the first two")
        << QList<Places>{{a}, {apart}, {box(20, 5, 10, 100)}} << QList<int>{0, 0, kGivesWay};
    QTest::newRow("moving for a less important label keeps every more important one")
        << QList<Places>{{a, apart}, {box(0, 95, 10, 10)}, {overA}} << QList<int>{0, 0, kGivesWay};
    QTest::newRow("a label without places gives way") << QList<Places>{{}, {a}} << QList<int>{kGivesWay, 0};
    QTest::newRow("turned boxes cover by their outline, not their bounds")
        << QList<Places>{{turned(box(0, 0, 100, 10))}, {box(12, 35, 8, 8)}} << QList<int>{0, 0};
    QTest::newRow("no labels") << QList<Places>{} << QList<int>{};
}

void TestLabelPlacement::choose()
{
    QFETCH(QList<Places>, labels);
    QFETCH(QList<int>, chosen);
    QCOMPARE(LabelPlacement::choose(labels), chosen);
}

void TestLabelPlacement::covers_data()
{
    QTest::addColumn<QPolygonF>("a");
    QTest::addColumn<QPolygonF>("b");
    QTest::addColumn<bool>("covering");
    QTest::newRow("same box") << box(0, 0, 10, 10) << box(0, 0, 10, 10) << true;
    QTest::newRow("one inside the other") << box(0, 0, 100, 100) << box(10, 10, 5, 5) << true;
    QTest::newRow("side by side") << box(0, 0, 10, 10) << box(10, 0, 10, 10) << false;
    QTest::newRow("corner over corner") << box(0, 0, 10, 10) << box(9, 9, 10, 10) << true;
    QTest::newRow("turned, bounds only") << turned(box(0, 0, 100, 10)) << box(12, 35, 8, 8) << false;
    QTest::newRow("turned, crossing") << turned(box(0, 0, 100, 10)) << box(45, 0, 10, 10) << true;
}

void TestLabelPlacement::covers()
{
    QFETCH(QPolygonF, a);
    QFETCH(QPolygonF, b);
    QFETCH(bool, covering);
    QCOMPARE(LabelPlacement::covers(a, b), covering);
    QCOMPARE(LabelPlacement::covers(b, a), covering);
}

GRADORA_TEST_GUILESS_MAIN(TestLabelPlacement)
#include "tst_labelplacement.moc"
