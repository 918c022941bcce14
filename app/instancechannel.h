// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "app/instancecommand.h"

#include <QObject>
#include <QString>
#include <sys/types.h>
#include <vector>

class QSocketNotifier;

// The line between the running copy of the program and a second start: the running copy listens on
// a local socket in the user's runtime folder, and a second start asks it to bring its rulers to
// the front before it shows its refusal and exits, or hands over the command it was started with.
// It is the way where no session bus is (see InstanceLink). Only the copy that holds the
// single-instance lock listens, so a socket left behind by a crashed copy is safely replaced.
//
// The socket is a plain stream socket of the system, private to the user: its file is readable and
// writable by the owner alone, and a peer of another user is hung up on unheard.
class InstanceChannel : public QObject
{
    Q_OBJECT
public:
    static constexpr int kConnectTimeoutMs = 2000;
    // Peers heard at the same time; a new one beyond them replaces the one waiting longest.
    static constexpr int kMaxPeers = 8;

    explicit InstanceChannel(const QString &folder = QString(), QObject *parent = nullptr);
    ~InstanceChannel() override;

    QString socketPath() const { return m_path; }
    // Starts listening (the running copy). False when the socket cannot be made; the program runs on.
    bool listen();
    // Hands the command to the copy listening in the folder. False when nobody took it.
    static bool send(const InstanceCommand::Command &command, const QString &folder = QString(),
                     int timeoutMs = kConnectTimeoutMs);

Q_SIGNALS:
    // A line that no copy of ours sends is ignored.
    void commandReceived(const InstanceCommand::Command &command);

private:
    struct Peer
    {
        int socket = -1;
        QSocketNotifier *notifier = nullptr;
        QByteArray received;
    };

    void acceptPeers();
    void readFrom(int socket);
    void hangUp(int socket);
    static QString pathIn(const QString &folder);

    QString m_path;
    int m_listener = -1;
    ino_t m_boundNode = 0; // the socket file made by listen(), removed again at the end
    QSocketNotifier *m_accepting = nullptr;
    std::vector<Peer> m_peers;
};
