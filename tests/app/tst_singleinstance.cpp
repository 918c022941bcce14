// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/singleinstance.h"
#include "testsupport.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <sys/stat.h>
#include <cerrno>
#include <cstring>
#include <QTest>

// The lock itself, within one process. The real processes are tested under process/.
class TestSingleInstance : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void secondHolderRefused();
    void releasedOnDestruction();
    void staleLockOfDeadProcessIsTaken();
    void damagedLockIsReplaced_data();
    void damagedLockIsReplaced();
    void lockOfNoRunningCopyIsStale_data();
    void lockOfNoRunningCopyIsStale();
    void noLockPossible_data();
    void noLockPossible();
    void refusalText();
};

void TestSingleInstance::secondHolderRefused()
{
    QTemporaryDir dir;
    SingleInstance first(dir.path());
    QVERIFY(first.acquire());
    SingleInstance second(dir.path());
    QVERIFY(!second.acquire());
}

void TestSingleInstance::releasedOnDestruction()
{
    QTemporaryDir dir;
    {
        SingleInstance first(dir.path());
        QVERIFY(first.acquire());
    }
    SingleInstance again(dir.path());
    QVERIFY(again.acquire());
}

void TestSingleInstance::staleLockOfDeadProcessIsTaken()
{
    QTemporaryDir dir;
    SingleInstance probe(dir.path());
    // A lock file as a crashed copy leaves it: a process id that does not run.
    QFile file(probe.lockFilePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("999999999\ngradora\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    file.close();
    QVERIFY(probe.acquire());
}

void TestSingleInstance::damagedLockIsReplaced_data()
{
    QTest::addColumn<QByteArray>("content"); // null: an empty folder in the lock's place
    QTest::newRow("empty file") << QByteArray("");
    QTest::newRow("garbage") << QByteArray("\x01\xff garbage\n\n\n\n");
    QTest::newRow("a number only") << QByteArray("12");
    QTest::newRow("another program's live process") << QByteArray("1\nsomething-else\n\n");
    QTest::newRow("empty folder in its place") << QByteArray();
}

void TestSingleInstance::damagedLockIsReplaced()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    SingleInstance first(dir.path());
    if (content.isNull()) {
        QVERIFY(QDir().mkdir(first.lockFilePath()));
    } else {
        QFile file(first.lockFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QCOMPARE(first.tryAcquire(), SingleInstance::Outcome::Acquired);
    // And the replaced lock refuses a second copy as a good one does.
    SingleInstance second(dir.path());
    QCOMPARE(second.tryAcquire(), SingleInstance::Outcome::AnotherInstance);
}

void TestSingleInstance::lockOfNoRunningCopyIsStale_data()
{
    // The lock file names a live process: this test itself, or a `sleep` under its own name.
    QTest::addColumn<bool>("namesSleep");
    QTest::addColumn<QByteArray>("host"); // empty: this machine
    QTest::newRow("this process, on another machine") << false << QByteArray("elsewhere.example");
    QTest::newRow("a live process of another program, under its own name") << true << QByteArray();
    QTest::newRow("a live process of another program, on another machine") << true << QByteArray("elsewhere");
}

// The lock lives in this machine's runtime folder: only a running copy that holds it counts.
void TestSingleInstance::lockOfNoRunningCopyIsStale()
{
    QFETCH(bool, namesSleep);
    QFETCH(QByteArray, host);
    QProcess sleeper;
    qint64 pid = QCoreApplication::applicationPid();
    QByteArray name = QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8();
    if (namesSleep) {
        sleeper.start(QStringLiteral("sleep"), {QStringLiteral("60")});
        QVERIFY(sleeper.waitForStarted());
        pid = sleeper.processId();
        name = "sleep";
    }
    if (host.isEmpty())
        host = QSysInfo::machineHostName().toUtf8();
    QTemporaryDir dir;
    SingleInstance instance(dir.path());
    QFile file(instance.lockFilePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::number(pid) + '\n' + name + '\n' + host + '\n' + QSysInfo::machineUniqueId() + '\n' +
               QSysInfo::bootUniqueId() + '\n');
    file.close();
    QCOMPARE(instance.tryAcquire(), SingleInstance::Outcome::Acquired);
    SingleInstance second(dir.path());
    QCOMPARE(second.tryAcquire(), SingleInstance::Outcome::AnotherInstance);
    sleeper.kill();
    sleeper.waitForFinished();
}

void TestSingleInstance::noLockPossible_data()
{
    QTest::addColumn<QString>("runtimeEntry"); // what stands where the runtime folder should be
    QTest::addColumn<QString>("lockEntry");    // what stands where the lock should be
    QTest::addColumn<QString>("reason");
    QTest::newRow("a folder with content in the lock's place")
        << QString() << QStringLiteral("folder") << QStringLiteral("a folder stands in its place");
    QTest::newRow("a file in the runtime folder's place")
        << QStringLiteral("file") << QString() << QString::fromLocal8Bit(std::strerror(ENOTDIR));
    // Opening it would block the start for ever.
    QTest::newRow("a FIFO in the lock's place")
        << QString() << QStringLiteral("fifo") << QStringLiteral("it is not a regular file");
    QTest::newRow("a link to a FIFO in the lock's place")
        << QString() << QStringLiteral("link to fifo") << QStringLiteral("it is not a regular file");
}

void TestSingleInstance::noLockPossible()
{
    QFETCH(QString, runtimeEntry);
    QFETCH(QString, lockEntry);
    QTemporaryDir dir;
    const QString runtime = dir.filePath(QStringLiteral("runtime"));
    if (runtimeEntry == QLatin1String("file")) {
        QFile file(runtime);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    SingleInstance instance(runtime);
    if (lockEntry == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(instance.lockFilePath() + QStringLiteral("/inside")));
    } else if (lockEntry == QLatin1String("fifo")) {
        QCOMPARE(::mkfifo(QFile::encodeName(instance.lockFilePath()).constData(), 0600), 0);
    } else if (lockEntry == QLatin1String("link to fifo")) {
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("fifo"))).constData(), 0600), 0);
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("fifo")), instance.lockFilePath()));
    }
    QCOMPARE(instance.tryAcquire(), SingleInstance::Outcome::Unavailable);
    QTEST(instance.failureReason(), "reason");
    // The message names the path and the reason; it is not the refusal of a running copy.
    const QString text = SingleInstance::unavailableText(instance.lockFilePath(), instance.failureReason());
    QVERIFY(text.contains(instance.lockFilePath()));
    QVERIFY(text.contains(instance.failureReason()));
    QVERIFY(text != SingleInstance::refusalText());
}

void TestSingleInstance::refusalText()
{
    QCOMPARE(SingleInstance::refusalText(),
             QStringLiteral("Another instance of the program is already started. "));
}

GRADORA_TEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
