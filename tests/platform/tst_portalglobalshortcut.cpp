// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "platform/wayland/portalglobalshortcut.h"
#include "testsupport.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kShortcutsInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");

// One entry of the portal's list of shortcuts, a(sa{sv}), as the portal writes it.
struct ShortcutEntry
{
    QString id;
    QVariantMap properties;
};

QDBusArgument &operator<<(QDBusArgument &argument, const ShortcutEntry &entry)
{
    argument.beginStructure();
    argument << entry.id << entry.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, ShortcutEntry &entry)
{
    argument.beginStructure();
    argument >> entry.id >> entry.properties;
    argument.endStructure();
    return argument;
}

// How the fake portal answers.
enum class Answer
{
    AsAsked,         // the preferred trigger is bound
    OtherKey,        // the desktop (or its user) chose another key
    NoKey,           // the shortcut is bound, with no key
    UserRefuses,     // BindShortcuts answered 1
    NoSession,       // CreateSession answered 2
    NoSuchInterface, // the portal runs, without global shortcuts
};

} // namespace

Q_DECLARE_METATYPE(ShortcutEntry)
Q_DECLARE_METATYPE(Answer)
Q_DECLARE_METATYPE(GlobalShortcut::State)

// A desktop portal of our own on its own connection to the private session bus, answering the
// global shortcut calls on the request paths it works out from the caller's name and token, and
// recording what it was asked.
class FakeShortcutPortal : public QDBusVirtualObject
{
    Q_OBJECT
public:
    explicit FakeShortcutPortal(Answer answer)
        : m_bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("fakeportal"))),
          m_answer(answer)
    {
        m_bus.registerVirtualObject(kPath, this, QDBusConnection::SubPath);
        m_bus.registerService(kService);
    }
    ~FakeShortcutPortal() override
    {
        m_bus.unregisterService(kService);
        m_bus.unregisterObject(kPath, QDBusConnection::UnregisterTree);
        QDBusConnection::disconnectFromBus(QStringLiteral("fakeportal"));
    }

    QString introspect(const QString &) const override { return QString(); }

    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override
    {
        Q_UNUSED(connection);
        const QString member = message.member();
        if (message.interface() == QLatin1String("org.freedesktop.portal.Session") && member == "Close") {
            closed.append(message.path());
            m_bus.send(message.createReply());
            return true;
        }
        if (message.interface() != kShortcutsInterface)
            return false;
        if (m_answer == Answer::NoSuchInterface) {
            m_bus.send(
                message.createErrorReply(QDBusError::UnknownInterface, QStringLiteral("no such interface")));
            return true;
        }
        const QList<QVariant> arguments = message.arguments();
        const QVariantMap options = qdbus_cast<QVariantMap>(arguments.last());
        const QString handle = requestPath(message.service(), options.value("handle_token").toString());
        if (member == QLatin1String("CreateSession")) {
            const QString session = kPath + "/session/" + senderPart(message.service()) + "/" +
                                    options.value("session_handle_token").toString();
            sessions.append(session);
            respond(handle, m_answer == Answer::NoSession ? 2 : 0,
                    {{QStringLiteral("session_handle"), session}});
        } else if (member == QLatin1String("BindShortcuts")) {
            boundSession = arguments.value(0).value<QDBusObjectPath>().path();
            asked = qdbus_cast<QList<ShortcutEntry>>(arguments.value(1).value<QDBusArgument>());
            answerBind(handle);
        } else {
            return false;
        }
        m_bus.send(message.createReply(QVariant::fromValue(QDBusObjectPath(handle))));
        return true;
    }

    // The desktop's key was pressed for `shortcutId` in `session`.
    void activate(const QString &session, const QString &shortcutId)
    {
        QDBusMessage signal =
            QDBusMessage::createSignal(kPath, kShortcutsInterface, QStringLiteral("Activated"));
        signal << QVariant::fromValue(QDBusObjectPath(session)) << shortcutId << qulonglong(1234)
               << QVariantMap();
        m_bus.send(signal);
    }

    // The desktop ends a session of its own accord.
    void endSession(const QString &session)
    {
        QDBusMessage signal = QDBusMessage::createSignal(
            session, QStringLiteral("org.freedesktop.portal.Session"), QStringLiteral("Closed"));
        signal << QVariantMap();
        m_bus.send(signal);
    }

    QStringList sessions;
    QStringList closed;
    QString boundSession;
    QList<ShortcutEntry> asked;

