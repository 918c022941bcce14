// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "render/menutext.h"
#include "ruler/input/pointersession.h"
#include "testsupport.h"

#include <QTest>

using PointerRules::DragMode;

// The pointer's drag state machine without a window: what a press grabs and what the motions after it
// ask the window to do.
class TestPointerSession : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void drags_data();
    void drags();
    void hoverShowsWhatAPressGrabs_data();
    void hoverShowsWhatAPressGrabs();
    void figureHiddenMidDragLetsGo();
    void menuTextPressIsTakenOnce();
    void leavingGivesTheSplitCursorBack();
    void guideSpacingFollowsTheHorizontalBand_data();
    void guideSpacingFollowsTheHorizontalBand();
};

namespace {

const QRect kFrame(100, 50, 300, 200);
// The figure's body, and its one handle, in window coordinates.
const QRect kFigureBody(120, 80, 60, 40);
const QPoint kHandle(150, 150);

struct World
{
    bool fullScreen = false;
    bool guidesShown = false;
    bool guideSpacingOffered = true;
    bool compositorPlaces = false;
    bool figureShown = true;
    Qt::CursorShape cursor = Qt::ArrowCursor;
    QStringList actions;
};

QString point(const QPoint &p)
{
    return QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
}

QString rect(const QRect &r)
{
    return QStringLiteral("%1 %2x%3").arg(point(r.topLeft())).arg(r.width()).arg(r.height());
}

// A window that stands still and writes down what it is asked to do.
class FakeHost final : public PointerSession::Host
{
public:
    explicit FakeHost(World &world) : m_world(world) {}
    QSize windowSize() const override { return kFrame.size(); }
    QRect windowFrame() const override { return kFrame; }
    bool fullScreen() const override { return m_world.fullScreen; }
    bool guidesShown() const override { return m_world.guidesShown; }
    bool guideSpacingOffered() const override { return m_world.guideSpacingOffered; }
    bool menuButtonShown() const override { return true; }
    QList<QPoint> figureControlPoints() const override
    {
        return m_world.figureShown ? QList<QPoint>{kHandle} : QList<QPoint>{};
    }
    bool figureContains(const QPoint &pos) const override
    {
        return m_world.figureShown && kFigureBody.contains(pos);
    }
    Qt::CursorShape pointerShape() const override { return m_world.cursor; }
    void setPointerShape(Qt::CursorShape shape) override { m_world.cursor = shape; }
    void dragWindowTo(const QPoint &topLeft) override { m_world.actions << "window " + point(topLeft); }
    void sizeWindow(const QRect &frame) override { m_world.actions << "size " + rect(frame); }
    void resizeByEdge(const QRect &frame, DragMode edge) override
    {
        m_world.actions << QStringLiteral("edge %1 %2").arg(rect(frame)).arg(int(edge));
    }
    void moveFigureBy(const QPoint &delta) override { m_world.actions << "figure by " + point(delta); }
    void dragFigureHandle(int index, const QPoint &pos, QPoint &lastPos, Qt::KeyboardModifiers) override
    {
        m_world.actions << QStringLiteral("handle %1 to %2 from %3").arg(index).arg(point(pos), point(lastPos));
    }
    bool compositorPlacesWindows() const override { return m_world.compositorPlaces; }
    void startSystemDrag(const CompositorDrag::Request &request) override
    {
        m_world.actions << (request.isMove() ? QStringLiteral("system move")
                                             : QStringLiteral("system resize %1").arg(int(request.edges)));
    }

private:
    World &m_world;
};

enum class Setting
{
    None,
    Alt,
    Shift,
    FullScreen,
    Guides,
    Compositor,
};

World worldFor(Setting setting)
{
    World world;
    world.fullScreen = setting == Setting::FullScreen;
    world.guidesShown = setting == Setting::Guides;
    world.compositorPlaces = setting == Setting::Compositor;
    return world;
}

ModifierLatch::Chord chordFor(Setting setting)
{
    ModifierLatch::Chord chord;
    chord.alt = setting == Setting::Alt;
    chord.shift = setting == Setting::Shift;
    return chord;
}

// A press as the window passes it on: the hand-over to the compositor comes last, unless the press
// opened the menu or took a guide.
void pressAt(PointerSession &session, const QPoint &local, Qt::MouseButton button = Qt::LeftButton)
{
    session.press(local, kFrame.topLeft() + local, button, button);
    if (button == Qt::LeftButton && !session.takeMenuPress() && !session.draggingGuide())
        session.handOver();
}

void moveTo(PointerSession &session, const QPoint &local, Qt::MouseButtons buttons = Qt::LeftButton)
{
    session.motion(local, kFrame.topLeft() + local, buttons, Qt::NoModifier);
}

} // namespace

Q_DECLARE_METATYPE(Setting)

