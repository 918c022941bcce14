// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/instancelink.h"

#include "app/applicationbus.h"
#include "app/instancechannel.h"

#include <QDeadlineTimer>
#include <QThread>
#include <utility>

namespace {

// The session bus sets these in a program that it starts for a call to its name; the call follows.
// They are taken away, so that nothing started from here inherits them.
bool startedByTheBus()
{
    const bool started = qEnvironmentVariableIsSet("DBUS_STARTER_BUS_TYPE");
    qunsetenv("DBUS_STARTER_BUS_TYPE");
    qunsetenv("DBUS_STARTER_ADDRESS");
    return started;
}

} // namespace

InstanceLink::InstanceLink(const QString &folder, QObject *parent) : QObject(parent), m_folder(folder) {}

InstanceLink::~InstanceLink() = default;

void InstanceLink::listen()
{
    if (m_bus || m_channel)
        return;
    m_bus = new ApplicationBus(this);
    if (m_bus->registerOn(QDBusConnection::sessionBus())) {
        m_awaitingStarter = startedByTheBus();
        connect(m_bus, &ApplicationBus::commandReceived, this, [this](const InstanceCommand::Command &command) {
            if (std::exchange(m_awaitingStarter, false))
                Q_EMIT starterReceived(command);
            else
                Q_EMIT commandReceived(command);
        });
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
