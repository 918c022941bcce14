// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The Wayland test session itself (tests/with-sway), before any test trusts it: sway shows one screen
// of the known size, XWayland answers, the desktop portal takes a picture equal to the compositor's
// own, the input client reaches native and XWayland windows exactly and with its modifiers, and a
// native window shows its colour exactly where sway puts it.
#include "swaysession.h"
#include "testsupport.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

using namespace SwaySession;

namespace {
const QRect kWindow(300, 200, 400, 300);
const QColor kWindowColor(0x33, 0x99, 0xcc);
// Where the pointer waits when it should be out of the way of every window of a test.
const QPoint kOutOfTheWay(1900, 1060);

// An X client of known keys: xev reports every key event with the modifiers the X server holds.
class XevWindow
{
public:
    explicit XevWindow(const QString &name)
    {
        m_process.start(QStringLiteral("xev"), {QStringLiteral("-name"), name, QStringLiteral("-geometry"),
                                                QStringLiteral("200x150+0+0"), QStringLiteral("-event"),
                                                QStringLiteral("keyboard")});
    }
    ~XevWindow()
    {
        m_process.kill();
        m_process.waitForFinished(2000);
    }
    QString output()
    {
        m_output += QString::fromLocal8Bit(m_process.readAllStandardOutput());
        return m_output;
    }

private:
    QProcess m_process;
    QString m_output;
};
} // namespace

// Hears the one answer of a portal request.
class PortalAnswer : public QObject
{
    Q_OBJECT
public:
    bool answered = false;
    uint response = 0;
    QVariantMap results;

public Q_SLOTS:
    void take(uint code, const QVariantMap &values)
    {
        answered = true;
        response = code;
        results = values;
    }
};

class TestSwaySession : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void oneScreenOfTheKnownSize();
    void xwaylandAnswers();
    void portalPictureEqualsTheCompositors();
    void pointerReachesANativeWindowExactly();
    void keysReachANativeWindowWithTheirModifiers();
    void keysReachXWaylandWithTheirModifiers();
    void nativeWindowShowsItsColorWhereSwayPutsIt();
};

void TestSwaySession::initTestCase()
{
    QVERIFY2(isRunning(), "run this test inside tests/with-sway");
}

void TestSwaySession::oneScreenOfTheKnownSize()
{
    const QJsonArray outputs = queryList(QStringLiteral("get_outputs"));
    QCOMPARE(outputs.size(), 1);
    const QJsonObject output = outputs.first().toObject();
    QVERIFY(output.value(QLatin1String("active")).toBool());
    QCOMPARE(rectOf(output), kScreen);
    QCOMPARE(output.value(QLatin1String("scale")).toDouble(), 1.0);
}

void TestSwaySession::xwaylandAnswers()
{
    QVERIFY(!qEnvironmentVariableIsEmpty("DISPLAY"));
    const Finished root = run(QStringLiteral("xwininfo"), {QStringLiteral("-root")});
    QCOMPARE(root.exitCode, 0);
    QVERIFY2(root.output.contains("Width: 1920") && root.output.contains("Height: 1080"), root.output.constData());
}

// The portal's picture (org.freedesktop.portal.Screenshot, asked quietly) is the compositor's own.
void TestSwaySession::portalPictureEqualsTheCompositors()
{
    // The portal's wlroots backend always writes this file; one left by another user blocks it.
    const QString fixedFile = QStringLiteral("/tmp/out.png");
    QVERIFY2(!QFile::exists(fixedFile) || QFileInfo(fixedFile).isWritable(),
             "/tmp/out.png belongs to another user: the portal cannot write its picture until it is removed");
    ColorWindow window;
    QVERIFY(window.show(kWindow, kWindowColor));
    QVERIFY(moveTo(kOutOfTheWay));

    QDBusConnection bus = QDBusConnection::sessionBus();
    QVERIFY(bus.isConnected());
    const QString token = QStringLiteral("gradora_session_test");
    const QString sender = bus.baseService().mid(1).replace(QLatin1Char('.'), QLatin1Char('_'));
    const QString requestPath = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
    PortalAnswer answer;
    QVERIFY(bus.connect(QStringLiteral("org.freedesktop.portal.Desktop"), requestPath,
                        QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"), &answer,
                        SLOT(take(uint, QVariantMap))));
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.portal.Desktop"), QStringLiteral("/org/freedesktop/portal/desktop"),
        QStringLiteral("org.freedesktop.portal.Screenshot"), QStringLiteral("Screenshot"));
    call << QString() << QVariantMap{{QStringLiteral("handle_token"), token}, {QStringLiteral("interactive"), false}};
    QElapsedTimer timer;
    timer.start();
    const QDBusMessage reply = bus.call(call, QDBus::Block, 20000);
    QVERIFY2(reply.type() == QDBusMessage::ReplyMessage, qPrintable(reply.errorMessage()));
    QVERIFY2(waitFor([&] { return answer.answered; }, 20000), "the portal did not answer within 20 s");
    qInfo("the portal answered in %lld ms", timer.elapsed());
    QCOMPARE(answer.response, 0u);
    const QString file = QUrl(answer.results.value(QStringLiteral("uri")).toString()).toLocalFile();
    QVERIFY2(!file.isEmpty(), "the answer names no file");
    const QImage portal = QImage(file).convertToFormat(QImage::Format_RGB32);
    QFile::remove(file);
    const QImage compositor = screen();
    QCOMPARE(portal.size(), kScreen.size());
    QCOMPARE(compositor.size(), kScreen.size());
    QVERIFY(portal == compositor);
    QCOMPARE(pixelsOfColor(portal, kWindow, kWindowColor), kWindow.width() * kWindow.height());
}