private:
    static QString senderPart(const QString &sender)
    {
        QString part = sender.mid(1);
        return part.replace(QLatin1Char('.'), QLatin1Char('_'));
    }
    static QString requestPath(const QString &sender, const QString &token)
    {
        return kPath + "/request/" + senderPart(sender) + "/" + token;
    }

    void answerBind(const QString &handle)
    {
        if (m_answer == Answer::UserRefuses) {
            respond(handle, 1, {});
            return;
        }
        QVariantMap properties = asked.value(0).properties;
        const QString given = m_answer == Answer::AsAsked    ? QStringLiteral("Ctrl+Alt+R")
                              : m_answer == Answer::OtherKey ? QStringLiteral("Super+M")
                                                             : QString();
        properties.insert(QStringLiteral("trigger_description"), given);
        const QList<ShortcutEntry> bound{{asked.value(0).id, properties}};
        respond(handle, 0, {{QStringLiteral("shortcuts"), QVariant::fromValue(bound)}});
    }

    // Answers after the call's reply, as real portals do.
    void respond(const QString &handle, uint code, const QVariantMap &results)
    {
        QTimer::singleShot(10, this, [this, handle, code, results] {
            QDBusMessage response = QDBusMessage::createSignal(
                handle, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
            response << code << results;
            m_bus.send(response);
        });
    }

    QDBusConnection m_bus;
    Answer m_answer;
};

void waitForAnswer(PortalGlobalShortcut &shortcut)
{
    QTRY_VERIFY_WITH_TIMEOUT(shortcut.state() != GlobalShortcut::State::Waiting, 20000);
}

// Ctrl+Alt+R bound through a portal that grants what it is asked, with the presses that reach us counted.
struct GrantedShortcut
{
    GrantedShortcut()
    {
        shortcut.bind(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_R));
        waitForAnswer(shortcut);
    }
    // Exactly one press came, and no second one a moment after it.
    bool onePressCame()
    {
        if (!presses.wait(10000))
            return false;
        QTest::qWait(100);
        return presses.count() == 1;
    }

    FakeShortcutPortal portal{Answer::AsAsked};
    PortalGlobalShortcut shortcut;
    QSignalSpy presses{&shortcut, &GlobalShortcut::activated};
};

// The exchange with the portal's global shortcuts, against FakeShortcutPortal: the session and the
// bind with the chosen key as the preferred trigger, the key the desktop gave, refusals, a desktop
// without the interface (the page then advises `gradora --toggle`), presses heard only from our own
// session and shortcut, and a changed or cleared key closing the session it had.
class TestPortalGlobalShortcut : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void exchange_data();
    void exchange();
    void pressesOfOurShortcutOnly();
    void changedKeyClosesTheSession();
    void sessionEndedByTheDesktop();
};

void TestPortalGlobalShortcut::initTestCase()
{
    qDBusRegisterMetaType<ShortcutEntry>();
    qDBusRegisterMetaType<QList<ShortcutEntry>>();
    QDBusConnection bus = QDBusConnection::sessionBus();
    QVERIFY2(bus.isConnected(), "no session bus: run through ctest (dbus-run-session)");
    // Never the user's own bus, where a real portal would answer.
    if (bus.interface()->activatableServiceNames().value().contains(kService) ||
        bus.interface()->isServiceRegistered(kService))
        QSKIP("this bus has a real portal: run through ctest, which gives the test a private bus");
}

void TestPortalGlobalShortcut::exchange_data()
{
    using State = GlobalShortcut::State;
    QTest::addColumn<bool>("portalRuns");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<State>("state");
    QTest::addColumn<QString>("noteWord");
    QTest::newRow("bound as asked") << true << Answer::AsAsked << State::Active << "from anywhere";
    QTest::newRow("desktop gives another key") << true << Answer::OtherKey << State::Active << "Super+M";
    QTest::newRow("bound without a key") << true << Answer::NoKey << State::Taken << "no key";
    QTest::newRow("user refuses") << true << Answer::UserRefuses << State::Refused << "refused";
    QTest::newRow("no session") << true << Answer::NoSession << State::Refused << "no session";
    QTest::newRow("portal without global shortcuts")
        << true << Answer::NoSuchInterface << State::Unavailable << "gradora --toggle";
    QTest::newRow("no portal") << false << Answer::AsAsked << State::Unavailable << "gradora --toggle";
}

