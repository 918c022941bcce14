// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The flying figure on a stand-in ruler: which entry of the menu names it, what each change repaints,
// and the first show of a figure that has no place of its own.
#include "ruler/window/figurecontrol.h"
#include "testsupport.h"

#include <QTest>

using FigureChange = std::function<void(FigureControl &)>;
Q_DECLARE_METATYPE(FigureChange)
Q_DECLARE_METATYPE(RulerCommand)

namespace {

struct StandInRuler final : FigureControl::Ruler
{
    QSize size() const override { return {400, 300}; }
    bool figureShown() const override { return shown; }
    FigureModifiers modifiers(Qt::KeyboardModifiers, Qt::MouseButtons) const override { return {}; }
    FigureModifiers currentModifiers() const override { return {}; }
    QRegion drawnArea() const override
    {
        return figure ? QRegion(figure->model().screenPoints.boundingRect()) : QRegion();
    }
    void repaint(const QRegion &region) override { repainted += region; }
    void repaintAll() override { repainted += QRect(QPoint(), size()); }
    void markEntry(RulerCommand entry) override { marked.append(entry); }
    void placementTurned() override { ++turned; }

    const FigureControl *figure = nullptr;
    bool shown = true;
    QRegion repainted;
    QList<RulerCommand> marked;
    int turned = 0;
};

} // namespace

class TestFigureControl : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void choosingMarksTheEntry_data();
    void choosingMarksTheEntry();
    void restoringMarksTheEntryOfTheKind_data();
    void restoringMarksTheEntryOfTheKind();
    void changesRepaintWhereTheFigureWasAndIs_data();
    void changesRepaintWhereTheFigureWasAndIs();
    void unplacedFigureIsCenteredOnFirstShow_data();
    void unplacedFigureIsCenteredOnFirstShow();

private:
    StandInRuler *m_ruler = nullptr;
    std::unique_ptr<FigureControl> m_figure;
};

void TestFigureControl::init()
{
    auto ruler = std::make_unique<StandInRuler>();
    m_ruler = ruler.get();
    m_figure = std::make_unique<FigureControl>(std::move(ruler));
    m_ruler->figure = m_figure.get();
}

void TestFigureControl::choosingMarksTheEntry_data()
{
    QTest::addColumn<RulerCommand>("entry");
    QTest::addColumn<bool>("changes");
    QTest::addColumn<bool>("ratioLocked");

    QTest::newRow("the flying ruler") << RulerCommand::FlyingRuler << true << false;
    for (int shape = 0; shape < FigureKinds::kShapeCount; ++shape) {
        QTest::addRow("corner shape %d", shape) << RulerCommands::cornerShape(shape) << true << false;
        QTest::addRow("centred shape %d", shape) << RulerCommands::centeredShape(shape) << true << false;
        // Reserved entries: they change nothing.
        QTest::addRow("free shape %d", shape) << RulerCommands::freeShape(shape) << false << false;
    }
    for (int ratio = 0; ratio < kRatioRectangleCount; ++ratio)
        QTest::addRow("ratio %d", ratio) << RulerCommands::ratio(ratio) << true << true;
    QTest::newRow("not a figure") << RulerCommand::ShowBorder << false << false;
}

void TestFigureControl::choosingMarksTheEntry()
{
    QFETCH(RulerCommand, entry);
    QFETCH(bool, changes);
    QFETCH(bool, ratioLocked);

    m_figure->choose(entry);
    QCOMPARE(m_ruler->marked, changes ? QList<RulerCommand>{entry} : QList<RulerCommand>());
    QCOMPARE(!m_ruler->repainted.isEmpty(), changes);
    QCOMPARE(m_figure->model().ratioLocked, ratioLocked);
    if (const std::optional<FigureKind> kind = RulerCommands::figureKindOf(entry); kind && changes)
        QCOMPARE(m_figure->model().flyingRuler ? FigureKind::FlyingRuler : m_figure->model().kind, *kind);
}

void TestFigureControl::restoringMarksTheEntryOfTheKind_data()
{
    QTest::addColumn<RulerCommand>("made");

    QTest::newRow("the flying ruler") << RulerCommand::FlyingRuler;
    for (int shape = 0; shape < FigureKinds::kShapeCount; ++shape) {
        QTest::addRow("corner shape %d", shape) << RulerCommands::cornerShape(shape);
        QTest::addRow("centred shape %d", shape) << RulerCommands::centeredShape(shape);
    }
    for (int ratio = 0; ratio < kRatioRectangleCount; ++ratio)
        QTest::addRow("ratio %d", ratio) << RulerCommands::ratio(ratio);
}

void TestFigureControl::restoringMarksTheEntryOfTheKind()
{
    QFETCH(RulerCommand, made);

    m_figure->choose(made);
    const FigureModel stored = m_figure->model();
    init();
    m_figure->restore(stored, true);
    QCOMPARE(m_ruler->marked, QList<RulerCommand>{made});
}

void TestFigureControl::changesRepaintWhereTheFigureWasAndIs_data()
{
    QTest::addColumn<FigureChange>("change");

    QTest::newRow("moved") << FigureChange([](FigureControl &f) { f.moveBy({30, 20}); });
    QTest::newRow("turned") << FigureChange([](FigureControl &f) { f.turn(45); });
    QTest::newRow("scaled") << FigureChange([](FigureControl &f) { f.scale(1.5); });
    QTest::newRow("handle dragged") << FigureChange([](FigureControl &f) {
        QPoint last = f.controlPoints().value(1);
        f.dragHandle(1, last + QPoint(25, 5), last, Qt::NoModifier);
    });
}

void TestFigureControl::changesRepaintWhereTheFigureWasAndIs()
{
    QFETCH(FigureChange, change);

    m_figure->choose(RulerCommands::cornerShape(0));
    const QRegion before = m_ruler->drawnArea();
    m_ruler->repainted = QRegion();
    change(*m_figure);
    const QRegion after = m_ruler->drawnArea();
    QVERIFY(before != after);
    QCOMPARE(m_ruler->repainted, before + after);
}

void TestFigureControl::unplacedFigureIsCenteredOnFirstShow_data()
{
    QTest::addColumn<bool>("placed");
    QTest::newRow("placed stays") << true;
    QTest::newRow("unplaced is centred") << false;
}

void TestFigureControl::unplacedFigureIsCenteredOnFirstShow()
{
    QFETCH(bool, placed);

    m_figure->choose(RulerCommands::cornerShape(0));
    m_figure->moveBy({-80, -60});
    FigureModel stored = m_figure->model();
    m_figure->restore(stored, placed);
    m_figure->showFirstTime();
    FigureModel centered = stored;
    centered.sendToCenter(m_ruler->size());
    QCOMPARE(m_figure->model().origin, placed ? stored.origin : centered.origin);
    // Only the first show.
    m_figure->moveBy({5, 5});
    const QPoint moved = m_figure->model().origin;
    m_figure->showFirstTime();
    QCOMPARE(m_figure->model().origin, moved);
}

GRADORA_TEST_GUILESS_MAIN(TestFigureControl)
#include "tst_figurecontrol.moc"
