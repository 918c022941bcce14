// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "process/processdriver.h"
#include "testsupport.h"

#include <QTest>
#include <QWidget>

// A second start while a copy runs: the running copy's rulers come to the front, and the refusal
// box carries the program's title and icon.
class TestSecondStart : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void bringsTheRunningRulersToTheFront();
    void socketOfACrashedCopyIsReplaced();

private:
    static bool above(const QString &upper, const QString &lower)
    {
        const QStringList order = ProcessDriver::stackingOrder();
        return order.contains(upper) && order.contains(lower) && order.indexOf(upper) > order.indexOf(lower);
    }
    static void dismissRefusal(QProcess *second, QString *title, QString *icon);
};

void TestSecondStart::initTestCase()
{
    QVERIFY2(!ProcessDriver::executable().isEmpty(), "GRADORA_EXECUTABLE is not set");
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "these tests need an X display");
}

void TestSecondStart::dismissRefusal(QProcess *second, QString *title, QString *icon)
{
    QStringList boxes;
    QVERIFY(ProcessDriver::waitFor([&] {
        boxes = ProcessDriver::windows(second);
        return !boxes.isEmpty();
    }));
    QCOMPARE(boxes.size(), 1);
    *title = ProcessDriver::run(QStringLiteral("xdotool"), {QStringLiteral("getwindowname"), boxes.first()});
    *icon = ProcessDriver::run(QStringLiteral("xprop"),
                               {QStringLiteral("-id"), boxes.first(), QStringLiteral("-notype"),
                                QStringLiteral("_NET_WM_ICON")})
                .left(80);
    QVERIFY(ProcessDriver::pressUntilFinished(second, boxes.first(), QStringLiteral("Return")));
    QCOMPARE(second->exitCode(), 0);
}

void TestSecondStart::bringsTheRunningRulersToTheFront()
{
    ProcessDriver driver;
    QProcess *first = driver.start();
    const QString ruler = ProcessDriver::rulerWindow(first);
    QVERIFY(!ruler.isEmpty());
    QVERIFY(ProcessDriver::waitForInformationPanel(first));

    // Another program's window covers the ruler.
    QWidget cover;
    cover.setWindowTitle(QStringLiteral("another program"));
    cover.setGeometry(0, 0, 900, 700);
    cover.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cover));
    const QString coverId = QString::number(cover.winId());
    QVERIFY(ProcessDriver::waitFor([&] { return above(coverId, ruler); }, 10000));

    QProcess *second = driver.start();
    QVERIFY2(ProcessDriver::waitFor([&] { return above(ruler, coverId); }, 20000),
             qPrintable(ProcessDriver::stackingOrder().join(QLatin1Char(' '))));
    QString title, icon;
    dismissRefusal(second, &title, &icon);
    QCOMPARE(title, QStringLiteral("Gradora"));
    QVERIFY2(icon.contains(QLatin1String("Icon (")), qPrintable(icon));
    QCOMPARE(first->state(), QProcess::Running);
    QVERIFY(ProcessDriver::pressUntilFinished(first, ruler, QStringLiteral("ctrl+q")));
    QCOMPARE(first->exitCode(), 0);
}

// A socket left behind by a crashed copy answers nobody: a second start is refused all the same, and
// the next copy that runs listens again.
void TestSecondStart::socketOfACrashedCopyIsReplaced()
{
    ProcessDriver driver;
    QProcess *crashed = driver.start();
    QVERIFY(!ProcessDriver::rulerWindow(crashed).isEmpty());
    crashed->kill();
    QVERIFY(crashed->waitForFinished(10000));

    QProcess *running = driver.start();
    const QString ruler = ProcessDriver::rulerWindow(running);
    QVERIFY(!ruler.isEmpty());
    QVERIFY(ProcessDriver::waitForInformationPanel(running));
    QWidget cover;
    cover.setGeometry(0, 0, 900, 700);
    cover.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cover));
    const QString coverId = QString::number(cover.winId());
    QVERIFY(ProcessDriver::waitFor([&] { return above(coverId, ruler); }, 10000));

    QProcess *second = driver.start();
    QVERIFY(ProcessDriver::waitFor([&] { return above(ruler, coverId); }, 20000));
    QString title, icon;
    dismissRefusal(second, &title, &icon);
    QVERIFY(ProcessDriver::pressUntilFinished(running, ruler, QStringLiteral("ctrl+q")));
}

GRADORA_TEST_MAIN(TestSecondStart)
#include "tst_secondstart.moc"
