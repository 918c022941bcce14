// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "singleinstance.h"
#include "testsupport.h"

#include <QFile>
#include <QTest>

// The lock itself, within one process. The real processes are tested under process/.
class TestSingleInstance : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void secondHolderRefused();
    void releasedOnDestruction();
    void staleLockOfDeadProcessIsTaken();
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

void TestSingleInstance::refusalText()
{
    QCOMPARE(SingleInstance::refusalText(),
             QStringLiteral("Another instance of the program is already started. "));
}

GRADORA_TEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
