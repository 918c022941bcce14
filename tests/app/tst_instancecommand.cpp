// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/instancecommand.h"
#include "testsupport.h"

#include <QTest>

using InstanceCommand::Command;
using InstanceCommand::Kind;
using InstanceCommand::Route;
using OptionalRect = std::optional<QRect>;
using OptionalCommand = std::optional<Command>;

Q_DECLARE_METATYPE(OptionalRect)
Q_DECLARE_METATYPE(OptionalCommand)
Q_DECLARE_METATYPE(InstanceCommand::Route)
Q_DECLARE_METATYPE(InstanceCommand::Kind)
Q_DECLARE_METATYPE(InstanceCommand::Command)
Q_DECLARE_METATYPE(InstanceCommand::AfterStart)

// What a second start asks of the running copy, read and written as it travels.
class TestInstanceCommand : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void geometry_data();
    void geometry();
    void lines_data();
    void lines();
    void everyCommandTravelsBothWays_data();
    void everyCommandTravelsBothWays();
    void actions_data();
    void actions();
    void afterStart_data();
    void afterStart();
    void route_data();
    void route();
};

void TestInstanceCommand::geometry_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<OptionalRect>("geometry");

    QTest::newRow("size only") << "300x60" << OptionalRect(QRect(0, 0, 300, 60));
    QTest::newRow("size and place") << "300x60+100+200" << OptionalRect(QRect(100, 200, 300, 60));
    QTest::newRow("capital X") << "300X60+1+2" << OptionalRect(QRect(1, 2, 300, 60));
    QTest::newRow("left of the first screen, minus")
        << "300x60-200-10" << OptionalRect(QRect(-200, -10, 300, 60));
    QTest::newRow("left of the first screen, plus minus")
        << "300x60+-200+0" << OptionalRect(QRect(-200, 0, 300, 60));
    QTest::newRow("largest side") << "100000x1" << OptionalRect(QRect(0, 0, 100000, 1));
    QTest::newRow("empty") << "" << OptionalRect();
    QTest::newRow("width only") << "300" << OptionalRect();
    QTest::newRow("zero width") << "0x60" << OptionalRect();
    QTest::newRow("zero height") << "300x0+0+0" << OptionalRect();
    QTest::newRow("negative size") << "-300x60" << OptionalRect();
    QTest::newRow("side too large") << "100001x60" << OptionalRect();
    QTest::newRow("ten digits would overflow") << "300x60+9999999999+0" << OptionalRect();
    QTest::newRow("one offset only") << "300x60+100" << OptionalRect();
    QTest::newRow("minus minus") << "300x60--5+0" << OptionalRect();
    QTest::newRow("letters") << "wide x tall" << OptionalRect();
    QTest::newRow("blank around") << " 300x60" << OptionalRect();
    QTest::newRow("trailing garbage") << "300x60+1+2junk" << OptionalRect();
    QTest::newRow("decimal") << "300.5x60" << OptionalRect();
    QTest::newRow("other digits") << QString::fromUtf8("\u0663\u0660\u0660x60") << OptionalRect();
    QTest::newRow("other digits in a coordinate")
        << QString::fromUtf8("300x60+\u0663+0") << OptionalRect();
}

void TestInstanceCommand::geometry()
{
    QFETCH(QString, text);
    QFETCH(OptionalRect, geometry);
    QCOMPARE(InstanceCommand::parseGeometry(text), geometry);
    // What is written reads back as the same rectangle.
    if (geometry)
        QCOMPARE(InstanceCommand::parseGeometry(InstanceCommand::geometryText(*geometry)), geometry);
}

void TestInstanceCommand::lines_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<OptionalCommand>("command");

    QTest::newRow("raise") << QByteArray("raise\n") << OptionalCommand(Command{});
    QTest::newRow("new ruler") << QByteArray("new-ruler\n") << OptionalCommand(Command{Kind::NewRuler, {}});
    QTest::newRow("new ruler at a place") << QByteArray("new-ruler 30x40-5+6\n")
                                          << OptionalCommand(Command{Kind::NewRuler, QRect(-5, 6, 30, 40)});
    QTest::newRow("toggle") << QByteArray("toggle\n") << OptionalCommand(Command{Kind::Toggle, {}});
    QTest::newRow("copy readings") << QByteArray("copy-readings\n")
                                   << OptionalCommand(Command{Kind::CopyReadings, {}});
    QTest::newRow("quit") << QByteArray("quit\n") << OptionalCommand(Command{Kind::Quit, {}});
    QTest::newRow("no line feed") << QByteArray("quit") << OptionalCommand();
    QTest::newRow("unknown") << QByteArray("format-disk\n") << OptionalCommand();
    QTest::newRow("empty line") << QByteArray("\n") << OptionalCommand();
    QTest::newRow("raise with a value") << QByteArray("raise 1x1\n") << OptionalCommand();
    QTest::newRow("toggle with a value") << QByteArray("toggle 1x1\n") << OptionalCommand();
    QTest::newRow("bad geometry") << QByteArray("new-ruler 0x0\n") << OptionalCommand();
    QTest::newRow("two geometries") << QByteArray("new-ruler 1x1 2x2\n") << OptionalCommand();
    QTest::newRow("trailing blank") << QByteArray("new-ruler \n") << OptionalCommand();
    QTest::newRow("too long") << QByteArray("new-ruler " + QByteArray(80, '1') + "\n") << OptionalCommand();
    QTest::newRow("case counts") << QByteArray("QUIT\n") << OptionalCommand();
}

