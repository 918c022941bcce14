// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The cross-hair's and the rotation centre's dashed lines, filled as their dashes' rectangles, cover
// exactly the pixels that the dashed pen strokes, in any colour, crossing or not.
#include "render/rulerstyle.h"
#include "testsupport.h"

#include <QPainter>
#include <QTest>

namespace {

const QSize kCanvas(64, 48);
const QColor kBody(255, 255, 235, 128);

QImage canvas()
{
    QImage image(kCanvas, QImage::Format_ARGB32_Premultiplied);
    image.fill(kBody);
    return image;
}

QImage stroked(const QList<QLine> &lines, const QColor &color)
{
    QImage image = canvas();
    QPainter painter(&image);
    painter.setPen(RulerStyle::guideDashPen(color));
    for (const QLine &line : lines)
        painter.drawLine(line);
    return image;
}

QImage drawn(const QList<QLine> &lines, const QColor &color, bool smoothed = false)
{
    QImage image = canvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, smoothed);
    for (const QLine &line : lines)
        RulerStyle::drawDashedLine(painter, color, line.p1(), line.p2());
    return image;
}

} // namespace

class TestDashedLine : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void coversTheStrokedPixels_data();
    void coversTheStrokedPixels();
    void smoothedLineIsStroked();
};

void TestDashedLine::coversTheStrokedPixels_data()
{
    QTest::addColumn<QList<QLine>>("lines");
    QTest::addColumn<QColor>("color");

    const QColor red(Qt::red);
    const QColor seeThrough(0, 90, 200, 140);
    QTest::newRow("level, across") << QList<QLine>{{0, 20, 64, 20}} << red;
    QTest::newRow("upright, across") << QList<QLine>{{31, 0, 31, 48}} << red;
    QTest::newRow("level, from inside") << QList<QLine>{{7, 3, 40, 3}} << red;
    QTest::newRow("upright, from inside") << QList<QLine>{{2, 9, 2, 30}} << red;
    QTest::newRow("one pixel") << QList<QLine>{{5, 5, 5, 5}} << red;
    QTest::newRow("one dash and one more pixel") << QList<QLine>{{0, 1, 10, 1}} << red;
    QTest::newRow("ends in a gap") << QList<QLine>{{0, 1, 8, 1}} << red;
    QTest::newRow("past the canvas") << QList<QLine>{{3, 30, 90, 30}} << red;
    QTest::newRow("cross-hair, see-through") << QList<QLine>{{32, 0, 32, 48}, {0, 24, 64, 24}} << seeThrough;
    QTest::newRow("cross-hair, odd") << QList<QLine>{{31, 0, 31, 47}, {0, 23, 63, 23}} << seeThrough;
    // Other lines are stroked by the pen itself.
    QTest::newRow("leftwards") << QList<QLine>{{60, 10, 3, 10}} << red;
    QTest::newRow("from before the canvas") << QList<QLine>{{-13, 30, 90, 30}} << red;
    QTest::newRow("slanted") << QList<QLine>{{0, 0, 50, 40}} << seeThrough;
}

void TestDashedLine::coversTheStrokedPixels()
{
    QFETCH(QList<QLine>, lines);
    QFETCH(QColor, color);

    const QImage expected = stroked(lines, color);
    QVERIFY(expected != canvas());
    QCOMPARE(drawn(lines, color), expected);
}

void TestDashedLine::smoothedLineIsStroked()
{
    const QList<QLine> lines{{20, 0, 20, 48}};
    QImage expected = canvas();
    {
        QPainter painter(&expected);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(RulerStyle::guideDashPen(Qt::red));
        painter.drawLine(lines.first());
    }
    QCOMPARE(drawn(lines, Qt::red, true), expected);
}

GRADORA_TEST_MAIN(TestDashedLine)
#include "tst_dashedline.moc"
