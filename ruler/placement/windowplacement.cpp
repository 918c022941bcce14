// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/placement/windowplacement.h"

#include "platform/desktop.h"
#include "ruler/input/movepacer.h"
#include "ruler/placement/geometryrule.h"
#include "ruler/placement/screenplacement.h"
#include "ruler/placement/windowsnap.h"

#include <QCoreApplication>
#include <QMoveEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

WindowPlacement::WindowPlacement(QWidget &window, std::unique_ptr<Ruler> ruler)
    : m_window(window),
      m_ruler(std::move(ruler)),
      m_drag([this] { return otherWindows(); }, [this](const QPoint &topLeft) { return moveForDrag(topLeft); })
{
}

WindowPlacement::~WindowPlacement() = default;

void WindowPlacement::place(const QRect &wanted)
{
    const QRect fitted = GeometryRule::fitted(wanted, GeometryRule::currentScreens());
    m_askedPosition = fitted.topLeft();
    if (placedByService(fitted))
        return;
    // Always set, even where unchanged: a window shown without a set geometry is placed by the
    // window manager instead.
    m_window.setGeometry(fitted);
}

void WindowPlacement::placeAt(const QPoint &topLeft)
{
    place(QRect(topLeft, m_window.size()));
}

void WindowPlacement::moveSnapped(const QPoint &topLeft)
{
    if (!m_ruler->fullScreen())
        placeAt(snapped(topLeft));
}

void WindowPlacement::dragTo(const QPoint &topLeft)
{
    if (!m_ruler->fullScreen())
        m_drag.offer(snapped(topLeft));
}

QPoint WindowPlacement::snapped(const QPoint &topLeft)
{
    QRect window = m_window.geometry();
    window.moveTopLeft(topLeft);
    if (m_ruler->snapsToScreen()) {
        const QList<QRect> screens = GeometryRule::currentScreens();
        const QRect screen = screens.value(ScreenPlacement::screenIndexFor(window, screens));
        window.moveTopLeft(WindowSnap::moved(window, screen, m_drag.snapTargets(), kSnapDistance));
    }
    return window.topLeft();
}

QRect WindowPlacement::edgeSnapped(const QRect &frame, PointerRules::DragMode edge)
{
    if (m_ruler->fullScreen() || !m_ruler->snapsToScreen())
        return frame;
    // One more than the minimum: the stricter of the edge drag's two limits.
    return WindowSnap::resized(frame, edge, m_drag.snapTargets(), kSnapDistance, PointerRules::kMinimumSide + 1);
}

// Where the desktop moves a window more cheaply than the toolkit, a drag moves it that way, at most
// once a frame of its screen; elsewhere with every motion, as any placement.
int WindowPlacement::moveForDrag(const QPoint &topLeft)
{
    const QRect fitted = GeometryRule::fitted(QRect(topLeft, m_window.size()), GeometryRule::currentScreens());
    Desktop *desk = m_ruler->desktop();
    if (fitted.size() == m_window.size() && m_window.isVisible() && honoured() && desk &&
        desk->moveWindow(m_window.winId(), fitted.topLeft())) {
        const QScreen *screen = m_window.screen();
        return MovePacer::frameFor(screen ? screen->refreshRate() : 0.0);
    }
    place(fitted);
    return 0;
}

QList<QRect> WindowPlacement::otherWindows() const
{
    const Desktop *desk = m_ruler->desktop();
    return desk ? WindowSnap::targets(desk->windows(), WindowSnap::programWindows()) : QList<QRect>();
}

bool WindowPlacement::honoured() const
{
    const Desktop *desk = m_ruler->desktop();
    return !desk || desk->honoursOwnPlacement();
}

void WindowPlacement::handToCompositor(const CompositorDrag::Request &request)
{
    m_systemDrag(m_window.windowHandle(), request);
}

bool WindowPlacement::startSystemDrag(QWindow *window, const CompositorDrag::Request &request)
{
    if (!window)
        return false;
    return request.isMove() ? window->startSystemMove() : window->startSystemResize(request.edges);
}

// Run while the window still stands where it asked to be. A window system that put the window where
// it asked may say so or nothing; a move the user makes through the window manager later must not
// count.
void WindowPlacement::askReadback()
{
    if (m_readbackAsked)
        return;
    m_readbackAsked = true;
    m_askedPlacement = m_window.geometry();
    QTimer::singleShot(kReadbackMs, &m_window, [this] { endReadback(); });
}

void WindowPlacement::endReadback()
{
    m_askedPlacement.reset();
}

void WindowPlacement::followMoveReport(const QMoveEvent *event)
{
    if (!m_askedPlacement)
        return;
    // The program moved the window itself: that is the place it asks for now.
    if (!event->spontaneous()) {
        m_askedPlacement = m_window.geometry();
        return;
    }
    // Full screen, maximized and minimized windows stand where the window manager puts them.
    if (m_ruler->fullScreen() ||
        (m_window.windowState() & (Qt::WindowFullScreen | Qt::WindowMaximized | Qt::WindowMinimized)))
        return;
    Desktop *desk = m_ruler->desktop();
    if (!desk)
        return;
    const QRect asked = *m_askedPlacement;
    desk->notePlacement(asked, m_window.geometry());
    // Put elsewhere (a new ruler, or the stored place at start): the compositor's placement service,
    // where there is one, puts the ruler where it asked, once.
    if (!desk->honoursOwnPlacement() && m_window.geometry() != asked) {
        endReadback();
        placedByService(asked);
    }
}

// Where the desktop places windows itself, the compositor's placement service (if there is one) puts
// the window exactly. Asking the window system as well would only have the compositor place it its
// own way afterwards, so the service's word is the only one; the window hears of its new place from
// the window system.
bool WindowPlacement::placedByService(const QRect &frame)
{
    Desktop *desk = m_ruler->desktop();
    if (!desk || !m_window.isVisible() || !desk->placeThroughService(m_window.winId(), frame))
        return false;
    // That is the place the ruler asks for now (see followMoveReport).
    if (m_askedPlacement)
        m_askedPlacement = frame;
    return true;
}

std::optional<QPoint> WindowPlacement::desktopPosition() const
{
    const Desktop *desk = m_ruler->desktop();
    if (!desk || desk->toolkitKnowsPositions())
        return m_window.geometry().topLeft();
    return m_positionFromDesktop;
}

// A hidden ruler's place is forgotten, since the compositor places it anew when it shows again.
void WindowPlacement::learnPosition()
{
    Desktop *desk = m_ruler->desktop();
    if (!desk || desk->toolkitKnowsPositions())
        return;
    const std::optional<QPoint> position =
        m_window.isVisible() ? desk->windowPosition(m_window.windowHandle()) : std::optional<QPoint>();
    if (position == m_positionFromDesktop)
        return;
    m_positionFromDesktop = position;
    m_window.update();
}

QRect WindowPlacement::geometryToKeep() const
{
    return {desktopPosition().value_or(m_askedPosition), m_window.size()};
}

void WindowPlacement::sayDesktopPlacesWindows()
{
    if (honoured())
        return;
    const Desktop *desk = m_ruler->desktop();
    if ((desk && desk->hasPlacementService()) || !m_ruler->firstPlacementNotice())
        return;
    m_notice = QCoreApplication::translate(
        "RulerWindow", "This desktop places windows itself: move the ruler by dragging it with the pointer.");
    m_window.update();
}

void WindowPlacement::clearNotice()
{
    if (m_notice.isEmpty())
        return;
    m_notice.clear();
    m_window.update();
}
