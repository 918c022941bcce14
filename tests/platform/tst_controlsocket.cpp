// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The compositor's control socket: the framing of its messages, the reading of its answers and of its
// layout tree, the placement command, and whole exchanges with a stand-in compositor on a socket of
// the test's own.
#include "platform/wayland/compositortree.h"
#include "platform/wayland/controlsocket.h"
#include "platform/wayland/controlsocketmessage.h"
#include "platform/wayland/portaldesktop.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <QWindow>
#include <QTest>
#include <QtEndian>

#include <atomic>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

using Outcome = ControlSocket::Result::Outcome;
Q_DECLARE_METATYPE(Outcome)

namespace {
// The header in the byte order of the machine (the compositor's, on the same machine).
QByteArray header(quint32 length, quint32 type)
{
    QByteArray bytes = QByteArrayLiteral("i3-ipc");
    bytes.append(reinterpret_cast<const char *>(&length), 4);
    bytes.append(reinterpret_cast<const char *>(&type), 4);
    return bytes;
}

QByteArray reply(const QByteArray &payload, quint32 type = 0)
{
    return header(quint32(payload.size()), type) + payload;
}

// A compositor that takes one connection, reads one message and answers it with `answer` (nothing
// with an empty answer, keeping the connection open until the test ends).
class StandInCompositor
{
public:
    bool listen(const QString &path)
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = path.toLocal8Bit();
        std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
        m_fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        return m_fd >= 0 && ::bind(m_fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0 &&
               ::listen(m_fd, 1) == 0;
    }
    void answerWith(const QByteArray &answer)
    {
        m_thread = std::thread([this, answer] {
            const int client = ::accept(m_fd, nullptr, nullptr);
            if (client < 0)
                return;
            char chunk[4096];
            // One message: the header, then as many bytes as it says.
            while (m_received.size() < 14 ||
                   m_received.size() < 14 + qFromUnaligned<quint32>(m_received.constData() + 6)) {
                const ssize_t got = ::recv(client, chunk, sizeof chunk, 0);
                if (got <= 0)
                    break;
                m_received.append(chunk, got);
            }
            if (!answer.isEmpty())
                ::send(client, answer.constData(), size_t(answer.size()), MSG_NOSIGNAL);
            while (!m_done)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            ::close(client);
        });
    }
    QByteArray received()
    {
        finish();
        return m_received;
    }
    ~StandInCompositor()
    {
        finish();
        if (m_fd >= 0)
            ::close(m_fd);
    }

private:
    void finish()
    {
        m_done = true;
        if (m_thread.joinable())
            m_thread.join();
    }
    int m_fd = -1;
    std::thread m_thread;
    std::atomic<bool> m_done = false;
    QByteArray m_received;
};
// A stand-in compositor on a control socket in a folder of its own.
struct AnsweringSocket
{
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("control.sock"));
    StandInCompositor compositor;

    bool answerWith(const QByteArray &answer)
    {
        if (!compositor.listen(path))
            return false;
        compositor.answerWith(answer);
        return true;
    }
};
} // namespace

class TestControlSocket : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void runCommandIsFramed();
    void takeReply_data();
    void takeReply();
    void failureOf_data();
    void failureOf();
    void placementCommand();
    void opacityCommand_data();
    void opacityCommand();
    void exchange_data();
    void exchange();
    void noSocketIsSaidSo();
    void desktopAsksASilentCompositorNoMore_data();
    void desktopAsksASilentCompositorNoMore();
    void treeWindows_data();
    void treeWindows();
    void findOurWindow_data();
    void findOurWindow();
    void questionIsAnswered_data();
    void questionIsAnswered();
    void nativeDesktopLearnsWherePositionsAre_data();
    void nativeDesktopLearnsWherePositionsAre();
};

void TestControlSocket::runCommandIsFramed()
{
    const QString command = QStringLiteral("[id=7] move absolute position 3 px 4 px");
    QCOMPARE(ControlSocketMessage::runCommand(command), header(quint32(command.size()), 0) + command.toUtf8());
    QCOMPARE(ControlSocketMessage::runCommand(QString()), header(0, 0));
}

