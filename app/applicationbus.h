// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "app/instancecommand.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

// The running copy on the session bus: it owns the name net.gradora.Gradora and answers the
// desktop's application interface (org.freedesktop.Application) at /net/gradora/Gradora, so that
// launchers, docks and a second start reach it. Activate raises the rulers; ActivateAction runs
// "new-ruler" (optionally with a geometry text "WxH+X+Y"), "toggle", "copy-readings" and "quit";
// Open shows each picture file in a new ruler.
class ApplicationBus : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
public:
    static constexpr char kServiceName[] = "net.gradora.Gradora";
    static constexpr char kObjectPath[] = "/net/gradora/Gradora";
    static constexpr char kInterface[] = "org.freedesktop.Application";
    static constexpr int kCallTimeoutMs = 5000;

    explicit ApplicationBus(QObject *parent = nullptr);
    ~ApplicationBus() override;

    // Answers on `bus` and takes the name there. False when the bus is not connected or the name is
    // taken: the copy then has no place on the bus.
    bool registerOn(QDBusConnection bus);

    // Whether some copy owns the name on `bus`.
    static bool nameOwned(QDBusConnection bus);
    // Hands the command to the copy that owns the name, without starting one. False when none took it.
    static bool send(const InstanceCommand::Command &command, QDBusConnection bus,
                     int timeoutMs = kCallTimeoutMs);

public Q_SLOTS:
    // The interface's methods, named as the interface has them.
    Q_SCRIPTABLE void Activate(const QVariantMap &platformData);
    Q_SCRIPTABLE void ActivateAction(const QString &actionName, const QVariantList &parameter,
                                     const QVariantMap &platformData);
    Q_SCRIPTABLE void Open(const QStringList &uris, const QVariantMap &platformData);

Q_SIGNALS:
    void commandReceived(const InstanceCommand::Command &command);
    // Local files only: the pictures are read from files, never fetched from an address.
    void picturesOpened(const QStringList &paths);

private:
    void refuse(const QString &text);

    QDBusConnection m_bus{QString()};
};
