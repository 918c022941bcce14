// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "process/processdriver.h"
#include "testsupport.h"

#include <QFileInfo>
#include <QImage>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

// The demo run of scripts/run on a machine without a display: a screenshot, and nothing of the user's.
class TestDemoRun : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void keepsToThrowAwaySettingsAndOffTheNetwork();
};

void TestDemoRun::keepsToThrowAwaySettingsAndOffTheNetwork()
{
    const QString script = QFINDTESTDATA("../../scripts/demo-on-virtual-display");
    QVERIFY2(!script.isEmpty(), "the demo script is missing");
    QTemporaryDir work;
    const QString home = work.path() + QStringLiteral("/home");
    QVERIFY(QDir().mkpath(home));

    // Would the program ask for updates, it would ask here.
    QTcpServer endpoint;
    QVERIFY(endpoint.listen(QHostAddress::LocalHost));
    int connections = 0;
    connect(&endpoint, &QTcpServer::newConnection, this, [&] {
        while (QTcpSocket *socket = endpoint.nextPendingConnection()) {
            ++connections;
            socket->deleteLater();
        }
    });

    // A user on a server: a home of their own, no display, no settings folder chosen.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR",
                             "XDG_DATA_HOME", "XDG_CACHE_HOME", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(name));
    env.insert(QStringLiteral("HOME"), home);
    env.insert(
        QStringLiteral("GRADORA_UPDATE_URL"),
        QStringLiteral("http://127.0.0.1:%1/Gradora/check-for-update.php?ac=0").arg(endpoint.serverPort()));
    const QString screenshot = work.path() + QStringLiteral("/shot.png");

    QProcess demo;
    demo.setProcessEnvironment(env);
    demo.setProcessChannelMode(QProcess::ForwardedChannels);
    demo.start(QStringLiteral("bash"), {script, ProcessDriver::executable(), screenshot});
    QVERIFY(demo.waitForStarted());
    QVERIFY(ProcessDriver::waitFor([&] { return demo.state() == QProcess::NotRunning; }, 120000));
    QCOMPARE(demo.exitStatus(), QProcess::NormalExit);
    QCOMPARE(demo.exitCode(), 0);

    const QImage shot(screenshot);
    QVERIFY(!shot.isNull());
    QCOMPARE(shot.size(), QSize(1280, 800));
    QVERIFY2(!QFileInfo::exists(home + QStringLiteral("/.config/gradora.net/Gradora.ini")),
             "the run wrote the user's settings");
    QVERIFY(QDir(home).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
    QCoreApplication::processEvents();
    QCOMPARE(connections, 0);
}

GRADORA_TEST_GUILESS_MAIN(TestDemoRun)
#include "tst_demorun.moc"
