// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/input/wheelsteps.h"
#include "testsupport.h"

#include <QTest>

// Wheel turns made into the value a ruler acts on: the turning axis, partial deltas, acceleration.
class TestWheelSteps : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void turns_data();
    void turns();
    void resetStartsAfresh();
};

using Deltas = QList<QPoint>;
using Values = QList<int>;

void TestWheelSteps::turns_data()
{
    QTest::addColumn<Deltas>("deltas");
    QTest::addColumn<Values>("values");
    const QPoint up(0, 120);
    const QPoint down(0, -120);
    QTest::newRow("notches up accelerate") << Deltas{up, up, up} << Values{1, 2, 3};
    QTest::newRow("two up then one down") << Deltas{up, up, down} << Values{1, 2, -1};
    QTest::newRow("down then up starts again at one") << Deltas{down, down, up} << Values{-1, -2, 1};
    QTest::newRow("one up then one down") << Deltas{up, down} << Values{1, -1};
    QTest::newRow("one down then one up") << Deltas{down, up} << Values{-1, 1};
    QTest::newRow("back and forth, a notch at a time") << Deltas{up, down, up, down} << Values{1, -1, 1, -1};
    QTest::newRow("one up then two down in one event") << Deltas{up, {0, -240}} << Values{1, -2};
    QTest::newRow("two notches in one event") << Deltas{{0, 240}, {0, 240}} << Values{2, 4};
    QTest::newRow("Alt on X11: the turn arrives on the horizontal axis")
        << Deltas{{120, 0}, {120, 0}, {-120, 0}} << Values{1, 2, -1};
    QTest::newRow("a horizontal wheel") << Deltas{{-120, 0}} << Values{-1};
    QTest::newRow("the larger axis counts") << Deltas{{30, 120}, {-240, 120}, {-240, 0}} << Values{1, -2, -4};
    QTest::newRow("touchpad: small deltas add up to steps")
        << Deltas{{0, 40}, {0, 40}, {0, 40}, {0, 40}, {0, 40}, {0, 40}} << Values{0, 0, 1, 0, 0, 2};
    QTest::newRow("touchpad on the horizontal axis")
        << Deltas{{-60, 0}, {-60, 0}, {-60, 0}} << Values{0, -1, 0};
    QTest::newRow("what is left over carries into the next step")
        << Deltas{{0, 100}, {0, 100}, {0, 40}} << Values{0, 1, 2};
    QTest::newRow("a turn the other way drops the leftover")
        << Deltas{{0, 100}, {0, -40}, {0, -80}, {0, 100}} << Values{0, 0, -1, 0};
    QTest::newRow("just short of a step is no step") << Deltas{{0, 119}, {0, -119}} << Values{0, 0};
    QTest::newRow("no movement") << Deltas{{0, 0}} << Values{0};
    QTest::newRow("an absurd delta stays bounded")
        << Deltas{{0, std::numeric_limits<int>::max()}, {0, std::numeric_limits<int>::max()}}
        << Values{8738, 17476};
}

void TestWheelSteps::turns()
{
    QFETCH(Deltas, deltas);
    QFETCH(Values, values);
    WheelSteps wheel;
    Values seen;
    for (const QPoint &delta : deltas)
        seen << wheel.turn(delta);
    QCOMPARE(seen, values);
}

void TestWheelSteps::resetStartsAfresh()
{
    WheelSteps wheel;
    wheel.turn({0, 120});
    wheel.turn({0, 180}); // 2 and a half step
    QCOMPARE(wheel.accumulated(), 2);
    wheel.reset();
    QCOMPARE(wheel.accumulated(), 0);
    QCOMPARE(wheel.turn({0, 60}), 0); // the half step went with the reset
    QCOMPARE(wheel.turn({0, 60}), 1);
}

GRADORA_TEST_GUILESS_MAIN(TestWheelSteps)
#include "tst_wheelsteps.moc"
