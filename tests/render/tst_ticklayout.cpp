// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "testsupport.h"
#include "render/ticklayout.h"
#include "render/unitscale.h"

#include <QTest>
#include <cmath>
#include <set>

Q_DECLARE_METATYPE(TickEdge)
Q_DECLARE_METATYPE(TickFrame)
Q_DECLARE_METATYPE(UnitScale)

namespace {

UnitScale pixelScale()
{
    return UnitScale();
}

UnitScale unitScale(double perUnitX, double perUnitY, double ticksPerUnit)
{
    UnitScale scale;
    scale.unitKind = UnitScale::TableUnit;
    scale.pixelsPerUnitX = perUnitX;
    scale.pixelsPerUnitY = perUnitY;
    scale.pixelsPerUnitAvg = (perUnitX + perUnitY) / 2;
    scale.ticksPerUnit = ticksPerUnit;
    return scale;
}

TickFrame frame(int width, int height, bool zeroAtLeft, bool zeroAtBottom, bool startsFromOne)
{
    TickFrame result;
    result.size = QSize(width, height);
    result.zeroAtLeft = zeroAtLeft;
    result.zeroAtBottom = zeroAtBottom;
    result.startsFromOne = startsFromOne;
    return result;
}

// "text@x,y/font", so that a failing comparison shows what went where.
QStringList describe(const QList<TickLabel> &labels)
{
    QStringList result;
    for (const TickLabel &label : labels) {
        result.append(QStringLiteral("%1@%2,%3/%4")
                          .arg(label.text)
                          .arg(label.baseline.x())
                          .arg(label.baseline.y())
                          .arg(label.fontPx));
    }
    return result;
}

void verifyContainsAll(const QList<QLine> &lines, const QList<QLine> &wanted)
{
    for (const QLine &line : wanted) {
        QVERIFY2(lines.contains(line), qPrintable(QStringLiteral("missing %1,%2-%3,%4")
                                                      .arg(line.x1())
                                                      .arg(line.y1())
                                                      .arg(line.x2())
                                                      .arg(line.y2())));
    }
}

// The positions of the 5-px minor ticks of the top ticker.
std::set<int> shortTopTicks(const QList<QLine> &lines)
{
    std::set<int> result;
    for (const QLine &line : lines) {
        if (line.y1() == 0 && line.y2() == 5)
            result.insert(line.x1());
    }
    return result;
}

} // namespace

class TestTickLayout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pixels_data();
    void pixels();
    void units_data();
    void units();
    void denseTicksDrawTheSamePixels_data();
    void denseTicksDrawTheSamePixels();
    void unitsUnderAPixelAreNumberedAsCounted_data();
    void unitsUnderAPixelAreNumberedAsCounted();
    void degenerateUnitsStayBounded_data();
    void degenerateUnitsStayBounded();
    void tickersShareOneList();
};

void TestTickLayout::pixels_data()
{
    QTest::addColumn<TickEdge>("edge");
    QTest::addColumn<TickFrame>("window");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QList<QLine>>("someLines");
    QTest::addColumn<int>("lineCount");

    QTest::newRow("top, zero at the left")
        << TickEdge::Top << frame(300, 200, true, false, false)
        << QStringList{"50@35,20/11", "100@76,30/12", "150@126,20/11", "200@176,30/12", "250@226,20/11"}
        << QList<QLine>{{5, 0, 5, 5}, {50, 5, 50, 20}, {100, 5, 100, 30}, {295, 0, 295, 5}} << 59 + 5;
    QTest::newRow("top, starting with pixel 1")
        << TickEdge::Top << frame(300, 200, true, false, true)
        << QStringList{"50@34,20/11", "100@75,30/12", "150@125,20/11", "200@175,30/12", "250@225,20/11"}
        << QList<QLine>{{4, 0, 4, 5}, {49, 5, 49, 20}, {299, 5, 299, 30}} << 60 + 6;
    QTest::newRow("top, zero at the right")
        << TickEdge::Top << frame(300, 200, false, false, false)
        << QStringList{"50@254,20/11", "100@204,30/12", "150@154,20/11", "200@104,30/12", "250@54,20/11"}
        << QList<QLine>{{294, 0, 294, 5}, {249, 5, 249, 20}, {4, 0, 4, 5}} << 59 + 5;
    QTest::newRow("bottom, zero at the left")
        << TickEdge::Bottom << frame(300, 200, true, false, false)
        << QStringList{"50@35,188/11", "100@76,180/12", "150@126,188/11", "200@176,180/12", "250@226,188/11"}
        << QList<QLine>{{5, 200, 5, 195}, {50, 200, 50, 180}, {100, 200, 100, 170}} << 59 + 5;
    QTest::newRow("left, zero at the top")
        << TickEdge::Left << frame(300, 200, true, false, false)
        << QStringList{"50@8,47/11", "100@11,97/12", "150@8,147/11"}
        << QList<QLine>{{0, 5, 5, 5}, {5, 50, 20, 50}, {5, 100, 30, 100}} << 39 + 3;
    QTest::newRow("right, zero at the bottom")
        << TickEdge::Right << frame(300, 200, true, true, false)
        << QStringList{"50@280,162/11", "100@268,112/12", "150@273,62/11"}
        << QList<QLine>{{300, 194, 295, 194}, {300, 149, 280, 149}, {300, 99, 270, 99}} << 39 + 3;
    QTest::newRow("four digits from the left")
        << TickEdge::Top << frame(1100, 50, true, false, false)
        << QStringList{"50@35,20/11",    "100@76,30/12",  "150@126,20/11", "200@176,30/12", "250@226,20/11",
                       "300@276,30/12",  "350@326,20/11", "400@376,30/12", "450@426,20/11", "500@476,30/12",
                       "550@526,20/11",  "600@576,30/12", "650@626,20/11", "700@676,30/12", "750@726,20/11",
                       "800@776,30/12",  "850@826,20/11", "900@876,30/12", "950@926,20/11", "1000@969,30/12",
                       "1050@1019,20/11"}
        << QList<QLine>{} << 219 + 21;
    QTest::newRow("numbers only where they fit")
        << TickEdge::Left << frame(100, 120, true, false, false) << QStringList{"50@8,47/11"}
        << QList<QLine>{{5, 100, 30, 100}} << 23 + 2;
}

