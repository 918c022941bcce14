// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/rulerhub.h"
#include "prefs/programsettings.h"
#include "prefs/updatecheck.h"
#include "ruler/window/rulerwindow.h"
#include "testsupport.h"

#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <memory>

using UpdateCheck::Message;
using Icon = UpdateCheck::Prompt::Icon;

Q_DECLARE_METATYPE(UpdateCheck::Message)
Q_DECLARE_METATYPE(UpdateCheck::Prompt::Icon)

namespace {
constexpr int kWaitMs = 20000;
const QString kUpToDate = QStringLiteral("You are using the latest version of Gradora");
const QString kFailed = QStringLiteral(
    "ERROR: Can't retrieve version info from program's site. There could be internet connection "
    "problem or the server may be down. Try again later...  ");
const QString kNewerAutomatic = QStringLiteral(
    "There is new version of Gradora available for download.\n\n\nDo you want to visit the download page?");

QString newerOnRequest(const QString &latest)
{
    return QStringLiteral("There is a new version available.\n\nYour version: 6.0\nLatest version: ") +
           latest + QStringLiteral("\n\nDo you want to visit the download page?");
}

// A stand-in for our endpoint on 127.0.0.1, answering every request the same way.
class VersionServer
{
public:
    enum class Mode
    {
        Answer,
        Silent,
        Endless,
        Closed,
        ServerError, // status 500 with the body
        NotFound,    // status 404 with the body
        StatusZero   // status 0 with the body: no server answers so
    };
    static constexpr qint64 kEndlessTotal = qint64(256) * 1024 * 1024;
    static constexpr int kChunk = 64 * 1024;

    explicit VersionServer(Mode mode, const QByteArray &body = {}) : m_mode(mode), m_body(body)
    {
        m_server.listen(QHostAddress::LocalHost);
        m_port = m_server.serverPort();
        if (mode == Mode::Closed)
            m_server.close(); // nothing listens on the port any more
        QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] { accept(); });
    }

    QUrl url() const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1/Gradora/check-for-update.php?ac=0").arg(m_port));
    }
    void makeCurrent() const { qputenv(UpdateCheck::kEndpointVariable, url().toEncoded()); }

    QList<QByteArray> requests;
    qint64 sent = 0;
    bool clientLeft = false;

private:
    void accept()
    {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { read(socket); });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, [this] { clientLeft = true; });
        }
    }

    void read(QTcpSocket *socket)
    {
        QByteArray &pending = m_pending[socket];
        pending += socket->readAll();
        const qsizetype end = pending.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        requests.append(pending.left(pending.indexOf("\r\n")));
        pending.clear();
        switch (m_mode) {
        case Mode::Answer:
        case Mode::ServerError:
        case Mode::NotFound:
        case Mode::StatusZero:
            socket->write(statusLine() +
                          "\r\nContent-Type: text/plain\r\nConnection: close\r\nContent-Length: " +
                          QByteArray::number(m_body.size()) + "\r\n\r\n" + m_body);
            socket->disconnectFromHost();
            break;
        case Mode::Endless:
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " +
                          QByteArray::number(kEndlessTotal) + "\r\n\r\n");
            QObject::connect(socket, &QTcpSocket::bytesWritten, socket, [this, socket] { feed(socket); });
            feed(socket);
            break;
        case Mode::Silent:
        case Mode::Closed:
            break;
        }
    }

    QByteArray statusLine() const
    {
        switch (m_mode) {
        case Mode::ServerError:
            return "HTTP/1.1 500 Internal Server Error";
        case Mode::NotFound:
            return "HTTP/1.1 404 Not Found";
        case Mode::StatusZero:
            return "HTTP/1.1 0 Whatever";
        default:
            return "HTTP/1.1 200 OK";
        }
    }

    // Keeps the socket fed with digits until the whole declared body is sent or the client leaves.
    void feed(QTcpSocket *socket)
    {
        while (socket->state() == QAbstractSocket::ConnectedState && sent < kEndlessTotal &&
               socket->bytesToWrite() < 4 * kChunk) {
            socket->write(QByteArray(kChunk, '7'));
            sent += kChunk;
        }
    }

    Mode m_mode;
    QByteArray m_body;
    QTcpServer m_server;
    quint16 m_port = 0;
    QHash<QTcpSocket *, QByteArray> m_pending;
};
} // namespace

