// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/instancelink.h"

#include "app/applicationbus.h"
#include "app/instancechannel.h"

#include <QDeadlineTimer>
#include <QThread>

InstanceLink::InstanceLink(const QString &folder, QObject *parent) : QObject(parent), m_folder(folder) {}

InstanceLink::~InstanceLink() = default;

void InstanceLink::listen()
{
    if (m_bus || m_channel)
        return;
    m_bus = new ApplicationBus(this);
    if (m_bus->registerOn(QDBusConnection::sessionBus())) {
        connect(m_bus, &ApplicationBus::commandReceived, this, &InstanceLink::commandReceived);
        connect(m_bus, &ApplicationBus::picturesOpened, this, &InstanceLink::picturesOpened);
        return;
    }
    delete m_bus;
    m_bus = nullptr;
    m_channel = new InstanceChannel(m_folder, this);
    connect(m_channel, &InstanceChannel::commandReceived, this, &InstanceLink::commandReceived);
    // Without a socket the program runs on; only a second start cannot reach it.
    m_channel->listen();
}

bool InstanceLink::send(const InstanceCommand::Command &command, const QString &folder)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    const bool connected = bus.isConnected();
    switch (InstanceCommand::routeTo(connected, connected && ApplicationBus::nameOwned(bus))) {
    case InstanceCommand::Route::SessionBus:
        return ApplicationBus::send(command, bus);
    case InstanceCommand::Route::LocalSocket:
        break;
    }
    return InstanceChannel::send(command, folder);
}

bool InstanceLink::sendToStartingCopy(const InstanceCommand::Command &command, int patienceMs)
{
    constexpr unsigned long kRetryPauseMs = 100;
    const QDeadlineTimer deadline(patienceMs);
    while (!send(command)) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(kRetryPauseMs);
    }
    return true;
}
