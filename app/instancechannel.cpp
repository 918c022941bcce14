// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/instancechannel.h"

#include "app/singleinstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
// A request is one short line; a peer that sends more is not a copy of ours.
constexpr qsizetype kMaxRequestBytes = 64;
// Connections waiting to be taken.
constexpr int kBacklog = 8;

// The socket address of a path; false when the path does not fit one.
bool addressOf(const QString &path, sockaddr_un &address)
{
    const QByteArray encoded = QFile::encodeName(path);
    address = {};
    address.sun_family = AF_UNIX;
    if (encoded.isEmpty() || size_t(encoded.size()) >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, encoded.constData(), size_t(encoded.size()));
    return true;
}

int streamSocket()
{
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
}

// Waits until the socket is ready for `events` or the deadline passes.
bool waitFor(int socket, short events, const QDeadlineTimer &deadline)
{
    pollfd watched{socket, events, 0};
    for (;;) {
        const int ready = ::poll(&watched, 1, int(deadline.remainingTime()));
        if (ready > 0)
            return (watched.revents & events) != 0;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

// Connects to the listening socket at `address` within the deadline. A full backlog is waited out.
bool connectTo(int socket, const sockaddr_un &address, const QDeadlineTimer &deadline)
{
    constexpr int kRetryPauseMs = 10;
    const auto *generic = reinterpret_cast<const sockaddr *>(&address);
    for (;;) {
        if (::connect(socket, generic, sizeof(address)) == 0)
            return true;
        if (errno == EINPROGRESS) {
            int error = 0;
            socklen_t length = sizeof(error);
            return waitFor(socket, POLLOUT, deadline) &&
                   ::getsockopt(socket, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
        }
        if ((errno != EAGAIN && errno != EINTR) || deadline.hasExpired())
            return false;
        ::usleep(kRetryPauseMs * 1000);
    }
}

bool sendAll(int socket, QByteArray data, const QDeadlineTimer &deadline)
{
    while (!data.isEmpty()) {
        const ssize_t sent = ::send(socket, data.constData(), size_t(data.size()), MSG_NOSIGNAL);
        if (sent > 0) {
            data.remove(0, qsizetype(sent));
        } else if (sent < 0 && errno == EINTR) {
            continue;
        } else if (sent < 0 && errno == EAGAIN) {
            if (!waitFor(socket, POLLOUT, deadline))
                return false;
        } else {
            return false;
        }
    }
    return true;
}

bool fromThisUser(int socket)
{
    ucred peer{};
    socklen_t length = sizeof(peer);
    return ::getsockopt(socket, SOL_SOCKET, SO_PEERCRED, &peer, &length) == 0 && peer.uid == ::getuid();
}

} // namespace

InstanceChannel::InstanceChannel(const QString &folder, QObject *parent)
    : QObject(parent), m_path(pathIn(folder))
{
}

InstanceChannel::~InstanceChannel()
{
    while (!m_peers.empty())
        hangUp(m_peers.back().socket);
    if (m_listener < 0)
        return;
    delete m_accepting;
    ::close(m_listener);
    // Only our own socket file: a copy that replaced it meanwhile keeps its own.
    struct stat node{};
    const QByteArray encoded = QFile::encodeName(m_path);
    if (::lstat(encoded.constData(), &node) == 0 && node.st_ino == m_boundNode && S_ISSOCK(node.st_mode))
        ::unlink(encoded.constData());
}

QString InstanceChannel::pathIn(const QString &folder)
{
    QString dir = folder;
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return QDir(dir).filePath(
        QStringLiteral("gradora-%1.socket").arg(QLatin1String(SingleInstance::kInstanceKey)));
}

bool InstanceChannel::listen()
{
    if (m_listener >= 0)
        return true;
    sockaddr_un address;
    if (!addressOf(m_path, address))
        return false;
    const int listener = streamSocket();
    if (listener < 0)
        return false;
    // The file is made private as it is made (the mode of an unbound socket is the one its file gets),
    // and once more after, where the system does not carry it over.
    ::fchmod(listener, S_IRUSR | S_IWUSR);
    // A file left behind by a copy that crashed: only the lock holder gets here.
    ::unlink(address.sun_path);
    struct stat node{};
    if (::bind(listener, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) != 0 ||
        ::chmod(address.sun_path, S_IRUSR | S_IWUSR) != 0 || ::lstat(address.sun_path, &node) != 0 ||
        ::listen(listener, kBacklog) != 0) {
        ::close(listener);
        return false;
    }
    m_listener = listener;
    m_boundNode = node.st_ino;
    m_accepting = new QSocketNotifier(qintptr(listener), QSocketNotifier::Read, this);
    connect(m_accepting, &QSocketNotifier::activated, this, &InstanceChannel::acceptPeers);
    return true;
}

void InstanceChannel::acceptPeers()
{
    for (;;) {
        const int socket = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (socket < 0) {
            if (errno == EINTR)
                continue;
            return; // none waiting any more
        }
        if (!fromThisUser(socket)) {
            ::close(socket);
            continue;
        }
        // Peers that stay silent must not keep a second start from being heard: the one waiting
        // longest goes.
        if (int(m_peers.size()) >= kMaxPeers)
            hangUp(m_peers.front().socket);
        auto *notifier = new QSocketNotifier(qintptr(socket), QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [this, socket] { readFrom(socket); });
        m_peers.push_back(Peer{socket, notifier, {}});
    }
}

// The line of a peer, once it is complete: the peer is hung up on before the command is carried out.
void InstanceChannel::readFrom(int socket)
{
    const auto peer = std::find_if(m_peers.begin(), m_peers.end(),
                                   [socket](const Peer &each) { return each.socket == socket; });
    if (peer == m_peers.end())
        return;
    char chunk[kMaxRequestBytes + 1];
    const ssize_t got = ::recv(socket, chunk, sizeof(chunk), 0);
    if (got < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    if (got <= 0) { // gone before it said a whole line
        hangUp(socket);
        return;
    }
    peer->received.append(chunk, qsizetype(got));
    const qsizetype lineEnd = peer->received.indexOf('\n');
    if (lineEnd < 0) {
        if (peer->received.size() > kMaxRequestBytes)
            hangUp(socket);
        return;
    }
    const QByteArray line = peer->received.left(lineEnd + 1);
    hangUp(socket);
    if (line.size() > kMaxRequestBytes)
        return;
    if (const std::optional<InstanceCommand::Command> command = InstanceCommand::fromLine(line))
        Q_EMIT commandReceived(*command);
}

void InstanceChannel::hangUp(int socket)
{
    const auto peer = std::find_if(m_peers.begin(), m_peers.end(),
                                   [socket](const Peer &each) { return each.socket == socket; });
    if (peer == m_peers.end())
        return;
    // Called from the notifier's own signal: it goes once that has returned.
    peer->notifier->setEnabled(false);
    peer->notifier->deleteLater();
    ::close(peer->socket);
    m_peers.erase(peer);
}

bool InstanceChannel::send(const InstanceCommand::Command &command, const QString &folder, int timeoutMs)
{
    sockaddr_un address;
    if (!addressOf(pathIn(folder), address))
        return false;
    const int socket = streamSocket();
    if (socket < 0)
        return false;
    const QDeadlineTimer deadline(timeoutMs);
    const bool sent =
        connectTo(socket, address, deadline) && sendAll(socket, InstanceCommand::toLine(command), deadline);
    ::close(socket);
    return sent;
}
