// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/applicationbus.h"
#include "testsupport.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using OptionalCommand = std::optional<InstanceCommand::Command>;
Q_DECLARE_METATYPE(OptionalCommand)

// The running copy on a private session bus, called by another connection as a launcher would call it.
class TestApplicationBus : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void actions_data();
    void actions();
    void openShowsLocalFilesOnly_data();
    void openShowsLocalFilesOnly();
    void theNameIsTakenOnce();
    void sendReachesNoOneWithoutTheName();

private:
    // A call from a connection of its own, answered while the test's event loop runs.
    QDBusMessage call(const QString &method, const QVariantList &arguments)
    {
        QDBusMessage message =
            QDBusMessage::createMethodCall(QString::fromLatin1(ApplicationBus::kServiceName),
                                           QString::fromLatin1(ApplicationBus::kObjectPath),
                                           QString::fromLatin1(ApplicationBus::kInterface), method);
        message.setArguments(arguments);
        return m_launcher.call(message, QDBus::BlockWithGui, 5000);
    }

    QDBusConnection m_launcher{QString()};
    ApplicationBus *m_copy = nullptr;
    OptionalCommand m_received;
    QStringList m_opened;
};

void TestApplicationBus::initTestCase()
{
    QVERIFY2(QDBusConnection::sessionBus().isConnected(), "this test runs on a private session bus");
    m_launcher = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("launcher"));
    QVERIFY(m_launcher.isConnected());
}

void TestApplicationBus::init()
{
    m_copy = new ApplicationBus;
    QVERIFY(m_copy->registerOn(QDBusConnection::sessionBus()));
    m_received.reset();
    m_opened.clear();
    connect(m_copy, &ApplicationBus::commandReceived, this,
            [this](const InstanceCommand::Command &command) { m_received = command; });
    connect(m_copy, &ApplicationBus::picturesOpened, this,
            [this](const QStringList &paths) { m_opened = paths; });
}

void TestApplicationBus::cleanup()
{
    delete m_copy;
    m_copy = nullptr;
    QTRY_VERIFY(!ApplicationBus::nameOwned(m_launcher));
}

void TestApplicationBus::actions_data()
{
    using InstanceCommand::Command;
    using InstanceCommand::Kind;
    QTest::addColumn<QString>("method");
    QTest::addColumn<QVariantList>("arguments");
    QTest::addColumn<OptionalCommand>("command");

    const QVariantMap noPlatformData;
    QTest::newRow("Activate raises") << "Activate" << QVariantList{noPlatformData}
                                     << OptionalCommand(Command{});
    QTest::newRow("new-ruler") << "ActivateAction"
                               << QVariantList{"new-ruler", QVariantList(), noPlatformData}
                               << OptionalCommand(Command{Kind::NewRuler, {}});
    QTest::newRow("new-ruler at a place")
        << "ActivateAction" << QVariantList{"new-ruler", QVariantList{"200x30+-40+50"}, noPlatformData}
        << OptionalCommand(Command{Kind::NewRuler, QRect(-40, 50, 200, 30)});
    QTest::newRow("toggle") << "ActivateAction" << QVariantList{"toggle", QVariantList(), noPlatformData}
                            << OptionalCommand(Command{Kind::Toggle, {}});
    QTest::newRow("copy-readings") << "ActivateAction"
                                   << QVariantList{"copy-readings", QVariantList(), noPlatformData}
                                   << OptionalCommand(Command{Kind::CopyReadings, {}});
    QTest::newRow("quit") << "ActivateAction" << QVariantList{"quit", QVariantList(), noPlatformData}
                          << OptionalCommand(Command{Kind::Quit, {}});
    QTest::newRow("unknown action is refused")
        << "ActivateAction" << QVariantList{"format-disk", QVariantList(), noPlatformData}
        << OptionalCommand();
    QTest::newRow("bad geometry is refused")
        << "ActivateAction" << QVariantList{"new-ruler", QVariantList{"0x0"}, noPlatformData}
        << OptionalCommand();
    QTest::newRow("a number for a geometry is refused")
        << "ActivateAction" << QVariantList{"new-ruler", QVariantList{300}, noPlatformData}
        << OptionalCommand();
}

void TestApplicationBus::actions()
{
    QFETCH(QString, method);
    QFETCH(QVariantList, arguments);
    QFETCH(OptionalCommand, command);
    const QDBusMessage reply = call(method, arguments);
    QCOMPARE(m_received, command);
    // A refusal is an error reply, so that the launcher hears of it.
    QCOMPARE(reply.type(), command ? QDBusMessage::ReplyMessage : QDBusMessage::ErrorMessage);
    if (!command)
        QCOMPARE(reply.errorName(), QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"));
}

void TestApplicationBus::openShowsLocalFilesOnly_data()
{
    QTest::addColumn<QStringList>("uris");
    QTest::addColumn<QStringList>("paths");
    QTest::newRow("two files") << QStringList{"file:///tmp/a.png", "file:///tmp/b%20c.png"}
                               << QStringList{"/tmp/a.png", "/tmp/b c.png"};
    QTest::newRow("a web page is left out")
        << QStringList{"https://gradora.net/x.png", "file:///tmp/a.png"} << QStringList{"/tmp/a.png"};
    QTest::newRow("nothing local is refused") << QStringList{"https://gradora.net/x.png"} << QStringList();
    QTest::newRow("nothing at all is refused") << QStringList() << QStringList();
}

void TestApplicationBus::openShowsLocalFilesOnly()
{
    QFETCH(QStringList, uris);
    QFETCH(QStringList, paths);
    const QDBusMessage reply = call(QStringLiteral("Open"), {uris, QVariantMap()});
    QCOMPARE(m_opened, paths);
    QCOMPARE(reply.type(), paths.isEmpty() ? QDBusMessage::ErrorMessage : QDBusMessage::ReplyMessage);
    QVERIFY(!m_received);
}

// A second copy on the same bus (another login on a shared bus) leaves the name to the first.
void TestApplicationBus::theNameIsTakenOnce()
{
    QVERIFY(ApplicationBus::nameOwned(m_launcher));
    QDBusConnection other =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("other"));
    ApplicationBus second;
    QVERIFY(!second.registerOn(other));
    QDBusConnection::disconnectFromBus(QStringLiteral("other"));
    call(QStringLiteral("Activate"), {QVariantMap()});
    QCOMPARE(m_received, OptionalCommand(InstanceCommand::Command{}));
}

// Nobody owns the name: a command goes nowhere, and no copy is started for it.
void TestApplicationBus::sendReachesNoOneWithoutTheName()
{
    delete m_copy;
    m_copy = nullptr;
    QTRY_VERIFY(!ApplicationBus::nameOwned(m_launcher));
    QVERIFY(
        !ApplicationBus::send(InstanceCommand::Command{InstanceCommand::Kind::Quit, {}}, m_launcher, 2000));
}

GRADORA_TEST_GUILESS_MAIN(TestApplicationBus)
#include "tst_applicationbus.moc"
