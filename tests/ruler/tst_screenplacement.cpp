// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "screenplacement.h"
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
    using ScreenPlacement::PanelSide;
    QTest::addColumn<QRect>("window");
    QTest::addColumn<int>("side");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("right") << QRect(100, 50, 300, 200) << int(PanelSide::Right) << QPoint(405, 50);
    QTest::newRow("right would overflow")
        << QRect(1500, 50, 300, 200) << int(PanelSide::Right) << QPoint(1335, 50);
    QTest::newRow("right just fits") << QRect(1455, 50, 300, 200) << int(PanelSide::Right)
                                     << QPoint(1760, 50);
    QTest::newRow("left") << QRect(500, 50, 300, 200) << int(PanelSide::Left) << QPoint(335, 50);
    QTest::newRow("left would overflow")
        << QRect(100, 50, 300, 200) << int(PanelSide::Left) << QPoint(405, 50);
}

void TestScreenPlacement::panelSide()
{
    QFETCH(QRect, window);
    QFETCH(int, side);
    QFETCH(QPoint, expected);
    QCOMPARE(ScreenPlacement::panelPosition(window, QSize(160, 240), kPrimary,
                                            ScreenPlacement::PanelSide(side), 5),
             expected);
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
