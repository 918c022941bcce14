// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/commandline.h"
#include "testsupport.h"

#include <QProcess>
#include <QTest>

using CommandLine::Action;

Q_DECLARE_METATYPE(CommandLine::Action)
Q_DECLARE_METATYPE(InstanceCommand::Command)

class TestCommandLine : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void parse_data();
    void parse();
    void commandForTheRunningCopy_data();
    void commandForTheRunningCopy();
    void runsWithoutDisplay_data();
    void runsWithoutDisplay();
};

void TestCommandLine::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("error");

    QTest::newRow("nothing") << QStringList{} << Action::Run << QString();
    QTest::newRow("--help") << QStringList{"--help"} << Action::ShowHelp << QString();
    QTest::newRow("-h") << QStringList{"-h"} << Action::ShowHelp << QString();
    QTest::newRow("--version") << QStringList{"--version"} << Action::ShowVersion << QString();
    QTest::newRow("-v") << QStringList{"-v"} << Action::ShowVersion << QString();
    QTest::newRow("--help-page") << QStringList{"--help-page"} << Action::ShowHelpPage << QString();
    QTest::newRow("help wins over version")
        << QStringList{"--version", "--help"} << Action::ShowHelp << QString();
    QTest::newRow("toolkit: -platform xcb") << QStringList{"-platform", "xcb"} << Action::Run << QString();
    QTest::newRow("toolkit: --platform=offscreen")
        << QStringList{"--platform=offscreen"} << Action::Run << QString();
    QTest::newRow("toolkit: -style and -reverse")
        << QStringList{"-style", "Fusion", "-reverse"} << Action::Run << QString();
    QTest::newRow("toolkit: session restore")
        << QStringList{"-session", "10d5f3a9c8_1", "-name", "gradora"} << Action::Run << QString();
    QTest::newRow("toolkit option with --version")
        << QStringList{"-display", ":1", "--version"} << Action::ShowVersion << QString();
    QTest::newRow("unknown long option")
        << QStringList{"--bogus"} << Action::Refuse << QString("Unknown option 'bogus'.");
    QTest::newRow("unknown one-dash option")
        << QStringList{"-x"} << Action::Refuse << QString("Unknown option 'x'.");
    QTest::newRow("unknown option beside --help")
        << QStringList{"--help", "--bogus"} << Action::Refuse << QString("Unknown option 'bogus'.");
    QTest::newRow("toolkit option without its value")
        << QStringList{"-platform"} << Action::Refuse << QString("Missing value after '-platform'.");
    QTest::newRow("a stray argument")
        << QStringList{"picture.png"} << Action::Refuse << QString("Unexpected argument 'picture.png'.");
    QTest::newRow("a value given to a flag")
        << QStringList{"--version=2"} << Action::Refuse << QString("Unexpected value after '--version'.");
    QTest::newRow("--new-ruler starts or hands over")
        << QStringList{"--new-ruler"} << Action::Run << QString();
    QTest::newRow("--new-ruler with a geometry")
        << QStringList{"--new-ruler", "300x60+10+20"} << Action::Run << QString();
    QTest::newRow("--new-ruler=geometry") << QStringList{"--new-ruler=300x60"} << Action::Run << QString();
    QTest::newRow("geometry before --new-ruler")
        << QStringList{"300x60", "--new-ruler"} << Action::Run << QString();
    QTest::newRow("--toggle") << QStringList{"--toggle"} << Action::Run << QString();
    QTest::newRow("--copy-readings") << QStringList{"--copy-readings"} << Action::SendToRunningCopy
                                     << QString();
    QTest::newRow("--quit") << QStringList{"--quit"} << Action::SendToRunningCopy << QString();
    QTest::newRow("--help beside a command")
        << QStringList{"--quit", "--help"} << Action::ShowHelp << QString();
    QTest::newRow("--new-ruler with a bad geometry")
        << QStringList{"--new-ruler", "300x0"} << Action::Refuse
        << QString("'300x0' is not a ruler geometry: give WxH or WxH+X+Y, e.g. 300x60+100+200.");
    QTest::newRow("--new-ruler= with a bad geometry")
        << QStringList{"--new-ruler=+1+1"} << Action::Refuse
        << QString("'+1+1' is not a ruler geometry: give WxH or WxH+X+Y, e.g. 300x60+100+200.");
    QTest::newRow("--new-ruler= with nothing")
        << QStringList{"--new-ruler="} << Action::Refuse
        << QString("'' is not a ruler geometry: give WxH or WxH+X+Y, e.g. 300x60+100+200.");
    QTest::newRow("--new-ruler with two geometries")
        << QStringList{"--new-ruler", "1x1", "2x2"} << Action::Refuse
        << QString("Unexpected argument '2x2'.");
    QTest::newRow("a geometry without --new-ruler")
        << QStringList{"--toggle", "300x60"} << Action::Refuse << QString("Unexpected argument '300x60'.");
    QTest::newRow("two commands")
        << QStringList{"--toggle", "--quit"} << Action::Refuse
        << QString("Give only one of --new-ruler, --toggle, --copy-readings and --quit.");
}

