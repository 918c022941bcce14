// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/instancechannel.h"
#include "testsupport.h"

#include <QFile>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTest>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

// The line from a second start to the running copy.
class TestInstanceChannel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void requestsFromPeers_data();
    void requestsFromPeers();
    void nobodyListening();
    void leftoverSocketIsReplaced();
    void socketIsPrivateToTheUser();
    void peerOfAnotherUserIsNotHeard();
    void endRemovesOnlyItsOwnSocket();
    void silentPeersDoNotBlockOthers();
};

namespace {
// Whether a copy of ours would hear a command sent by another user: a child process that becomes
// `nobody` and writes the line, as the socket's permissions would let it were they open.
bool sentAsNobody(const QString &path, const QByteArray &line)
{
    const QByteArray encoded = QFile::encodeName(path);
    const pid_t child = ::fork();
    if (child == 0) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, encoded.constData(), size_t(encoded.size()));
        const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const bool sent = ::setgid(65534) == 0 && ::setuid(65534) == 0 &&
                          ::connect(socket, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0 &&
                          ::write(socket, line.constData(), size_t(line.size())) == line.size();
        ::_exit(sent ? 0 : 1);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
} // namespace

void TestInstanceChannel::requestsFromPeers_data()
{
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<int>("raises");
    QTest::addColumn<int>("commands");
    QTest::newRow("a second start") << QByteArray("raise\n") << 1 << 1;
    QTest::newRow("a command") << QByteArray("quit\n") << 0 << 1;
    QTest::newRow("something else") << QByteArray("shutdown\n") << 0 << 0;
    QTest::newRow("half a line") << QByteArray("rai") << 0 << 0;
    QTest::newRow("a flood without a line") << QByteArray(4096, 'x') << 0 << 0;
    QTest::newRow("a long line") << QByteArray(200, 'x') + '\n' << 0 << 0;
}

void TestInstanceChannel::requestsFromPeers()
{
    QFETCH(QByteArray, sent);
    QFETCH(int, raises);
    QFETCH(int, commands);
    QTemporaryDir folder;
    InstanceChannel channel(folder.path());
    QVERIFY(channel.listen());
    int raised = 0;
    int received = 0;
    connect(&channel, &InstanceChannel::commandReceived, this, [&](const InstanceCommand::Command &command) {
        ++received;
        raised += command.kind == InstanceCommand::Kind::Raise;
    });

    QLocalSocket peer;
    peer.connectToServer(channel.socketPath());
    QVERIFY(peer.waitForConnected(5000));
    peer.write(sent);
    QVERIFY(peer.waitForBytesWritten(5000));
    // The channel answers a request by hanging up; anything else leaves it waiting or cut off.
    if (commands > 0)
        QTRY_COMPARE(received, commands);
    else
        QTest::qWait(300);
    QCOMPARE(received, commands);
    QCOMPARE(raised, raises);
}

void TestInstanceChannel::nobodyListening()
{
    QTemporaryDir folder;
    QVERIFY(!InstanceChannel::send(InstanceCommand::Command{}, folder.path(), 500));
}

// A copy that crashed left its socket file behind; the next copy listens all the same.
void TestInstanceChannel::leftoverSocketIsReplaced()
{
    QTemporaryDir folder;
    const QString path = InstanceChannel(folder.path()).socketPath();
    {
        QFile leftover(path);
        QVERIFY(leftover.open(QIODevice::WriteOnly));
    }
    InstanceChannel channel(folder.path());
    QVERIFY(channel.listen());
    std::optional<InstanceCommand::Command> received;
    connect(&channel, &InstanceChannel::commandReceived, this,
            [&](const InstanceCommand::Command &command) { received = command; });
    const InstanceCommand::Command newRuler{InstanceCommand::Kind::NewRuler, QRect(-20, 30, 400, 50)};
    QVERIFY(InstanceChannel::send(newRuler, folder.path()));
    QTRY_VERIFY(received.has_value());
    QCOMPARE(*received, newRuler);
}

// The socket's file lets only its owner connect, whatever the folder allows.
void TestInstanceChannel::socketIsPrivateToTheUser()
{
    QTemporaryDir folder;
    QVERIFY(QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                                      QFileDevice::WriteOther | QFileDevice::ExeOther));
    InstanceChannel channel(folder.path());
    QVERIFY(channel.listen());
    struct stat node{};
    QCOMPARE(::lstat(QFile::encodeName(channel.socketPath()).constData(), &node), 0);
    QVERIFY(S_ISSOCK(node.st_mode));
    QCOMPARE(node.st_mode & 0777, mode_t(S_IRUSR | S_IWUSR));
    QCOMPARE(node.st_uid, ::getuid());
}

