// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/input/windowdrag.h"
#include "testsupport.h"

#include <QTest>

// A pointer drag of a window, without a window: which places reach the window, and how often the other
// windows are asked for. However the moves are paced, the first goes out at once, none goes out of
// order and the drag ends at its last place.
class TestWindowDrag : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void reachesTheLastPlace_data();
    void reachesTheLastPlace();
    void asksForTheOtherWindowsOncePerDrag();
};

void TestWindowDrag::reachesTheLastPlace_data()
{
    QTest::addColumn<int>("frameMs");
    QTest::addColumn<QList<QPoint>>("offers");

    const QList<QPoint> along{{10, 10}, {11, 10}, {12, 11}, {14, 11}, {17, 12}, {21, 12}};
    QTest::newRow("unpaced, one step") << 0 << QList<QPoint>{{5, 6}};
    QTest::newRow("unpaced, along a line") << 0 << along;
    QTest::newRow("a frame at 60 Hz, along a line") << MovePacer::kDefaultFrameMs << along;
    // Far longer than the test takes: everything after the first waits for the end.
    QTest::newRow("a frame longer than the drag") << 3600 * 1000 << along;
}

void TestWindowDrag::reachesTheLastPlace()
{
    QFETCH(int, frameMs);
    QFETCH(QList<QPoint>, offers);

    QList<QPoint> moves;
    WindowDrag drag([] { return QList<QRect>(); },
                    [&](const QPoint &topLeft) {
                        moves << topLeft;
                        return frameMs;
                    });
    drag.begin();
    QVERIFY(!drag.moving());
    for (const QPoint &offer : offers)
        drag.offer(offer);
    QVERIFY(drag.moving());
    QCOMPARE(moves.value(0), offers.first());
    drag.end();
    QVERIFY(!drag.moving());

    QCOMPARE(moves.last(), offers.last());
    qsizetype next = 0;
    for (const QPoint &move : std::as_const(moves)) {
        next = offers.indexOf(move, next);
        QVERIFY2(next >= 0, "a move the pointer never offered, or one out of order");
    }
    if (frameMs == 0)
        QCOMPARE(moves, offers);
}

void TestWindowDrag::asksForTheOtherWindowsOncePerDrag()
{
    int asked = 0;
    const QList<QRect> others{QRect(0, 0, 100, 100), QRect(300, 40, 50, 60)};
    WindowDrag drag(
        [&] {
            ++asked;
            return others;
        },
        [](const QPoint &) { return 0; });
    drag.begin();
    QCOMPARE(asked, 0);
    QCOMPARE(drag.snapTargets(), others);
    drag.offer(QPoint(1, 1));
    QCOMPARE(drag.snapTargets(), others);
    QCOMPARE(asked, 1);
    drag.end();
    drag.begin();
    QCOMPARE(drag.snapTargets(), others);
    QCOMPARE(asked, 2);
    drag.forgetSnapTargets();
    drag.snapTargets();
    QCOMPARE(asked, 3);
}

GRADORA_TEST_GUILESS_MAIN(TestWindowDrag)
#include "tst_windowdrag.moc"
