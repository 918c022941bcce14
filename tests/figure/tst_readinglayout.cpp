// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "figure/figurefixture.h"
#include "figure/figuremodel.h"
#include "figure/figurereadings.h"
#include "figure/readinglayout.h"
#include "render/labelplacement.h"
#include "render/readingtext.h"
#include "testsupport.h"

#include <QTest>

using FigureFixture::created;
using Place = FigureStyle::AreaLinePlace;
using RulerLabels::Label;

namespace {

// A new ruler window's size, before any geometry is stored.
const QSize kNewRuler(640, 480);

RulerLabels::Shown everyReading()
{
    return {true, true, true, true};
}

RulerLabels::Shown fullReadings()
{
    return {true, false, false, false};
}

QList<RulerLabels::Text> rulerTexts(QSize window, const RulerLabels::Shown &shown)
{
    return RulerLabels::texts(window, ReadingText::rulerReadings(window, ReadingScale{}, true), shown);
}

// What the window writes: each shown label's box, named for failure messages.
struct Written
{
    QStringList names;
    QList<QPolygonF> boxes;
    QStringList figureTexts;
};

Written written(QSize window, const RulerLabels::Shown &shown, const FigureModel *model)
{
    const QList<RulerLabels::Text> ruler = rulerTexts(window, shown);
    FigureStyle style;
    style.window = window;
    const FigureReadings readings =
        model ? FigureReadings::measure(*model, FigureUnits{}, {window}) : FigureReadings{};
    const ReadingLayout::Layout layout = ReadingLayout::choose(ruler, model, readings, style);
    Written result;
    for (qsizetype i = 0; i < ruler.size(); ++i) {
        if (layout.rulerPlaces.at(i) == LabelPlacement::kGivesWay)
            continue;
        result.names.append(QStringLiteral("ruler ") + ruler.at(i).text);
        result.boxes.append(RulerLabels::boxes(ruler.at(i)).at(layout.rulerPlaces.at(i)));
    }
    if (model) {
        for (const FigureText &text : FigurePainter::readingTexts(*model, readings, layout.figureStyle)) {
            result.names.append(QStringLiteral("figure ") + text.text);
            result.boxes.append(ReadingLayout::figureTextBox(text));
            result.figureTexts.append(text.text);
        }
    }
    return result;
}

// The first two labels that cover each other, or an empty text.
QString firstCovering(const Written &labels)
{
    for (qsizetype a = 0; a < labels.boxes.size(); ++a) {
        for (qsizetype b = a + 1; b < labels.boxes.size(); ++b) {
            if (LabelPlacement::covers(labels.boxes.at(a), labels.boxes.at(b)))
                return labels.names.at(a) + QStringLiteral(" covers ") + labels.names.at(b);
        }
    }
    return {};
}

int indexOf(const QList<RulerLabels::Text> &texts, Label label)
{
    for (qsizetype i = 0; i < texts.size(); ++i) {
        if (texts.at(i).label == label)
            return int(i);
    }
    return -1;
}

} // namespace

Q_DECLARE_METATYPE(RulerLabels::Shown)

class TestReadingLayout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void newRulerKeepsItsLinesApart();
    void rulerLineKeepsItsPlaceWhenItCan();
    void noLabelCoversAnother_data();
    void noLabelCoversAnother();
    void smallRulerGivesWayToTheFigure_data();
    void smallRulerGivesWayToTheFigure();
    void nothingToAvoid();
};

// A new ruler shows the flying ruler over its middle: below the figure, the figure's line would cover
// the ruler's own; the figure's line moves, the ruler's stays, and the figure keeps its "500 px".
void TestReadingLayout::newRulerKeepsItsLinesApart()
{
    FigureModel model;
    model.createInitialFigure(kNewRuler);
    const QList<RulerLabels::Text> ruler = rulerTexts(kNewRuler, fullReadings());
    const FigureReadings readings = FigureReadings::measure(model, FigureUnits{}, {kNewRuler});
    FigureStyle style;
    style.window = kNewRuler;
    const ReadingLayout::Layout layout = ReadingLayout::choose(ruler, &model, readings, style);
    QCOMPARE(layout.rulerPlaces.at(indexOf(ruler, Label::AreaLine)), 0);
    QVERIFY(layout.figureStyle.areaLinePlace != Place::Below);
    QVERIFY(layout.figureStyle.hiddenTexts.isEmpty());
    for (int place : layout.rulerPlaces)
        QCOMPARE(place, 0);
    const Written labels = written(kNewRuler, fullReadings(), &model);
    QVERIFY2(firstCovering(labels).isEmpty(), qPrintable(firstCovering(labels)));
    QVERIFY(labels.figureTexts.contains(QStringLiteral("500 px ")));
}