class TestUpdateCheck : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void evaluate_data();
    void evaluate();
    void isDue_data();
    void isDue();
    void endpoint();

    void replies_data();
    void replies();
    void hugeBodyIsCutOff();
    void yesOpensTheDownloadPage_data();
    void yesOpensTheDownloadPage();
    void twoRequestsInFlightKeepTheirKinds();
    void onceADay();
    void storedVersion_data();
    void storedVersion();
    void oldStoredFormIsNotAnnouncedAgain();
    void failedAutomaticCheckCountsForItsDay();
    void startUpChecksWhenEnabled_data();
    void startUpChecksWhenEnabled();
    void rulerEntryChecksOnRequest();
    void progressNoteWhileTheUserWaits_data();
    void progressNoteWhileTheUserWaits();
    void cancelGivesTheQuestionUp();

private:
    // A program that did not check at its start.
    std::unique_ptr<RulerHub> quietHub();
    static QVariant stored(QLatin1StringView key) { return QSettings().value(key); }
    // Sends one request and waits for its reply to be handled.
    bool checkAndWait(RulerHub &hub, bool manual);
    // Waits until every reply of the program is handled and released.
    static bool idle(RulerHub &hub);
    // The visible progress notes.
    static QList<QProgressDialog *> notes();

    QList<UpdateCheck::Prompt> m_prompts;
    QList<QUrl> m_pages;
    bool m_answerYes = false;
};

void TestUpdateCheck::initTestCase()
{
    RulerHub::askAboutUpdate = [this](const UpdateCheck::Prompt &prompt) {
        m_prompts.append(prompt);
        return m_answerYes;
    };
    RulerHub::leaveForDownloadPage = [this](const QUrl &page) { m_pages.append(page); };
}

void TestUpdateCheck::init()
{
    TestSupport::clearStore();
    m_prompts.clear();
    m_pages.clear();
    m_answerYes = false;
}

void TestUpdateCheck::cleanup()
{
    qunsetenv(UpdateCheck::kEndpointVariable);
}

std::unique_ptr<RulerHub> TestUpdateCheck::quietHub()
{
    {
        QSettings store;
        store.setValue(programKey(ProgramSetting::AutoUpdates), false);
    }
    auto hub = std::make_unique<RulerHub>();
    hub->preferences()->setValue(ProgramSetting::AutoUpdates, true);
    return hub;
}

bool TestUpdateCheck::checkAndWait(RulerHub &hub, bool manual)
{
    QSignalSpy finished(&hub, &RulerHub::updateQuestionHandled);
    hub.sendVersionRequest(manual);
    return finished.wait(kWaitMs);
}

bool TestUpdateCheck::idle(RulerHub &hub)
{
    return QTest::qWaitFor([&] { return hub.updateQuestionsUnderway() == 0; }, kWaitMs);
}

