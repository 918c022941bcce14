// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/placement/screenplacement.h"
#include "testsupport.h"

#include <QTest>

class TestScreenPlacement : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void reachableGeometry_data();
    void reachableGeometry();
    void screenIndex_data();
    void screenIndex();
    void snapping_data();
    void snapping();
    void locking_data();
    void locking();
    void panelSide_data();
    void panelSide();
};

namespace {
const QRect kPrimary(0, 0, 1920, 1080);
const QRect kSecond(1920, 0, 1280, 1024);
} // namespace

void TestScreenPlacement::screenIndex_data()
{
    QTest::addColumn<QRect>("window");
    QTest::addColumn<int>("index");
    QTest::newRow("on the primary") << QRect(100, 100, 300, 200) << 0;
    QTest::newRow("centre on the second") << QRect(1800, 100, 300, 200) << 1;
    QTest::newRow("centre below the second, overlapping it") << QRect(2000, 900, 300, 300) << 1;
    QTest::newRow("nowhere") << QRect(-5000, -5000, 10, 10) << 0;
}

void TestScreenPlacement::screenIndex()
{
    QFETCH(QRect, window);
    QFETCH(int, index);
    QCOMPARE(ScreenPlacement::screenIndexFor(window, {kPrimary, kSecond}), index);
}

void TestScreenPlacement::snapping_data()
{
    QTest::addColumn<QRect>("window");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("L + 25 snaps") << QRect(25, 300, 300, 200) << kPrimary << QPoint(0, 300);
    QTest::newRow("L + 26 stays") << QRect(26, 300, 300, 200) << kPrimary << QPoint(26, 300);
    QTest::newRow("L - 25 snaps") << QRect(-25, 300, 300, 200) << kPrimary << QPoint(0, 300);
    QTest::newRow("right edge 20 short") << QRect(1600, 300, 300, 200) << kPrimary << QPoint(1620, 300);
    QTest::newRow("right edge 25 beyond") << QRect(1645, 300, 300, 200) << kPrimary << QPoint(1620, 300);
    QTest::newRow("right edge 26 beyond stays")
        << QRect(1646, 300, 300, 200) << kPrimary << QPoint(1646, 300);
    QTest::newRow("top and bottom") << QRect(500, 10, 300, 200) << kPrimary << QPoint(500, 0);
    QTest::newRow("bottom") << QRect(500, 870, 300, 200) << kPrimary << QPoint(500, 880);
    QTest::newRow("second screen left edge") << QRect(1940, 300, 300, 200) << kSecond << QPoint(1920, 300);
    QTest::newRow("second screen right edge") << QRect(2890, 300, 300, 200) << kSecond << QPoint(2900, 300);
}

void TestScreenPlacement::snapping()
{
    QFETCH(QRect, window);
    QFETCH(QRect, screen);
    QFETCH(QPoint, expected);
    QCOMPARE(ScreenPlacement::snapped(window, screen, 25), expected);
}

void TestScreenPlacement::locking_data()
{
    QTest::addColumn<QRect>("window");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("inside") << QRect(10, 10, 300, 200) << kPrimary << QRect(10, 10, 300, 200);
    QTest::newRow("off the left") << QRect(-10, 10, 300, 200) << kPrimary << QRect(0, 10, 300, 200);
    QTest::newRow("off the right") << QRect(1700, 10, 300, 200) << kPrimary << QRect(1620, 10, 300, 200);
    QTest::newRow("wider than the screen")
        << QRect(300, 10, 2500, 200) << kPrimary << QRect(0, 10, 1920, 200);
    QTest::newRow("higher than the screen")
        << QRect(300, 50, 300, 1500) << kPrimary << QRect(300, 0, 300, 1080);
    QTest::newRow("second screen") << QRect(1900, 10, 300, 200) << kSecond << QRect(1920, 10, 300, 200);
}

void TestScreenPlacement::locking()
{
    QFETCH(QRect, window);
    QFETCH(QRect, screen);
    QFETCH(QRect, expected);
    QCOMPARE(ScreenPlacement::locked(window, screen), expected);
}