void TestSwaySession::pointerReachesANativeWindowExactly()
{
    ColorWindow window;
    QVERIFY(window.show(kWindow, kWindowColor));
    QVERIFY(input({QStringLiteral("move"), QString::number(kWindow.x() + 37), QString::number(kWindow.y() + 53),
                   QStringLiteral("click")}));
    QVERIFY2(waitFor([&] { return window.reports().contains(QStringLiteral("button 272 released")); }, 5000),
             qPrintable(window.reports().join(QLatin1Char('|'))));
    const QStringList reports = window.reports();
    QVERIFY2(reports.contains(QStringLiteral("pointer 37 53")), qPrintable(reports.join(QLatin1Char('|'))));
    QVERIFY(reports.indexOf(QStringLiteral("button 272 pressed")) <
            reports.indexOf(QStringLiteral("button 272 released")));
}

// Ctrl+Shift+A: the window sees the A key (evdev 30) while Shift (1) and Control (4) are held.
void TestSwaySession::keysReachANativeWindowWithTheirModifiers()
{
    ColorWindow window;
    QVERIFY(window.show(kWindow, kWindowColor));
    QVERIFY(window.focus());
    QVERIFY(press(QStringLiteral("ctrl+shift+a")));
    QVERIFY2(waitFor([&] { return window.reports().contains(QStringLiteral("key 30 released 5")); }, 5000),
             qPrintable(window.reports().join(QLatin1Char('|'))));
    QVERIFY(window.reports().contains(QStringLiteral("key 30 pressed 5")));
}

// Tools that type through XTEST or send only the modifier state lose the modifiers here.
void TestSwaySession::keysReachXWaylandWithTheirModifiers()
{
    const QString name = QStringLiteral("gradora-session-xev");
    XevWindow xev(name);
    QVERIFY(waitFor([&] { return command(QStringLiteral("[title=\"^%1$\"] focus").arg(name)); }, 10000));
    QTest::qWait(300);
    QVERIFY(press(QStringLiteral("ctrl+shift+a")));
    QVERIFY(press(QStringLiteral("alt+e")));
    // X reports Shift as 0x1, Control as 0x4 and Alt (Mod1) as 0x8 in the state of the key's event.
    QVERIFY2(
        waitFor(
            [&] { return xev.output().contains(QLatin1String("state 0x8, keycode 26 (keysym 0x65, e)")); },
            5000),
        qPrintable(xev.output()));
    QVERIFY2(xev.output().contains(QLatin1String("state 0x5, keycode 38 (keysym 0x41, A)")), qPrintable(xev.output()));
}

void TestSwaySession::nativeWindowShowsItsColorWhereSwayPutsIt()
{
    ColorWindow window;
    QVERIFY(window.show(kWindow, kWindowColor));
    QVERIFY(moveTo(kOutOfTheWay));
    const QImage picture = screen();
    QCOMPARE(pixelsOfColor(picture, kWindow, kWindowColor), kWindow.width() * kWindow.height());
    const QRect ring = kWindow.adjusted(-1, -1, 1, 1);
    QCOMPARE(pixelsOfColor(picture, ring, kWindowColor), kWindow.width() * kWindow.height());
}

GRADORA_TEST_MAIN(TestSwaySession)
#include "tst_swaysession.moc"
