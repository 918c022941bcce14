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

// A moved window shows what it showed: it is painted again only when it came onto a display that
// gives its unit another scale. The panel hears of the new place within a frame.
void RulerWindow::moveEvent(QMoveEvent *event)
{
    m_placement.followMoveReport(event);
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
    m_panel.follow(window, screen, m_placement.dragMoving());
}

// What the panel follower learns about the window and asks of it.
class RulerWindow::PanelRuler final : public PanelFollower::Ruler
{
public:
    explicit PanelRuler(RulerWindow &window) : m_window(window) {}

    QWidget *window() const override { return &m_window; }
    QRect frame() const override { return m_window.outerGeometry(); }
    InfoPanel *panel() const override { return m_window.infoPanel(); }
    Preferences *preferences() const override { return m_window.m_preferences; }
    bool staysOnTop() const override { return m_window.option(RulerOption::StayOnTop); }
    PanelTexts texts() const override { return m_window.panelTexts(); }
    void beginDrag() override { m_window.m_placement.beginDrag(); }
    void dragTo(const QPoint &topLeft) override { m_window.m_placement.dragTo(topLeft); }
    void endDrag() override { m_window.m_placement.endDrag(); }
    void keepKeyboard() override { m_window.keepKeyboard(); }
    void waitForPanel() override
    {
        if (m_window.m_shared)
            m_window.m_shared->panelWaitingRuler = &m_window;
    }

private:
    RulerWindow &m_window;
};

std::unique_ptr<PanelFollower::Ruler> RulerWindow::panelRuler(RulerWindow &window)
{
    return std::make_unique<PanelRuler>(window);
}

class RulerWindow::PlacedRuler final : public WindowPlacement::Ruler
{
public:
    explicit PlacedRuler(RulerWindow &window) : m_window(window) {}

    Desktop *desktop() const override { return m_window.desktop(); }
    bool fullScreen() const override { return m_window.state().fullScreen(); }
    bool snapsToScreen() const override { return m_window.option(RulerOption::SnapToScreen); }
    bool firstPlacementNotice() override
    {
        RulerShared *shared = m_window.m_shared;
        if (!shared || shared->placementNoticeGiven)
            return false;
        shared->placementNoticeGiven = true;
        return true;
    }

private:
    RulerWindow &m_window;
};

std::unique_ptr<WindowPlacement::Ruler> RulerWindow::placedRuler(RulerWindow &window)
{
    return std::make_unique<PlacedRuler>(window);
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