void TestScreenPlacement::panelSide_data()
{
    QTest::addColumn<QRect>("window");
    QTest::addColumn<int>("side");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QPoint>("expected");

    // The panel is 160 x 240, 5 px from the window.
    const int right = int(PanelSide::Right);
    const int left = int(PanelSide::Left);
    const QRect negative(-1280, -200, 1280, 1024); // a monitor left of and above the primary's origin
    QTest::newRow("right") << QRect(100, 50, 300, 200) << right << kPrimary << QPoint(405, 50);
    QTest::newRow("right would overflow")
        << QRect(1500, 50, 300, 200) << right << kPrimary << QPoint(1335, 50);
    QTest::newRow("right just fits") << QRect(1455, 50, 300, 200) << right << kPrimary << QPoint(1760, 50);
    QTest::newRow("left") << QRect(500, 50, 300, 200) << left << kPrimary << QPoint(335, 50);
    QTest::newRow("left would overflow") << QRect(100, 50, 300, 200) << left << kPrimary << QPoint(405, 50);
    QTest::newRow("left just fits") << QRect(165, 50, 300, 200) << left << kPrimary << QPoint(0, 50);
    QTest::newRow("low ruler: the panel rises to the bottom edge")
        << QRect(400, 900, 600, 150) << right << kPrimary << QPoint(1005, 840);
    QTest::newRow("ruler above the screen: the panel comes down to the top")
        << QRect(400, -100, 600, 150) << right << kPrimary << QPoint(1005, 0);
    QTest::newRow("wide ruler: over its right edge")
        << QRect(80, 50, 1760, 200) << right << kPrimary << QPoint(1760, 50);
    QTest::newRow("wide ruler, panel on the left: over its left edge")
        << QRect(80, 50, 1760, 200) << left << kPrimary << QPoint(0, 50);
    QTest::newRow("full-screen ruler") << QRect(0, 0, 1920, 1080) << right << kPrimary << QPoint(1760, 0);
    QTest::newRow("ruler wider than the screen, off both sides")
        << QRect(-500, 1000, 3000, 400) << left << kPrimary << QPoint(0, 840);
    QTest::newRow("second screen: flips at its right edge")
        << QRect(2900, 900, 250, 200) << right << kSecond << QPoint(2735, 784);
    QTest::newRow("negative monitor")
        << QRect(-1000, -150, 300, 200) << right << negative << QPoint(-695, -150);
    QTest::newRow("negative monitor, flips at its left edge")
        << QRect(-1250, -190, 300, 200) << left << negative << QPoint(-945, -190);
    QTest::newRow("negative monitor, rises over its bottom edge")
        << QRect(-1000, 700, 300, 200) << right << negative << QPoint(-695, 584);
    QTest::newRow("huge coordinates do not overflow")
        << QRect(2147480000, 2147480000, 3000, 3000) << right << kPrimary << QPoint(1760, 840);
    QTest::newRow("far to the left") << QRect(-2147480000, 50, 300, 200) << left << kPrimary << QPoint(0, 50);
    QTest::newRow("no screen known: beside the ruler")
        << QRect(2000, 2000, 300, 200) << right << QRect() << QPoint(2305, 2000);
}

void TestScreenPlacement::panelSide()
{
    QFETCH(QRect, window);
    QFETCH(int, side);
    QFETCH(QRect, screen);
    QFETCH(QPoint, expected);
    const QSize panel(160, 240);
    const QPoint placed =
        ScreenPlacement::panelPosition(window, panel, screen, PanelSide(side), 5);
    QCOMPARE(placed, expected);
    if (!screen.isEmpty())
        QVERIFY(screen.contains(QRect(placed, panel)));
}

void TestScreenPlacement::reachableGeometry_data()
{
    QTest::addColumn<QRect>("saved");
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<QRect>("expected");

    const QRect primary(0, 0, 1920, 1080);
    const QRect second(1920, 0, 1280, 1024);
    const QList<QRect> one{primary};
    const QList<QRect> two{primary, second};

    QTest::newRow("inside") << QRect(100, 100, 300, 200) << one << QRect(100, 100, 300, 200);
    QTest::newRow("partly off the left edge stays")
        << QRect(-250, 40, 300, 200) << one << QRect(-250, 40, 300, 200);
    QTest::newRow("one pixel on screen stays")
        << QRect(1919, 1079, 300, 200) << one << QRect(1919, 1079, 300, 200);
    QTest::newRow("just beyond the right edge moves")
        << QRect(1920, 100, 300, 200) << one << QRect(0, 0, 300, 200);
    QTest::newRow("on an unplugged second monitor")
        << QRect(2200, 300, 640, 480) << one << QRect(0, 0, 640, 480);
    QTest::newRow("on a second monitor that is there")
        << QRect(2200, 300, 640, 480) << two << QRect(2200, 300, 640, 480);
    QTest::newRow("far above") << QRect(10, -5000, 640, 480) << one << QRect(0, 0, 640, 480);
    QTest::newRow("larger than the screen is reduced")
        << QRect(5000, 5000, 2500, 900) << one << QRect(0, 0, 1920, 900);
    QTest::newRow("primary not at the origin")
        << QRect(-3000, 0, 100, 100) << QList<QRect>{QRect(-1280, 0, 1280, 1024)}
        << QRect(-1280, 0, 100, 100);
}

void TestScreenPlacement::reachableGeometry()
{
    QFETCH(QRect, saved);
    QFETCH(QList<QRect>, screens);
    QFETCH(QRect, expected);
    QCOMPARE(ScreenPlacement::reachableGeometry(saved, screens, screens.first()), expected);
}

GRADORA_TEST_GUILESS_MAIN(TestScreenPlacement)
#include "tst_screenplacement.moc"
