// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/stillframelayout.h"
#include "testsupport.h"

#include <QTest>

// Where the still frame puts the magnifier's lens and its banner.
class TestStillFrameLayout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void lensRect_data();
    void lensRect();
    void bannerRect_data();
    void bannerRect();
};

using StillFrameLayout::kLensGap;

void TestStillFrameLayout::lensRect_data()
{
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<QSize>("lens");
    QTest::addColumn<QRect>("window");
    QTest::addColumn<QPoint>("topLeft");
    const QRect window(0, 0, 1000, 800);
    const QSize lens(250, 200);
    QTest::newRow("room below right")
        << QPoint(100, 100) << lens << window << QPoint(100 + kLensGap, 100 + kLensGap);
    QTest::newRow("just fits at the right")
        << QPoint(1000 - kLensGap - 250, 100) << lens << window << QPoint(1000 - 250, 100 + kLensGap);
    QTest::newRow("no room at the right") << QPoint(1000 - kLensGap - 249, 100) << lens << window
                                          << QPoint(1000 - kLensGap - 249 - kLensGap - 249, 100 + kLensGap);
    QTest::newRow("no room below") << QPoint(100, 790) << lens << window
                                   << QPoint(100 + kLensGap, 790 - kLensGap - 199);
    QTest::newRow("bottom-right corner")
        << QPoint(999, 799) << lens << window << QPoint(999 - kLensGap - 249, 799 - kLensGap - 199);
    QTest::newRow("window off the origin") << QPoint(-1500, 300) << lens << QRect(-1920, 0, 1920, 1080)
                                           << QPoint(-1500 + kLensGap, 300 + kLensGap);
    QTest::newRow("lens larger than the window")
        << QPoint(50, 50) << QSize(300, 300) << QRect(0, 0, 200, 200) << QPoint(0, 0);
}

void TestStillFrameLayout::lensRect()
{
    QFETCH(QPoint, pointer);
    QFETCH(QSize, lens);
    QFETCH(QRect, window);
    QFETCH(QPoint, topLeft);
    const QRect rect = StillFrameLayout::lensRect(pointer, lens, window);
    QCOMPARE(rect.topLeft(), topLeft);
    QCOMPARE(rect.size(), lens);
    // The lens never covers the pointer, nor the pixels right around it.
    if (lens.width() < window.width() / 2)
        QVERIFY(!rect.adjusted(-kLensGap + 1, -kLensGap + 1, kLensGap - 1, kLensGap - 1).contains(pointer));
}

void TestStillFrameLayout::bannerRect_data()
{
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<bool>("atTop");
    QTest::newRow("pointer far away") << QPoint(500, 500) << true;
    QTest::newRow("pointer on the banner") << QPoint(500, 20) << false;
    QTest::newRow("pointer just under it") << QPoint(500, 8 + 30 + kLensGap - 1) << false;
    QTest::newRow("pointer beyond the gap") << QPoint(500, 8 + 30 + kLensGap + 1) << true;
    QTest::newRow("pointer at the top, aside") << QPoint(5, 5) << true;
}

void TestStillFrameLayout::bannerRect()
{
    QFETCH(QPoint, pointer);
    QFETCH(bool, atTop);
    const QRect window(0, 0, 1000, 800);
    const QRect banner = StillFrameLayout::bannerRect(QSize(400, 30), window, pointer);
    QCOMPARE(banner.size(), QSize(400, 30));
    QCOMPARE(banner.left() - window.left(), window.right() - banner.right());
    if (atTop)
        QCOMPARE(banner.top(), StillFrameLayout::kBannerMargin);
    else
        QCOMPARE(banner.bottom(), window.bottom() - StillFrameLayout::kBannerMargin);
}

GRADORA_TEST_GUILESS_MAIN(TestStillFrameLayout)
#include "tst_stillframelayout.moc"