void TestTickLayout::pixels()
{
    QFETCH(TickEdge, edge);
    QFETCH(TickFrame, window);
    QFETCH(QStringList, labels);
    QFETCH(QList<QLine>, someLines);
    QFETCH(int, lineCount);

    TickMarks marks;
    TickLayout::layOut(edge, window, pixelScale(), marks);
    QCOMPARE(describe(marks.labels), labels);
    verifyContainsAll(marks.lines, someLines);
    QCOMPARE(marks.lines.size(), lineCount);
}

void TestTickLayout::units_data()
{
    QTest::addColumn<TickEdge>("edge");
    QTest::addColumn<TickFrame>("window");
    QTest::addColumn<UnitScale>("scale");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QList<QLine>>("someLines");

    QTest::newRow("3.78 px unit numbered every 10 units")
        << TickEdge::Top << frame(300, 100, true, false, false) << unitScale(3.78, 3.78, 1)
        << QStringList{"10@42,20/12",  "20@80,20/12",  "30@117,20/12", "40@155,20/12",
                       "50@193,20/12", "60@231,20/12", "70@269,20/12"}
        << QList<QLine>{{4, 0, 4, 5}, {38, 0, 38, 20}, {299, 0, 299, 5}};
    QTest::newRow("10 px units on 2000 px alternate 20 and 33")
        << TickEdge::Top << frame(2000, 100, true, false, false) << unitScale(10, 10, 1)
        << QStringList{"10@94,20/11",    "20@194,33/12",   "30@294,20/11",   "40@394,33/12",
                       "50@494,20/11",   "60@594,33/12",   "70@694,20/11",   "80@794,33/12",
                       "90@894,20/11",   "100@990,33/12",  "110@1090,20/11", "120@1190,33/12",
                       "130@1290,20/11", "140@1390,33/12", "150@1490,20/11", "160@1590,33/12",
                       "170@1690,20/11", "180@1790,33/12", "190@1890,20/11"}
        << QList<QLine>{{100, 0, 100, 9}, {200, 0, 200, 22}, {10, 0, 10, 5}};
    QTest::newRow("alternating rows on the bottom")
        << TickEdge::Bottom << frame(1000, 100, true, false, false) << unitScale(10, 10, 1)
        << QStringList{"10@94,90/11",  "20@194,77/12", "30@294,90/11", "40@394,77/12", "50@494,90/11",
                       "60@594,77/12", "70@694,90/11", "80@794,77/12", "90@894,90/11"}
        << QList<QLine>{{100, 100, 100, 91}, {200, 100, 200, 78}};
    QTest::newRow("zero at the bottom: unit 1 of 10 px at h - 11")
        << TickEdge::Left << frame(300, 200, true, true, false) << unitScale(10, 10, 10)
        << QStringList{"10@9,112/12"} << QList<QLine>{{0, 189, 5, 189}, {0, 198, 5, 198}, {0, 99, 20, 99}};
    QTest::newRow("starting with pixel 1 moves the units to the zero edge")
        << TickEdge::Top << frame(100, 100, true, false, true) << unitScale(20, 20, 1)
        << QStringList{"2@43,20/12", "3@63,20/12", "4@83,20/12"}
        << QList<QLine>{{19, 0, 19, 20}, {99, 0, 99, 20}};
    QTest::newRow("zero at the right")
        << TickEdge::Bottom << frame(100, 100, false, false, false) << unitScale(25, 25, 5)
        << QStringList{"1@78,90/12", "2@53,90/12", "3@28,90/12"}
        << QList<QLine>{{94, 100, 94, 95}, {74, 100, 74, 80}, {24, 100, 24, 80}, {4, 100, 4, 95}};
    QTest::newRow("right ticker, zero at the top")
        << TickEdge::Right << frame(300, 200, true, false, false) << unitScale(1, 25, 5)
        << QStringList{"2@280,47/12", "3@280,72/12", "4@280,97/12", "5@280,122/12", "6@280,147/12"}
        << QList<QLine>{{300, 5, 295, 5}, {300, 25, 280, 25}, {300, 175, 280, 175}};
    QTest::newRow("1 px units numbered every 20 px")
        << TickEdge::Top << frame(120, 100, true, false, false) << unitScale(1, 1, 1)
        << QStringList{"40@34,33/12", "60@54,20/11", "80@74,33/12"} << QList<QLine>{{20, 0, 20, 9}};
    QTest::newRow("uncalibrated display draws nothing")
        << TickEdge::Top << frame(300, 100, true, false, false) << unitScale(0, 0, 8) << QStringList{}
        << QList<QLine>{};
}

