// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "app/instancecommand.h"

#include <QObject>
#include <QString>

class ApplicationBus;
class InstanceChannel;

// The running copy's ear for commands from a second start or a launcher, and the second start's way
// to it. The session bus is used where there is one; the local socket only where the copy has no
// place on a bus.
class InstanceLink : public QObject
{
    Q_OBJECT
public:
    // `folder` holds the local socket; empty for the user's runtime folder.
    explicit InstanceLink(const QString &folder = QString(), QObject *parent = nullptr);
    ~InstanceLink() override;

    // Starts listening (the running copy): on the session bus, or on the socket where that fails.
    // Where the bus started the program for a call to its name, that call comes as the starter.
    void listen();

    // A copy that holds the single-instance lock listens once its first ruler is up; a second start
    // waits this long for it.
    static constexpr int kStartingCopyPatienceMs = 5000;

    // Hands the command to the running copy. False when no copy took it.
    static bool send(const InstanceCommand::Command &command, const QString &folder = QString());
    // The same, trying again for a while where a copy runs but does not listen yet.
    static bool sendToStartingCopy(const InstanceCommand::Command &command,
                                   int patienceMs = kStartingCopyPatienceMs);

Q_SIGNALS:
    void commandReceived(const InstanceCommand::Command &command);
    // The command that the program was started for (see RulerHub::finishStart).
    void starterReceived(const InstanceCommand::Command &command);
    void picturesOpened(const QStringList &paths);

private:
    QString m_folder;
    ApplicationBus *m_bus = nullptr;
    InstanceChannel *m_channel = nullptr;
    bool m_awaitingStarter = false;
};
