// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/applicationbus.h"
#include "app/singleinstance.h"
#include "process/processdriver.h"
#include "testsupport.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QSettings>
#include <QTest>

// Commands for the running copy, as a user, a key binding or a launcher gives them: a second start
// with an option hands it over (over the session bus, or the local socket where there is no bus) and
// exits 0, and the desktop's application interface does the same over the bus.
class TestCommands : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void secondStartActsOnTheRunningCopy_data();
    void secondStartActsOnTheRunningCopy();
    void launcherActionsOverTheBus();
    void commandWhileTheFirstCopyStarts();
    void theBusStartsTheProgramForALauncher_data();
    void theBusStartsTheProgramForALauncher();
    void firstStartWithACommand_data();
    void firstStartWithACommand();

private:
    // Starts a copy with the arguments and waits for it to end; its exit code, -1 when it hung.
    static int runToEnd(ProcessDriver &driver, const QStringList &arguments,
                        const QProcessEnvironment &environment)
    {
        ProcessDriver::StartOptions options;
        options.arguments = arguments;
        options.environment = environment;
        QProcess *process = driver.start(options);
        if (!process->waitForFinished(60000))
            return -1;
        return process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1;
    }

    static QString clipboardText()
    {
        return ProcessDriver::run(
            QStringLiteral("xclip"),
            {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard")});
    }

    static bool hasRulerAt(const QProcess *process, const QRect &geometry)
    {
        const QStringList rulers = ProcessDriver::rulers(process);
        return std::any_of(rulers.begin(), rulers.end(), [&](const QString &ruler) {
            return ProcessDriver::geometryOf(ruler) == geometry;
        });
    }

    static QDBusMessage callCopy(const QString &method, const QVariantList &arguments)
    {
        QDBusMessage message =
            QDBusMessage::createMethodCall(QString::fromLatin1(ApplicationBus::kServiceName),
                                           QString::fromLatin1(ApplicationBus::kObjectPath),
                                           QString::fromLatin1(ApplicationBus::kInterface), method);
        message.setArguments(arguments);
        return QDBusConnection::sessionBus().call(message, QDBus::Block, 10000);
    }

    static QDBusMessage callAction(const QString &action, const QVariantList &parameter = {})
    {
        return callCopy(QStringLiteral("ActivateAction"), {action, parameter, QVariantMap()});
    }
};

void TestCommands::initTestCase()
{
    QVERIFY2(!ProcessDriver::executable().isEmpty(), "GRADORA_EXECUTABLE is not set");
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "these tests need an X display");
    QVERIFY2(QDBusConnection::sessionBus().isConnected(), "these tests run on a private session bus");
    // The readings speak English with a decimal point.
    qputenv("LC_ALL", "C.UTF-8");
    qunsetenv("LANGUAGE");
    // A copy that the bus starts by name takes the bus's environment, made before the test's private
    // home existed: it gets the test's home, display and settings.
    qDBusRegisterMetaType<QMap<QString, QString>>();
    QMap<QString, QString> environment;
    for (const char *variable : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR",
                                 "DISPLAY", "GRADORA_UPDATE_URL", "ASAN_OPTIONS", "LSAN_OPTIONS", "LC_ALL"})
        environment.insert(QString::fromLatin1(variable), qEnvironmentVariable(variable));
    QDBusMessage update = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("UpdateActivationEnvironment"));
    update << QVariant::fromValue(environment);
    const QDBusMessage reply = QDBusConnection::sessionBus().call(update);
    QVERIFY2(reply.type() == QDBusMessage::ReplyMessage, qPrintable(reply.errorMessage()));
}

void TestCommands::secondStartActsOnTheRunningCopy_data()
{
    QTest::addColumn<bool>("withBus");
    QTest::newRow("session bus") << true;
    QTest::newRow("local socket, no bus") << false;
}

