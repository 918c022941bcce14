// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The real program in a session that says it is Wayland (so it runs as under XWayland), on a virtual X
// display with a compositing manager and a private session bus: its pictures of the screen come from
// a screenshot portal of the test's own, and the edge finder works on a still frame.
#include "compositingmanager.h"
#include "processdriver.h"
#include "testsupport.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace {
const QRect kStart(200, 200, 640, 480);
const QColor kDesktop(0, 160, 0);
// A plain window beneath the ruler, well inside it.
const QRect kTarget(400, 350, 180, 120);
const QColor kTargetColor(20, 40, 200);
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");


} // namespace

// A screenshot portal that answers every call with the screen as the X server shows it, in a file of
// its own that anyone may read (as real portals may leave it in /tmp).
class ScreenPortal : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
public:
    ScreenPortal()
    {
        QDBusConnection::sessionBus().registerObject(kPortalPath, this, QDBusConnection::ExportAllSlots);
        QDBusConnection::sessionBus().registerService(kPortalService);
    }
    ~ScreenPortal() override
    {
        QDBusConnection::sessionBus().unregisterService(kPortalService);
        QDBusConnection::sessionBus().unregisterObject(kPortalPath);
    }

    QStringList files;
    QList<QVariantMap> calls;

public Q_SLOTS:
    QDBusObjectPath Screenshot(const QString &parentWindow, const QVariantMap &options)
    {
        Q_UNUSED(parentWindow);
        calls.append(options);
        QString sender = message().service().mid(1);
        sender.replace(QLatin1Char('.'), QLatin1Char('_'));
        const QString handle =
            kPortalPath + "/request/" + sender + "/" + options.value("handle_token").toString();
        QTimer::singleShot(200, this, [this, handle] { respond(handle); });
        return QDBusObjectPath(handle);
    }

private:
    void respond(const QString &handle)
    {
        const QString file = m_folder.path() + QStringLiteral("/Screenshot-%1.png").arg(files.size());
        QGuiApplication::primaryScreen()->grabWindow(0).save(file);
        QFile::setPermissions(file, QFile::permissions(file) | QFileDevice::ReadOther);
        files.append(file);
        QDBusMessage response =
            QDBusMessage::createSignal(handle, "org.freedesktop.portal.Request", "Response");
        response << 0u << QVariantMap{{"uri", QUrl::fromLocalFile(file).toString()}};
        QDBusConnection::sessionBus().send(response);
    }

    QTemporaryDir m_folder;
};

class TestPortalStillFrame : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void edgeFinderFitsTheRulerOnTheStillFrame();
    void withoutAPortalTheEdgeFinderSaysSo();

private:
    QString startRuler(ProcessDriver &driver, QProcess *&process);

    std::unique_ptr<QWidget> m_target;
    CompositingManager m_compositor;
};

void TestPortalStillFrame::initTestCase()
{
    QVERIFY2(QDBusConnection::sessionBus().isConnected(),
             "no session bus: run through ctest (dbus-run-session)");
    // The program takes this for a Wayland session reached through XWayland.
    qputenv("XDG_SESSION_TYPE", "wayland");
}

void TestPortalStillFrame::init()
{
    ProcessDriver::run(QStringLiteral("xsetroot"), {QStringLiteral("-solid"), kDesktop.name()});
    m_target = std::make_unique<QWidget>(nullptr, Qt::FramelessWindowHint);
    m_target->setAutoFillBackground(true);
    QPalette palette = m_target->palette();
    palette.setColor(QPalette::Window, kTargetColor);
    m_target->setPalette(palette);
    m_target->setGeometry(kTarget);
    bool exposed = false;
    for (int attempt = 0; attempt < 5 && !exposed; ++attempt) {
        m_target->show();
        exposed = QTest::qWaitForWindowExposed(m_target.get(), 4000);
        if (!exposed)
            m_target->hide();
    }
    QVERIFY(exposed);
    // A Wayland compositor always composites: the program's windows step aside by turning transparent.
    QVERIFY(m_compositor.start());
}

void TestPortalStillFrame::cleanup()
{
    m_compositor.stop();
    m_target.reset();
}

QString TestPortalStillFrame::startRuler(ProcessDriver &driver, QProcess *&process)
{
    {
        QSettings store(driver.settingsFile(), QSettings::IniFormat);
        store.setValue(QStringLiteral("flyingFigureVisible"), false);
        store.setValue(QStringLiteral("showRulerReadings"), false);
        store.setValue(QStringLiteral("canShowToolbox"), false);
        store.setValue(QStringLiteral("geometry"), kStart);
    }
    process = driver.start();
    const QString window = ProcessDriver::rulerWindow(process);
    if (!window.isEmpty())
        ProcessDriver::waitFor([&] { return ProcessDriver::geometryOf(window) == kStart; }, 10000);
    return window;
}

void TestPortalStillFrame::edgeFinderFitsTheRulerOnTheStillFrame()
{
    ScreenPortal portal;
    ProcessDriver driver;
    QProcess *process = nullptr;
    const QString window = startRuler(driver, process);
    QVERIFY(!window.isEmpty());
    const QString stillTitle = QStringLiteral("Edge finder on a still frame");
    QVERIFY(ProcessDriver::pressUntil(
        window, QStringLiteral("e"), [&] { return !ProcessDriver::windows(process, stillTitle).isEmpty(); }));
    // The picture came quietly, without the desktop's dialog.
    QVERIFY(!portal.calls.isEmpty());
    QVERIFY(!portal.calls.first().value("interactive").toBool());
    const bool fitted = ProcessDriver::waitFor(
        [&] {
            ProcessDriver::moveAndClick(kTarget.center());
            return ProcessDriver::waitFor([&] { return ProcessDriver::geometryOf(window) == kTarget; }, 1000);
        },
        20000);
    const QRect at = ProcessDriver::geometryOf(window);
    QVERIFY2(fitted, qPrintable(QStringLiteral("the ruler stands at %1, %2, %3 × %4")
                                    .arg(at.x())
                                    .arg(at.y())
                                    .arg(at.width())
                                    .arg(at.height())));
    // The click left the still frame, and the portal's file is gone.
    QVERIFY(
        ProcessDriver::waitFor([&] { return ProcessDriver::windows(process, stillTitle).isEmpty(); }, 10000));
    for (const QString &file : std::as_const(portal.files))
        QVERIFY2(!QFile::exists(file), qPrintable(file + " was left behind"));
}

void TestPortalStillFrame::withoutAPortalTheEdgeFinderSaysSo()
{
    ProcessDriver driver;
    QProcess *process = nullptr;
    const QString window = startRuler(driver, process);
    QVERIFY(!window.isEmpty());
    auto messageShown = [&] {
        const QStringList shown = ProcessDriver::windows(process, QStringLiteral("Gradora"));
        return std::any_of(shown.begin(), shown.end(),
                           [](const QString &id) { return ProcessDriver::isDialog(id); });
    };
    QVERIFY(ProcessDriver::pressUntil(window, QStringLiteral("e"), messageShown));
    QVERIFY(ProcessDriver::windows(process, QStringLiteral("Edge finder on a still frame")).isEmpty());
    ProcessDriver::moveAndClick(kTarget.center());
    QTest::qWait(300);
    QCOMPARE(ProcessDriver::geometryOf(window), kStart);
}

GRADORA_TEST_MAIN(TestPortalStillFrame)
#include "tst_portalstillframe.moc"
