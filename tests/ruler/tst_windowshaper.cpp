// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The window's shaper on a window of its own making: it shapes after a paint only where the drawing
// changed, leaves the window whole while a compositing manager runs, leaves the figure out while the
// window is dragged, and has the window painted once where a shape grows.
#include "paintstatesample.h"
#include "ruler/window/windowshaper.h"
#include "testsupport.h"

#include <QTest>
#include <functional>

namespace {

// What the shaper sees of a window; the steps it leaves for later run when the test says so.
struct FakeWindow
{
    PaintStateSample sample;
    bool compositing = false;
    bool coveredWhole = false;
    QRegion mask;
    bool masked = false;
    int masksSet = 0;
    int repaints = 0;
    QList<std::function<void()>> later;

    // Runs what was left for the event loop.
    void runLater()
    {
        const QList<std::function<void()>> steps = std::exchange(later, {});
        for (const std::function<void()> &step : steps)
            step();
    }
};

class Window : public WindowShaper::Window
{
public:
    explicit Window(FakeWindow &fake) : m_fake(fake) {}
    RulerPaintState paintState() const override { return m_fake.sample.state; }
    int dpi() const override { return 96; }
    bool compositing() const override { return m_fake.compositing; }
    bool coveredWhole() const override { return m_fake.coveredWhole; }
    QRegion mask() const override { return m_fake.mask; }
    void setMask(const QRegion &shape) override
    {
        m_fake.mask = shape;
        m_fake.masked = true;
        ++m_fake.masksSet;
    }
    void clearMask() override
    {
        m_fake.mask = QRegion();
        m_fake.masked = false;
    }
    void repaintLater() override { ++m_fake.repaints; }
    void later(std::function<void()> step) override { m_fake.later.append(std::move(step)); }

private:
    FakeWindow &m_fake;
};

} // namespace

class TestWindowShaper : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void shapesAnewOnlyWhenTheDrawingChanged_data();
    void shapesAnewOnlyWhenTheDrawingChanged();
    void aCompositorLeavesTheWindowWhole();
    void windowDragLeavesTheFigureOut();
    void onlyAGrowingShapeIsPainted();
    void aBackdropKeepsTheWholeWindow();
    void figureAreaFollowsTheFigure();

private:
    // The window shaped after its first paint.
    void shapeFirst();

    std::unique_ptr<FakeWindow> m_window;
    std::unique_ptr<WindowShaper> m_shaper;
};

using Change = std::function<void(FakeWindow &)>;
Q_DECLARE_METATYPE(Change)

void TestWindowShaper::init()
{
    m_window = std::make_unique<FakeWindow>();
    m_shaper = std::make_unique<WindowShaper>(std::make_unique<Window>(*m_window));
}

void TestWindowShaper::cleanup()
{
    m_shaper.reset();
    m_window.reset();
}

void TestWindowShaper::shapeFirst()
{
    m_shaper->notePainted();
    QCOMPARE(m_window->later.size(), 1);
    // Not inside the paint.
    QVERIFY(!m_window->masked);
    m_window->runLater();
    QCOMPARE(m_shaper->shapesApplied(), 1);
    QCOMPARE(m_window->mask, m_shaper->region());
}

void TestWindowShaper::shapesAnewOnlyWhenTheDrawingChanged_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<bool>("reshapes");
    QTest::newRow("nothing") << Change([](FakeWindow &) {}) << false;
    QTest::newRow("pointer moved") << Change([](FakeWindow &w) { w.sample.state.pointer = QPoint(5, 5); }) << false;
    QTest::newRow("\"menu\" hovered") << Change([](FakeWindow &w) { w.sample.state.menuHovered = true; }) << false;
    QTest::newRow("stays on top") << Change([](FakeWindow &w) {
        w.sample.state.options.toggle(RulerOption::StayOnTop);
    }) << false;
    QTest::newRow("cross-hair") << Change([](FakeWindow &w) {
        w.sample.state.options.toggle(RulerOption::ShowCentralPoint);
    }) << true;
    QTest::newRow("guide added") << Change([](FakeWindow &w) { w.sample.state.horizontalGuides.append(250); })
                                 << true;
    QTest::newRow("figure moved") << Change([](FakeWindow &w) { w.sample.figure.origin += QPoint(9, 9); })
                                  << true;
    QTest::newRow("the edge finder's backdrop") << Change([](FakeWindow &w) { w.coveredWhole = true; }) << true;
}