void TestCommands::secondStartActsOnTheRunningCopy()
{
    QFETCH(bool, withBus);
    ProcessDriver driver;
    QProcessEnvironment environment;
    if (!withBus)
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                           driver.home() + QStringLiteral("/no-bus"));
    ProcessDriver::StartOptions options;
    options.environment = environment;
    QProcess *first = driver.start(options);
    QVERIFY(!ProcessDriver::rulerWindow(first).isEmpty());
    QVERIFY(ProcessDriver::waitFor(
        [&] { return ApplicationBus::nameOwned(QDBusConnection::sessionBus()) == withBus; }));

    const QRect wanted(100, 600, 400, 50);
    QCOMPARE(runToEnd(driver, {QStringLiteral("--new-ruler"), QStringLiteral("400x50+100+600")}, environment),
             0);
    QVERIFY(ProcessDriver::waitFor(
        [&] { return ProcessDriver::rulers(first).size() == 2 && hasRulerAt(first, wanted); }));

    // The new ruler is the active one: its readings are copied.
    QCOMPARE(runToEnd(driver, {QStringLiteral("--copy-readings")}, environment), 0);
    QVERIFY2(ProcessDriver::waitFor(
                 [] { return clipboardText().startsWith(QStringLiteral("400 \u00D7 50 px\n")); }),
             qPrintable(clipboardText()));

    QCOMPARE(runToEnd(driver, {QStringLiteral("--toggle")}, environment), 0);
    QVERIFY(ProcessDriver::waitFor([&] { return ProcessDriver::windows(first).isEmpty(); }));
    QCOMPARE(runToEnd(driver, {QStringLiteral("--toggle")}, environment), 0);
    QVERIFY(ProcessDriver::waitFor([&] { return ProcessDriver::rulers(first).size() == 2; }));
    QCOMPARE(first->state(), QProcess::Running);

    // Quit saves: the settings file, taken away meanwhile, is written again.
    QVERIFY(QFile::remove(driver.settingsFile()));
    QCOMPARE(runToEnd(driver, {QStringLiteral("--quit")}, environment), 0);
    QVERIFY(first->waitForFinished(30000));
    QCOMPARE(first->exitStatus(), QProcess::NormalExit);
    QCOMPARE(first->exitCode(), 0);
    const QRect saved = QSettings(driver.settingsFile(), QSettings::IniFormat).value("geometry").toRect();
    QVERIFY2(saved == wanted || saved == QRect(0, 0, 640, 480), qPrintable(driver.settingsFile()));

    // With no copy left, a command says so and fails.
    ProcessDriver::StartOptions late;
    late.arguments = {QStringLiteral("--copy-readings")};
    late.environment = environment;
    late.keepErrors = true;
    QProcess *alone = driver.start(late);
    QVERIFY(alone->waitForFinished(30000));
    QCOMPARE(alone->exitCode(), 1);
    QCOMPARE(QString::fromLocal8Bit(alone->readAllStandardError()),
             QStringLiteral("gradora: Gradora is not running.\n"));
}

