// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// Where the compositor places windows itself: learning it, and handing the pointer's drags to it.
#include "ruler/window/rulerwindow.h"

#include "platform/desktop.h"
#include "ruler/window/rulershared.h"

#include <QMoveEvent>
#include <QTimer>
#include <QWindow>

bool RulerWindow::placementHonoured() const
{
    return !desktop() || desktop()->honoursOwnPlacement();
}

// Run at the first show, while the window still stands where it asked to be: the window system's
// reports of its place until the user first takes the ruler (or for kPlacementReadbackMs) tell whether
// it honoured the request. A window system that put the window where it asked may say so or nothing;
// a move the user makes through the window manager later must not count.
void RulerWindow::askPlacementReadback()
{
    if (m_placementAsked)
        return;
    m_placementAsked = true;
    m_askedPlacement = geometry();
    QTimer::singleShot(kPlacementReadbackMs, this, &RulerWindow::endPlacementReadback);
}

void RulerWindow::endPlacementReadback()
{
    m_askedPlacement.reset();
}

void RulerWindow::followPlacementReport(const QMoveEvent *event)
{
    if (!m_askedPlacement)
        return;
    // The program moved the window itself: that is the place it asks for now.
    if (!event->spontaneous()) {
        m_askedPlacement = geometry();
        return;
    }
    // Full screen, maximized and minimized windows stand where the window manager puts them.
    if (state().fullScreen() || (windowState() & (Qt::WindowFullScreen | Qt::WindowMaximized | Qt::WindowMinimized)))
        return;
    Desktop *desk = desktop();
    if (!desk)
        return;
    const QRect asked = *m_askedPlacement;
    desk->notePlacement(asked, geometry());
    // Put elsewhere (a new ruler, or the stored place at start): the compositor's placement service,
    // where there is one, puts the ruler where it asked, once.
    if (!desk->honoursOwnPlacement() && geometry() != asked) {
        endPlacementReadback();
        placedByService(asked);
    }
}

// Where the desktop places windows itself, the compositor's placement service (if there is one) puts
// the window exactly. Asking the window system as well would only have the compositor place it its
// own way afterwards, so the service's word is the only one; the window hears of its new place from
// the window system.
bool RulerWindow::placedByService(const QRect &frame)
{
    Desktop *desk = desktop();
    if (!desk || !isVisible() || !desk->placeThroughService(winId(), frame))
        return false;
    // That is the place the ruler asks for now (see followPlacementReport).
    if (m_askedPlacement)
        m_askedPlacement = frame;
    return true;
}

std::optional<QPoint> RulerWindow::desktopPosition() const
{
    if (!desktop() || desktop()->toolkitKnowsPositions())
        return geometry().topLeft();
    return m_positionFromDesktop;
}

// Run when the ruler is shown, resized or met by the pointer again (a drag handed to the compositor
// ends with the pointer over the ruler); a hidden ruler's place is forgotten, since the compositor
// places it anew when it shows again.
void RulerWindow::learnPositionFromDesktop()
{
    Desktop *desk = desktop();
    if (!desk || desk->toolkitKnowsPositions())
        return;
    const std::optional<QPoint> position =
        isVisible() ? desk->windowPosition(windowHandle()) : std::optional<QPoint>();
    if (position == m_positionFromDesktop)
        return;
    m_positionFromDesktop = position;
    update();
}

QRect RulerWindow::geometryToKeep() const
{
    return {desktopPosition().value_or(m_askedPosition), size()};
}

bool RulerWindow::startSystemDrag(QWindow *window, const CompositorDrag::Request &request)
{
    if (!window)
        return false;
    return request.isMove() ? window->startSystemMove() : window->startSystemResize(request.edges);
}

void RulerWindow::sayDesktopPlacesWindows()
{
    if (placementHonoured() || !shared || shared->placementNoticeGiven)
        return;
    if (desktop() && desktop()->hasPlacementService())
        return;
    shared->placementNoticeGiven = true;
    m_notice = tr("This desktop places windows itself: move the ruler by dragging it with the pointer.");
    update();
}