void TestReadingLayout::rulerLineKeepsItsPlaceWhenItCan()
{
    // A small figure in the upper half of the window: the ruler's labels stay, the figure's all show.
    FigureModel model = created(FigureKind::CornerRectangle, 0, kNewRuler);
    model.scale(0.4, 0.4);
    model.bodyMove(QPoint(100, 0));
    const QList<RulerLabels::Text> ruler = rulerTexts(kNewRuler, fullReadings());
    const FigureReadings readings = FigureReadings::measure(model, FigureUnits{}, {kNewRuler});
    const ReadingLayout::Layout layout = ReadingLayout::choose(ruler, &model, readings, FigureStyle{});
    QCOMPARE(layout.rulerPlaces, QList<int>(ruler.size(), 0));
    QVERIFY(layout.figureStyle.hiddenTexts.isEmpty());
}

void TestReadingLayout::noLabelCoversAnother_data()
{
    QTest::addColumn<FigureKind>("kind");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<RulerLabels::Shown>("shown");
    QTest::newRow("flying ruler, new ruler") << FigureKind::FlyingRuler << kNewRuler << fullReadings();
    QTest::newRow("rectangle, new ruler") << FigureKind::CornerRectangle << kNewRuler << fullReadings();
    QTest::newRow("centred circle, new ruler") << FigureKind::CenteredCircle << kNewRuler << fullReadings();
    QTest::newRow("right triangle, new ruler")
        << FigureKind::CenteredRightTriangle << kNewRuler << everyReading();
    QTest::newRow("flying ruler, 800 x 600") << FigureKind::FlyingRuler << QSize(800, 600) << everyReading();
    QTest::newRow("rectangle, 1200 x 300")
        << FigureKind::CornerRectangle << QSize(1200, 300) << everyReading();
    QTest::newRow("flying ruler, 113 x 68") << FigureKind::FlyingRuler << QSize(113, 68) << everyReading();
    QTest::newRow("rhombus, 100 x 100") << FigureKind::CornerRhombus << QSize(100, 100) << everyReading();
    QTest::newRow("ellipse, 100 x 100") << FigureKind::CenteredEllipse << QSize(100, 100) << fullReadings();
}

// Wherever the figure stands and however it is turned, no label the window writes covers another.
void TestReadingLayout::noLabelCoversAnother()
{
    QFETCH(FigureKind, kind);
    QFETCH(QSize, window);
    QFETCH(RulerLabels::Shown, shown);
    for (int angle = 0; angle < 360; angle += 30) {
        for (int dy = -150; dy <= 150; dy += 75) {
            for (int dx = -150; dx <= 150; dx += 75) {
                FigureModel model = created(kind, 0, window);
                model.angle = kind == FigureKind::FlyingRuler ? 323.24 + angle : angle;
                model.bodyMove(QPoint(dx, dy));
                const QString covering = firstCovering(written(window, shown, &model));
                QVERIFY2(covering.isEmpty(), qPrintable(QStringLiteral("at %1 degrees, moved by %2, %3: %4")
                                                            .arg(angle)
                                                            .arg(dx)
                                                            .arg(dy)
                                                            .arg(covering)));
            }
        }
    }
}

void TestReadingLayout::smallRulerGivesWayToTheFigure_data()
{
    QTest::addColumn<QSize>("window");
    QTest::newRow("113 x 68") << QSize(113, 68);
    QTest::newRow("100 x 100") << QSize(100, 100);
}

// On a small ruler every label wants the same few pixels: the figure's lengths stay, the ruler's own
// labels that would cover them give way, and the rest are written where they cover nothing.
void TestReadingLayout::smallRulerGivesWayToTheFigure()
{
    QFETCH(QSize, window);
    FigureModel model;
    model.createInitialFigure(window);
    const Written alone = written(window, everyReading(), nullptr);
    const Written together = written(window, everyReading(), &model);
    QVERIFY2(firstCovering(alone).isEmpty(), qPrintable(firstCovering(alone)));
    QVERIFY2(firstCovering(together).isEmpty(), qPrintable(firstCovering(together)));
    const FigureReadings readings = FigureReadings::measure(model, FigureUnits{}, {window});
    QVERIFY(together.figureTexts.contains(readings.onFigureWidthText()));
    QVERIFY(together.names.size() > 1);
}

void TestReadingLayout::nothingToAvoid()
{
    FigureModel model;
    model.createInitialFigure(kNewRuler);
    const FigureReadings readings = FigureReadings::measure(model, FigureUnits{}, {kNewRuler});
    // The ruler writes nothing: the figure's line stays below the figure, every text is written.
    ReadingLayout::Layout layout = ReadingLayout::choose({}, &model, readings, {});
    QCOMPARE(layout.figureStyle.areaLinePlace, Place::Below);
    QVERIFY(layout.figureStyle.hiddenTexts.isEmpty());
    // The figure writes no readings, or is not shown: the ruler's labels stay where they are.
    const QList<RulerLabels::Text> ruler = rulerTexts(kNewRuler, fullReadings());
    FigureStyle quiet;
    quiet.showFigureReadings = false;
    QCOMPARE(ReadingLayout::choose(ruler, &model, readings, quiet).rulerPlaces, QList<int>(ruler.size(), 0));
    QCOMPARE(ReadingLayout::choose(ruler, nullptr, readings, {}).rulerPlaces, QList<int>(ruler.size(), 0));
}

GRADORA_TEST_MAIN(TestReadingLayout)
#include "tst_readinglayout.moc"
