// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "figure/figuremodel.h"
#include "render/devicesize.h"
#include "ruler/input/guideset.h"
#include "ruler/window/rulerstate.h"
#include "ruler/window/rulerview.h"
#include "testsupport.h"

#include <QTest>

namespace {

const QSize kSize(300, 200);
const QString kUnknownPlace =
    QStringLiteral("This desktop does not tell where its windows stand: the ruler's place is not known.");

// A view over parts that live as long as the test's fixture.
struct Parts
{
    RulerState state;
    FigureModel figure;
    GuideSet guides;

    RulerView view(bool menuText = false, bool menuHovered = false, bool guideSpacing = false) const
    {
        return {state, kSize, figure, guides, menuText, menuHovered, guideSpacing};
    }
};

} // namespace

class TestRulerView : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void panelNotice_data();
    void panelNotice();
    void panelListsTheFigureWhileItShows_data();
    void panelListsTheFigureWhileItShows();
    void paintStateCarriesTheParts();
    void edgeFinderWritesInTheRulersColorsAndUnit();
};

void TestRulerView::panelNotice_data()
{
    QTest::addColumn<bool>("placeKnown");
    QTest::addColumn<QString>("placementNotice");
    QTest::addColumn<double>("displayScale");
    QTest::addColumn<QString>("notice");

    const QString moved = QStringLiteral("The desktop placed the ruler itself.");
    QTest::newRow("place known, nothing to say") << true << QString() << 1.0 << QString();
    QTest::newRow("place known, the placement speaks") << true << moved << 1.0 << moved;
    QTest::newRow("place unknown: the panel says so") << false << QString() << 1.0 << kUnknownPlace;
    QTest::newRow("place unknown, the placement's notice first") << false << moved << 1.0 << moved;
    QTest::newRow("a scaled display") << true << QString() << 2.0 << QString();
}

// The notice line says what the placement has to say; where the desktop does not tell where the window
// stands and the placement says nothing, the panel says why the position is missing.
void TestRulerView::panelNotice()
{
    QFETCH(bool, placeKnown);
    QFETCH(QString, placementNotice);
    QFETCH(double, displayScale);
    QFETCH(QString, notice);

    const Parts parts;
    const std::optional<QPoint> position = placeKnown ? std::optional<QPoint>(QPoint(40, 60)) : std::nullopt;
    const PanelTexts texts = parts.view().panelTexts(position, placementNotice, displayScale);
    QCOMPARE(texts.notice, notice);
    QCOMPARE(texts.deviceSize, DeviceSize::note(kSize, displayScale));
    QCOMPARE(texts.deviceSize.isEmpty(), displayScale == 1.0);
    QCOMPARE(texts.ruler.left.isEmpty(), false);
    if (placeKnown)
        QVERIFY2(texts.ruler.left.contains(QLatin1String("40")), qPrintable(texts.ruler.left));
}

void TestRulerView::panelListsTheFigureWhileItShows_data()
{
    QTest::addColumn<bool>("figureShown");
    QTest::newRow("figure shown") << true;
    QTest::newRow("figure hidden") << false;
}

void TestRulerView::panelListsTheFigureWhileItShows()
{
    QFETCH(bool, figureShown);

    Parts parts;
    parts.state.setOption(RulerOption::ShowFigure, figureShown);
    const RulerView view = parts.view();
    const PanelTexts texts = view.panelTexts(QPoint(), QString(), 1.0);
    QCOMPARE(texts.figureShown, figureShown);
    if (figureShown)
        QVERIFY(texts.figure == view.figureReadings().panelTexts());
    else
        QVERIFY(texts.figure == FigurePanelTexts());
}

void TestRulerView::paintStateCarriesTheParts()
{
    Parts parts;
    parts.state.setColor(ColorTarget::Background, QColor(10, 20, 30, 128));
    parts.state.setColor(ColorTarget::Guides, QColor(0, 200, 0));
    parts.state.setOption(RulerOption::ShowBorder, false);
    const RulerView view = parts.view(true, true, true);
    const RulerPaintState paint = view.paintState();

    QCOMPARE(paint.size, kSize);
    QCOMPARE(paint.backgroundColor, parts.state.color(ColorTarget::Background));
    QCOMPARE(paint.rulerColor, parts.state.color(ColorTarget::Ruler));
    QCOMPARE(paint.guidesColor, QColor(0, 200, 0));
    QVERIFY(paint.options == parts.state.options());
    QVERIFY(!paint.on(RulerOption::ShowBorder));
    QVERIFY(paint.menuText);
    QVERIFY(paint.menuHovered);
    QVERIFY(paint.guideSpacing);
    QCOMPARE(paint.figure, &parts.figure);
    QCOMPARE(paint.readings.widthText, view.readings().widthText);
    QCOMPARE(paint.readings.widthText, QStringLiteral("\u2190 300 px \u2192"));
    QCOMPARE(paint.figureReadings.panelTexts().width, view.figureReadings().panelTexts().width);
    // The view changes nothing: a second look sees the same.
    QCOMPARE(view.paintState().shapeKey(), paint.shapeKey());
}

void TestRulerView::edgeFinderWritesInTheRulersColorsAndUnit()
{
    Parts parts;
    parts.state.setColor(ColorTarget::Background, QColor(250, 240, 230, 100));
    parts.state.setColor(ColorTarget::Ruler, QColor(1, 2, 3));
    parts.state.setColor(ColorTarget::Guides, QColor(200, 0, 0));
    const EdgeFinderTool::Presentation presentation = parts.view().edgeFinderPresentation();

    QCOMPARE(presentation.look.line, QColor(200, 0, 0));
    QCOMPARE(presentation.look.text, parts.state.color(ColorTarget::Ruler));
    // The labels' fill is the body's colour, nearly opaque whatever the body's transparency.
    const QColor body = parts.state.color(ColorTarget::Background);
    QCOMPARE(presentation.look.fill.rgb(), body.rgb());
    QCOMPARE(presentation.look.fill.alpha(), 230);
    QCOMPARE(presentation.scale.unitLabel, parts.view().readingScale().unitLabel);
}

GRADORA_TEST_GUILESS_MAIN(TestRulerView)
#include "tst_rulerview.moc"