void TestTickLayout::units()
{
    QFETCH(TickEdge, edge);
    QFETCH(TickFrame, window);
    QFETCH(UnitScale, scale);
    QFETCH(QStringList, labels);
    QFETCH(QList<QLine>, someLines);

    TickMarks marks;
    TickLayout::layOut(edge, window, scale, marks);
    QCOMPARE(describe(marks.labels), labels);
    verifyContainsAll(marks.lines, someLines);
    if (labels.isEmpty() && someLines.isEmpty())
        QVERIFY(marks.lines.isEmpty());
}

void TestTickLayout::denseTicksDrawTheSamePixels_data()
{
    QTest::addColumn<double>("step");
    QTest::addColumn<bool>("zeroAtLeft");
    QTest::addColumn<bool>("startsFromOne");
    QTest::newRow("0.37 from the left") << 0.37 << true << false;
    QTest::newRow("0.37 from the right") << 0.37 << false << false;
    QTest::newRow("0.8 from the left, pixel 1") << 0.8 << true << true;
    QTest::newRow("0.8 from the right, pixel 1") << 0.8 << false << true;
    QTest::newRow("0.5 from the right") << 0.5 << false << false;
    QTest::newRow("0.001 from the left") << 0.001 << true << false;
}

// Ticks under a pixel apart are laid once per pixel, covering exactly the pixels that drawing every
// tick would cover.
void TestTickLayout::denseTicksDrawTheSamePixels()
{
    QFETCH(double, step);
    QFETCH(bool, zeroAtLeft);
    QFETCH(bool, startsFromOne);
    const UnitScale scale = unitScale(step * 1000, step * 1000, 1000);
    step = scale.pixelsPerUnitX / scale.ticksPerUnit;
    const int width = 157;
    const int s = startsFromOne ? 1 : 0;
    const double origin = zeroAtLeft ? -s : width - (1 - s);

    std::set<int> expected;
    for (int k = 1;; ++k) {
        const double position = zeroAtLeft ? origin + k * step : origin - k * step;
        if (zeroAtLeft ? position >= width : position <= 0)
            break;
        expected.insert(qRound(position));
    }

    TickMarks marks;
    TickLayout::layOut(TickEdge::Top, frame(width, 100, zeroAtLeft, false, startsFromOne), scale, marks);
    const std::set<int> laid = shortTopTicks(marks.lines);
    QCOMPARE(laid, expected);
    QCOMPARE(qsizetype(laid.size()),
             qsizetype(std::count_if(marks.lines.cbegin(), marks.lines.cend(),
                                     [](const QLine &l) { return l.y1() == 0 && l.y2() == 5; })));
}

void TestTickLayout::unitsUnderAPixelAreNumberedAsCounted_data()
{
    QTest::addColumn<double>("perUnit");
    QTest::addColumn<double>("ticksPerUnit");
    QTest::addColumn<bool>("zeroAtLeft");
    QTest::newRow("half pixel units") << 0.5 << 1.0 << true;
    QTest::newRow("quarter pixel units from the right") << 0.25 << 1.0 << false;
    QTest::newRow("minor step of 40 px holds numbers apart") << 0.5 << 0.0125 << true;
}