void TestPointerSession::drags_data()
{
    QTest::addColumn<Setting>("setting");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QList<QPoint>>("motions");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QList<int>>("verticalGuides");
    QTest::addColumn<Qt::CursorShape>("cursorAfterRelease");

    const QList<int> noGuides;
    const auto left = Qt::LeftButton;
    const auto arrow = Qt::ArrowCursor;
    // The window's top-left follows the pointer from where it grabbed the window.
    QTest::newRow("body drag moves the window")
        << Setting::None << left << QPoint(200, 150) << QList<QPoint>{{210, 155}, {230, 140}}
        << QStringList{"window 110,55", "window 130,40"} << noGuides << arrow;
    QTest::newRow("drag on the figure moves the figure step by step")
        << Setting::None << left << QPoint(140, 100) << QList<QPoint>{{145, 100}, {145, 110}}
        << QStringList{"figure by 5,0", "figure by 0,10"} << noGuides << arrow;
    QTest::newRow("alt drag on the figure moves the window")
        << Setting::Alt << left << QPoint(140, 100) << QList<QPoint>{{150, 100}}
        << QStringList{"window 110,50"} << noGuides << arrow;
    QTest::newRow("shift drag sizes from the bottom-right")
        << Setting::Shift << left << QPoint(200, 150) << QList<QPoint>{{210, 170}}
        << QStringList{"size 100,50 310x220"} << noGuides << Qt::SizeFDiagCursor;
    QTest::newRow("right edge drag widens the window")
        << Setting::None << left << QPoint(298, 100) << QList<QPoint>{{318, 120}}
        << QStringList{QStringLiteral("edge 100,50 320x200 %1").arg(int(DragMode::RightEdge))} << noGuides
        << Qt::SizeHorCursor;
    QTest::newRow("a handle follows the pointer from the press")
        << Setting::None << left << kHandle << QList<QPoint>{{160, 155}, {170, 160}}
        << QStringList{"handle 0 to 160,155 from 150,150", "handle 0 to 170,160 from 150,150"} << noGuides
        << arrow;
    QTest::newRow("in full screen the body drag moves nothing")
        << Setting::FullScreen << left << QPoint(200, 150) << QList<QPoint>{{220, 160}} << QStringList{}
        << noGuides << arrow;
    QTest::newRow("the compositor takes a body drag at the press")
        << Setting::Compositor << left << QPoint(200, 150) << QList<QPoint>{{220, 160}, {240, 170}}
        << QStringList{"system move"} << noGuides << arrow;
    QTest::newRow("the compositor takes an edge drag at the press")
        << Setting::Compositor << left << QPoint(298, 100) << QList<QPoint>{{318, 120}}
        << QStringList{QStringLiteral("system resize %1").arg(int(Qt::RightEdge))} << noGuides
        << Qt::SizeHorCursor;
    QTest::newRow("the figure stays the ruler's own where the compositor places windows")
        << Setting::Compositor << left << QPoint(140, 100) << QList<QPoint>{{150, 100}}
        << QStringList{"figure by 10,0"} << noGuides << arrow;
    QTest::newRow("a guide dropped in its band follows and the window stays")
        << Setting::Guides << left << QPoint(20, 100) << QList<QPoint>{{40, 100}, {60, 120}} << QStringList{}
        << QList<int>{60} << arrow;
    QTest::newRow("a right-button drag moves nothing")
        << Setting::None << Qt::RightButton << QPoint(200, 150) << QList<QPoint>{{220, 160}} << QStringList{}
        << noGuides << arrow;
}

void TestPointerSession::drags()
{
    QFETCH(Setting, setting);
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, press);
    QFETCH(QList<QPoint>, motions);

    World world = worldFor(setting);
    PointerSession session(std::make_unique<FakeHost>(world));
    session.setChord(chordFor(setting));
    pressAt(session, press, button);
    for (const QPoint &motion : motions)
        moveTo(session, motion, button);
    session.release();

    QTEST(world.actions, "actions");
    QTEST(session.guides().vertical(), "verticalGuides");
    QTEST(world.cursor, "cursorAfterRelease");
}

void TestPointerSession::hoverShowsWhatAPressGrabs_data()
{
    QTest::addColumn<Setting>("setting");
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<DragMode>("dragMode");
    QTest::addColumn<Qt::CursorShape>("cursor");

    QTest::newRow("body") << Setting::None << QPoint(200, 150) << DragMode::Body << Qt::ArrowCursor;
    QTest::newRow("body with shift") << Setting::Shift << QPoint(200, 150) << DragMode::Body
                                     << Qt::SizeFDiagCursor;
    QTest::newRow("body with alt and shift") << Setting::Alt << QPoint(200, 150) << DragMode::Body
                                             << Qt::ArrowCursor;
    QTest::newRow("bottom-right corner") << Setting::None << QPoint(298, 198) << DragMode::BottomRight
                                         << Qt::SizeFDiagCursor;
    QTest::newRow("handle") << Setting::None << kHandle << DragMode::ControlPoint << Qt::ArrowCursor;
    QTest::newRow("guide band") << Setting::Guides << QPoint(20, 100) << DragMode::Body << Qt::SplitHCursor;
    QTest::newRow("band without guides") << Setting::None << QPoint(20, 100) << DragMode::Body
                                         << Qt::ArrowCursor;
}

