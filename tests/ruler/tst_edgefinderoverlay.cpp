// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "render/rulerstyle.h"
#include "ruler/edgefinder/edgefinderoverlay.h"
#include "testsupport.h"

#include <QTest>

namespace {
const QSize kWindow(300, 200);
const QRect kBox(40, 30, 200, 120);
} // namespace

// The quarter around the pointer that the labels take.
enum class Side
{
    RightAbove,
    LeftAbove,
    RightBelow,
    LeftBelow,
};
Q_DECLARE_METATYPE(Side)

class TestEdgeFinderOverlay : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void labels_data();
    void labels();
    void coversLinesAndLabels();
    void nothingOutsideTheWindow();
};

void TestEdgeFinderOverlay::labels_data()
{
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<Side>("side");
    QTest::newRow("room all round") << QPoint(120, 100) << Side::RightAbove;
    QTest::newRow("near the right edge") << QPoint(280, 100) << Side::LeftAbove;
    QTest::newRow("near the top") << QPoint(120, 8) << Side::RightBelow;
    QTest::newRow("near the top-right corner") << QPoint(290, 8) << Side::LeftBelow;
}

void TestEdgeFinderOverlay::labels()
{
    QFETCH(QPoint, pointer);
    QFETCH(Side, side);
    EdgeFinderOverlay::Look look;
    look.font = RulerStyle::font(RulerStyle::kReadingFontPx);
    const EdgeFinderOverlay overlay({kWindow, pointer, kBox, "↔ 200 px", "↕ 120 px", "Tolerance: 24"}, look);
    const QRect width = overlay.widthLabel();
    const QRect height = overlay.heightLabel();
    const QRect hint = overlay.hintLabel();
    const QRect window(QPoint(), kWindow);
    for (const QRect &label : {width, height, hint}) {
        QVERIFY(window.contains(label));
        // No label hides the pointer.
        QVERIFY(!label.contains(pointer));
    }
    QVERIFY(!width.intersects(height));
    QVERIFY(!hint.intersects(width));
    QVERIFY(!hint.intersects(height));
    const bool right = side == Side::RightAbove || side == Side::RightBelow;
    const bool above = side == Side::RightAbove || side == Side::LeftAbove;
    for (const QRect &label : {width, height, hint}) {
        // Clear of both lines through the pointer.
        QCOMPARE(label.left() > pointer.x(), right);
        QCOMPARE(label.right() < pointer.x(), !right);
        QCOMPARE(label.bottom() < pointer.y(), above);
        QCOMPARE(label.top() > pointer.y(), !above);
    }
    // The width nearest to the pointer.
    QVERIFY(qAbs(width.center().y() - pointer.y()) < qAbs(height.center().y() - pointer.y()));
}

void TestEdgeFinderOverlay::coversLinesAndLabels()
{
    const QPoint pointer(120, 100);
    const EdgeFinderOverlay overlay({kWindow, pointer, kBox, "↔ 200 px", "↕ 120 px", {}}, {});
    const QRegion region = overlay.region();
    QVERIFY(region.contains(QRect(kBox.left(), pointer.y(), kBox.width(), 1)));
    QVERIFY(region.contains(QRect(pointer.x(), kBox.top(), 1, kBox.height())));
    QVERIFY(region.contains(overlay.widthLabel()));
    QVERIFY(region.contains(overlay.heightLabel()));
    QVERIFY(overlay.hintLabel().isNull());
    // Beyond the box's edges and away from the labels: nothing.
    for (const QPoint &outside :
         {QPoint(kBox.left() - 1, pointer.y()), QPoint(kBox.right() + 1, pointer.y()),
          QPoint(pointer.x(), kBox.top() - 1), QPoint(pointer.x(), kBox.bottom() + 1), QPoint(60, 60)})
        QVERIFY(!region.contains(outside));
}

void TestEdgeFinderOverlay::nothingOutsideTheWindow()
{
    const QRect screenWide(-500, -400, 2000, 1500);
    const EdgeFinderOverlay overlay({kWindow, QPoint(150, 100), screenWide, "a", "b", {}}, {});
    QCOMPARE(overlay.region() & QRegion(QRect(QPoint(), kWindow)), overlay.region());
    // A pointer outside the window draws nothing.
    QVERIFY(EdgeFinderOverlay({kWindow, QPoint(-3, 100), kBox, "a", "b", {}}, {}).isEmpty());
    QVERIFY(EdgeFinderOverlay({kWindow, QPoint(150, 100), QRect(), "a", "b", {}}, {}).isEmpty());
}

GRADORA_TEST_MAIN(TestEdgeFinderOverlay)
#include "tst_edgefinderoverlay.moc"