void TestUpdateCheck::evaluate_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("manual");
    QTest::addColumn<float>("lastInformed");
    QTest::addColumn<Message>("message");
    QTest::addColumn<float>("latest");
    QTest::addColumn<bool>("remember");

    // The replies from a real server are checked below; these are the cases beyond them.
    QTest::newRow("6.1 automatic") << QByteArray("6.1") << false << 6.0f << Message::NewerAutomatic << 6.1f
                                   << true;
    QTest::newRow("6.1 on request, already announced")
        << QByteArray("6.1") << true << 6.1f << Message::NewerOnRequest << 6.1f << false;
    QTest::newRow("6.1 automatic, already announced")
        << QByteArray("6.1") << false << 6.1f << Message::None << 6.1f << false;
    QTest::newRow("announced as the server wrote it")
        << QByteArray(" 6.10\n") << false << 6.0f << Message::NewerAutomatic << 6.1f << true;
    QTest::newRow("6.2 automatic after 6.1")
        << QByteArray("6.2") << false << 6.1f << Message::NewerAutomatic << 6.2f << true;
    QTest::newRow("-6.1 automatic") << QByteArray("-6.1") << false << 6.0f << Message::None << 6.1f << false;
    QTest::newRow("line break after the number")
        << QByteArray("6.1\r\n") << true << 6.0f << Message::NewerOnRequest << 6.1f << false;
    QTest::newRow("text automatic") << QByteArray("<html>Not found</html>") << false << 6.0f << Message::None
                                    << 0.0f << false;
    QTest::newRow("infinity is not a version")
        << QByteArray("inf") << false << 6.0f << Message::None << 0.0f << false;
    QTest::newRow("too large for a float")
        << QByteArray("1e39") << true << 6.0f << Message::UpToDate << 0.0f << false;
    QTest::newRow("not a number") << QByteArray("nan") << true << 6.0f << Message::UpToDate << 0.0f << false;
}

void TestUpdateCheck::evaluate()
{
    QFETCH(QByteArray, body);
    QFETCH(bool, manual);
    QFETCH(float, lastInformed);
    QFETCH(Message, message);
    QFETCH(float, latest);
    QFETCH(bool, remember);

    const UpdateCheck::Verdict verdict = UpdateCheck::evaluate(body, manual, lastInformed);
    QCOMPARE(verdict.message, message);
    QCOMPARE(verdict.latest, latest);
    QCOMPARE(verdict.remember, remember);
    if (remember)
        QCOMPARE(verdict.announced, QString::fromLatin1(body.trimmed()));
}

void TestUpdateCheck::isDue_data()
{
    QTest::addColumn<QDate>("lastCheck");
    QTest::addColumn<bool>("due");
    const QDate today(2024, 3, 1);
    QTest::newRow("never checked") << QVariant(QStringLiteral("1/1/1")).toDate() << true;
    QTest::newRow("yesterday") << today.addDays(-1) << true;
    QTest::newRow("a year ago") << today.addYears(-1) << true;
    QTest::newRow("today") << today << false;
    QTest::newRow("in the future, from a wrong clock") << today.addYears(20) << true;
}

void TestUpdateCheck::isDue()
{
    QFETCH(QDate, lastCheck);
    QFETCH(bool, due);
    QCOMPARE(UpdateCheck::isDue(lastCheck, QDate(2024, 3, 1)), due);
}

void TestUpdateCheck::endpoint()
{
    const QUrl ours = UpdateCheck::endpoint();
    QCOMPARE(ours.scheme(), QStringLiteral("https"));
    QCOMPARE(ours.path(), QStringLiteral("/Gradora/check-for-update.php"));
    QCOMPARE(ours.query(), QStringLiteral("ac=0"));
    QCOMPARE(UpdateCheck::downloadPage().scheme(), QStringLiteral("https"));

    qputenv(UpdateCheck::kEndpointVariable, "http://127.0.0.1:8/v?ac=0");
    QCOMPARE(UpdateCheck::endpoint(), QUrl("http://127.0.0.1:8/v?ac=0"));
    qputenv(UpdateCheck::kEndpointVariable, "not an address");
    QCOMPARE(UpdateCheck::endpoint(), ours);
}

