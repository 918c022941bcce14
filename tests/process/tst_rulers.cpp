// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "process/processdriver.h"
#include "testsupport.h"

#include <QFile>
#include <QSettings>
#include <QTest>

// Several rulers of the real program, opened and closed with their keys, on a desktop without a tray.
class TestRulers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void newRulerThenCloseThenQuit();

private:
    static QStringList rulers(const QProcess *process) { return ProcessDriver::rulers(process); }
};

void TestRulers::newRulerThenCloseThenQuit()
{
    ProcessDriver driver;
    QProcess *gradora = driver.start();
    const QString first = ProcessDriver::rulerWindow(gradora);
    QVERIFY(!first.isEmpty());

    QStringList all;
    QVERIFY(ProcessDriver::pressUntil(first, QStringLiteral("alt+n"), [&] {
        all = rulers(gradora);
        return all.size() >= 2;
    }));
    QCOMPARE(all.size(), 2);
    all.removeOne(first);
    const QString second = all.first();
    QCOMPARE(ProcessDriver::geometryOf(second), QRect(50, 50, 300, 200));

    // Closing one of two rulers leaves the program running with the other.
    QVERIFY(ProcessDriver::pressUntil(second, QStringLiteral("alt+w"),
                                      [&] { return rulers(gradora).size() == 1; }));
    QCOMPARE(gradora->state(), QProcess::Running);

    // The quit key saves the ruler that has the keyboard, then ends the program.
    QVERIFY(ProcessDriver::pressUntilFinished(gradora, first, QStringLiteral("alt+q")));
    QCOMPARE(gradora->exitCode(), 0);
    QFile ini(driver.settingsFile());
    QVERIFY(ini.open(QIODevice::ReadOnly));
    QVERIFY(ini.readAll().contains("geometry=@Rect(0 0 640 480)"));
}

GRADORA_TEST_GUILESS_MAIN(TestRulers)
#include "tst_rulers.moc"
