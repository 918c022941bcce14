// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "platform/wayland/portalglobalshortcut.h"

#include "platform/shortcutkey.h"
#include "platform/wayland/screenshotreply.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QPointer>
#include <QRandomGenerator>

namespace {

// One entry of the portal's a(sa{sv}) list of shortcuts.
struct PortalShortcut
{
    QString id;
    QVariantMap properties;
};

QDBusArgument &operator<<(QDBusArgument &argument, const PortalShortcut &shortcut)
{
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, PortalShortcut &shortcut)
{
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

const QString kSessionInterface = QStringLiteral("org.freedesktop.portal.Session");

QString newToken()
{
    static quint32 serial = 0;
    return QStringLiteral("gradora_%1_%2").arg(++serial).arg(QRandomGenerator::global()->generate());
}

// A portal's object path, whether it came as a path or as a string.
QString pathText(const QVariant &value)
{
    if (value.userType() == qMetaTypeId<QDBusObjectPath>())
        return value.value<QDBusObjectPath>().path();
    return value.toString();
}

// Waits for the Response of one portal request, then hands it on and goes.
class PortalAnswer : public QObject
{
    Q_OBJECT
public:
    PortalAnswer(QDBusConnection bus, const QString &path,
                 std::function<void(uint, const QVariantMap &)> answered, QObject *parent)
        : QObject(parent), m_bus(bus), m_path(path), m_answered(std::move(answered))
    {
        m_bus.connect(ScreenshotReply::kPortalService, m_path, ScreenshotReply::kRequestInterface,
                      QStringLiteral("Response"), this, SLOT(answered(uint, QVariantMap)));
    }
    ~PortalAnswer() override
    {
        m_bus.disconnect(ScreenshotReply::kPortalService, m_path, ScreenshotReply::kRequestInterface,
                         QStringLiteral("Response"), this, SLOT(answered(uint, QVariantMap)));
    }

private Q_SLOTS:
    void answered(uint response, const QVariantMap &results)
    {
        deleteLater();
        m_answered(response, results);
    }

private:
    QDBusConnection m_bus;
    QString m_path;
    std::function<void(uint, const QVariantMap &)> m_answered;
};

} // namespace

Q_DECLARE_METATYPE(PortalShortcut)

const QString PortalGlobalShortcut::kInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");

PortalGlobalShortcut::PortalGlobalShortcut(QObject *parent)
    : GlobalShortcut(parent), m_bus(QDBusConnection::sessionBus())
{
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<QList<PortalShortcut>>();
    m_bus.connect(ScreenshotReply::kPortalService, ScreenshotReply::kPortalPath, kInterface,
                  QStringLiteral("Activated"), this,
                  SLOT(portalActivated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
}

PortalGlobalShortcut::~PortalGlobalShortcut()
{
    closeSession();
}

void PortalGlobalShortcut::bind(const QKeySequence &key)
{
    ++m_generation;
    closeSession();
    if (key.isEmpty()) {
        setState(State::Off, key);
        return;
    }
    const ShortcutKey::Translation translation = ShortcutKey::fromKeySequence(key);
    if (!translation.chord) {
        setState(State::Refused, key, ShortcutKey::refusalText(translation.refusal));
        return;
    }
    if (!m_bus.isConnected()) {
        setState(State::Unavailable, key, tr("There is no session bus to reach the desktop portal."));
        return;
    }
    m_trigger = translation.chord->portalTrigger();
    setState(State::Waiting, key);
    createSession();
}

void PortalGlobalShortcut::request(const QString &method, QVariantList arguments, const Answered &answered)
{
    const QString token = newToken();
    const int generation = m_generation;
    // Listening before the call leaves no moment in which the answer could pass unseen.
    const QPointer<PortalAnswer> answer = new PortalAnswer(
        m_bus, ScreenshotReply::requestPath(m_bus.baseService(), token),
        [this, generation, answered](uint response, const QVariantMap &results) {
            if (generation == m_generation)
                answered(response, results);
        },
        this);
    QVariantMap options = arguments.takeLast().toMap();
    options.insert(QStringLiteral("handle_token"), token);
    arguments.append(options);
    QDBusMessage call = QDBusMessage::createMethodCall(ScreenshotReply::kPortalService,
                                                       ScreenshotReply::kPortalPath, kInterface, method);
    call.setArguments(arguments);
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, generation, answer](QDBusPendingCallWatcher *finished) {
                finished->deleteLater();
                const QDBusPendingReply<QDBusObjectPath> reply = *finished;
                if (!reply.isError())
                    return;
                delete answer;
                if (generation == m_generation)
                    failed(reply.error().message(), ScreenshotReply::meansNoPortal(reply.error()));
            });
}

void PortalGlobalShortcut::createSession()
{
    const QVariantMap options{{QStringLiteral("session_handle_token"), newToken()}};
    request(QStringLiteral("CreateSession"), {options}, [this](uint response, const QVariantMap &results) {
        const QString session = pathText(results.value(QStringLiteral("session_handle")));
        if (response != 0 || session.isEmpty()) {
            failed(tr("The desktop opened no session for global keys."), false);
            return;
        }
        m_session = session;
        m_bus.connect(ScreenshotReply::kPortalService, m_session, kSessionInterface, QStringLiteral("Closed"),
                      this, SLOT(sessionClosed(QVariantMap)));
        bindShortcut(session);
    });
}

void PortalGlobalShortcut::bindShortcut(const QString &sessionPath)
{
    const PortalShortcut shortcut{QString::fromLatin1(kShortcutId),
                                  {{QStringLiteral("description"), tr("Show or Hide Rulers")},
                                   {QStringLiteral("preferred_trigger"), m_trigger}}};
    request(QStringLiteral("BindShortcuts"),
            {QVariant::fromValue(QDBusObjectPath(sessionPath)),
             QVariant::fromValue(QList<PortalShortcut>{shortcut}), QString(), QVariantMap()},
            [this](uint response, const QVariantMap &results) { bound(response, results); });
}

void PortalGlobalShortcut::bound(uint response, const QVariantMap &results)
{
    if (response == 1) {
        failed(tr("The desktop refused the key."), false);
        return;
    }
    if (response != 0) {
        failed(tr("The desktop could not bind the key."), false);
        return;
    }
    const auto shortcuts =
        qdbus_cast<QList<PortalShortcut>>(results.value(QStringLiteral("shortcuts")).value<QDBusArgument>());
    for (const PortalShortcut &shortcut : shortcuts) {
        if (shortcut.id != QLatin1String(kShortcutId))
            continue;
        const QString given = shortcut.properties.value(QStringLiteral("trigger_description")).toString();
        if (given.isEmpty())
            setState(State::Taken, key(), tr("The desktop gave the shortcut no key."));
        else
            setState(State::Active, key(), given);
        return;
    }
    failed(tr("The desktop did not take the shortcut."), false);
}

void PortalGlobalShortcut::failed(const QString &why, bool noPortal)
{
    closeSession();
    setState(noPortal ? State::Unavailable : State::Refused, key(),
             noPortal ? tr("The desktop portal offers no global shortcuts.") : why);
}

void PortalGlobalShortcut::closeSession()
{
    if (m_session.isEmpty())
        return;
    m_bus.disconnect(ScreenshotReply::kPortalService, m_session, kSessionInterface, QStringLiteral("Closed"),
                     this, SLOT(sessionClosed(QVariantMap)));
    m_bus.asyncCall(QDBusMessage::createMethodCall(ScreenshotReply::kPortalService, m_session,
                                                   kSessionInterface, QStringLiteral("Close")));
    m_session.clear();
}

void PortalGlobalShortcut::sessionClosed(const QVariantMap &)
{
    m_session.clear();
    ++m_generation;
    setState(State::Refused, key(),
             tr("The desktop ended the session of the key: choose it again to ask anew."));
}

void PortalGlobalShortcut::portalActivated(const QDBusObjectPath &session, const QString &shortcutId,
                                           qulonglong, const QVariantMap &)
{
    // A shortcut the desktop bound without a key may get one later in the desktop's settings: every
    // press in our open session counts.
    if (!m_session.isEmpty() && session.path() == m_session && shortcutId == QLatin1String(kShortcutId))
        emit activated();
}

#include "portalglobalshortcut.moc"
