// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The real program against what can happen to its settings from outside: a damaged line, odd files
// where the settings and the lock belong, a folder it may not write, and the X server going away
// after the user moved a ruler.
#include "app/singleinstance.h"
#include "processdriver.h"
#include "testsupport.h"

#include <QSettings>
#include <QTest>
#include <csignal>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace {
constexpr int kNobody = 65534;

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
}

// Moves the ruler and waits until the window is there.
QRect moveRuler(const QString &ruler, const QPoint &target)
{
    ProcessDriver::run(QStringLiteral("xdotool"),
                       {QStringLiteral("windowmove"), QStringLiteral("--sync"), ruler,
                        QString::number(target.x()), QString::number(target.y())});
    ProcessDriver::waitFor([&] { return ProcessDriver::geometryOf(ruler).topLeft() == target; });
    return ProcessDriver::geometryOf(ruler);
}

// An X server of the test's own, which the test may end.
class PrivateXServer
{
public:
    PrivateXServer()
    {
        m_server.setProcessChannelMode(QProcess::SeparateChannels);
        m_server.start(QStringLiteral("Xvfb"),
                       {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                        QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                        QStringLiteral("tcp")});
        if (m_server.waitForStarted(10000))
            ProcessDriver::waitFor(
                [this] {
                    m_display += m_server.readAllStandardOutput();
                    return m_display.contains('\n');
                },
                20000);
        m_previous = qgetenv("DISPLAY");
        // The X tools of the driver talk to this server for as long as it lives.
        qputenv("DISPLAY", ':' + m_display.trimmed());
    }
    ~PrivateXServer()
    {
        qputenv("DISPLAY", m_previous);
        m_server.kill();
        m_server.waitForFinished(5000);
    }
    bool isRunning() const { return m_display.contains('\n'); }
    void end(int signalNumber) { ::kill(pid_t(m_server.processId()), signalNumber); }

private:
    QProcess m_server;
    QByteArray m_display;
    QByteArray m_previous;
};
} // namespace

class TestSettingsFaults : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void oneBadLineKeepsEverySetting();
    void displayGoneKeepsAMovedRuler_data();
    void displayGoneKeepsAMovedRuler();
    void fifoIsRefusedWithoutHanging_data();
    void fifoIsRefusedWithoutHanging();
    void readOnlyFolderIsTold();
};

void TestSettingsFaults::initTestCase()
{
    QVERIFY2(!ProcessDriver::executable().isEmpty(), "GRADORA_EXECUTABLE is not set");
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "these tests need an X display");
}

// A line that the reader cannot make sense of costs that line only: the ruler opens where it was
// stored, and the rest of the file is written back as it was, the damaged file kept beside it.
void TestSettingsFaults::oneBadLineKeepsEverySetting()
{
    ProcessDriver driver;
    const QByteArray stored = "[General]\nborderVisible=false\nzoom=5\ngeometry=@Rect(210 170 400 300)\n"
                              "unit_0_0=Fathoms\njunk\n";
    QVERIFY(writeFile(driver.settingsFile(), stored));
    QProcess *gradora = driver.start();
    const QString ruler = ProcessDriver::rulerWindow(gradora);
    QVERIFY(!ruler.isEmpty());
    QVERIFY(ProcessDriver::waitFor(
        [&] { return ProcessDriver::geometryOf(ruler) == QRect(210, 170, 400, 300); }));
    ::kill(pid_t(gradora->processId()), SIGTERM);
    QVERIFY(gradora->waitForFinished(30000));

    QSettings store(driver.settingsFile(), QSettings::IniFormat);
    QCOMPARE(store.status(), QSettings::NoError);
    QCOMPARE(store.value("geometry").toRect(), QRect(210, 170, 400, 300));
    QCOMPARE(store.value("borderVisible").toString(), QStringLiteral("false"));
    QCOMPARE(store.value("zoom").toInt(), 5);
    QCOMPARE(store.value("unit_0_0").toString(), QStringLiteral("Fathoms"));
    QCOMPARE(contentOf(driver.settingsFile() + QStringLiteral(".damaged")), stored);
}

void TestSettingsFaults::displayGoneKeepsAMovedRuler_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("server ended with TERM") << int(SIGTERM);
    QTest::newRow("server killed") << int(SIGKILL);
}