void TestInstanceCommand::lines()
{
    QFETCH(QByteArray, line);
    QFETCH(OptionalCommand, command);
    QCOMPARE(InstanceCommand::fromLine(line), command);
}

void TestInstanceCommand::everyCommandTravelsBothWays_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::newRow("raise") << Kind::Raise;
    for (Kind kind : {Kind::NewRuler, Kind::Toggle, Kind::CopyReadings, Kind::Quit})
        QTest::newRow(qPrintable(InstanceCommand::actionName(kind))) << kind;
}

void TestInstanceCommand::everyCommandTravelsBothWays()
{
    QFETCH(Kind, kind);
    Command command{kind, {}};
    QCOMPARE(InstanceCommand::fromLine(InstanceCommand::toLine(command)), OptionalCommand(command));
    if (command.kind != Kind::Raise) {
        QCOMPARE(InstanceCommand::fromAction(InstanceCommand::actionName(command.kind), {}),
                 OptionalCommand(command));
    }
    if (command.kind == Kind::NewRuler) {
        command.geometry = QRect(-100000, 7, 100000, 100000);
        QCOMPARE(InstanceCommand::fromLine(InstanceCommand::toLine(command)), OptionalCommand(command));
    }
}

void TestInstanceCommand::actions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("parameters");
    QTest::addColumn<OptionalCommand>("command");

    QTest::newRow("new-ruler") << "new-ruler" << QStringList()
                               << OptionalCommand(Command{Kind::NewRuler, {}});
    QTest::newRow("new-ruler with a geometry")
        << "new-ruler" << QStringList{"10x20+30+40"}
        << OptionalCommand(Command{Kind::NewRuler, QRect(30, 40, 10, 20)});
    QTest::newRow("new-ruler with a bad geometry") << "new-ruler" << QStringList{"big"} << OptionalCommand();
    QTest::newRow("new-ruler with a parameter that is no text")
        << "new-ruler" << QStringList{QString()} << OptionalCommand();
    QTest::newRow("new-ruler with two geometries")
        << "new-ruler" << QStringList{"1x1", "2x2"} << OptionalCommand();
    QTest::newRow("toggle") << "toggle" << QStringList() << OptionalCommand(Command{Kind::Toggle, {}});
    QTest::newRow("toggle with a parameter") << "toggle" << QStringList{"1x1"} << OptionalCommand();
    QTest::newRow("copy-readings") << "copy-readings" << QStringList()
                                   << OptionalCommand(Command{Kind::CopyReadings, {}});
    QTest::newRow("quit") << "quit" << QStringList() << OptionalCommand(Command{Kind::Quit, {}});
    QTest::newRow("raise is Activate, not an action") << "raise" << QStringList() << OptionalCommand();
    QTest::newRow("unknown") << "preferences" << QStringList() << OptionalCommand();
}

void TestInstanceCommand::actions()
{
    QFETCH(QString, name);
    QFETCH(QStringList, parameters);
    QFETCH(OptionalCommand, command);
    QCOMPARE(InstanceCommand::fromAction(name, parameters), command);
}

void TestInstanceCommand::afterStart_data()
{
    using InstanceCommand::AfterStart;
    QTest::addColumn<Command>("starter");
    QTest::addColumn<AfterStart>("left");
    QTest::newRow("raise: the rulers are up") << Command{} << AfterStart::Nothing;
    QTest::newRow("toggle: shown, not hidden at once") << Command{Kind::Toggle, {}} << AfterStart::Nothing;
    QTest::newRow("new ruler: the first one") << Command{Kind::NewRuler, {}} << AfterStart::Nothing;
    QTest::newRow("new ruler at a place: the first one goes there")
        << Command{Kind::NewRuler, QRect(1, 2, 30, 40)} << AfterStart::PlaceFirstRuler;
    QTest::newRow("copy readings") << Command{Kind::CopyReadings, {}} << AfterStart::CarryOut;
    QTest::newRow("quit") << Command{Kind::Quit, {}} << AfterStart::CarryOut;
}

void TestInstanceCommand::afterStart()
{
    QFETCH(Command, starter);
    QFETCH(InstanceCommand::AfterStart, left);
    QCOMPARE(InstanceCommand::afterStart(starter), left);
}

void TestInstanceCommand::route_data()
{
    QTest::addColumn<bool>("busConnected");
    QTest::addColumn<bool>("nameOwned");
    QTest::addColumn<Route>("route");

    QTest::newRow("a bus with the copy on it") << true << true << Route::SessionBus;
    QTest::newRow("a bus without the copy") << true << false << Route::LocalSocket;
    QTest::newRow("no bus") << false << false << Route::LocalSocket;
}

void TestInstanceCommand::route()
{
    QFETCH(bool, busConnected);
    QFETCH(bool, nameOwned);
    QFETCH(Route, route);
    QCOMPARE(InstanceCommand::routeTo(busConnected, nameOwned), route);
}

GRADORA_TEST_GUILESS_MAIN(TestInstanceCommand)
#include "tst_instancecommand.moc"
