// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "platform/wayland/portalscreenshot.h"
#include "testsupport.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <memory>
#include <optional>

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");

// How the fake answers one call.
enum class Answer
{
    Picture,     // response 0 and the picture's file
    Refuse,      // response 1: the user said no
    Other,       // response 2: ended another way
    Silent,      // no answer at all
    LatePicture, // the picture, but only after kLateMs
};
constexpr int kLateMs = 600;

QRect desktopArea()
{
    QRect area;
    for (const QScreen *screen : QGuiApplication::screens())
        area |= screen->geometry();
    return area;
}

} // namespace

Q_DECLARE_METATYPE(Answer)

// A screenshot portal of our own, on its own connection to the private session bus. It answers the
// calls in the order of `answers`, on the request path it works out from the caller's name and token,
// and writes its pictures into a folder of its own, world-readable as real portals may.
class FakePortal : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
public:
    FakePortal(const QList<Answer> &answers, const QImage &picture)
        : m_bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("fakeportal"))),
          m_answers(answers), m_picture(picture)
    {
        m_bus.registerObject(kPath, this, QDBusConnection::ExportAllSlots);
        m_bus.registerService(kService);
    }
    ~FakePortal() override
    {
        m_bus.unregisterService(kService);
        m_bus.unregisterObject(kPath);
        QDBusConnection::disconnectFromBus(QStringLiteral("fakeportal"));
    }

    QList<QVariantMap> calls;
    QStringList files;

public Q_SLOTS:
    QDBusObjectPath Screenshot(const QString &parentWindow, const QVariantMap &options)
    {
        Q_UNUSED(parentWindow);
        calls.append(options);
        QString sender = message().service().mid(1);
        sender.replace(QLatin1Char('.'), QLatin1Char('_'));
        const QString handle = kPath + "/request/" + sender + "/" + options.value("handle_token").toString();
        const Answer answer = m_answers.value(calls.size() - 1, Answer::Silent);
        if (answer != Answer::Silent)
            QTimer::singleShot(answer == Answer::LatePicture ? kLateMs : 0, this,
                               [this, handle, answer] { respond(handle, answer); });
        return QDBusObjectPath(handle);
    }

private:
    void respond(const QString &handle, Answer answer)
    {
        QVariantMap results;
        uint code = 0;
        if (answer == Answer::Refuse) {
            code = 1;
        } else if (answer == Answer::Other) {
            code = 2;
        } else {
            const QString file = m_folder.path() + QStringLiteral("/Screenshot-%1.png").arg(files.size());
            m_picture.save(file);
            QFile::setPermissions(file, QFile::permissions(file) | QFileDevice::ReadOther);
            files.append(file);
            results.insert("uri", QUrl::fromLocalFile(file).toString());
        }
        QDBusMessage response =
            QDBusMessage::createSignal(handle, "org.freedesktop.portal.Request", "Response");
        response << code << results;
        m_bus.send(response);
    }

    QDBusConnection m_bus;
    QList<Answer> m_answers;
    QImage m_picture;
    QTemporaryDir m_folder;
};

// The exchange with the desktop portal over D-Bus, against FakePortal: the picture is read and its
// file gone, the dialog follows a quiet refusal, and a refusal, a silence or no portal at all each give
// a failure in words and no picture.
class TestPortalScreenshot : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void exchange_data();
    void exchange();
    void lateAnswerLeavesNoFile();
    void goneCallerHearsNothing();

private:
    static std::optional<ScreenPicture> take(PortalScreenshot &portal, QObject *context);
};

void TestPortalScreenshot::initTestCase()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    QVERIFY2(bus.isConnected(), "no session bus: run through ctest (dbus-run-session)");
    // Never the user's own bus, where a real portal would answer.
    const QStringList activatable = bus.interface()->activatableServiceNames();
    if (activatable.contains(kService) || bus.interface()->isServiceRegistered(kService))
        QSKIP("this bus has a real portal: run through ctest, which gives the test a private bus");
}

std::optional<ScreenPicture> TestPortalScreenshot::take(PortalScreenshot &portal, QObject *context)
{
    auto delivered = std::make_shared<std::optional<ScreenPicture>>();
    auto count = std::make_shared<int>(0);
    portal.take(context, [delivered, count](const ScreenPicture &picture) {
        *delivered = picture;
        ++*count;
    });
    [&] { QTRY_VERIFY_WITH_TIMEOUT(delivered->has_value(), 20000); }();
    // Exactly once: nothing follows.
    QTest::qWait(50);
    if (*count != 1)
        return std::nullopt;
    return *delivered;
}

