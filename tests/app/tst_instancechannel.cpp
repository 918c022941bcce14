// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/instancechannel.h"
#include "testsupport.h"

#include <QFile>
#include <QLocalSocket>
#include <QSignalSpy>
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
    QTest::newRow("a second start") << QByteArray("raise\n") << 1;
    QTest::newRow("something else") << QByteArray("quit\n") << 0;
    QTest::newRow("half a line") << QByteArray("rai") << 0;
    QTest::newRow("a flood without a line") << QByteArray(4096, 'x') << 0;
}

void TestInstanceChannel::requestsFromPeers()
{
    QFETCH(QByteArray, sent);
    QFETCH(int, raises);
    QTemporaryDir folder;
    InstanceChannel channel(folder.path());
    QVERIFY(channel.listen());
    QSignalSpy raised(&channel, &InstanceChannel::raiseRequested);

    QLocalSocket peer;
    peer.connectToServer(channel.socketPath());
    QVERIFY(peer.waitForConnected(5000));
    peer.write(sent);
    QVERIFY(peer.waitForBytesWritten(5000));
    // The channel answers a request by hanging up; anything else leaves it waiting or cut off.
    if (raises > 0)
        QTRY_COMPARE(raised.size(), raises);
    else
        QTest::qWait(300);
    QCOMPARE(raised.size(), raises);
}

void TestInstanceChannel::nobodyListening()
{
    QTemporaryDir folder;
    QVERIFY(!InstanceChannel::askToRaise(folder.path(), 500));
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
    QSignalSpy raised(&channel, &InstanceChannel::raiseRequested);
    QVERIFY(InstanceChannel::askToRaise(folder.path()));
    QTRY_COMPARE(raised.size(), 1);
}

GRADORA_TEST_MAIN(TestInstanceChannel)
#include "tst_instancechannel.moc"