// What a launcher or dock does with the desktop entry's actions, and a plain activation.
void TestCommands::launcherActionsOverTheBus()
{
    ProcessDriver driver;
    QProcess *first = driver.start();
    QVERIFY(!ProcessDriver::rulerWindow(first).isEmpty());
    QVERIFY(ProcessDriver::waitFor([] { return ApplicationBus::nameOwned(QDBusConnection::sessionBus()); }));

    const QRect wanted(300, 700, 250, 40);
    QCOMPARE(callAction(QStringLiteral("new-ruler"), {QStringLiteral("250x40+300+700")}).type(),
             QDBusMessage::ReplyMessage);
    QVERIFY(ProcessDriver::waitFor([&] { return hasRulerAt(first, wanted); }));
    QCOMPARE(callAction(QStringLiteral("new-ruler")).type(), QDBusMessage::ReplyMessage);
    QVERIFY(ProcessDriver::waitFor([&] { return ProcessDriver::rulers(first).size() == 3; }));
    // Beside the one before, as the menu's "New Ruler" opens it.
    QVERIFY(hasRulerAt(first, QRect(350, 750, 300, 200)));

    const QDBusMessage refused = callAction(QStringLiteral("new-ruler"), {QStringLiteral("huge")});
    QCOMPARE(refused.type(), QDBusMessage::ErrorMessage);

    QCOMPARE(callAction(QStringLiteral("toggle")).type(), QDBusMessage::ReplyMessage);
    QVERIFY(ProcessDriver::waitFor([&] { return ProcessDriver::windows(first).isEmpty(); }));
    // Activating brings back what the toggle hid, and the next toggle hides again.
    QCOMPARE(callCopy(QStringLiteral("Activate"), {QVariantMap()}).type(), QDBusMessage::ReplyMessage);
    QVERIFY(ProcessDriver::waitFor([&] { return ProcessDriver::rulers(first).size() == 3; }));
    QCOMPARE(callAction(QStringLiteral("toggle")).type(), QDBusMessage::ReplyMessage);
    QVERIFY(ProcessDriver::waitFor([&] { return ProcessDriver::windows(first).isEmpty(); }));
    QCOMPARE(callAction(QStringLiteral("toggle")).type(), QDBusMessage::ReplyMessage);
    QVERIFY(ProcessDriver::waitFor([&] { return ProcessDriver::rulers(first).size() == 3; }));

    QCOMPARE(callAction(QStringLiteral("copy-readings")).type(), QDBusMessage::ReplyMessage);
    QVERIFY(ProcessDriver::waitFor([] { return clipboardText().contains(QStringLiteral(" px\n")); }));

    QCOMPARE(callAction(QStringLiteral("quit")).type(), QDBusMessage::ReplyMessage);
    QVERIFY(first->waitForFinished(30000));
    QCOMPARE(first->exitCode(), 0);
    QVERIFY(QFile::exists(driver.settingsFile()));
    QVERIFY(ProcessDriver::waitFor([] { return !ApplicationBus::nameOwned(QDBusConnection::sessionBus()); }));
}

// A key pressed while the program is still coming up: the copy holds its lock but does not listen
// yet. The second start waits for it instead of failing.
void TestCommands::commandWhileTheFirstCopyStarts()
{
    ProcessDriver driver;
    QProcess *first = driver.start();
    const QString lock =
        driver.home() +
        QStringLiteral("/runtime/gradora-%1.lock").arg(QLatin1String(SingleInstance::kInstanceKey));
    QVERIFY(ProcessDriver::waitFor([&] { return QFile::exists(lock); }));
    QCOMPARE(runToEnd(driver, {QStringLiteral("--new-ruler"), QStringLiteral("200x40+600+100")}, {}), 0);
    QVERIFY(ProcessDriver::waitFor([&] { return hasRulerAt(first, QRect(600, 100, 200, 40)); }));
    QCOMPARE(ProcessDriver::rulers(first).size(), 2);
    QCOMPARE(runToEnd(driver, {QStringLiteral("--quit")}, {}), 0);
    QVERIFY(first->waitForFinished(30000));
}

// A launcher activates the program, or one of its actions, by its name when none runs: the bus
// starts it from its service file, the program takes the name and answers the call that started it
// as a first start with that command: the rulers show, and a new ruler is the first one.
void TestCommands::theBusStartsTheProgramForALauncher_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<QVariantList>("arguments");
    QTest::addColumn<QRect>("geometry");
    // The first ruler of an empty store stands at the top left, 640 × 480.
    QTest::newRow("Activate") << "Activate" << QVariantList{QVariantMap()} << QRect(0, 0, 640, 480);
    QTest::newRow("Show or Hide Rulers shows them")
        << "ActivateAction" << QVariantList{"toggle", QVariantList(), QVariantMap()} << QRect(0, 0, 640, 480);
    QTest::newRow("New Ruler is the first ruler")
        << "ActivateAction" << QVariantList{"new-ruler", QVariantList(), QVariantMap()} << QRect(0, 0, 640, 480);
    QTest::newRow("new-ruler at a place")
        << "ActivateAction" << QVariantList{"new-ruler", QVariantList{"320x50+400+500"}, QVariantMap()}
        << QRect(400, 500, 320, 50);
}