// The toolkit ends the program when its X connection breaks; the moved ruler is saved on the way out.
void TestSettingsFaults::displayGoneKeepsAMovedRuler()
{
    QFETCH(int, signalNumber);
    ProcessDriver driver;
    PrivateXServer server;
    QVERIFY(server.isRunning());
    QProcess *gradora = driver.start();
    const QString ruler = ProcessDriver::rulerWindow(gradora);
    QVERIFY(!ruler.isEmpty());
    const QRect moved = moveRuler(ruler, QPoint(330, 240));
    QCOMPARE(moved.topLeft(), QPoint(330, 240));
    // The program hears of the move from the server; what is still queued when the connection breaks
    // is lost with it (the toolkit looks at the connection first).
    QTest::qWait(1000);

    server.end(signalNumber);
    QVERIFY(gradora->waitForFinished(30000));
    QSettings store(driver.settingsFile(), QSettings::IniFormat);
    QCOMPARE(store.status(), QSettings::NoError);
    QCOMPARE(store.value("geometry").toRect(), moved);
    QVERIFY(store.contains("canShowToolbox"));
}

void TestSettingsFaults::fifoIsRefusedWithoutHanging_data()
{
    QTest::addColumn<bool>("atTheLock"); // else at the settings file
    QTest::newRow("a FIFO as the settings file") << false;
    QTest::newRow("a FIFO as the lock") << true;
}

// Opening a FIFO for reading waits for a writer for ever: the program says why it cannot start.
void TestSettingsFaults::fifoIsRefusedWithoutHanging()
{
    QFETCH(bool, atTheLock);
    ProcessDriver driver;
    const QString fifo = atTheLock ? SingleInstance(driver.home() + QStringLiteral("/runtime")).lockFilePath()
                                   : driver.settingsFile();
    QDir().mkpath(QFileInfo(fifo).absolutePath());
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

    ProcessDriver::StartOptions options;
    options.keepErrors = true;
    QProcess *gradora = driver.start(options);
    QByteArray errors;
    QVERIFY2(ProcessDriver::waitFor([&] {
                 errors += gradora->readAllStandardError();
                 return errors.contains(fifo.toLocal8Bit());
             }),
             errors.constData());
    QVERIFY(errors.contains("it is not a regular file"));
    // The refusal shows, and no ruler does.
    QVERIFY(ProcessDriver::waitFor([&] { return !ProcessDriver::windows(gradora).isEmpty(); }));
    QVERIFY(ProcessDriver::rulers(gradora).isEmpty());
    gradora->kill();
    QVERIFY(gradora->waitForFinished(10000));
    struct stat status = {};
    QVERIFY(::lstat(QFile::encodeName(fifo).constData(), &status) == 0 && S_ISFIFO(status.st_mode));
}

// A save into a folder the user may not write fails: standard error says where and why, and the
// file keeps what it held. (Run as root, the program runs as nobody, for whom the folder is closed.)
void TestSettingsFaults::readOnlyFolderIsTold()
{
    ProcessDriver driver;
    const QString folder = QFileInfo(driver.settingsFile()).absolutePath();
    const QByteArray stored = "[General]\ngeometry=@Rect(210 170 400 300)\n";
    QVERIFY(writeFile(driver.settingsFile(), stored));
    ProcessDriver::StartOptions options;
    options.keepErrors = true;
    if (::geteuid() == 0) {
        QProcess::execute(QStringLiteral("chown"),
                          {QStringLiteral("-R"), QStringLiteral("%1:%1").arg(kNobody), driver.home()});
        options.wrapper =
            QStringList{QStringLiteral("setpriv"), QStringLiteral("--reuid=%1").arg(kNobody),
                        QStringLiteral("--regid=%1").arg(kNobody), QStringLiteral("--clear-groups")};
    }
    QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                              QFileDevice::ReadOther | QFileDevice::ExeOther));
    QProcess *gradora = driver.start(options);
    const QString ruler = ProcessDriver::rulerWindow(gradora);
    QVERIFY(!ruler.isEmpty());
    moveRuler(ruler, QPoint(330, 240));
    ::kill(pid_t(gradora->processId()), SIGTERM);
    QVERIFY(gradora->waitForFinished(30000));
    const QByteArray errors = gradora->readAllStandardError();
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QVERIFY2(errors.contains("could not save its settings to " + driver.settingsFile().toLocal8Bit() +
                             ": Permission denied"),
             errors.constData());
    QCOMPARE(gradora->exitCode(), 0); // the end still ends
    QCOMPARE(contentOf(driver.settingsFile()), stored);
}

GRADORA_TEST_GUILESS_MAIN(TestSettingsFaults)
#include "tst_settingsfaults.moc"
