// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "figure/arealineplacement.h"
#include "figure/figurefixture.h"
#include "figure/figuremodel.h"
#include "figure/figurereadings.h"
#include "render/readingtext.h"
#include "testsupport.h"

#include <QTest>

using FigureFixture::created;
using Place = FigureStyle::AreaLinePlace;

namespace {

// A new ruler window's size, before any geometry is stored.
const QSize kNewRuler(640, 480);

// The ruler's own line as a new ruler writes it (pixels, megapixels on).
QString rulerLine(QSize window)
{
    const RulerReadings readings = ReadingText::rulerReadings(window, ReadingScale{}, true);
    return readings.areaText + QStringLiteral(" | ") + readings.perimeterText;
}

struct Placed
{
    QPolygonF ruler;
    QPolygonF figure;
};

Placed placed(QSize window, const FigureModel &model, Place place, QPoint rulerBaseline)
{
    const FigureReadings readings = FigureReadings::measure(model, FigureUnits{}, {window});
    FigureStyle style;
    style.window = window;
    style.areaLinePlace = place;
    return {QPolygonF(AreaLinePlacement::textBox(rulerLine(window), rulerBaseline)),
            AreaLinePlacement::figureLineOutline(model, readings, style)};
}

Placed chosen(QSize window, const FigureModel &model)
{
    const FigureReadings readings = FigureReadings::measure(model, FigureUnits{}, {window});
    FigureStyle style;
    style.window = window;
    const AreaLinePlacement::Choice choice =
        AreaLinePlacement::choose(window, rulerLine(window), model, readings, style);
    return placed(window, model, choice.figurePlace, choice.rulerBaseline);
}

} // namespace

class TestAreaLinePlacement : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void newRulerKeepsItsLinesApart();
    void rulerLineKeepsItsPlaceWhenItCan();
    void neverOverlap_data();
    void neverOverlap();
    void nothingToAvoid();
};

// A new ruler shows the flying ruler over its middle: left below the figure, the figure's line would
// cover the ruler's own.
void TestAreaLinePlacement::newRulerKeepsItsLinesApart()
{
    FigureModel model;
    model.createInitialFigure(kNewRuler);
    const QPoint usual = AreaLinePlacement::rulerPlaces(kNewRuler).first();
    const Placed unmoved = placed(kNewRuler, model, Place::Below, usual);
    QVERIFY(unmoved.figure.intersects(unmoved.ruler));

    const Placed lines = chosen(kNewRuler, model);
    QVERIFY(!lines.figure.intersects(lines.ruler));
    QCOMPARE(lines.ruler, unmoved.ruler);
}

void TestAreaLinePlacement::rulerLineKeepsItsPlaceWhenItCan()
{
    // A small figure high in the window: nothing moves.
    FigureModel model = created(FigureKind::CornerRectangle, 0, kNewRuler);
    model.scale(0.4, 0.4);
    model.bodyMove(QPoint(0, -150));
    const FigureReadings readings = FigureReadings::measure(model, FigureUnits{}, {kNewRuler});
    const AreaLinePlacement::Choice choice =
        AreaLinePlacement::choose(kNewRuler, rulerLine(kNewRuler), model, readings, FigureStyle{});
    QCOMPARE(choice.rulerBaseline, AreaLinePlacement::rulerPlaces(kNewRuler).first());
    QCOMPARE(choice.figurePlace, Place::Below);
}

void TestAreaLinePlacement::neverOverlap_data()
{
    QTest::addColumn<FigureKind>("kind");
    QTest::addColumn<QSize>("window");
    QTest::newRow("flying ruler, new ruler") << FigureKind::FlyingRuler << kNewRuler;
    QTest::newRow("rectangle, new ruler") << FigureKind::CornerRectangle << kNewRuler;
    QTest::newRow("centred circle, new ruler") << FigureKind::CentredCircle << kNewRuler;
    QTest::newRow("right triangle, new ruler") << FigureKind::CentredRightTriangle << kNewRuler;
    QTest::newRow("flying ruler, 800 x 600") << FigureKind::FlyingRuler << QSize(800, 600);
    QTest::newRow("rectangle, 1200 x 300") << FigureKind::CornerRectangle << QSize(1200, 300);
}

// Wherever the figure stands and however it is turned, the two lines keep apart.
void TestAreaLinePlacement::neverOverlap()
{
    QFETCH(FigureKind, kind);
    QFETCH(QSize, window);
    for (int angle = 0; angle < 360; angle += 15) {
        for (int dy = -150; dy <= 150; dy += 50) {
            for (int dx = -150; dx <= 150; dx += 75) {
                FigureModel model = created(kind, 0, window);
                model.figureAngle = kind == FigureKind::FlyingRuler ? 323.24 + angle : angle;
                model.bodyMove(QPoint(dx, dy));
                const Placed lines = chosen(window, model);
                QVERIFY2(
                    !lines.figure.intersects(lines.ruler),
                    qPrintable(QStringLiteral("at %1 degrees, moved by %2, %3").arg(angle).arg(dx).arg(dy)));
            }
        }
    }
}

void TestAreaLinePlacement::nothingToAvoid()
{
    FigureModel model;
    model.createInitialFigure(kNewRuler);
    const FigureReadings readings = FigureReadings::measure(model, FigureUnits{}, {kNewRuler});
    const QPoint usual = AreaLinePlacement::rulerPlaces(kNewRuler).first();
    // The ruler writes no line (narrow window, readings off): the figure's line stays below the figure.
    AreaLinePlacement::Choice choice = AreaLinePlacement::choose(kNewRuler, QString(), model, readings, {});
    QCOMPARE(choice.rulerBaseline, usual);
    QCOMPARE(choice.figurePlace, Place::Below);
    // The figure writes no readings: the ruler's line stays where it is.
    FigureStyle quiet;
    quiet.showOnFigureReadings = false;
    choice = AreaLinePlacement::choose(kNewRuler, rulerLine(kNewRuler), model, readings, quiet);
    QCOMPARE(choice.rulerBaseline, usual);
}

GRADORA_TEST_MAIN(TestAreaLinePlacement)
#include "tst_arealineplacement.moc"