void TestControlSocket::takeReply_data()
{
    QTest::addColumn<QByteArray>("received");
    QTest::addColumn<bool>("whole");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QByteArray>("left");
    QTest::addColumn<bool>("malformed");
    const QByteArray answer = reply("[{\"success\":true}]");
    QTest::newRow("a whole reply") << answer << true << QByteArray("[{\"success\":true}]") << QByteArray() << false;
    QTest::newRow("half a header") << answer.left(9) << false << QByteArray() << answer.left(9) << false;
    QTest::newRow("the header, half the payload")
        << answer.left(20) << false << QByteArray() << answer.left(20) << false;
    QTest::newRow("two replies: the first is taken")
        << answer + reply("[]") << true << QByteArray("[{\"success\":true}]") << reply("[]") << false;
    QTest::newRow("an empty payload") << reply("") << true << QByteArray("") << QByteArray() << false;
    QTest::newRow("not the magic") << QByteArray("i4-ipc").append(answer.mid(6)) << false << QByteArray()
                                   << QByteArray("i4-ipc").append(answer.mid(6)) << true;
    QTest::newRow("a length no reply has")
        << header(0x7fffffff, 0) + "[]" << false << QByteArray() << header(0x7fffffff, 0) + "[]" << true;
}

void TestControlSocket::takeReply()
{
    QFETCH(QByteArray, received);
    QFETCH(bool, whole);
    QFETCH(QByteArray, payload);
    QFETCH(QByteArray, left);
    bool malformed = false;
    const std::optional<ControlSocketMessage::Reply> taken = ControlSocketMessage::takeReply(received, &malformed);
    QCOMPARE(taken.has_value(), whole);
    if (taken)
        QCOMPARE(taken->payload, payload);
    QCOMPARE(received, left);
    QTEST(malformed, "malformed");
}

void TestControlSocket::failureOf_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QString>("failure");
    QTest::newRow("every command worked")
        << QByteArray("[{\"success\":true},{\"success\":true}]") << QString();
    QTest::newRow("the second failed, saying why")
        << QByteArray("[{\"success\":true},{\"success\":false,\"error\":\"No matching node.\"}]")
        << QStringLiteral("No matching node.");
    QTest::newRow("failed without a word")
        << QByteArray("[{\"success\":false}]") << QStringLiteral("the compositor refused the command");
    QTest::newRow("no results") << QByteArray("[]") << QStringLiteral("the compositor's answer could not be read");
    QTest::newRow("not JSON") << QByteArray("success") << QStringLiteral("the compositor's answer could not be read");
}

void TestControlSocket::failureOf()
{
    QFETCH(QByteArray, payload);
    QTEST(ControlSocketMessage::failureOf(payload), "failure");
}

void TestControlSocket::placementCommand()
{
    QCOMPARE(ControlSocketMessage::placementCommand(0x600004, QRect(-120, 35, 330, 210)),
             QStringLiteral("[id=6291460] resize set width 330 px height 210 px, "
                            "move absolute position -120 px 35 px"));
}

void TestControlSocket::opacityCommand_data()
{
    QTest::addColumn<qreal>("opacity");
    QTest::addColumn<QString>("command");
    QTest::newRow("transparent") << 0.0 << QStringLiteral("[id=6291460] opacity set 0");
    QTest::newRow("opaque") << 1.0 << QStringLiteral("[id=6291460] opacity set 1");
    QTest::newRow("in between") << 0.85 << QStringLiteral("[id=6291460] opacity set 0.85");
    // The compositor refuses values outside 0…1, which would leave a window transparent.
    QTest::newRow("above opaque") << 1.5 << QStringLiteral("[id=6291460] opacity set 1");
    QTest::newRow("below transparent") << -0.2 << QStringLiteral("[id=6291460] opacity set 0");
}

void TestControlSocket::opacityCommand()
{
    QFETCH(qreal, opacity);
    QTEST(ControlSocketMessage::opacityCommand(0x600004, opacity), "command");
    // Natively the windows are named by the program's process.
    QFETCH(QString, command);
    QCOMPARE(ControlSocketMessage::processOpacityCommand(4321, opacity),
             command.replace(QLatin1String("[id=6291460]"), QLatin1String("[pid=4321]")));
}