void TestCommandLine::commandForTheRunningCopy_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<InstanceCommand::Command>("command");

    using InstanceCommand::Kind;
    QTest::newRow("a plain start raises") << QStringList{} << InstanceCommand::Command{};
    QTest::newRow("toolkit options only") << QStringList{"-platform", "xcb"} << InstanceCommand::Command{};
    QTest::newRow("--new-ruler") << QStringList{"--new-ruler"}
                                 << InstanceCommand::Command{Kind::NewRuler, {}};
    QTest::newRow("--new-ruler at a place")
        << QStringList{"--new-ruler", "300x60-10+20"}
        << InstanceCommand::Command{Kind::NewRuler, QRect(-10, 20, 300, 60)};
    QTest::newRow("--new-ruler=size") << QStringList{"--new-ruler=300x60"}
                                      << InstanceCommand::Command{Kind::NewRuler, QRect(0, 0, 300, 60)};
    QTest::newRow("--toggle") << QStringList{"--toggle"} << InstanceCommand::Command{Kind::Toggle, {}};
    QTest::newRow("--copy-readings") << QStringList{"--copy-readings"}
                                     << InstanceCommand::Command{Kind::CopyReadings, {}};
    QTest::newRow("--quit") << QStringList{"--quit"} << InstanceCommand::Command{Kind::Quit, {}};
}

void TestCommandLine::commandForTheRunningCopy()
{
    QFETCH(QStringList, arguments);
    QFETCH(InstanceCommand::Command, command);
    QCOMPARE(CommandLine::parse(QStringList{"/usr/bin/gradora"} + arguments).command, command);
}

void TestCommandLine::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(Action, action);
    QFETCH(QString, error);
    const CommandLine::Request request = CommandLine::parse(QStringList{"/usr/bin/gradora"} + arguments);
    QCOMPARE(request.action, action);
    QCOMPARE(request.error, error);
}

void TestCommandLine::runsWithoutDisplay_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("errorOutput");

    QTest::newRow("--version") << QStringList{"--version"} << "C.UTF-8" << 0 << "Gradora 6.0\n" << QString();
    QTest::newRow("--help") << QStringList{"--help"} << "C.UTF-8" << 0
                            << "  -v, --version    Show the version and exit." << QString();
    QTest::newRow("--help in German") << QStringList{"--help"} << "de_DE.UTF-8" << 0
                                      << "  -v, --version    Die Version zeigen und beenden." << QString();
    QTest::newRow("--help-page beside the program")
        << QStringList{"--help-page"} << "C.UTF-8" << 0 << "/_help.html\n"
        << QString();
    QTest::newRow("unknown option")
        << QStringList{"--bogus"} << "C.UTF-8" << CommandLine::kUsageError << QString()
        << "gradora: Unknown option 'bogus'.\nTry 'gradora --help' for more information.\n";
    // Nothing runs (the test's runtime folder is its own, and no session bus is reached).
    QTest::newRow("--quit with no running copy")
        << QStringList{"--quit"} << "C.UTF-8" << CommandLine::kNotRunning << QString()
        << "gradora: Gradora is not running.\n";
    QTest::newRow("--copy-readings with no running copy")
        << QStringList{"--copy-readings"} << "C.UTF-8" << CommandLine::kNotRunning << QString()
        << "gradora: Gradora is not running.\n";
    QTest::newRow("--new-ruler with a bad geometry")
        << QStringList{"--new-ruler", "x"} << "C.UTF-8" << CommandLine::kUsageError << QString()
        << "gradora: 'x' is not a ruler geometry: give WxH or WxH+X+Y, e.g. 300x60+100+200.\n"
           "Try 'gradora --help' for more information.\n";
    QTest::newRow("--help tells of the commands")
        << QStringList{"--help"} << "C.UTF-8" << 0 << "[WxH+X+Y]" << QString();
    QTest::newRow("unknown option in German")
        << QStringList{"--bogus"} << "de_DE.UTF-8" << CommandLine::kUsageError << QString()
        << "gradora: Unbekannte Option 'bogus'.\n»gradora --help« gibt weitere Auskunft.\n";
}

void TestCommandLine::runsWithoutDisplay()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, language);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, errorOutput);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *variable :
         {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL", "LC_MESSAGES", "LANGUAGE"})
        env.remove(QString::fromLatin1(variable));
    // No bus at all: a command for the running copy finds none, and none is started.
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("unix:path=/nonexistent/bus"));
    env.insert(QStringLiteral("LANG"), language);
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(qEnvironmentVariable("GRADORA_EXECUTABLE"), arguments);
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), exitCode);
    const QString out = QString::fromUtf8(program.readAllStandardOutput());
    const QString err = QString::fromUtf8(program.readAllStandardError());
    QVERIFY2(out.contains(output), qPrintable(out));
    if (output.isEmpty())
        QVERIFY2(out.isEmpty(), qPrintable(out));
    QCOMPARE(err, errorOutput);
}

GRADORA_TEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
