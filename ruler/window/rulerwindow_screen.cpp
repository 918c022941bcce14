// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// Where the window stands: its display, snapping and locking, full screen and stay on top.
#include "ruler/window/rulerwindow.h"

#include "platform/desktop.h"
#include "ruler/input/pointerrules.h"
#include "ruler/panel/infopanel.h"
#include "ruler/placement/geometryrule.h"
#include "ruler/placement/screenplacement.h"
#include "ruler/placement/windowsnap.h"
#include "ruler/window/rulershared.h"

#include <QGuiApplication>
#include <QMoveEvent>
#include <QScreen>

void RulerWindow::placeWindow(const QRect &wanted)
{
    const QRect fitted = GeometryRule::fitted(wanted, GeometryRule::currentScreens());
    m_askedPosition = fitted.topLeft();
    if (placedByService(fitted))
        return;
    // Always set, even where unchanged: a window shown without a set geometry is placed by the
    // window manager instead.
    setGeometry(fitted);
}

// A moved window shows what it showed: it is painted again only when it came onto a display that
// gives its unit another scale. The panel hears of the new place within a frame.
void RulerWindow::moveEvent(QMoveEvent *event)
{
    followPlacementReport(event);
    const UnitScale before = state().scale();
    followPlace();
    if (state().scale() != before)
        update();
    m_panel.textsSoon();
}

void RulerWindow::followWindowMove()
{
    followPlace();
    update();
}

void RulerWindow::followPlace()
{
    m_panel.claim();

    const QList<QRect> screens = GeometryRule::currentScreens();
    m_state.setDisplay(ScreenPlacement::screenIndexFor(outerGeometry(), screens));
    const QRect screen = screens.value(state().display());

    // Snapping belongs to pointer drags (moveSnapped); keys and dialogs place the window exactly.
    QRect window = outerGeometry();
    if (option(RulerOption::LockToScreen)) {
        const QRect inside = ScreenPlacement::locked(window, screen);
        if (!state().fullScreen()) {
            if (inside.size() != window.size())
                resize(inside.size());
            move(inside.topLeft());
        }
        window = inside;
    }

    recomputeScale();
    m_panel.follow(window, screen, m_windowDrag.moving());
}

// What the panel follower learns about the window and asks of it.
class RulerWindow::PanelRuler final : public PanelFollower::Ruler
{
public:
    explicit PanelRuler(RulerWindow &window) : m_window(window) {}

    QWidget *window() const override { return &m_window; }
    QRect frame() const override { return m_window.outerGeometry(); }
    InfoPanel *panel() const override { return m_window.infoPanel(); }
    Preferences *preferences() const override { return m_window.preferences; }
    bool staysOnTop() const override { return m_window.option(RulerOption::StayOnTop); }
    PanelTexts texts() const override { return m_window.panelTexts(); }
    void beginDrag() override { m_window.beginWindowDrag(); }
    void dragTo(const QPoint &topLeft) override { m_window.dragSnapped(topLeft); }
    void endDrag() override { m_window.endWindowDrag(); }
    void keepKeyboard() override { m_window.keepKeyboard(); }
    void waitForPanel() override
    {
        if (m_window.shared)
            m_window.shared->panelWaitingRuler = &m_window;
    }

private:
    RulerWindow &m_window;
};

std::unique_ptr<PanelFollower::Ruler> RulerWindow::panelRuler(RulerWindow &window)
{
    return std::make_unique<PanelRuler>(window);
}

void RulerWindow::takeInfoPanel()
{
    m_panel.take(outerGeometry(), GeometryRule::currentScreens().value(state().display()));
}

// Takes the keyboard, asking the window system only when the window does not have it already.
void RulerWindow::keepKeyboard()
{
    if (!isActiveWindow())
        activateWindow();
    setFocus();
}

void RulerWindow::moveSnapped(const QPoint &topLeft)
{
    if (state().fullScreen())
        return;
    placeWindowAt(snappedPlace(topLeft));
}

QPoint RulerWindow::snappedPlace(const QPoint &topLeft)
{
    QRect window = outerGeometry();
    window.moveTopLeft(topLeft);
    if (option(RulerOption::SnapToScreen)) {
        const QList<QRect> screens = GeometryRule::currentScreens();
        const QRect screen = screens.value(ScreenPlacement::screenIndexFor(window, screens));
        window.moveTopLeft(WindowSnap::moved(window, screen, m_windowDrag.snapTargets(), snapDistance));
    }
    return window.topLeft();
}

void RulerWindow::beginWindowDrag()
{
    m_windowDrag.begin();
}

void RulerWindow::dragSnapped(const QPoint &topLeft)
{
    if (!state().fullScreen())
        m_windowDrag.offer(snappedPlace(topLeft));
}

void RulerWindow::endWindowDrag()
{
    m_windowDrag.end();
}

// Where the desktop moves a window more cheaply than the toolkit, a drag moves it that way, at most
// once a frame of its screen; elsewhere with every motion, as any placement.
int RulerWindow::moveForDrag(const QPoint &topLeft)
{
    const QRect fitted = GeometryRule::fitted(QRect(topLeft, size()), GeometryRule::currentScreens());
    Desktop *desk = desktop();
    if (fitted.size() == size() && isVisible() && placementHonoured() && desk &&
        desk->moveWindow(winId(), fitted.topLeft()))
        return MovePacer::frameFor(screen() ? screen()->refreshRate() : 0.0);
    placeWindow(fitted);
    return 0;
}

QList<QRect> RulerWindow::otherWindows() const
{
    return desktop() ? WindowSnap::targets(desktop()->windows(), WindowSnap::programWindows()) : QList<QRect>();
}

QRect RulerWindow::edgeSnapped(const QRect &frame, PointerRules::DragMode edge)
{
    if (state().fullScreen() || !option(RulerOption::SnapToScreen))
        return frame;
    // One more than the minimum: the stricter of the edge drag's two limits.
    return WindowSnap::resized(frame, edge, m_windowDrag.snapTargets(), snapDistance,
                               PointerRules::kMinimumSide + 1);
}

void RulerWindow::toggleStayOnTop()
{
    m_state.toggle(RulerOption::StayOnTop);
    setWindowFlags(windowFlags() ^ Qt::WindowStaysOnTopHint);
    show();
    activateWindow();

    if (m_panel.ownsPanel())
        infoPanel()->setStaysOnTop(option(RulerOption::StayOnTop));
}

void RulerWindow::toggleFullScreen()
{
    endPlacementReadback();
    if (!state().fullScreen()) {
        m_state.enterFullScreen(geometryToKeep());
        if (!desktop() || desktop()->fillsFullScreen()) {
            showFullScreen();
        } else {
            // Nobody answers the request: the ruler fills its screen itself, and comes to the front as
            // a window manager would bring it.
            placeWindow(GeometryRule::currentScreens().value(state().display()));
            raise();
        }
    } else {
        const QRect normal = m_state.leaveFullScreen();
        showNormal();
        placeWindow(normal);
    }
    update();
}