void TestCommands::theBusStartsTheProgramForALauncher()
{
    QFETCH(QString, method);
    QFETCH(QVariantList, arguments);
    QFETCH(QRect, geometry);
    QDBusConnection bus = QDBusConnection::sessionBus();
    QFile::remove(QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).filePath(QStringLiteral("gradora.net/Gradora.ini")));
    QVERIFY(!ApplicationBus::nameOwned(bus));
    QCOMPARE(callCopy(method, arguments).type(), QDBusMessage::ReplyMessage);
    QVERIFY(ApplicationBus::nameOwned(bus));
    const uint pid = bus.interface()->servicePid(QString::fromLatin1(ApplicationBus::kServiceName));
    QVERIFY(pid > 0);
    QStringList shown;
    const auto rulerThere = [&] {
        shown = ProcessDriver::run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                               QStringLiteral("--name"), QStringLiteral("^Gradora$")})
                    .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        return shown.size() == 1 && ProcessDriver::geometryOf(shown.first()) == geometry;
    };
    QVERIFY2(ProcessDriver::waitFor(rulerThere), qPrintable(shown.join(QLatin1Char(' '))));
    // Still so a moment later: nothing hid it or opened another.
    QTest::qWait(500);
    QVERIFY(rulerThere());
    QCOMPARE(callAction(QStringLiteral("quit")).type(), QDBusMessage::ReplyMessage);
    QVERIFY(ProcessDriver::waitFor([&bus] { return !ApplicationBus::nameOwned(bus); }));
    QVERIFY(QFile::exists(QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).filePath(QStringLiteral("gradora.net/Gradora.ini"))));
}

void TestCommands::firstStartWithACommand_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QRect>("geometry");
    // The first ruler of an empty store stands at the top left, 640 × 480.
    QTest::newRow("--new-ruler at a place")
        << QStringList{"--new-ruler", "300x70+200+300"} << QRect(200, 300, 300, 70);
    QTest::newRow("--new-ruler=size") << QStringList{"--new-ruler=500x90"} << QRect(0, 0, 500, 90);
    QTest::newRow("--new-ruler beyond the screens is fitted")
        << QStringList{"--new-ruler", "300x70+5000+5000"} << QRect(1880, 1040, 300, 70);
    QTest::newRow("--toggle shows the program") << QStringList{"--toggle"} << QRect(0, 0, 640, 480);
}

void TestCommands::firstStartWithACommand()
{
    QFETCH(QStringList, arguments);
    QFETCH(QRect, geometry);
    ProcessDriver driver;
    ProcessDriver::StartOptions options;
    options.arguments = arguments;
    QProcess *first = driver.start(options);
    QVERIFY(!ProcessDriver::rulerWindow(first).isEmpty());
    QVERIFY2(ProcessDriver::waitFor([&] { return hasRulerAt(first, geometry); }),
             qPrintable(QStringLiteral("%1 %2")
                            .arg(ProcessDriver::rulers(first).size())
                            .arg(ProcessDriver::rulers(first).join(' '))));
    QCOMPARE(ProcessDriver::rulers(first).size(), 1);
    QCOMPARE(runToEnd(driver, {QStringLiteral("--quit")}, {}), 0);
    QVERIFY(first->waitForFinished(30000));
    QCOMPARE(first->exitCode(), 0);
}

GRADORA_TEST_MAIN(TestCommands)
#include "tst_commands.moc"