void TestPortalScreenshot::exchange_data()
{
    QTest::addColumn<bool>("portalRuns");
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<int>("scale");
    QTest::addColumn<QList<bool>>("dialogs");
    QTest::addColumn<QString>("failureWord");
    QTest::newRow("quiet picture") << true << QList<Answer>{Answer::Picture} << 1 << QList<bool>{false} << "";
    QTest::newRow("scaled picture") << true << QList<Answer>{Answer::Picture} << 2 << QList<bool>{false}
                                    << "";
    QTest::newRow("dialog after a quiet refusal")
        << true << QList<Answer>{Answer::Other, Answer::Picture} << 1 << QList<bool>{false, true} << "";
    QTest::newRow("user refuses") << true << QList<Answer>{Answer::Refuse} << 1 << QList<bool>{false}
                                  << "refused";
    QTest::newRow("user cancels the dialog")
        << true << QList<Answer>{Answer::Other, Answer::Refuse} << 1 << QList<bool>{false, true} << "refused";
    QTest::newRow("dialog fails too") << true << QList<Answer>{Answer::Other, Answer::Other} << 1
                                      << QList<bool>{false, true} << "could not";
    QTest::newRow("silence") << true << QList<Answer>{Answer::Silent} << 1 << QList<bool>{false} << "within";
    QTest::newRow("silent dialog") << true << QList<Answer>{Answer::Other, Answer::Silent} << 1
                                   << QList<bool>{false, true} << "within";
    QTest::newRow("no portal") << false << QList<Answer>() << 1 << QList<bool>() << "no screenshot portal";
}

void TestPortalScreenshot::exchange()
{
    QFETCH(bool, portalRuns);
    QFETCH(QList<Answer>, answers);
    QFETCH(int, scale);
    QFETCH(QList<bool>, dialogs);
    QFETCH(QString, failureWord);
    const QRect area = desktopArea();
    QImage shot(area.size() * scale, QImage::Format_RGB32);
    shot.fill(QColor(20, 120, 220));
    shot.setPixelColor(3, 5, Qt::red);
    std::unique_ptr<FakePortal> fake;
    if (portalRuns)
        fake = std::make_unique<FakePortal>(answers, shot);

    PortalScreenshot portal;
    portal.setTimeouts(400, 400);
    QObject caller;
    const std::optional<ScreenPicture> picture = take(portal, &caller);
    QVERIFY2(picture, "the caller heard more or less than once");
    if (failureWord.isEmpty()) {
        QVERIFY2(picture->failure.isEmpty(), qPrintable(picture->failure));
        QCOMPARE(picture->image.convertToFormat(QImage::Format_RGB32), shot);
        QCOMPARE(picture->area, area);
        QCOMPARE(picture->scale(), qreal(scale));
    } else {
        QVERIFY(picture->image.isNull());
        QVERIFY2(picture->failure.contains(failureWord, Qt::CaseInsensitive), qPrintable(picture->failure));
    }
    if (!fake)
        return;
    QCOMPARE(fake->calls.size(), dialogs.size());
    for (int i = 0; i < dialogs.size(); ++i) {
        QCOMPARE(fake->calls[i].value("interactive").toBool(), dialogs[i]);
        QVERIFY(!fake->calls[i].value("handle_token").toString().isEmpty());
    }
    for (const QString &file : std::as_const(fake->files))
        QVERIFY2(!QFile::exists(file), qPrintable(file + " was left behind"));
}

// A picture that comes after the time-out is no use to the caller, but its file is deleted all the same.
void TestPortalScreenshot::lateAnswerLeavesNoFile()
{
    const QRect area = desktopArea();
    QImage shot(area.size(), QImage::Format_RGB32);
    shot.fill(Qt::green);
    FakePortal fake({Answer::LatePicture}, shot);
    PortalScreenshot portal;
    portal.setTimeouts(100, 100);
    QObject caller;
    const std::optional<ScreenPicture> picture = take(portal, &caller);
    QVERIFY(picture);
    QVERIFY(picture->failure.contains("within"));
    QTRY_COMPARE_WITH_TIMEOUT(fake.files.size(), 1, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(fake.files.first()), 10000);
}

// A caller that is gone when the picture arrives is not called, and the file goes all the same.
void TestPortalScreenshot::goneCallerHearsNothing()
{
    const QRect area = desktopArea();
    QImage shot(area.size(), QImage::Format_RGB32);
    shot.fill(Qt::green);
    FakePortal fake({Answer::LatePicture}, shot);
    PortalScreenshot portal;
    bool called = false;
    auto *caller = new QObject;
    portal.take(caller, [&called](const ScreenPicture &) { called = true; });
    delete caller;
    QTRY_COMPARE_WITH_TIMEOUT(fake.files.size(), 1, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(fake.files.first()), 10000);
    QTest::qWait(50);
    QVERIFY(!called);
}

GRADORA_TEST_MAIN(TestPortalScreenshot)
#include "tst_portalscreenshot.moc"