void TestWindowShaper::shapesAnewOnlyWhenTheDrawingChanged()
{
    QFETCH(Change, change);
    QFETCH(bool, reshapes);
    shapeFirst();
    const QRegion before = m_window->mask;
    change(*m_window);
    m_shaper->notePainted();
    QCOMPARE(m_window->later.size(), reshapes ? 1 : 0);
    // Paints before the shape is made ask for no second one.
    m_shaper->notePainted();
    QCOMPARE(m_window->later.size(), reshapes ? 1 : 0);
    m_window->runLater();
    QCOMPARE(m_shaper->shapesApplied(), reshapes ? 2 : 1);
    // Kept where nothing drawn changed; the underline of "menu" under the pointer is worth no new shape.
    QCOMPARE(m_window->mask, reshapes ? m_shaper->region() : before);
}

void TestWindowShaper::aCompositorLeavesTheWindowWhole()
{
    shapeFirst();
    m_window->compositing = true;
    m_shaper->update();
    QVERIFY(!m_window->masked);
    // Paints and drags shape nothing while it runs.
    m_window->sample.state.options.toggle(RulerOption::ShowCentralPoint);
    m_shaper->notePainted();
    QVERIFY(m_window->later.isEmpty());
    m_shaper->setWindowDrag(true);
    m_shaper->setWindowDrag(false);
    QVERIFY(!m_window->masked);
    QCOMPARE(m_shaper->shapesApplied(), 1);
    // When it stops, the window is shaped at once to what it draws now.
    m_window->compositing = false;
    m_shaper->update();
    QVERIFY(m_window->masked);
    QCOMPARE(m_window->mask, m_shaper->region());
    QCOMPARE(m_shaper->shapesApplied(), 2);
}

void TestWindowShaper::windowDragLeavesTheFigureOut()
{
    shapeFirst();
    const QRegion rest = m_window->mask;

    // Shaped at once, without waiting for a paint.
    m_shaper->setWindowDrag(true);
    QVERIFY(m_shaper->shapedForWindowDrag());
    QCOMPARE(m_shaper->shapesApplied(), 2);
    const QRegion dragged = m_window->mask;
    QCOMPARE(dragged, m_shaper->region());
    QVERIFY(dragged.subtracted(rest).isEmpty());
    QVERIFY(dragged.rectCount() < rest.rectCount());
    // Paints during the drag keep the light shape.
    m_shaper->notePainted();
    QVERIFY(m_window->later.isEmpty());

    m_shaper->setWindowDrag(false);
    QVERIFY(!m_shaper->shapedForWindowDrag());
    QCOMPARE(m_window->mask, rest);

    // The light shape is the shape of the ruler without its figure: the guides, readings and bands stay.
    m_window->sample.state.options.set(RulerOption::ShowFigure, false);
    QCOMPARE(m_shaper->region(), dragged);
}

void TestWindowShaper::onlyAGrowingShapeIsPainted()
{
    shapeFirst();
    const int afterFirst = m_window->repaints;
    QCOMPARE(afterFirst, 1);
    m_shaper->setWindowDrag(true);
    QCOMPARE(m_window->repaints, afterFirst);
    m_shaper->setWindowDrag(false);
    QCOMPARE(m_window->repaints, afterFirst + 1);
}

void TestWindowShaper::aBackdropKeepsTheWholeWindow()
{
    m_window->coveredWhole = true;
    QCOMPARE(m_shaper->region(), QRegion(QRect(QPoint(), m_window->sample.state.size)));
    m_window->coveredWhole = false;
    QVERIFY(m_shaper->region() != QRegion(QRect(QPoint(), m_window->sample.state.size)));
}

void TestWindowShaper::figureAreaFollowsTheFigure()
{
    const QRegion area = m_shaper->figureArea();
    QVERIFY(area.contains(m_window->sample.figure.screenPoints.value(0)));
    m_window->sample.figure.origin += QPoint(40, 0);
    m_window->sample.figure.recompute();
    const QRegion moved = m_shaper->figureArea();
    QVERIFY(moved != area);
    QVERIFY(moved.contains(m_window->sample.figure.screenPoints.value(0)));
    m_window->sample.state.options.set(RulerOption::ShowFigure, false);
    QVERIFY(m_shaper->figureArea().isEmpty());
}

GRADORA_TEST_MAIN(TestWindowShaper)
#include "tst_windowshaper.moc"
