// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "render/inkbounds.h"
#include "render/inkmask.h"
#include "render/rulershape.h"
#include "render/rulerstyle.h"
#include "testsupport.h"
#include "render/unitscale.h"

#include <QPainter>
#include <QPainterPath>
#include <QTest>
#include <functional>

using Drawing = std::function<void(QPainter &)>;
Q_DECLARE_METATYPE(Drawing)
Q_DECLARE_METATYPE(QList<QPoint>)

class TestInkMask : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void marksWhatIsDrawn_data();
    void marksWhatIsDrawn();
    void boundsHoldAllThatIsPainted_data() { marksWhatIsDrawn_data(); }
    void boundsHoldAllThatIsPainted();
    void regionHoldsExactlyTheMarks_data();
    void regionHoldsExactlyTheMarks();
    void tickerDepthFollowsTheLayout_data();
    void tickerDepthFollowsTheLayout();
    void bandsKeepTheEdgesAndVisibleTickers_data();
    void bandsKeepTheEdgesAndVisibleTickers();
};

namespace {
constexpr QSize kDevice(200, 150);
constexpr int kReach = InkMask::kStrokeReach;

QRegion regionOf(const Drawing &draw)
{
    InkMask mask(kDevice);
    QPainter painter(&mask);
    draw(painter);
    painter.end();
    return mask.region();
}

UnitScale centimetres()
{
    UnitScale scale;
    scale.unitKind = UnitScale::TableUnit;
    scale.unitLabel = QStringLiteral("cm");
    scale.pixelsPerUnitX = scale.pixelsPerUnitY = scale.pixelsPerUnitAvg = 40;
    scale.ticksPerUnit = 10;
    return scale;
}
} // namespace

void TestInkMask::marksWhatIsDrawn_data()
{
    QTest::addColumn<Drawing>("draw");
    QTest::addColumn<QList<QPoint>>("inside");
    QTest::addColumn<QList<QPoint>>("outside");

    QTest::newRow("a line is grabbed within its reach")
        << Drawing([](QPainter &p) { p.drawLine(20, 50, 180, 50); })
        << QList<QPoint>{{20, 50}, {100, 50}, {100, 50 - kReach}, {100, 50 + kReach}}
        << QList<QPoint>{{100, 50 - kReach - 1}, {100, 50 + kReach + 1}, {100, 100}};
    QTest::newRow("a dashed line is grabbed along its gaps") << Drawing([](QPainter &p) {
        QPen dashed = RulerStyle::guideDashPen(Qt::red);
        p.setPen(dashed);
        p.drawLine(0, 80, 199, 80);
    }) << QList<QPoint>{{3, 80}, {8, 80}, {13, 80}, {100, 82}}
                                                             << QList<QPoint>{{100, 90}};
    QTest::newRow("an unfilled rectangle keeps its hole")
        << Drawing([](QPainter &p) { p.drawRect(40, 40, 100, 60); })
        << QList<QPoint>{{40, 40}, {140, 100}, {90, 40 + kReach}} << QList<QPoint>{{90, 70}, {60, 60}};
    QTest::newRow("a filled rectangle is whole, and grabbed within the reach")
        << Drawing([](QPainter &p) { p.fillRect(QRect(40, 40, 100, 60), Qt::blue); })
        << QList<QPoint>{{40, 40}, {90, 70}, {139, 99}, {139 + kReach, 70}, {90, 99 + kReach}}
        << QList<QPoint>{{140 + kReach, 70}, {90, 100 + kReach}, {39 - kReach, 40}};
    QTest::newRow("a one-pixel filled line is grabbed like a stroke")
        << Drawing([](QPainter &p) { p.fillRect(QRect(0, 70, 200, 1), Qt::red); })
        << QList<QPoint>{{100, 70 - kReach}, {100, 70 + kReach}} << QList<QPoint>{{100, 70 + kReach + 1}};
    QTest::newRow("a tick's ends reach no farther than its sides")
        << Drawing([](QPainter &p) { p.fillRect(QRect(100, 5, 1, 26), Qt::red); })
        << QList<QPoint>{{100, 30 + kReach}, {100 - kReach, 30}, {100, 5 - kReach}}
        << QList<QPoint>{{100, 30 + kReach + 1}, {100, 5 - kReach - 1}, {100 + kReach + 1, 20}};
    QTest::newRow("an ellipse outline keeps its hole")
        << Drawing([](QPainter &p) { p.drawEllipse(QRect(50, 25, 100, 100)); })
        << QList<QPoint>{{50, 75}, {100, 25}, {150, 75}} << QList<QPoint>{{100, 75}, {52, 28}};
    QTest::newRow("a text covers its box") << Drawing([](QPainter &p) {
        p.setFont(RulerStyle::font(RulerStyle::kReadingFontPx));
        p.drawText(QPoint(30, 60), QStringLiteral("Area: 12 px"));
    }) << QList<QPoint>{{31, 59}, {60, 50}, {60, 61}}
                                           << QList<QPoint>{{28, 55}, {60, 40}, {140, 55}};
    QTest::newRow("a text turned by a quarter stands upright") << Drawing([](QPainter &p) {
        p.setFont(RulerStyle::font(RulerStyle::kReadingFontPx));
        p.translate(100, 20);
        p.rotate(90);
        p.drawText(QPoint(0, 0), QStringLiteral("480 px"));
    }) << QList<QPoint>{{105, 30}, {105, 50}} << QList<QPoint>{{94, 30}, {117, 30}, {105, 120}};
    QTest::newRow("a polygon outline follows its turned frame") << Drawing([](QPainter &p) {
        p.translate(100, 75);
        p.rotate(45);
        p.drawPolygon(QPolygon(QRect(-40, -40, 80, 80)));
    }) << QList<QPoint>{{100, 75 - 56}, {100 + 56, 75}} << QList<QPoint>{{100, 75}, {62, 37}};
    QTest::newRow("a picture covers where it is drawn") << Drawing([](QPainter &p) {
        QImage picture(10, 10, QImage::Format_ARGB32);
        picture.fill(Qt::transparent);
        p.drawImage(QRect(10, 10, 50, 40), picture);
    }) << QList<QPoint>{{10, 10}, {59, 49}} << QList<QPoint>{{60, 30}, {30, 50}};
    QTest::newRow("nothing drawn, nothing kept")
        << Drawing([](QPainter &) {}) << QList<QPoint>{} << QList<QPoint>{{0, 0}, {100, 75}};
}