void TestControlSocket::exchange_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("failure");
    QTest::newRow("done") << reply("[{\"success\":true},{\"success\":true}]") << Outcome::Done << QString();
    QTest::newRow("refused") << reply("[{\"success\":false,\"error\":\"No matching node.\"}]")
                             << Outcome::Refused << QStringLiteral("No matching node.");
    QTest::newRow("an answer to another question") << reply("[{\"success\":true}]", 4) << Outcome::NoAnswer
                                                   << QStringLiteral("the compositor answered another question");
    QTest::newRow("garbage") << QByteArray("HTTP/1.1 400 Bad Request\r\n\r\n") << Outcome::NoAnswer
                             << QStringLiteral("the compositor's answer could not be read");
    // It takes the command and never answers: the wait ends.
    QTest::newRow("silence") << QByteArray() << Outcome::NoAnswer << QStringLiteral("the compositor did not answer");
}

void TestControlSocket::exchange()
{
    QFETCH(QByteArray, answer);
    AnsweringSocket socket;
    QVERIFY(socket.answerWith(answer));
    const QString &path = socket.path;
    StandInCompositor &compositor = socket.compositor;
    const QString command = ControlSocketMessage::placementCommand(42, QRect(10, 20, 30, 40));
    const ControlSocket::Result result = ControlSocket::run(path, command);
    QTEST(result.outcome, "outcome");
    QTEST(result.failure, "failure");
    QCOMPARE(compositor.received(), ControlSocketMessage::runCommand(command));
}

void TestControlSocket::noSocketIsSaidSo()
{
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("gone.sock"));
    const ControlSocket::Result result = ControlSocket::run(path, QStringLiteral("nop"));
    QCOMPARE(result.outcome, Outcome::NoAnswer);
    QCOMPARE(result.failure, QStringLiteral("the compositor's control socket %1 cannot be reached").arg(path));
    QCOMPARE(ControlSocket::run(QString(), QStringLiteral("nop")).outcome, Outcome::NoAnswer);
}

void TestControlSocket::desktopAsksASilentCompositorNoMore_data()
{
    QTest::addColumn<bool>("listening");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("placed");
    QTest::addColumn<bool>("serviceAfter");
    QTest::newRow("placed") << true << reply("[{\"success\":true},{\"success\":true}]") << true << true;
    // The window may not be shown yet: the next placement asks again.
    QTest::newRow("refused") << true << reply("[{\"success\":false,\"error\":\"No matching node.\"}]") << false
                             << true;
    QTest::newRow("silent") << true << QByteArray() << false << false;
    QTest::newRow("gone") << false << QByteArray() << false << false;
}

void TestControlSocket::desktopAsksASilentCompositorNoMore()
{
    QFETCH(bool, listening);
    QFETCH(QByteArray, answer);
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("control.sock"));
    StandInCompositor compositor;
    if (listening) {
        QVERIFY(compositor.listen(path));
        compositor.answerWith(answer);
    }
    PortalDesktop desktop(SessionKind::XWayland, path);
    QVERIFY(desktop.hasPlacementService());
    QVERIFY(!PortalDesktop(SessionKind::Wayland, path).hasPlacementService());
    QTEST(desktop.placeWindow(42, QRect(10, 20, 30, 40)), "placed");
    QTEST(desktop.hasPlacementService(), "serviceAfter");
}

