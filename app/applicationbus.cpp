// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/applicationbus.h"

#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusMessage>
#include <QUrl>

ApplicationBus::ApplicationBus(QObject *parent) : QObject(parent) {}

ApplicationBus::~ApplicationBus()
{
    if (m_bus.isConnected()) {
        m_bus.unregisterService(QString::fromLatin1(kServiceName));
        m_bus.unregisterObject(QString::fromLatin1(kObjectPath));
    }
}

bool ApplicationBus::registerOn(QDBusConnection bus)
{
    if (!bus.isConnected())
        return false;
    if (!bus.registerObject(QString::fromLatin1(kObjectPath), this, QDBusConnection::ExportScriptableSlots))
        return false;
    // The single-instance lock already decided that this copy is the one; a name held by someone
    // else (another login's copy on a shared bus) is left to them.
    if (!bus.registerService(QString::fromLatin1(kServiceName))) {
        bus.unregisterObject(QString::fromLatin1(kObjectPath));
        return false;
    }
    m_bus = bus;
    return true;
}

bool ApplicationBus::nameOwned(QDBusConnection bus)
{
    return bus.isConnected() && bus.interface() &&
           bus.interface()->isServiceRegistered(QString::fromLatin1(kServiceName)).value();
}

bool ApplicationBus::send(const InstanceCommand::Command &command, QDBusConnection bus, int timeoutMs)
{
    if (!bus.isConnected())
        return false;
    const bool raise = command.kind == InstanceCommand::Kind::Raise;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromLatin1(kServiceName), QString::fromLatin1(kObjectPath), QString::fromLatin1(kInterface),
        raise ? QStringLiteral("Activate") : QStringLiteral("ActivateAction"));
    // Never starts a copy just to hand it a command: the caller decides whether one should start.
    call.setAutoStartService(false);
    if (raise) {
        call << QVariantMap();
    } else {
        QVariantList parameter;
        if (command.geometry)
            parameter << InstanceCommand::geometryText(*command.geometry);
        call << InstanceCommand::actionName(command.kind) << parameter << QVariantMap();
    }
    return bus.call(call, QDBus::Block, timeoutMs).type() == QDBusMessage::ReplyMessage;
}

void ApplicationBus::Activate(const QVariantMap &)
{
    Q_EMIT commandReceived(InstanceCommand::Command{});
}

void ApplicationBus::ActivateAction(const QString &actionName, const QVariantList &parameter,
                                    const QVariantMap &)
{
    QStringList texts;
    for (const QVariant &value : parameter)
        texts << (value.typeId() == QMetaType::QString ? value.toString() : QString());
    const std::optional<InstanceCommand::Command> command = InstanceCommand::fromAction(actionName, texts);
    if (!command) {
        refuse(InstanceCommand::kindOfAction(actionName)
                   ? QStringLiteral("Unreadable parameter for the action '%1'").arg(actionName)
                   : QStringLiteral("No action '%1'").arg(actionName));
        return;
    }
    Q_EMIT commandReceived(*command);
}

void ApplicationBus::Open(const QStringList &uris, const QVariantMap &)
{
    QStringList paths;
    for (const QString &uri : uris) {
        const QUrl url(uri);
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    if (paths.isEmpty()) {
        refuse(QStringLiteral("Only local picture files can be opened"));
        return;
    }
    Q_EMIT picturesOpened(paths);
}

void ApplicationBus::refuse(const QString &text)
{
    if (calledFromDBus())
        sendErrorReply(QDBusError::InvalidArgs, text);
}