void TestInkMask::marksWhatIsDrawn()
{
    QFETCH(Drawing, draw);
    QFETCH(QList<QPoint>, inside);
    QFETCH(QList<QPoint>, outside);
    const QRegion region = regionOf(draw);
    for (const QPoint &point : std::as_const(inside))
        QVERIFY2(region.contains(point),
                 qPrintable(QStringLiteral("(%1, %2) left out").arg(point.x()).arg(point.y())));
    for (const QPoint &point : std::as_const(outside))
        QVERIFY2(!region.contains(point),
                 qPrintable(QStringLiteral("(%1, %2) kept").arg(point.x()).arg(point.y())));
}

// What the box of a drawing is for: repainting it repaints every pixel the drawing touches, smoothed
// or not, and every pixel the shape keeps for it.
void TestInkMask::boundsHoldAllThatIsPainted()
{
    QFETCH(Drawing, draw);
    InkBounds ink(kDevice);
    {
        QPainter painter(&ink);
        draw(painter);
    }
    const QRect bounds = ink.bounds();
    const QRegion marked = regionOf(draw);
    QCOMPARE(marked - QRegion(bounds), QRegion());
    QCOMPARE(bounds.isEmpty(), marked.isEmpty());
    for (const bool smooth : {false, true}) {
        QImage image(kDevice, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, smooth);
        draw(painter);
        painter.end();
        for (int y = 0; y < image.height(); ++y) {
            const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(row[x]) != 0 && !bounds.contains(x, y))
                    QFAIL(qPrintable(QStringLiteral("(%1, %2) painted outside the box").arg(x).arg(y)));
            }
        }
    }
}

void TestInkMask::regionHoldsExactlyTheMarks_data()
{
    QTest::addColumn<Drawing>("draw");
    QTest::newRow("rings and a cross") << Drawing([](QPainter &p) {
        p.drawEllipse(QRect(10, 10, 120, 90));
        p.drawLine(0, 0, 199, 149);
        p.drawLine(199, 0, 0, 149);
    });
    QTest::newRow("texts at several angles") << Drawing([](QPainter &p) {
        p.setFont(RulerStyle::font(RulerStyle::kNumberFontPx));
        for (int angle = 0; angle < 360; angle += 40) {
            p.save();
            p.translate(100, 75);
            p.rotate(angle);
            p.drawText(QPoint(10, 0), QStringLiteral("123.45"));
            p.restore();
        }
    });
}