// Units under a pixel are not visited one by one; the numbers still fall where counting every unit
// puts them.
void TestTickLayout::unitsUnderAPixelAreNumberedAsCounted()
{
    QFETCH(double, perUnit);
    QFETCH(double, ticksPerUnit);
    QFETCH(bool, zeroAtLeft);
    const int height = 100;
    const int width = 400;
    const double step = perUnit / ticksPerUnit;
    const double origin = zeroAtLeft ? 0 : width - 1;

    QStringList expected;
    double distance = 0;
    int row = 20;
    for (int k = 1;; ++k) {
        const double position = zeroAtLeft ? origin + k * perUnit : origin - k * perUnit;
        if (zeroAtLeft ? position >= width : position < 0)
            break;
        const double reached = distance + perUnit;
        if (reached >= step && reached > 19 && k % 10 == 0) {
            distance = 0;
            const int m = k < 100 ? 6 : k < 1000 ? 10 : 13;
            if (position > 20 && position < width - 20)
                expected.append(QStringLiteral("%1@%2,%3/%4")
                                    .arg(k)
                                    .arg(qRound(position) - m)
                                    .arg(row)
                                    .arg(row == 20 ? 11 : 12));
            row = row == 20 ? 33 : 20;
        } else {
            distance = reached;
        }
    }
    QVERIFY(!expected.isEmpty());

    TickMarks marks;
    TickLayout::layOut(TickEdge::Top, frame(width, height, zeroAtLeft, false, false),
                       unitScale(perUnit, perUnit, ticksPerUnit), marks);
    QCOMPARE(describe(marks.labels), expected);
}

void TestTickLayout::degenerateUnitsStayBounded_data()
{
    QTest::addColumn<double>("perUnit");
    QTest::addColumn<double>("ticksPerUnit");
    QTest::newRow("a billion ticks per unit") << 37.8 << 1e9;
    QTest::newRow("10^12 units per inch") << 96 / 1e12 << 1.0;
    QTest::newRow("both") << 96 / 1e12 << 1e9;
    QTest::newRow("step underflows to zero") << 1e-300 << 1e300;
    QTest::newRow("denormal unit") << 4.9e-324 << 1.0;
    QTest::newRow("infinite step") << 1e300 << 1e-300;
    QTest::newRow("huge unit") << 1e300 << 1.0;
    QTest::newRow("infinite unit") << double(INFINITY) << 1.0;
    QTest::newRow("not a number") << double(NAN) << 1.0;
    QTest::newRow("no ticks") << 10.0 << 0.0;
    QTest::newRow("ticks under a pixel, units of 0.3 px") << 0.3 << 10.0;
}

// Whatever the unit tables hold, a ticker lays at most one line per pixel plus its numbers, no two
// minor ticks on one pixel.
void TestTickLayout::degenerateUnitsStayBounded()
{
    QFETCH(double, perUnit);
    QFETCH(double, ticksPerUnit);
    const UnitScale scale = unitScale(perUnit, perUnit, ticksPerUnit);
    const int length = 1500;
    TickMarks marks;
    for (TickEdge edge : {TickEdge::Top, TickEdge::Bottom, TickEdge::Left, TickEdge::Right}) {
        for (bool zeroAtStart : {true, false}) {
            for (bool fromOne : {false, true}) {
                marks.clear();
                TickLayout::layOut(edge, frame(length, length, zeroAtStart, !zeroAtStart, fromOne), scale,
                                   marks);
                QVERIFY2(marks.lines.size() <= length + 2 + length / 19 + 2,
                         qPrintable(QString::number(marks.lines.size())));
                QVERIFY(marks.labels.size() <= length / 19 + 2);
                std::set<int> minor;
                for (const QLine &line : marks.lines) {
                    if (std::abs(line.dx()) + std::abs(line.dy()) != 5)
                        continue;
                    const int at = edge == TickEdge::Top || edge == TickEdge::Bottom ? line.x1() : line.y1();
                    QVERIFY2(minor.insert(at).second, "two minor ticks on one pixel");
                }
            }
        }
    }
}

void TestTickLayout::tickersShareOneList()
{
    const TickFrame window = frame(300, 200, true, false, false);
    TickMarks top, left, both;
    TickLayout::layOut(TickEdge::Top, window, pixelScale(), top);
    TickLayout::layOut(TickEdge::Left, window, pixelScale(), left);
    TickLayout::layOut(TickEdge::Top, window, pixelScale(), both);
    TickLayout::layOut(TickEdge::Left, window, pixelScale(), both);
    QCOMPARE(both.lines, top.lines + left.lines);
    QCOMPARE(describe(both.labels), describe(top.labels) + describe(left.labels));
}

GRADORA_TEST_GUILESS_MAIN(TestTickLayout)
#include "tst_ticklayout.moc"
