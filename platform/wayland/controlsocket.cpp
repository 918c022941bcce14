// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "platform/wayland/controlsocket.h"

#include "platform/wayland/controlsocketmessage.h"

#include <QDeadlineTimer>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace ControlSocket {

namespace {
// A connected socket that closes itself.
class Connection
{
public:
    explicit Connection(const QByteArray &path)
    {
        sockaddr_un address{};
        if (path.isEmpty() || size_t(path.size()) >= sizeof address.sun_path)
            return;
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
        m_fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (m_fd >= 0 && ::connect(m_fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~Connection()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    bool isOpen() const { return m_fd >= 0; }

    // Waits until the socket can be read or written, within the deadline.
    bool waitFor(short events, const QDeadlineTimer &deadline) const
    {
        pollfd entry{m_fd, events, 0};
        int ready = 0;
        do {
            ready = ::poll(&entry, 1, int(deadline.remainingTime()));
        } while (ready < 0 && errno == EINTR);
        return ready > 0;
    }

    bool sendAll(QByteArray bytes, const QDeadlineTimer &deadline) const
    {
        while (!bytes.isEmpty()) {
            if (!waitFor(POLLOUT, deadline))
                return false;
            const ssize_t sent = ::send(m_fd, bytes.constData(), size_t(bytes.size()), MSG_NOSIGNAL);
            if (sent < 0 && errno != EINTR && errno != EAGAIN)
                return false;
            if (sent > 0)
                bytes.remove(0, sent);
        }
        return true;
    }

    // Some more bytes, or false at the end of the stream, an error or the deadline.
    bool receiveMore(QByteArray &received, const QDeadlineTimer &deadline) const
    {
        if (!waitFor(POLLIN, deadline))
            return false;
        char chunk[4096];
        const ssize_t got = ::recv(m_fd, chunk, sizeof chunk, 0);
        if (got > 0)
            received.append(chunk, got);
        return got > 0 || (got < 0 && (errno == EINTR || errno == EAGAIN));
    }

private:
    int m_fd = -1;
};

Result noAnswer(const QString &failure)
{
    return {Result::Outcome::NoAnswer, failure, QByteArray()};
}
} // namespace

Result ask(const QString &path, quint32 type, const QByteArray &payload)
{
    const Connection connection(QFile::encodeName(path));
    if (!connection.isOpen())
        return noAnswer(QStringLiteral("the compositor's control socket %1 cannot be reached").arg(path));
    const QDeadlineTimer deadline(kReplyTimeoutMs);
    if (!connection.sendAll(ControlSocketMessage::message(type, payload), deadline))
        return noAnswer(QStringLiteral("the compositor took no command"));
    QByteArray received;
    for (;;) {
        bool malformed = false;
        if (const std::optional<ControlSocketMessage::Reply> reply =
                ControlSocketMessage::takeReply(received, &malformed)) {
            if (reply->type != type)
                return noAnswer(QStringLiteral("the compositor answered another question"));
            return {Result::Outcome::Done, QString(), reply->payload};
        }
        if (malformed)
            return noAnswer(QStringLiteral("the compositor's answer could not be read"));
        if (!connection.receiveMore(received, deadline))
            return noAnswer(QStringLiteral("the compositor did not answer"));
    }
}

Result run(const QString &path, const QString &command)
{
    Result result = ask(path, ControlSocketMessage::kRunCommand, command.toUtf8());
    if (result.outcome != Result::Outcome::Done)
        return result;
    result.failure = ControlSocketMessage::failureOf(result.payload);
    if (!result.failure.isEmpty())
        result.outcome = Result::Outcome::Refused;
    return result;
}

} // namespace ControlSocket