void TestPointerSession::hoverShowsWhatAPressGrabs()
{
    QFETCH(Setting, setting);
    QFETCH(QPoint, pos);

    World world = worldFor(setting);
    PointerSession session(std::make_unique<FakeHost>(world));
    ModifierLatch::Chord chord = chordFor(setting);
    // Alt alone shows the arrow anyway; the row with Alt holds Shift too.
    chord.shift = chord.shift || chord.alt;
    session.setChord(chord);
    moveTo(session, pos, Qt::NoButton);

    QTEST(session.dragMode(), "dragMode");
    QTEST(world.cursor, "cursor");
}

void TestPointerSession::figureHiddenMidDragLetsGo()
{
    World world;
    PointerSession session(std::make_unique<FakeHost>(world));
    pressAt(session, kHandle);
    QCOMPARE(session.dragMode(), DragMode::ControlPoint);
    world.figureShown = false;
    session.figureHidden();
    moveTo(session, kHandle + QPoint(10, 10));
    QCOMPARE(session.dragMode(), DragMode::Body);
    QCOMPARE(world.actions, QStringList{"window 110,60"});
}

void TestPointerSession::menuTextPressIsTakenOnce()
{
    World world;
    PointerSession session(std::make_unique<FakeHost>(world));
    QPoint inZone;
    for (int x = 0; x < kFrame.width() && inZone.isNull(); ++x)
        for (int y = 0; y < kFrame.height() && inZone.isNull(); ++y)
            if (MenuText::inZone(QPoint(x, y), kFrame.width()))
                inZone = QPoint(x, y);
    QVERIFY(!inZone.isNull());

    moveTo(session, inZone, Qt::NoButton);
    QVERIFY(session.menuHovered());
    session.press(inZone, kFrame.topLeft() + inZone, Qt::LeftButton, Qt::LeftButton);
    QVERIFY(session.takeMenuPress());
    QVERIFY(!session.takeMenuPress());
    QVERIFY(!session.menuHovered());
}

void TestPointerSession::leavingGivesTheSplitCursorBack()
{
    World world;
    world.guidesShown = true;
    PointerSession session(std::make_unique<FakeHost>(world));
    moveTo(session, QPoint(20, 100), Qt::NoButton);
    QCOMPARE(world.cursor, Qt::SplitHCursor);
    session.leave();
    QCOMPARE(world.cursor, Qt::ArrowCursor);
}

void TestPointerSession::guideSpacingFollowsTheHorizontalBand_data()
{
    QTest::addColumn<bool>("offered");
    QTest::addColumn<bool>("guidesShown");
    QTest::addColumn<QPoint>("hover");
    QTest::addColumn<bool>("spacing");

    // Over the top band a press would drop a horizontal guide: the spacings are written beside it.
    QTest::newRow("top band, spacings offered") << true << true << QPoint(150, 20) << true;
    QTest::newRow("top band, spacings not offered") << false << true << QPoint(150, 20) << false;
    QTest::newRow("left band drops a vertical guide") << true << true << QPoint(20, 100) << false;
    QTest::newRow("guides hidden") << true << false << QPoint(150, 20) << false;
    QTest::newRow("the body") << true << true << QPoint(200, 150) << false;
}

void TestPointerSession::guideSpacingFollowsTheHorizontalBand()
{
    QFETCH(bool, offered);
    QFETCH(bool, guidesShown);
    QFETCH(QPoint, hover);
    QFETCH(bool, spacing);

    World world;
    world.guideSpacingOffered = offered;
    world.guidesShown = guidesShown;
    PointerSession session(std::make_unique<FakeHost>(world));
    const PointerVisuals before = session.visuals();
    moveTo(session, hover, Qt::NoButton);
    const PointerVisuals after = session.visuals();
    QCOMPARE(after.guideSpacing, spacing);
    // What a repaint compares: the spacings' column follows the pointer only while they are written.
    QCOMPARE(after != before, spacing);
    if (spacing)
        QCOMPARE(after.spacingX, hover.x());
    session.leave();
    QVERIFY(!session.visuals().guideSpacing);
}

GRADORA_TEST_GUILESS_MAIN(TestPointerSession)
#include "tst_pointersession.moc"
