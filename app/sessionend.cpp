// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/sessionend.h"

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
constexpr std::array kEndSignals{SIGTERM, SIGINT, SIGHUP};
// [0] is read by the event loop, [1] written by the handler.
int g_pipe[2] = {-1, -1};

SessionEnd *g_listener = nullptr;
QtMessageHandler g_previousHandler = nullptr;
// What the toolkit's X layers say before they end the process on a broken connection.
constexpr QLatin1StringView kConnectionBroke("The X11 connection broke");

void onMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    static bool announced = false;
    if (g_previousHandler)
        g_previousHandler(type, context, message);
    // Once: what the saving says on its way must not start it again.
    if (!announced && g_listener && message.startsWith(kConnectionBroke)) {
        announced = true;
        emit g_listener->displayLost();
    }
}

// Only async-signal-safe work here: one write, errno kept as it was.
extern "C" void onEndSignal(int signalNumber)
{
    const int savedErrno = errno;
    const char byte = char(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
    errno = savedErrno;
}
} // namespace

SessionEnd::SessionEnd(QObject *parent) : QObject(parent)
{
    g_listener = this;
    g_previousHandler = qInstallMessageHandler(onMessage);
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_pipe) != 0)
        return;
    // A full buffer must never block the handler: more signals than bytes change nothing.
    ::fcntl(g_pipe[1], F_SETFL, ::fcntl(g_pipe[1], F_GETFL) | O_NONBLOCK);
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SessionEnd::readSignal);

    struct sigaction action = {};
    action.sa_handler = onEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : kEndSignals)
        ::sigaction(signalNumber, &action, nullptr);
}

SessionEnd::~SessionEnd()
{
    qInstallMessageHandler(g_previousHandler);
    g_listener = nullptr;
    if (!m_notifier)
        return;
    for (const int signalNumber : kEndSignals)
        ::signal(signalNumber, SIG_DFL);
    delete m_notifier;
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void SessionEnd::readSignal()
{
    char byte = 0;
    if (::read(g_pipe[0], &byte, 1) == 1)
        emit endRequested(int(byte));
}