namespace {
// A layout as sway describes it: an output with a workspace that holds one tiled window of another
// process and, floating, two windows of process 700 (one with a title bar and borders) and one of
// process 800.
const QByteArray kTree = R"({
  "id": 1, "type": "root", "rect": {"x": 0, "y": 0, "width": 1920, "height": 1080},
  "nodes": [{
    "id": 3, "type": "output", "name": "HEADLESS-1", "rect": {"x": 0, "y": 0, "width": 1920, "height": 1080},
    "nodes": [{
      "id": 4, "type": "workspace", "name": "1", "rect": {"x": 0, "y": 0, "width": 1920, "height": 1080},
      "nodes": [{"id": 9, "type": "con", "pid": 900, "name": "Terminal",
                 "rect": {"x": 0, "y": 0, "width": 1920, "height": 1080},
                 "window_rect": {"x": 0, "y": 0, "width": 1920, "height": 1080}, "nodes": []}],
      "floating_nodes": [
        {"id": 6, "type": "floating_con", "pid": 700, "name": "Gradora", "app_id": "net.gradora.Gradora",
         "rect": {"x": 640, "y": 300, "width": 640, "height": 480},
         "window_rect": {"x": 0, "y": 0, "width": 640, "height": 480}, "nodes": []},
        {"id": 7, "type": "floating_con", "pid": 700, "name": "Gradora", "app_id": "net.gradora.Gradora",
         "rect": {"x": -300, "y": 20, "width": 504, "height": 331},
         "window_rect": {"x": 2, "y": 29, "width": 500, "height": 300}, "nodes": []},
        {"id": 8, "type": "floating_con", "pid": 800, "name": "Gradora",
         "rect": {"x": 5, "y": 5, "width": 640, "height": 480},
         "window_rect": {"x": 0, "y": 0, "width": 640, "height": 480}, "nodes": []}
      ]
    }]
  }]
})";

using TreeWindows = QList<CompositorTree::Window>;
} // namespace

Q_DECLARE_METATYPE(TreeWindows)
Q_DECLARE_METATYPE(QList<qint64>)
Q_DECLARE_METATYPE(SessionKind)
Q_DECLARE_METATYPE(std::optional<QPoint>)

void TestControlSocket::treeWindows_data()
{
    QTest::addColumn<QByteArray>("tree");
    QTest::addColumn<qint64>("pid");
    QTest::addColumn<QList<qint64>>("ids");
    QTest::addColumn<QList<QRect>>("areas");
    QTest::newRow("two floating windows; borders and title bar left out")
        << kTree << qint64(700) << QList<qint64>{6, 7}
        << QList<QRect>{{640, 300, 640, 480}, {-298, 49, 500, 300}};
    QTest::newRow("a tiled window") << kTree << qint64(900) << QList<qint64>{9}
                                    << QList<QRect>{{0, 0, 1920, 1080}};
    QTest::newRow("a process without windows") << kTree << qint64(1) << QList<qint64>() << QList<QRect>();
    QTest::newRow("not JSON") << QByteArray("{\"id\": 1, ") << qint64(700) << QList<qint64>()
                              << QList<QRect>();
    QTest::newRow("a list, not a tree")
        << QByteArray("[{\"success\":true}]") << qint64(700) << QList<qint64>() << QList<QRect>();
}

void TestControlSocket::treeWindows()
{
    QFETCH(QByteArray, tree);
    QFETCH(qint64, pid);
    QList<qint64> ids;
    QList<QRect> areas;
    for (const CompositorTree::Window &window : CompositorTree::windowsOf(tree, pid)) {
        ids.append(window.id);
        areas.append(window.area);
        QCOMPARE(window.title, pid == 900 ? QStringLiteral("Terminal") : QStringLiteral("Gradora"));
    }
    QTEST(ids, "ids");
    QTEST(areas, "areas");
}

void TestControlSocket::findOurWindow_data()
{
    QTest::addColumn<TreeWindows>("windows");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<qint64>("knownId");
    QTest::addColumn<QList<qint64>>("taken");
    QTest::addColumn<qint64>("found"); // 0: none
    const TreeWindows ours = CompositorTree::windowsOf(kTree, 700);
    QTest::newRow("the one of its title and size")
        << ours << QStringLiteral("Gradora") << QSize(500, 300) << qint64(0) << QList<qint64>() << qint64(7);
    QTest::newRow("another size: none")
        << ours << QStringLiteral("Gradora") << QSize(500, 301) << qint64(0) << QList<qint64>() << qint64(0);
    QTest::newRow("another title: none") << ours << QStringLiteral("Gradora — Information") << QSize(500, 300)
                                         << qint64(0) << QList<qint64>() << qint64(0);
    QTest::newRow("its known name, whatever its size now")
        << ours << QStringLiteral("Gradora") << QSize(10, 10) << qint64(6) << QList<qint64>() << qint64(6);
    QTest::newRow("a known name the compositor no longer shows: matched anew")
        << ours << QStringLiteral("Gradora") << QSize(500, 300) << qint64(42) << QList<qint64>() << qint64(7);
    QTest::newRow("taken by another of our windows: none")
        << ours << QStringLiteral("Gradora") << QSize(500, 300) << qint64(0) << QList<qint64>{7} << qint64(0);
    // Two windows of one title and size are told apart only by the names already taken: never a guess.
    TreeWindows twins = ours;
    twins.append({10, QStringLiteral("Gradora"), QRect(0, 0, 500, 300)});
    QTest::newRow("twins: none") << twins << QStringLiteral("Gradora") << QSize(500, 300) << qint64(0)
                                 << QList<qint64>() << qint64(0);
    QTest::newRow("twins, one taken: the other") << twins << QStringLiteral("Gradora") << QSize(500, 300)
                                                 << qint64(0) << QList<qint64>{7} << qint64(10);
}

