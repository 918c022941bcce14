// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "prefs/programsettings.h"
#include "process/processdriver.h"
#include "settingsfilekeys.h"
#include "testsupport.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <csignal>

// The real program on an X display: start-up, the end of the run, and one copy per user.
class TestStartup : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void firstStartAndCloseSavesEverything();
    void measuresDevicePixelsOnAHighDpiDisplay();
    void secondCopyIsRefused();
    void startAfterKillSucceeds();
    void simultaneousStartsLeaveOneRunning();
    void helpWithoutBrowserSaysSo();
    void networkComesWithTheFirstQuestion();

private:
    static QByteArray readFile(const QString &path);
    static void closeRuler(QProcess *process);
};

void TestStartup::initTestCase()
{
    QVERIFY2(!ProcessDriver::executable().isEmpty(), "GRADORA_EXECUTABLE is not set");
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "these tests need an X display");
}

QByteArray TestStartup::readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestStartup::closeRuler(QProcess *process)
{
    const QString ruler = ProcessDriver::rulerWindow(process);
    QVERIFY(!ruler.isEmpty());
    QVERIFY(ProcessDriver::pressUntilFinished(process, ruler, QStringLiteral("alt+F4")));
    QCOMPARE(process->exitStatus(), QProcess::NormalExit);
    QCOMPARE(process->exitCode(), 0);
}

void TestStartup::firstStartAndCloseSavesEverything()
{
    ProcessDriver driver;
    QProcess *gradora = driver.start();
    const QString ruler = ProcessDriver::rulerWindow(gradora);
    QVERIFY(!ruler.isEmpty());
    QCOMPARE(ProcessDriver::geometryOf(ruler), QRect(0, 0, 640, 480));

    closeRuler(gradora);
    const QByteArray ini = readFile(driver.settingsFile());
    const QString fault = SettingsFileKeys::faultOf(ini);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    QVERIFY(SettingsFileKeys::keysOf(ini).contains(programKey(ProgramSetting::ProgramVersion)));
    QVERIFY(ini.contains("geometry=@Rect(0 0 640 480)"));
}

// One ruler pixel is one device pixel, even where the display asks the toolkit to scale.
void TestStartup::measuresDevicePixelsOnAHighDpiDisplay()
{
    QProcess xrdb;
    xrdb.start(QStringLiteral("xrdb"), {QStringLiteral("-merge")});
    xrdb.write("Xft.dpi: 144\n");
    xrdb.closeWriteChannel();
    QVERIFY(xrdb.waitForFinished());
    auto restore = qScopeGuard([] {
        QProcess reset;
        reset.start(QStringLiteral("xrdb"), {QStringLiteral("-merge")});
        reset.write("Xft.dpi: 96\n");
        reset.closeWriteChannel();
        reset.waitForFinished();
    });

    ProcessDriver driver;
    QProcess *gradora = driver.start();
    const QString ruler = ProcessDriver::rulerWindow(gradora);
    QVERIFY(!ruler.isEmpty());
    QCOMPARE(ProcessDriver::geometryOf(ruler).size(), QSize(640, 480));
    closeRuler(gradora);
}

void TestStartup::secondCopyIsRefused()
{
    ProcessDriver driver;
    QProcess *first = driver.start();
    QVERIFY(!ProcessDriver::rulerWindow(first).isEmpty());
    // The first copy writes what its start read once its window is out.
    QVERIFY(ProcessDriver::waitFor([&] { return QFileInfo::exists(driver.settingsFile()); }));
    const QByteArray settingsBefore = readFile(driver.settingsFile());

    QProcess *second = driver.start();
    QStringList boxes;
    QVERIFY(ProcessDriver::waitFor([&] {
        boxes = ProcessDriver::windows(second);
        return !boxes.isEmpty();
    }));
    QCOMPARE(boxes.size(), 1);
    QVERIFY(ProcessDriver::rulers(second).isEmpty());
    QCOMPARE(second->state(), QProcess::Running);

    QVERIFY(ProcessDriver::pressUntilFinished(second, boxes.first(), QStringLiteral("Return")));
    QCOMPARE(second->exitCode(), 0);
    QCOMPARE(first->state(), QProcess::Running);
    // The first copy's own daily update check may write its day meanwhile; the refused copy wrote nothing.
    const auto withoutCheckDay = [](const QByteArray &settings) {
        return QString::fromUtf8(settings).remove(QRegularExpression(QStringLiteral("lastCheck=[^\\n]*\\n")));
    };
    QCOMPARE(withoutCheckDay(readFile(driver.settingsFile())), withoutCheckDay(settingsBefore));
    closeRuler(first);
}

