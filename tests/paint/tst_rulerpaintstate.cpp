// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The paint state carries the ruler's options whole, and the window's shape is keyed by the state: an
// option that the ruler draws makes a new shape, one that only changes how it behaves makes none, and
// the key follows what is drawn, not what moves over the drawing.
#include "paint/rulerpainter.h"
#include "paintstatesample.h"
#include "testsupport.h"

#include <QPainter>
#include <QTest>
#include <functional>

Q_DECLARE_METATYPE(RulerOption)

namespace {

using StateChange = std::function<void(RulerPaintState &state, FigureModel &figure)>;

QString rowName(RulerOption option)
{
    const RulerOptionTable::Entry &row = RulerOptionTable::entry(option);
    return QString::fromLatin1(row.key ? row.key : row.menuText);
}

QImage painted(const RulerPaintState &state)
{
    QImage image(state.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    std::shared_ptr<RulerPaintCache> cache;
    RulerPainter::paint(painter, state, cache);
    painter.end();
    return image;
}

} // namespace

Q_DECLARE_METATYPE(StateChange)

class TestRulerPaintState : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void optionsKeyTheShapeAsTheyAreDrawn_data();
    void optionsKeyTheShapeAsTheyAreDrawn();
    void keyFollowsWhatIsDrawn_data();
    void keyFollowsWhatIsDrawn();
};

void TestRulerPaintState::optionsKeyTheShapeAsTheyAreDrawn_data()
{
    QTest::addColumn<RulerOption>("option");
    for (RulerOption option : RulerOptionTable::all())
        QTest::newRow(qPrintable(rowName(option))) << option;
}

// Each option turned from its default: a drawn option changes the key, and so does every option that
// changes a pixel of the pass; an option that draws nothing leaves both the pixels and the key alone.
void TestRulerPaintState::optionsKeyTheShapeAsTheyAreDrawn()
{
    QFETCH(RulerOption, option);
    const bool drawn = RulerOptionTable::entry(option).drawing == RulerOptionTable::Drawing::Drawn;
    const PaintStateSample sample;
    RulerPaintState toggled = sample.state;
    toggled.options.toggle(option);

    const bool keyChanged = toggled.shapeKey() != sample.state.shapeKey();
    QCOMPARE(keyChanged, drawn);
    const bool pixelsChanged = painted(toggled) != painted(sample.state);
    if (pixelsChanged)
        QVERIFY2(drawn, "the option changes the pass but is not marked as drawn");
    if (!drawn)
        QVERIFY2(!pixelsChanged, "the option draws nothing, yet the pass changed");
}

void TestRulerPaintState::keyFollowsWhatIsDrawn_data()
{
    QTest::addColumn<StateChange>("change");
    QTest::addColumn<bool>("newKey");
    using S = RulerPaintState;
    using F = FigureModel;

    QTest::newRow("size") << StateChange([](S &s, F &) { s.size = QSize(441, 300); }) << true;
    QTest::newRow("body colour") << StateChange([](S &s, F &) { s.backgroundColor = Qt::cyan; }) << true;
    QTest::newRow("ruler colour") << StateChange([](S &s, F &) { s.rulerColor = Qt::darkBlue; }) << true;
    QTest::newRow("guides colour") << StateChange([](S &s, F &) { s.guidesColor = Qt::blue; }) << true;
    QTest::newRow("unit") << StateChange([](S &s, F &) {
        s.scale.unitKind = UnitScale::TableUnit;
        s.scale.unitLabel = QStringLiteral("mm");
        s.scale.pixelsPerUnitX = s.scale.pixelsPerUnitY = 96 / 25.4;
    }) << true;
    QTest::newRow("reading text") << StateChange([](S &s, F &) { s.readings.areaText = QStringLiteral("A: 1"); })
                                  << true;
    QTest::newRow("guide added") << StateChange([](S &s, F &) { s.verticalGuides.append(300); }) << true;
    QTest::newRow("guide moved") << StateChange([](S &s, F &) { s.horizontalGuides[0] = 81; }) << true;
    QTest::newRow("guide spacing written") << StateChange([](S &s, F &) { s.guideSpacing = true; }) << true;
    QTest::newRow("pointer moved with the spacing written") << StateChange([](S &s, F &) {
        s.guideSpacing = true;
        s.pointer = QPoint(10, 10);
    }) << true;
    QTest::newRow("\"menu\" shown") << StateChange([](S &s, F &) { s.menuText = false; }) << true;
    QTest::newRow("picture size") << StateChange([](S &s, F &) { s.picture = s.picture.copy(0, 0, 90, 240); })
                                  << true;
    QTest::newRow("figure moved") << StateChange([](S &, F &f) { f.origin += QPoint(5, 0); }) << true;
    QTest::newRow("figure turned") << StateChange([](S &, F &f) {
        f.angle = 30;
        f.recompute();
    }) << true;
    QTest::newRow("figure left out") << StateChange([](S &s, F &) { s.figureLeftOut = true; }) << true;

    // The underline of "menu" under the pointer is worth no new shape.
    QTest::newRow("\"menu\" hovered") << StateChange([](S &s, F &) { s.menuHovered = true; }) << false;
    QTest::newRow("pointer moved") << StateChange([](S &s, F &) { s.pointer = QPoint(10, 10); }) << false;
    QTest::newRow("hidden figure moved") << StateChange([](S &s, F &f) {
        s.options.set(RulerOption::ShowFigure, false);
        f.origin += QPoint(5, 0);
    }) << false;
}

void TestRulerPaintState::keyFollowsWhatIsDrawn()
{
    QFETCH(StateChange, change);
    QFETCH(bool, newKey);
    PaintStateSample sample;
    RulerPaintState before = sample.state;
    // A hidden figure is hidden before the change as well.
    RulerPaintState after = sample.state;
    FigureModel moved = sample.figure;
    after.figure = &moved;
    change(after, moved);
    if (!after.on(RulerOption::ShowFigure))
        before.options.set(RulerOption::ShowFigure, false);
    QCOMPARE(after.shapeKey() != before.shapeKey(), newKey);
}

GRADORA_TEST_MAIN(TestRulerPaintState)
#include "tst_rulerpaintstate.moc"