void TestControlSocket::findOurWindow()
{
    QFETCH(TreeWindows, windows);
    QFETCH(QString, title);
    QFETCH(QSize, size);
    QFETCH(qint64, knownId);
    QFETCH(QList<qint64>, taken);
    const std::optional<CompositorTree::Window> found =
        CompositorTree::find(windows, {title, size, knownId}, QSet<qint64>(taken.begin(), taken.end()));
    QTEST(found ? found->id : qint64(0), "found");
}

void TestControlSocket::questionIsAnswered_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QByteArray>("payload");
    QTest::newRow("the tree") << reply(kTree, ControlSocketMessage::kGetTree) << Outcome::Done << kTree;
    QTest::newRow("an answer to a command")
        << reply("[{\"success\":true}]") << Outcome::NoAnswer << QByteArray();
    QTest::newRow("silence") << QByteArray() << Outcome::NoAnswer << QByteArray();
}

void TestControlSocket::questionIsAnswered()
{
    QFETCH(QByteArray, answer);
    AnsweringSocket socket;
    QVERIFY(socket.answerWith(answer));
    const QString &path = socket.path;
    StandInCompositor &compositor = socket.compositor;
    const ControlSocket::Result result = ControlSocket::ask(path, ControlSocketMessage::kGetTree);
    QTEST(result.outcome, "outcome");
    QTEST(result.payload, "payload");
    QCOMPARE(compositor.received(), header(0, ControlSocketMessage::kGetTree));
}

// A native client learns its window's place from the compositor's tree; where the toolkit knows it
// (through XWayland), the compositor is not asked.
void TestControlSocket::nativeDesktopLearnsWherePositionsAre_data()
{
    QTest::addColumn<SessionKind>("session");
    QTest::addColumn<bool>("listening");
    QTest::addColumn<bool>("ofThisProcess");
    QTest::addColumn<std::optional<QPoint>>("position");
    QTest::newRow("native: the compositor's place")
        << SessionKind::Wayland << true << true << std::optional<QPoint>(QPoint(-298, 49));
    QTest::newRow("native: the windows of another process are not ours")
        << SessionKind::Wayland << true << false << std::optional<QPoint>();
    QTest::newRow("native: no compositor, no place")
        << SessionKind::Wayland << false << true << std::optional<QPoint>();
    QTest::newRow("through XWayland: the toolkit's place")
        << SessionKind::XWayland << false << true << std::optional<QPoint>(QPoint(33, 44));
}

void TestControlSocket::nativeDesktopLearnsWherePositionsAre()
{
    QFETCH(SessionKind, session);
    QFETCH(bool, listening);
    QFETCH(bool, ofThisProcess);
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("control.sock"));
    StandInCompositor compositor;
    QByteArray tree = kTree;
    if (ofThisProcess)
        tree.replace("\"pid\": 700", "\"pid\": " + QByteArray::number(QCoreApplication::applicationPid()));
    if (listening) {
        QVERIFY(compositor.listen(path));
        compositor.answerWith(reply(tree, ControlSocketMessage::kGetTree));
    }
    PortalDesktop desktop(session, path);
    QCOMPARE(desktop.toolkitKnowsPositions(), session != SessionKind::Wayland);
    QWindow window;
    window.setTitle(QStringLiteral("Gradora"));
    window.setGeometry(33, 44, 500, 300);
    QTEST(desktop.windowPosition(&window), "position");
}

GRADORA_TEST_MAIN(TestControlSocket)
#include "tst_controlsocket.moc"
