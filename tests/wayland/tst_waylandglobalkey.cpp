// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "platform/wayland/portalglobalshortcut.h"
#include "swaysession.h"
#include "testsupport.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The global key in a real Wayland session, with the desktop portal that the session runs: where the
// portal offers global shortcuts the key is asked of it; where it does not (the wlroots and GTK
// backends), the route says so and the program, running through XWayland, tells the user to bind
// `gradora --toggle` instead, rather than grabbing a key that only X windows would see.
class TestWaylandGlobalKey : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void portalAnswersTheBind();
    void programTellsWhatToDoInstead();

private:
    static bool portalOffersGlobalShortcuts();
};

void TestWaylandGlobalKey::initTestCase()
{
    QVERIFY2(SwaySession::isRunning(), "run this test inside tests/with-sway");
    QVERIFY(QDBusConnection::sessionBus().isConnected());
}

bool TestWaylandGlobalKey::portalOffersGlobalShortcuts()
{
    QDBusMessage get = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.portal.Desktop"), QStringLiteral("/org/freedesktop/portal/desktop"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << PortalGlobalShortcut::kInterface << QStringLiteral("version");
    return QDBusConnection::sessionBus().call(get, QDBus::Block, 30000).type() == QDBusMessage::ReplyMessage;
}

void TestWaylandGlobalKey::portalAnswersTheBind()
{
    PortalGlobalShortcut shortcut;
    shortcut.bind(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_G));
    QTRY_VERIFY_WITH_TIMEOUT(shortcut.state() != GlobalShortcut::State::Waiting, 40000);
    if (portalOffersGlobalShortcuts()) {
        QVERIFY2(shortcut.state() != GlobalShortcut::State::Unavailable, qPrintable(shortcut.note()));
        return;
    }
    QCOMPARE(shortcut.state(), GlobalShortcut::State::Unavailable);
    QVERIFY2(shortcut.note().contains(QLatin1String("gradora --toggle")), qPrintable(shortcut.note()));
}

void TestWaylandGlobalKey::programTellsWhatToDoInstead()
{
    if (portalOffersGlobalShortcuts())
        QSKIP("this session's portal offers global shortcuts");
    QTemporaryDir home;
    QDir(home.path()).mkpath(QStringLiteral("config/gradora.net"));
    QFile settings(home.path() + QStringLiteral("/config/gradora.net/Gradora.ini"));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("[General]\nglobalShortcut=Ctrl+Alt+G\n");
    settings.close();

    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/config"));
    env.insert(QStringLiteral("GRADORA_UPDATE_URL"), QStringLiteral("http://127.0.0.1:9/"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    program.setProcessEnvironment(env);
    program.start(qEnvironmentVariable("GRADORA_EXECUTABLE"), {});
    QByteArray errors;
    QTRY_VERIFY_WITH_TIMEOUT((errors += program.readAllStandardError()).contains("global key"), 40000);
    QTRY_VERIFY_WITH_TIMEOUT((errors += program.readAllStandardError()).contains("gradora --toggle"), 5000);
    QVERIFY2(errors.contains("portal"), errors.constData());
    program.kill();
    program.waitForFinished(10000);
}

GRADORA_TEST_MAIN(TestWaylandGlobalKey)
#include "tst_waylandglobalkey.moc"