// Even where the file's permissions were opened up, a peer of another user is hung up on unheard.
void TestInstanceChannel::peerOfAnotherUserIsNotHeard()
{
    if (::getuid() != 0)
        QSKIP("only the superuser can speak as another user here");
    QTemporaryDir folder;
    QVERIFY(QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ExeOwner | QFileDevice::ExeOther));
    InstanceChannel channel(folder.path());
    QVERIFY(channel.listen());
    int received = 0;
    connect(&channel, &InstanceChannel::commandReceived, this, [&] { ++received; });
    QVERIFY(QFile::setPermissions(channel.socketPath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                            QFileDevice::ReadOther | QFileDevice::WriteOther));
    QVERIFY(sentAsNobody(channel.socketPath(), "quit\n"));
    QTest::qWait(300);
    QCOMPARE(received, 0);
    // The user's own copy is still heard.
    QVERIFY(InstanceChannel::send(InstanceCommand::Command{}, folder.path()));
    QTRY_COMPARE(received, 1);
}

// A copy removes its socket when it ends, but not a socket that another copy made there meanwhile.
void TestInstanceChannel::endRemovesOnlyItsOwnSocket()
{
    QTemporaryDir folder;
    QString path;
    {
        InstanceChannel channel(folder.path());
        QVERIFY(channel.listen());
        path = channel.socketPath();
        QVERIFY(QFile::exists(path));
    }
    QVERIFY(!QFile::exists(path));

    auto first = std::make_unique<InstanceChannel>(folder.path());
    QVERIFY(first->listen());
    InstanceChannel second(folder.path());
    QVERIFY(second.listen());
    first.reset();
    QVERIFY(QFile::exists(path));
    std::optional<InstanceCommand::Command> received;
    connect(&second, &InstanceChannel::commandReceived, this,
            [&](const InstanceCommand::Command &command) { received = command; });
    QVERIFY(InstanceChannel::send(InstanceCommand::Command{}, folder.path()));
    QTRY_VERIFY(received.has_value());
}

// Peers that connect and stay silent (a second start that hangs) keep no later one from being heard.
void TestInstanceChannel::silentPeersDoNotBlockOthers()
{
    QTemporaryDir folder;
    InstanceChannel channel(folder.path());
    QVERIFY(channel.listen());
    int received = 0;
    connect(&channel, &InstanceChannel::commandReceived, this, [&] { ++received; });
    std::vector<std::unique_ptr<QLocalSocket>> silent;
    for (int i = 0; i < InstanceChannel::kMaxPeers + 2; ++i) {
        silent.push_back(std::make_unique<QLocalSocket>());
        silent.back()->connectToServer(channel.socketPath());
        QTRY_COMPARE(silent.back()->state(), QLocalSocket::ConnectedState);
    }
    for (int i = 0; i < 3; ++i) {
        QVERIFY(InstanceChannel::send(InstanceCommand::Command{}, folder.path()));
        QTRY_COMPARE(received, i + 1);
    }
}

GRADORA_TEST_MAIN(TestInstanceChannel)
#include "tst_instancechannel.moc"
