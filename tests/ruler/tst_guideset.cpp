// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/input/guideset.h"
#include "testsupport.h"

#include <QTest>

using Band = std::optional<Qt::Orientation>;
Q_DECLARE_METATYPE(Band)

namespace {
const QSize kWindow(300, 200);
constexpr Band kNoBand;
constexpr Band kTopBand = Qt::Horizontal;
constexpr Band kLeftBand = Qt::Vertical;

// A copy for comparing: an emptied list compared with an empty one trips the sanitizer in QList.
QList<int> values(const QList<int> &guides)
{
    QList<int> copy;
    for (int guide : guides)
        copy.append(guide);
    return copy;
}

// One guide of each kind where a drag from a band leaves it: horizontal at y 100, vertical at x 150.
GuideSet withGuides(bool horizontal, bool vertical)
{
    GuideSet guides;
    if (horizontal) {
        guides.press(QPoint(150, 20), kTopBand);
        guides.follow(QPoint(150, 100));
        guides.release(kWindow);
    }
    if (vertical) {
        guides.press(QPoint(20, 100), kLeftBand);
        guides.follow(QPoint(150, 100));
        guides.release(kWindow);
    }
    return guides;
}
} // namespace

// The guides under press, drag and release, without a window.
class TestGuideSet : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void newGuideFromBand_data();
    void newGuideFromBand();
    void dragExistingGuide_data();
    void dragExistingGuide();
    void restAfterAPressThatGrabsNothing_data();
    void restAfterAPressThatGrabsNothing();
    void pointerIsFollowedOnlyWhileArmed();
    void clearRemovesBoth();
};

void TestGuideSet::newGuideFromBand_data()
{
    QTest::addColumn<Band>("band");
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QList<QPoint>>("moves");
    QTest::addColumn<GuideDrag>("dragging");
    QTest::addColumn<QList<int>>("horizontal");
    QTest::addColumn<QList<int>>("vertical");
    using Moves = QList<QPoint>;
    QTest::newRow("left band, dragged: GuideDrag::Vertical")
        << kLeftBand << QPoint(11, 100) << Moves{{60, 100}} << GuideDrag::Vertical << QList<int>{}
        << QList<int>{60};
    QTest::newRow("top band, dragged: GuideDrag::Horizontal")
        << kTopBand << QPoint(150, 20) << Moves{{150, 90}} << GuideDrag::Horizontal << QList<int>{90}
        << QList<int>{};
    QTest::newRow("a click without a drag leaves no guide")
        << kLeftBand << QPoint(11, 100) << Moves{} << GuideDrag::Vertical << QList<int>{} << QList<int>{};
    QTest::newRow("dragged back to where it was made leaves no guide")
        << kTopBand << QPoint(150, 20) << Moves{{150, 80}, {150, 20}} << GuideDrag::Horizontal << QList<int>{}
        << QList<int>{};
    QTest::newRow("a new guide dragged onto the last row goes")
        << kTopBand << QPoint(150, 20) << Moves{{150, 199}} << GuideDrag::Horizontal << QList<int>{}
        << QList<int>{};
    QTest::newRow("a new guide dragged to x 0 goes") << kLeftBand << QPoint(20, 100) << Moves{{0, 100}}
                                                     << GuideDrag::Vertical << QList<int>{} << QList<int>{};
    QTest::newRow("no band: GuideDrag::None") << kNoBand << QPoint(150, 100) << Moves{{160, 120}}
                                              << GuideDrag::None << QList<int>{} << QList<int>{};
}

void TestGuideSet::newGuideFromBand()
{
    QFETCH(Band, band);
    QFETCH(QPoint, press);
    QFETCH(QList<QPoint>, moves);
    QFETCH(GuideDrag, dragging);
    GuideSet guides;
    QCOMPARE(guides.press(press, band), dragging != GuideDrag::None);
    QCOMPARE(guides.drag(), dragging);
    for (const QPoint &pos : moves)
        QCOMPARE(guides.follow(pos), dragging != GuideDrag::None);
    guides.release(kWindow);
    QCOMPARE(guides.drag(), GuideDrag::None);
    QTEST(values(guides.horizontal()), "horizontal");
    QTEST(values(guides.vertical()), "vertical");
}