void TestInkMask::regionHoldsExactlyTheMarks()
{
    QFETCH(Drawing, draw);
    InkMask mask(kDevice);
    QPainter painter(&mask);
    draw(painter);
    painter.end();
    const QRegion region = mask.region();
    for (int y = 0; y < kDevice.height(); ++y) {
        for (int x = 0; x < kDevice.width(); ++x)
            QCOMPARE(region.contains(QPoint(x, y)), mask.marks().constScanLine(y)[x] != 0);
    }
}

void TestInkMask::tickerDepthFollowsTheLayout_data()
{
    QTest::addColumn<int>("edge");
    QTest::addColumn<bool>("inUnits");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    // Pixel tickers: 30-pixel long ticks, with numbers beside them on the left and right.
    QTest::newRow("top, pixels, numbers on the long ticks' ends") << int(TickEdge::Top) << false << 32 << 35;
    QTest::newRow("bottom, pixels") << int(TickEdge::Bottom) << false << 30 << 31;
    QTest::newRow("left, pixels, numbers beyond the ticks") << int(TickEdge::Left) << false << 32 << 45;
    QTest::newRow("right, pixels") << int(TickEdge::Right) << false << 30 << 45;
    // Unit tickers: 20-pixel ticks with their numbers beside them.
    QTest::newRow("top, centimetres") << int(TickEdge::Top) << true << 21 << 26;
    QTest::newRow("left, centimetres") << int(TickEdge::Left) << true << 21 << 45;
}

void TestInkMask::tickerDepthFollowsTheLayout()
{
    QFETCH(int, edge);
    QFETCH(bool, inUnits);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    const TickFrame frame{QSize(1200, 1100), true, false, false};
    const int depth = RulerShape::tickerDepth(TickEdge(edge), frame, inUnits ? centimetres() : UnitScale());
    QVERIFY2(depth >= minimum && depth <= maximum, qPrintable(QString::number(depth)));
}

void TestInkMask::bandsKeepTheEdgesAndVisibleTickers_data()
{
    QTest::addColumn<QList<bool>>("tickers"); // top, bottom, left, right
    QTest::addColumn<QList<QPoint>>("inside");
    QTest::addColumn<QList<QPoint>>("outside");
    QTest::newRow("all tickers") << QList<bool>{true, true, true, true}
                                 << QList<QPoint>{{150, 35}, {150, 265}, {35, 150}, {365, 150}}
                                 << QList<QPoint>{{200, 150}, {150, 60}};
    QTest::newRow("only the top ticker") << QList<bool>{true, false, false, false}
                                         << QList<QPoint>{{150, 35}, {150, 297}, {2, 150}, {397, 150}}
                                         << QList<QPoint>{{150, 265}, {35, 150}, {365, 150}};
    QTest::newRow("no ticker keeps the edge ring")
        << QList<bool>{false, false, false, false} << QList<QPoint>{{0, 0}, {3, 150}, {396, 150}, {150, 296}}
        << QList<QPoint>{{150, 4}, {4, 150}, {395, 150}};
}

void TestInkMask::bandsKeepTheEdgesAndVisibleTickers()
{
    QFETCH(QList<bool>, tickers);
    QFETCH(QList<QPoint>, inside);
    QFETCH(QList<QPoint>, outside);
    InkMask mask(QSize(400, 300));
    RulerShape::markBands(mask, {QSize(400, 300), true, false, false}, UnitScale(),
                          {tickers[0], tickers[1], tickers[2], tickers[3]}, 30);
    const QRegion region = mask.region();
    for (const QPoint &point : std::as_const(inside))
        QVERIFY2(region.contains(point),
                 qPrintable(QStringLiteral("(%1, %2) left out").arg(point.x()).arg(point.y())));
    for (const QPoint &point : std::as_const(outside))
        QVERIFY2(!region.contains(point),
                 qPrintable(QStringLiteral("(%1, %2) kept").arg(point.x()).arg(point.y())));
}

GRADORA_TEST_MAIN(TestInkMask)
#include "tst_inkmask.moc"
