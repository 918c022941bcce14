// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/instancechannel.h"
#include "testsupport.h"

#include <QFile>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTest>

// The line from a second start to the running copy.
class TestInstanceChannel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void requestsFromPeers_data();
    void requestsFromPeers();
    void nobodyListening();
    void leftoverSocketIsReplaced();
};

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

GRADORA_TEST_MAIN(TestInstanceChannel)
#include "tst_instancechannel.moc"
