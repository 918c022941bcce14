// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// Where a window stands and how it gets there, on a plain window: snapping, the desktop's placement
// service, the place kept where the desktop does not tell, and the notice that is said once a run.
#include "fakedesktop.h"
#include "ruler/placement/geometryrule.h"
#include "ruler/placement/windowplacement.h"
#include "testsupport.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

namespace {

struct PlacedWindow final : WindowPlacement::Ruler
{
    explicit PlacedWindow(FakeDesktop *desk) : desk(desk) {}
    Desktop *desktop() const override { return desk; }
    bool fullScreen() const override { return full; }
    bool snapsToScreen() const override { return snaps; }
    bool firstPlacementNotice() override { return !std::exchange(noticeGiven, true); }

    FakeDesktop *desk;
    bool full = false;
    bool snaps = false;
    bool noticeGiven = false;
};

const QRect kWindow(200, 150, 300, 200);

} // namespace

class TestWindowPlacement : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void snapsOnlyWhereAsked_data();
    void snapsOnlyWhereAsked();
    void placementServiceTakesThePlace();
    void keepsWhatTheDesktopTells_data();
    void keepsWhatTheDesktopTells();
    void noticeIsSaidOnceWhereNothingPlaces_data();
    void noticeIsSaidOnceWhereNothingPlaces();

private:
    WindowPlacement &placement() { return *m_placement; }

    std::unique_ptr<QWidget> m_window;
    std::unique_ptr<FakeDesktop> m_desktop;
    PlacedWindow *m_ruler = nullptr;
    std::unique_ptr<WindowPlacement> m_placement;
};

void TestWindowPlacement::init()
{
    m_window = std::make_unique<QWidget>(nullptr, Qt::Window | Qt::FramelessWindowHint);
    m_desktop = std::make_unique<FakeDesktop>();
    auto ruler = std::make_unique<PlacedWindow>(m_desktop.get());
    m_ruler = ruler.get();
    m_placement = std::make_unique<WindowPlacement>(*m_window, std::move(ruler));
    m_placement->place(kWindow);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestWindowPlacement::cleanup()
{
    m_placement.reset();
    m_window.reset();
    m_desktop.reset();
}

void TestWindowPlacement::snapsOnlyWhereAsked_data()
{
    QTest::addColumn<bool>("snaps");
    QTest::addColumn<bool>("fullScreen");
    QTest::addColumn<QPoint>("wanted");
    QTest::addColumn<QPoint>("reached");

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const int near = WindowPlacement::kSnapDistance - 1;
    const int far = WindowPlacement::kSnapDistance + 1;
    const QPoint nearLeft(screen.left() + near, 300);
    const QPoint farLeft(screen.left() + far, 300);
    const QPoint nearBottom(200, screen.bottom() + 1 - kWindow.height() - near);
    QTest::newRow("no snapping") << false << false << nearLeft << nearLeft;
    QTest::newRow("near the left edge") << true << false << nearLeft << QPoint(screen.left(), 300);
    QTest::newRow("beyond the snap distance") << true << false << farLeft << farLeft;
    QTest::newRow("near the bottom edge")
        << true << false << nearBottom << QPoint(200, screen.bottom() + 1 - kWindow.height());
    QTest::newRow("full screen stays") << true << true << nearLeft << kWindow.topLeft();
}

void TestWindowPlacement::snapsOnlyWhereAsked()
{
    QFETCH(bool, snaps);
    QFETCH(bool, fullScreen);
    QFETCH(QPoint, wanted);
    QFETCH(QPoint, reached);

    m_ruler->snaps = snaps;
    m_ruler->full = fullScreen;
    placement().moveSnapped(wanted);
    QCOMPARE(m_window->pos(), reached);

    // A drag of the window ends where a single move would have put it.
    placement().placeAt(kWindow.topLeft());
    placement().beginDrag();
    placement().dragTo(wanted);
    placement().endDrag();
    QCOMPARE(m_window->pos(), reached);
}

void TestWindowPlacement::placementServiceTakesThePlace()
{
    // Where the desktop places windows itself.
    m_desktop->setHonoursOwnPlacement(false);
    QList<QRect> asked;
    m_desktop->placeAt = [&asked](WId, const QRect &frame) {
        asked.append(frame);
        return true;
    };
    const QRect wanted(40, 50, 300, 200);
    placement().place(wanted);
    // The service's word is the only one: the window waits to hear of its new place.
    QCOMPARE(asked, QList<QRect>{wanted});
    QCOMPARE(m_window->geometry(), kWindow);

    // Too small for the pointer: the geometry rule applies before the service is asked.
    placement().place(QRect(40, 50, 1, 1));
    QCOMPARE(asked.last(), GeometryRule::fitted(QRect(40, 50, 1, 1), GeometryRule::currentScreens()));
}

void TestWindowPlacement::keepsWhatTheDesktopTells_data()
{
    QTest::addColumn<bool>("toolkitKnows");
    QTest::addColumn<std::optional<QPoint>>("told");
    QTest::addColumn<QRect>("kept");

    const QRect asked(60, 70, kWindow.width(), kWindow.height());
    QTest::newRow("the toolkit knows") << true << std::optional<QPoint>() << asked;
    QTest::newRow("the desktop tells") << false << std::optional<QPoint>(QPoint(7, 8))
                                       << QRect(QPoint(7, 8), asked.size());
    // Never a made-up place: the one last asked for.
    QTest::newRow("nobody tells") << false << std::optional<QPoint>() << asked;
}

void TestWindowPlacement::keepsWhatTheDesktopTells()
{
    QFETCH(bool, toolkitKnows);
    QFETCH(std::optional<QPoint>, told);
    QFETCH(QRect, kept);

    if (!toolkitKnows)
        m_desktop->positionOf = [told](QWindow *) { return told; };
    placement().place(QRect(60, 70, kWindow.width(), kWindow.height()));
    placement().learnPosition();
    QCOMPARE(placement().geometryToKeep(), kept);
    QCOMPARE(placement().desktopPosition().has_value(), toolkitKnows || told.has_value());
}

void TestWindowPlacement::noticeIsSaidOnceWhereNothingPlaces_data()
{
    QTest::addColumn<bool>("honoured");
    QTest::addColumn<bool>("service");
    QTest::addColumn<bool>("said");

    QTest::newRow("placements honoured") << true << false << false;
    QTest::newRow("a placement service") << false << true << false;
    QTest::newRow("nothing places the ruler") << false << false << true;
}

void TestWindowPlacement::noticeIsSaidOnceWhereNothingPlaces()
{
    QFETCH(bool, honoured);
    QFETCH(bool, service);
    QFETCH(bool, said);

    m_desktop->setHonoursOwnPlacement(honoured);
    if (service)
        m_desktop->placeAt = [](WId, const QRect &) { return true; };
    placement().sayDesktopPlacesWindows();
    QCOMPARE(!placement().notice().isEmpty(), said);

    placement().clearNotice();
    placement().sayDesktopPlacesWindows();
    QVERIFY(placement().notice().isEmpty());
}

GRADORA_TEST_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"
