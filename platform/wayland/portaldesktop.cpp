// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "platform/wayland/portaldesktop.h"

#include "platform/screengrab.h"
#include "platform/wayland/compositortree.h"
#include "platform/wayland/controlsocket.h"
#include "platform/wayland/controlsocketmessage.h"
#include "platform/wayland/portalscreenshot.h"
#include "platform/x11/x11desktopwindows.h"
#include "platform/x11/x11monitorsizes.h"
#include "platform/x11/x11windowmanager.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWindow>
#include <QtGlobal>

PortalDesktop::PortalDesktop(SessionKind session, const QString &controlSocket, QObject *parent)
    : Desktop(parent), m_session(session), m_portal(new PortalScreenshot(this)), m_controlSocket(controlSocket)
{
    if (session == SessionKind::Wayland)
        setHonoursOwnPlacement(false);
}

QList<DesktopWindow> PortalDesktop::windows() const
{
    return m_session == SessionKind::XWayland ? X11DesktopWindows::stack() : QList<DesktopWindow>();
}

ScreenPicture PortalDesktop::readArea(const QRect &) const
{
    ScreenPicture picture;
    picture.failure = tr("This desktop does not let programs read the screen at any moment.");
    return picture;
}

void PortalDesktop::takePicture(QObject *context, const PictureReady &ready)
{
    QPointer<PortalDesktop> self(this);
    // sway ignores the opacity a window asks for; it sets one through its control socket.
    ScreenGrab::CompositorOpacity compositorOpacity;
    if (!m_controlSocket.isEmpty()) {
        compositorOpacity = [self](WId window, qreal opacity) {
            return self && self->setOpacityThroughService(window, opacity);
        };
    }
    ScreenGrab::withoutOwnWindows(
        true, context,
        [self](QObject *program, const PictureReady &taken) {
            if (!self) {
                taken({});
                return;
            }
            self->m_portal->take(program, taken);
        },
        [self, ready](const ScreenPicture &picture) {
            if (self && picture.isValid())
                self->noteDisplayScale(picture.scale());
            ready(picture);
        },
        compositorOpacity);
}

// Through XWayland the request goes to the compositor's X window manager.
bool PortalDesktop::fillsFullScreen() const
{
    return m_session != SessionKind::XWayland || X11WindowManager::fillsFullScreen();
}

// Through XWayland the X server describes the monitors; a native client has the compositor's sizes
// from the toolkit.
QList<MonitorSize> PortalDesktop::monitorSizes() const
{
    return m_session == SessionKind::XWayland ? X11MonitorSizes::monitors() : QList<MonitorSize>();
}

QString PortalDesktop::controlSocketOfSession()
{
    return qEnvironmentVariable("SWAYSOCK");
}

// The socket's commands name X windows; a native Wayland window has no name the program knows.
bool PortalDesktop::hasPlacementService() const
{
    return m_session == SessionKind::XWayland && !m_controlSocket.isEmpty();
}

bool PortalDesktop::placeWindow(WId window, const QRect &frame)
{
    if (!hasPlacementService() || window == 0 || frame.isEmpty())
        return false;
    return runOnControlSocket(ControlSocketMessage::placementCommand(window, frame),
                              QStringLiteral("The compositor did not place a window"));
}

std::optional<QPoint> PortalDesktop::windowPosition(QWindow *window)
{
    if (toolkitKnowsPositions())
        return Desktop::windowPosition(window);
    if (!window || m_controlSocket.isEmpty())
        return std::nullopt;
    const ControlSocket::Result answer = ControlSocket::ask(m_controlSocket, ControlSocketMessage::kGetTree);
    if (answer.outcome != ControlSocket::Result::Outcome::Done) {
        stopAskingSilentCompositor(answer.failure);
        return std::nullopt;
    }
    QSet<qint64> taken;
    for (auto known = m_treeIds.cbegin(); known != m_treeIds.cend(); ++known) {
        if (known.key() != window)
            taken.insert(known.value());
    }
    const std::optional<CompositorTree::Window> found = CompositorTree::find(
        CompositorTree::windowsOf(answer.payload, QCoreApplication::applicationPid()),
        {window->title(), window->size(), m_treeIds.value(window)}, taken);
    if (!found)
        return std::nullopt;
    if (!m_treeIds.contains(window))
        connect(window, &QObject::destroyed, this, [this, window] { m_treeIds.remove(window); });
    m_treeIds.insert(window, found->id);
    return found->area.topLeft();
}

// A native window has no name the program knows: all of the program's windows are named at once.
bool PortalDesktop::setOpacityThroughService(WId window, qreal opacity)
{
    if (m_controlSocket.isEmpty() || window == 0)
        return false;
    const QString command =
        m_session == SessionKind::XWayland
            ? ControlSocketMessage::opacityCommand(window, opacity)
            : ControlSocketMessage::processOpacityCommand(QCoreApplication::applicationPid(), opacity);
    return runOnControlSocket(command, QStringLiteral("The compositor did not change a window's opacity"));
}

// A compositor that cannot be reached or does not answer in time is asked no more: each request would
// wait for it again.
void PortalDesktop::stopAskingSilentCompositor(const QString &failure)
{
    qWarning("The compositor's control socket is used no more: %s", qPrintable(failure));
    m_controlSocket.clear();
}

// One that refuses a request (a window it does not show yet) is asked again; its first refusal is told.
bool PortalDesktop::runOnControlSocket(const QString &command, const QString &refusal)
{
    const ControlSocket::Result result = ControlSocket::run(m_controlSocket, command);
    if (result.outcome == ControlSocket::Result::Outcome::Done)
        return true;
    if (result.outcome == ControlSocket::Result::Outcome::NoAnswer) {
        stopAskingSilentCompositor(result.failure);
    } else if (!m_refusalTold) {
        m_refusalTold = true;
        qWarning("%s: %s", qPrintable(refusal), qPrintable(result.failure));
    }
    return false;
}