// A horizontal guide at y 100 and a vertical one at x 150, hovered and grabbed again.
void TestGuideSet::dragExistingGuide_data()
{
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<GuideDrag>("dragging");
    QTest::addColumn<QList<int>>("horizontal");
    QTest::addColumn<QList<int>>("vertical");
    QTest::newRow("y 1 kept") << QPoint(60, 101) << QPoint(60, 1) << GuideDrag::Horizontal << QList<int>{1}
                              << QList<int>{150};
    QTest::newRow("y 0 removed") << QPoint(60, 101) << QPoint(60, 0) << GuideDrag::Horizontal << QList<int>{}
                                 << QList<int>{150};
    QTest::newRow("y h-2 kept") << QPoint(60, 98) << QPoint(60, 198) << GuideDrag::Horizontal
                                << QList<int>{198} << QList<int>{150};
    QTest::newRow("y h-1 removed") << QPoint(60, 102) << QPoint(60, 199) << GuideDrag::Horizontal
                                   << QList<int>{} << QList<int>{150};
    QTest::newRow("beyond the window removed")
        << QPoint(60, 100) << QPoint(60, 260) << GuideDrag::Horizontal << QList<int>{} << QList<int>{150};
    QTest::newRow("x w-2 kept") << QPoint(149, 20) << QPoint(298, 20) << GuideDrag::Vertical
                                << QList<int>{100} << QList<int>{298};
    QTest::newRow("x w-1 removed") << QPoint(149, 20) << QPoint(299, 20) << GuideDrag::Vertical
                                   << QList<int>{100} << QList<int>{};
    QTest::newRow("moved back to where it was: kept")
        << QPoint(60, 100) << QPoint(60, 100) << GuideDrag::Horizontal << QList<int>{100} << QList<int>{150};
    QTest::newRow("at the crossing the vertical one wins: GuideDrag::Vertical")
        << QPoint(151, 101) << QPoint(170, 120) << GuideDrag::Vertical << QList<int>{100} << QList<int>{170};
    QTest::newRow("3 px away grabs nothing: GuideDrag::None")
        << QPoint(60, 103) << QPoint(60, 150) << GuideDrag::None << QList<int>{100} << QList<int>{150};
}

void TestGuideSet::dragExistingGuide()
{
    QFETCH(QPoint, press);
    QFETCH(QPoint, to);
    QFETCH(GuideDrag, dragging);
    GuideSet guides = withGuides(true, true);
    guides.hover(press, true);
    QCOMPARE(guides.press(press, kNoBand), dragging != GuideDrag::None);
    QCOMPARE(guides.drag(), dragging);
    guides.follow(to);
    guides.release(kWindow);
    QTEST(values(guides.horizontal()), "horizontal");
    QTEST(values(guides.vertical()), "vertical");
}

void TestGuideSet::restAfterAPressThatGrabsNothing_data()
{
    QTest::addColumn<bool>("rightButton");
    QTest::addColumn<bool>("hovered");
    QTest::addColumn<QPoint>("press");
    QTest::newRow("right press on a guide") << true << true << QPoint(60, 100);
    QTest::newRow("press on a guide that was not hovered") << false << false << QPoint(60, 100);
    QTest::newRow("press on the body") << false << false << QPoint(60, 150);
}

// A window drag that starts on the body crosses guides without moving them.
void TestGuideSet::restAfterAPressThatGrabsNothing()
{
    QFETCH(bool, rightButton);
    QFETCH(bool, hovered);
    QFETCH(QPoint, press);
    GuideSet guides = withGuides(true, false);
    guides.hover(press, hovered);
    if (rightButton)
        guides.disarm();
    else
        QVERIFY(!guides.press(press, kNoBand));
    QVERIFY(!guides.isArmed());
    QVERIFY(!guides.follow(QPoint(60, 130)));
    QCOMPARE(guides.drag(), GuideDrag::None);
    guides.release(kWindow);
    QVERIFY(guides.isArmed());
    QCOMPARE(values(guides.horizontal()), QList<int>{100});
}

void TestGuideSet::pointerIsFollowedOnlyWhileArmed()
{
    GuideSet guides;
    QVERIFY(!guides.follow(QPoint(40, 50)));
    QCOMPARE(guides.pointer(), QPoint(40, 50));
    guides.press(QPoint(70, 80), kNoBand);
    guides.follow(QPoint(90, 90));
    QCOMPARE(guides.pointer(), QPoint(40, 50));
    guides.release(kWindow);
    // A new guide sets the pointer on its own axis only.
    guides.press(QPoint(20, 120), kLeftBand);
    QCOMPARE(guides.pointer(), QPoint(20, 50));
    guides.release(kWindow);
    // A hover moves it too: the spacing texts stand beside the hovering pointer, not where a guide
    // was dragged last.
    guides.hover(QPoint(300, 100), true);
    QCOMPARE(guides.pointer(), QPoint(300, 100));
    guides.press(QPoint(70, 150), kNoBand);
    guides.hover(QPoint(90, 90), false);
    QCOMPARE(guides.pointer(), QPoint(300, 100));
}

void TestGuideSet::clearRemovesBoth()
{
    GuideSet guides = withGuides(true, true);
    QVERIFY(!guides.isEmpty());
    guides.clear();
    QVERIFY(guides.isEmpty());
}

GRADORA_TEST_GUILESS_MAIN(TestGuideSet)
#include "tst_guideset.moc"