void TestUpdateCheck::replies_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("manual");
    QTest::addColumn<QString>("shown"); // empty: no message
    QTest::addColumn<Icon>("icon");

    using Mode = VersionServer::Mode;
    const int answer = int(Mode::Answer);
    const Icon program = Icon::ProgramPicture;
    const Icon information = Icon::Information;
    const Icon critical = Icon::Critical;
    QTest::newRow("6.0 on request") << answer << QByteArray("6.0") << true << kUpToDate << information;
    QTest::newRow("6.0 automatic") << answer << QByteArray("6.0") << false << QString() << information;
    QTest::newRow("5.9 on request") << answer << QByteArray("5.9") << true << kUpToDate << information;
    QTest::newRow("6.1 on request") << answer << QByteArray("6.1") << true << newerOnRequest("6.1")
                                    << program;
    QTest::newRow("six significant digits")
        << answer << QByteArray("12.3456789") << true << newerOnRequest("12.3457") << program;
    QTest::newRow("6.1 automatic") << answer << QByteArray("6.1") << false << kNewerAutomatic << program;
    QTest::newRow("-6.1 on request") << answer << QByteArray("-6.1") << true << newerOnRequest("6.1")
                                     << program;
    QTest::newRow("text on request") << answer << QByteArray("Service Unavailable") << true << kUpToDate
                                     << information;
    QTest::newRow("empty on request") << answer << QByteArray() << true << kFailed << critical;
    QTest::newRow("empty automatic") << answer << QByteArray() << false << QString() << information;
    QTest::newRow("64 bytes are still read")
        << answer << QByteArray(" 6.1").leftJustified(64, ' ') << true << newerOnRequest("6.1") << program;
    QTest::newRow("65 bytes are too many")
        << answer << QByteArray(" 6.1").leftJustified(65, ' ') << true << kFailed << critical;
    // An error status is no answer, whatever number its page carries.
    QTest::newRow("status 500 with 99 on request")
        << int(Mode::ServerError) << QByteArray("99") << true << kFailed << critical;
    QTest::newRow("status 500 with 99 automatic")
        << int(Mode::ServerError) << QByteArray("99") << false << QString() << information;
    QTest::newRow("status 404 with 6.0 on request")
        << int(Mode::NotFound) << QByteArray("6.0") << true << kFailed << critical;
    QTest::newRow("status 0 with 99 on request")
        << int(Mode::StatusZero) << QByteArray("99") << true << kFailed << critical;
    QTest::newRow("status 0 with 99 automatic")
        << int(Mode::StatusZero) << QByteArray("99") << false << QString() << information;
    QTest::newRow("closed port on request")
        << int(Mode::Closed) << QByteArray() << true << kFailed << critical;
    QTest::newRow("closed port automatic")
        << int(Mode::Closed) << QByteArray() << false << QString() << information;
    QTest::newRow("no answer on request") << int(Mode::Silent) << QByteArray() << true << kFailed << critical;
    QTest::newRow("huge body on request")
        << int(Mode::Endless) << QByteArray() << true << kFailed << critical;
    QTest::newRow("huge body automatic")
        << int(Mode::Endless) << QByteArray() << false << QString() << information;
}

void TestUpdateCheck::replies()
{
    QFETCH(int, mode);
    QFETCH(QByteArray, body);
    QFETCH(bool, manual);
    QFETCH(QString, shown);
    QFETCH(Icon, icon);

    VersionServer server(VersionServer::Mode(mode), body);
    server.makeCurrent();
    auto hub = quietHub();
    hub->setUpdateTimeout(300);
    QVERIFY(checkAndWait(*hub, manual));

    QCOMPARE(m_prompts.size(), shown.isEmpty() ? 0 : 1);
    if (!shown.isEmpty()) {
        QCOMPARE(m_prompts.first().text, shown);
        QCOMPARE(m_prompts.first().icon, icon);
        QCOMPARE(m_prompts.first().asksYesNo, icon == Icon::ProgramPicture);
    }
    if (mode != int(VersionServer::Mode::Closed)) {
        QCOMPARE(server.requests.size(), 1);
        QCOMPARE(server.requests.first(), QByteArray("GET /Gradora/check-for-update.php?ac=0 HTTP/1.1"));
    }
    QVERIFY(m_pages.isEmpty()); // the answer was No
}