void TestPortalGlobalShortcut::exchange()
{
    QFETCH(bool, portalRuns);
    QFETCH(Answer, answer);
    QFETCH(QString, noteWord);
    std::unique_ptr<FakeShortcutPortal> portal;
    if (portalRuns)
        portal = std::make_unique<FakeShortcutPortal>(answer);
    PortalGlobalShortcut shortcut;
    shortcut.bind(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_R));
    QCOMPARE(shortcut.state(), GlobalShortcut::State::Waiting);
    waitForAnswer(shortcut);
    QTEST(shortcut.state(), "state");
    QVERIFY2(shortcut.note().contains(noteWord), qPrintable(shortcut.note()));
    if (!portal || answer == Answer::NoSuchInterface || answer == Answer::NoSession)
        return;
    // Asked in the portal's words, in the session it opened.
    QCOMPARE(portal->boundSession, portal->sessions.value(0));
    QCOMPARE(portal->asked.size(), 1);
    QCOMPARE(portal->asked.first().id, QStringLiteral("toggle-rulers"));
    QCOMPARE(portal->asked.first().properties.value("preferred_trigger").toString(),
             QStringLiteral("CTRL+ALT+r"));
    QVERIFY(!portal->asked.first().properties.value("description").toString().isEmpty());
    // A refused bind leaves no session open (the closing call reaches the portal a moment later).
    const bool keepsSession =
        shortcut.state() == GlobalShortcut::State::Active || shortcut.state() == GlobalShortcut::State::Taken;
    QTRY_COMPARE_WITH_TIMEOUT(portal->closed.isEmpty(), keepsSession, 5000);
}

void TestPortalGlobalShortcut::pressesOfOurShortcutOnly()
{
    GrantedShortcut granted;
    FakeShortcutPortal &portal = granted.portal;
    PortalGlobalShortcut &shortcut = granted.shortcut;
    QCOMPARE(shortcut.state(), GlobalShortcut::State::Active);
    const QString session = portal.sessions.value(0);
    portal.activate(session, QStringLiteral("another-shortcut"));
    portal.activate(kPath + QStringLiteral("/session/1_99/someone_else"), QStringLiteral("toggle-rulers"));
    portal.activate(session, QStringLiteral("toggle-rulers"));
    QVERIFY(granted.onePressCame());
}

void TestPortalGlobalShortcut::changedKeyClosesTheSession()
{
    GrantedShortcut granted;
    FakeShortcutPortal &portal = granted.portal;
    PortalGlobalShortcut &shortcut = granted.shortcut;
    shortcut.bind(QKeySequence(Qt::META | Qt::Key_F5));
    QTRY_COMPARE_WITH_TIMEOUT(portal.closed, QStringList{portal.sessions.value(0)}, 10000);
    waitForAnswer(shortcut);
    QCOMPARE(shortcut.state(), GlobalShortcut::State::Active);
    QCOMPARE(portal.sessions.size(), 2);
    QCOMPARE(portal.asked.first().properties.value("preferred_trigger").toString(),
             QStringLiteral("LOGO+F5"));
    // The old session's presses are no longer ours.
    portal.activate(portal.sessions.value(0), QStringLiteral("toggle-rulers"));
    portal.activate(portal.sessions.value(1), QStringLiteral("toggle-rulers"));
    QVERIFY(granted.onePressCame());

    shortcut.bind(QKeySequence());
    QCOMPARE(shortcut.state(), GlobalShortcut::State::Off);
    QTRY_COMPARE_WITH_TIMEOUT(portal.closed.size(), 2, 10000);
    QCOMPARE(portal.closed.last(), portal.sessions.value(1));
}

void TestPortalGlobalShortcut::sessionEndedByTheDesktop()
{
    GrantedShortcut granted;
    FakeShortcutPortal &portal = granted.portal;
    PortalGlobalShortcut &shortcut = granted.shortcut;
    QCOMPARE(shortcut.state(), GlobalShortcut::State::Active);
    portal.endSession(portal.sessions.value(0));
    QTRY_COMPARE_WITH_TIMEOUT(shortcut.state(), GlobalShortcut::State::Refused, 10000);
    QVERIFY2(shortcut.note().contains(QLatin1String("ended")), qPrintable(shortcut.note()));
    portal.activate(portal.sessions.value(0), QStringLiteral("toggle-rulers"));
    QTest::qWait(200);
    QCOMPARE(granted.presses.count(), 0);
    // Choosing the key again opens a new session.
    shortcut.bind(shortcut.key());
    waitForAnswer(shortcut);
    QCOMPARE(shortcut.state(), GlobalShortcut::State::Active);
    QCOMPARE(portal.sessions.size(), 2);
}

GRADORA_TEST_MAIN(TestPortalGlobalShortcut)
#include "tst_portalglobalshortcut.moc"