void TestStartup::startAfterKillSucceeds()
{
    ProcessDriver driver;
    QProcess *crashed = driver.start();
    QVERIFY(!ProcessDriver::rulerWindow(crashed).isEmpty());
    const qint64 pid = crashed->processId();
    QVERIFY(pid > 0);
    ::kill(pid_t(pid), SIGKILL);
    QVERIFY(crashed->waitForFinished(10000));

    QProcess *next = driver.start();
    QVERIFY(!ProcessDriver::rulerWindow(next).isEmpty());
    closeRuler(next);
}

// With no browser to be found (no xdg-open, no known browser on the path), F1 brings up a message that
// says so and where the help page is, instead of nothing.
void TestStartup::helpWithoutBrowserSaysSo()
{
    QTemporaryDir emptyFolder;
    ProcessDriver driver;
    ProcessDriver::StartOptions options;
    options.environment.insert(QStringLiteral("PATH"), emptyFolder.path());
    for (const char *variable : {"BROWSER", "DEFAULT_BROWSER"})
        options.environment.insert(QString::fromLatin1(variable), QString());
    QProcess *process = driver.start(options);
    const QString ruler = ProcessDriver::rulerWindow(process);
    QVERIFY(!ruler.isEmpty());
    QStringList boxes;
    QVERIFY(ProcessDriver::pressUntil(ruler, QStringLiteral("F1"), [&] {
        boxes = ProcessDriver::windows(process);
        boxes.removeIf([](const QString &window) { return !ProcessDriver::isDialog(window); });
        return !boxes.isEmpty();
    }));
    QCOMPARE(boxes.size(), 1);
    ProcessDriver::activateAndPress(boxes.first(), QStringLiteral("Return"));
    QVERIFY(ProcessDriver::waitFor([&] {
        return std::none_of(boxes.cbegin(), boxes.cend(), [&](const QString &box) {
            return ProcessDriver::windows(process).contains(box);
        });
    }));
    closeRuler(process);
}

void TestStartup::simultaneousStartsLeaveOneRunning()
{
    ProcessDriver driver;
    QProcess *a = driver.start();
    QProcess *b = driver.start();

    // One shows its ruler, the other its refusal.
    QProcess *running = nullptr;
    QProcess *refused = nullptr;
    QVERIFY(ProcessDriver::waitFor([&] {
        const bool aRuler = !ProcessDriver::rulers(a).isEmpty();
        const bool bRuler = !ProcessDriver::rulers(b).isEmpty();
        const bool aBox = !aRuler && !ProcessDriver::windows(a).isEmpty();
        const bool bBox = !bRuler && !ProcessDriver::windows(b).isEmpty();
        if (aRuler && bBox) {
            running = a;
            refused = b;
        } else if (bRuler && aBox) {
            running = b;
            refused = a;
        }
        return running != nullptr;
    }));
    QVERIFY(ProcessDriver::pressUntilFinished(refused, ProcessDriver::windows(refused).first(),
                                              QStringLiteral("Return")));
    QCOMPARE(refused->exitCode(), 0);
    QTest::qWait(500);
    QCOMPARE(running->state(), QProcess::Running);
    closeRuler(running);
}

// A start loads no network library; the daily update check (due on a first start) loads the network
// module from beside the program and asks our endpoint through it.
void TestStartup::networkComesWithTheFirstQuestion()
{
    QTcpServer endpoint;
    QVERIFY(endpoint.listen(QHostAddress::LocalHost));
    QList<QByteArray> requests;
    connect(&endpoint, &QTcpServer::newConnection, this, [&] {
        while (QTcpSocket *socket = endpoint.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, socket, [&requests, socket] {
                requests.append(socket->readAll().split('\r').first());
                socket->write("HTTP/1.1 200 OK\r\nContent-Length: 3\r\nConnection: close\r\n\r\n6.0");
                socket->disconnectFromHost();
            });
        }
    });
    ProcessDriver driver;
    ProcessDriver::StartOptions options;
    options.environment.insert(
        QStringLiteral("GRADORA_UPDATE_URL"),
        QStringLiteral("http://127.0.0.1:%1/Gradora/check-for-update.php?ac=0").arg(endpoint.serverPort()));
    QProcess *gradora = driver.start(options);
    QVERIFY(!ProcessDriver::rulerWindow(gradora).isEmpty());
    const QString maps = QStringLiteral("/proc/%1/maps").arg(gradora->processId());
    const QByteArray atStart = readFile(maps);
    QVERIFY(atStart.contains("libQt6Widgets"));
    QVERIFY(!atStart.contains("libQt6Network"));
    QVERIFY(!atStart.contains("gradora-network"));

    QVERIFY(ProcessDriver::waitFor([&] { return !requests.isEmpty(); }, 30000));
    QCOMPARE(requests.first(), QByteArray("GET /Gradora/check-for-update.php?ac=0 HTTP/1.1"));
    const QByteArray asked = readFile(maps);
    QVERIFY(asked.contains("gradora-network.so"));
    QVERIFY(asked.contains("libQt6Network"));
    closeRuler(gradora);
}

GRADORA_TEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