void TestUpdateCheck::hugeBodyIsCutOff()
{
    VersionServer server(VersionServer::Mode::Endless);
    server.makeCurrent();
    auto hub = quietHub();
    QVERIFY(checkAndWait(*hub, true));
    QTRY_VERIFY_WITH_TIMEOUT(server.clientLeft, kWaitMs);
    QVERIFY(server.sent < VersionServer::kEndlessTotal);
}

void TestUpdateCheck::yesOpensTheDownloadPage_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("manual");
    QTest::addColumn<bool>("opened");
    QTest::newRow("newer on request") << QByteArray("6.1") << true << true;
    QTest::newRow("newer, automatic") << QByteArray("6.1") << false << true;
    QTest::newRow("up to date") << QByteArray("6.0") << true << false;
    QTest::newRow("failed") << QByteArray() << true << false;
}

void TestUpdateCheck::yesOpensTheDownloadPage()
{
    QFETCH(QByteArray, body);
    QFETCH(bool, manual);
    QFETCH(bool, opened);

    VersionServer server(VersionServer::Mode::Answer, body);
    server.makeCurrent();
    auto hub = quietHub();
    m_answerYes = true;
    QVERIFY(checkAndWait(*hub, manual));
    QCOMPARE(m_pages, opened ? QList<QUrl>{UpdateCheck::downloadPage()} : QList<QUrl>());
}

// An automatic check and a user's check in flight together: the user gets one answer, not two.
void TestUpdateCheck::twoRequestsInFlightKeepTheirKinds()
{
    VersionServer server(VersionServer::Mode::Answer, "6.0");
    server.makeCurrent();
    auto hub = quietHub();
    QSignalSpy finished(hub.get(), &RulerHub::updateQuestionHandled);
    hub->sendVersionRequest(false);
    hub->sendVersionRequest(true);
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 2, kWaitMs);
    QCOMPARE(m_prompts.size(), 1);
    QCOMPARE(m_prompts.first().text, kUpToDate);
}

void TestUpdateCheck::onceADay()
{
    VersionServer server(VersionServer::Mode::Answer, "6.1");
    server.makeCurrent();
    auto hub = quietHub();
    QSignalSpy finished(hub.get(), &RulerHub::updateQuestionHandled);
    const QDate firstDay(2024, 3, 1);

    hub->checkForUpdatesWhenDue(firstDay);
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, kWaitMs);
    QCOMPARE(m_prompts.size(), 1);
    QCOMPARE(m_prompts.first().text, kNewerAutomatic);
    QCOMPARE(hub->preferences()->value<QString>(ProgramSetting::LastInformed), QStringLiteral("6.1"));
    QCOMPARE(stored(programKey(ProgramSetting::LastInformed)).toString(), QStringLiteral("6.1"));
    QCOMPARE(stored(programKey(ProgramSetting::LastCheck)).toDate(), firstDay);

    // The same day again: no request at all.
    QVERIFY(idle(*hub));
    hub->checkForUpdatesWhenDue(firstDay);
    QCOMPARE(hub->updateQuestionsUnderway(), 0);

    // The next day asks again, but 6.1 was announced already.
    hub->checkForUpdatesWhenDue(firstDay.addDays(1));
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 2, kWaitMs);
    QCOMPARE(server.requests.size(), 2);
    QCOMPARE(m_prompts.size(), 1);
    QCOMPARE(stored(programKey(ProgramSetting::LastCheck)).toDate(), firstDay.addDays(1));

    // A restart remembers the announcement.
    hub.reset();
    hub = quietHub();
    QCOMPARE(hub->preferences()->value<QString>(ProgramSetting::LastInformed), QStringLiteral("6.1"));
}

