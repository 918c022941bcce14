// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/instancechannel.h"

#include "app/singleinstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {
// A request is one short line; a peer that sends more is not a copy of ours.
constexpr qint64 kMaxRequestBytes = 64;
} // namespace

InstanceChannel::InstanceChannel(const QString &folder, QObject *parent)
    : QObject(parent), m_path(pathIn(folder))
{
}

InstanceChannel::~InstanceChannel()
{
    if (m_server)
        m_server->close();
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
    if (m_server)
        return m_server->isListening();
    m_server = new QLocalServer(this);
    // Only the user may connect; the runtime folder is private anyway.
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(m_path);
    if (!m_server->listen(m_path))
        return false;
    connect(m_server, &QLocalServer::newConnection, this, &InstanceChannel::readRequest);
    return true;
}

void InstanceChannel::readRequest()
{
    while (QLocalSocket *peer = m_server->nextPendingConnection()) {
        connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
            if (!peer->canReadLine()) {
                if (peer->bytesAvailable() > kMaxRequestBytes)
                    peer->abort();
                return;
            }
            const QByteArray line = peer->readLine(kMaxRequestBytes);
            peer->disconnectFromServer();
            if (const std::optional<InstanceCommand::Command> command = InstanceCommand::fromLine(line))
                Q_EMIT commandReceived(*command);
        });
    }
}

bool InstanceChannel::send(const InstanceCommand::Command &command, const QString &folder, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(pathIn(folder));
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(InstanceCommand::toLine(command));
    const bool sent = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(timeoutMs);
    return sent;
}