void TestUpdateCheck::storedVersion_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("read");
    QTest::newRow("as the server wrote it") << QVariant("6.1") << "6.1";
    QTest::newRow("a trailing zero kept") << QVariant("6.10") << "6.10";
    QTest::newRow("the old form of 6.1") << QVariant("6.099999904632568") << "6.1";
    QTest::newRow("the old form of 6.2") << QVariant("6.199999809265137") << "6.2";
    QTest::newRow("the old form of 7") << QVariant("7") << "7";
    QTest::newRow("a single-precision number") << QVariant(6.3f) << "6.3";
    QTest::newRow("missing") << QVariant() << "6.0";
    QTest::newRow("not a number") << QVariant("6.1beta") << "6.0";
    QTest::newRow("infinite") << QVariant("inf") << "6.0";
}

void TestUpdateCheck::storedVersion()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, read);
    QCOMPARE(UpdateCheck::storedVersion(stored, QStringLiteral("6.0")), read);
    QCOMPARE(UpdateCheck::versionNumber(read), read.toFloat());
}

void TestUpdateCheck::oldStoredFormIsNotAnnouncedAgain()
{
    VersionServer server(VersionServer::Mode::Answer, "6.1");
    server.makeCurrent();
    QSettings().setValue(programKey(ProgramSetting::LastInformed), QStringLiteral("6.099999904632568"));
    auto hub = quietHub();
    QCOMPARE(hub->preferences()->value<QString>(ProgramSetting::LastInformed), QStringLiteral("6.1"));
    QVERIFY(checkAndWait(*hub, false));
    QVERIFY(m_prompts.isEmpty());

    // A newer version is announced, and stored as it came.
    VersionServer newer(VersionServer::Mode::Answer, "6.25");
    newer.makeCurrent();
    QVERIFY(checkAndWait(*hub, false));
    QCOMPARE(m_prompts.size(), 1);
    QCOMPARE(stored(programKey(ProgramSetting::LastInformed)).toString(), QStringLiteral("6.25"));
}

void TestUpdateCheck::failedAutomaticCheckCountsForItsDay()
{
    VersionServer server(VersionServer::Mode::Closed);
    server.makeCurrent();
    auto hub = quietHub();
    QSignalSpy finished(hub.get(), &RulerHub::updateQuestionHandled);
    hub->checkForUpdatesWhenDue(QDate(2024, 3, 1));
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, kWaitMs);
    QVERIFY(m_prompts.isEmpty());

    QVERIFY(idle(*hub));
    hub->checkForUpdatesWhenDue(QDate(2024, 3, 1));
    QCOMPARE(hub->updateQuestionsUnderway(), 0);
    QCOMPARE(stored(programKey(ProgramSetting::LastCheck)).toDate(), QDate(2024, 3, 1));
}

void TestUpdateCheck::startUpChecksWhenEnabled_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::newRow("automatic check on") << true;
    QTest::newRow("automatic check off") << false;
}

void TestUpdateCheck::startUpChecksWhenEnabled()
{
    QFETCH(bool, enabled);
    VersionServer server(VersionServer::Mode::Answer, "6.0");
    server.makeCurrent();
    {
        QSettings store;
        store.setValue(programKey(ProgramSetting::AutoUpdates), enabled);
    }
    const QDate today = QDate::currentDate();
    auto first = std::make_unique<RulerHub>();
    QSignalSpy answered(first.get(), &RulerHub::updateQuestionHandled);
    // The check waits for the first ruler to show.
    QCOMPARE(stored(programKey(ProgramSetting::LastCheck)).toDate(), QDate());
    QTest::qWait(RulerHub::kStartUpdateCheckDelayMs + 200);
    QTRY_COMPARE(answered.size(), enabled ? 1 : 0);
    QCOMPARE(stored(programKey(ProgramSetting::LastCheck)).toDate(), enabled ? today : QDate());
    QVERIFY(idle(*first));
    QVERIFY(m_prompts.isEmpty());

    // A second start on the same day sends nothing.
    auto second = std::make_unique<RulerHub>();
    QSignalSpy answeredAgain(second.get(), &RulerHub::updateQuestionHandled);
    QTest::qWait(RulerHub::kStartUpdateCheckDelayMs + 200);
    if (QDate::currentDate() == today) {
        QCOMPARE(second->updateQuestionsUnderway(), 0);
        QCOMPARE(answeredAgain.size(), 0);
    }
}

void TestUpdateCheck::rulerEntryChecksOnRequest()
{
    VersionServer server(VersionServer::Mode::Answer, "6.0");
    server.makeCurrent();
    auto hub = quietHub();
    QSignalSpy finished(hub.get(), &RulerHub::updateQuestionHandled);
    RulerWindow *ruler = hub->createRuler();
    ruler->execute(RulerCommand::CheckForUpdates);
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, kWaitMs);
    QCOMPARE(m_prompts.size(), 1);
    QCOMPARE(m_prompts.first().text, kUpToDate);
    QCOMPARE(m_prompts.first().icon, Icon::Information);
}

QList<QProgressDialog *> TestUpdateCheck::notes()
{
    QList<QProgressDialog *> found;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *note = qobject_cast<QProgressDialog *>(widget); note && note->isVisible())
            found.append(note);
    }
    return found;
}

void TestUpdateCheck::progressNoteWhileTheUserWaits_data()
{
    QTest::addColumn<bool>("manual");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("prompts");
    QTest::newRow("the user's check") << true << QByteArray("6.0") << 1;
    QTest::newRow("the daily check, silent") << false << QByteArray("6.0") << 0;
    QTest::newRow("the daily check, newer") << false << QByteArray("6.1") << 1;
}

void TestUpdateCheck::progressNoteWhileTheUserWaits()
{
    QFETCH(bool, manual);
    QFETCH(QByteArray, body);
    QFETCH(int, prompts);
    VersionServer server(VersionServer::Mode::Answer, body);
    server.makeCurrent();
    auto hub = quietHub();
    QList<int> notesWhenAsked;
    RulerHub::askAboutUpdate = [&](const UpdateCheck::Prompt &prompt) {
        m_prompts.append(prompt);
        notesWhenAsked.append(int(notes().size()));
        return false;
    };
    auto restore = qScopeGuard([this] { initTestCase(); });

    QSignalSpy finished(hub.get(), &RulerHub::updateQuestionHandled);
    hub->sendVersionRequest(manual);
    const QList<QProgressDialog *> shown = notes();
    QCOMPARE(shown.size(), manual ? 1 : 0);
    if (manual) {
        QCOMPARE(shown.first()->windowTitle(), QStringLiteral("Gradora"));
        QCOMPARE(shown.first()->labelText(), QStringLiteral("Checking for updates…"));
    }
    QVERIFY(finished.wait(kWaitMs));
    QCOMPARE(m_prompts.size(), prompts);
    // The note is gone before the answer is told.
    QCOMPARE(notesWhenAsked, QList<int>(prompts, 0));
    QTRY_VERIFY(notes().isEmpty());
}

void TestUpdateCheck::cancelGivesTheQuestionUp()
{
    VersionServer server(VersionServer::Mode::Silent);
    server.makeCurrent();
    auto hub = quietHub();
    QSignalSpy finished(hub.get(), &RulerHub::updateQuestionHandled);
    hub->sendVersionRequest(true);
    QCOMPARE(notes().size(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(server.requests.size(), 1, kWaitMs);

    QPushButton *cancel = notes().first()->findChild<QPushButton *>();
    QVERIFY(cancel);
    QCOMPARE(cancel->text(), QStringLiteral("Cancel"));
    cancel->click();
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, kWaitMs);
    // Given up: no answer, not even the failure, and nothing left waiting.
    QVERIFY(m_prompts.isEmpty());
    QTRY_VERIFY(notes().isEmpty());
    QVERIFY(idle(*hub));
    QTRY_VERIFY_WITH_TIMEOUT(server.clientLeft, kWaitMs);
}

GRADORA_TEST_MAIN(TestUpdateCheck)
#include "tst_updatecheck.moc"
