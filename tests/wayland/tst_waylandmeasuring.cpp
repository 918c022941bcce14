// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The program on a real Wayland desktop (a headless sway with XWayland and the desktop portal, see
// tests/with-sway), measuring a native window that X cannot see, reached as a user reaches it: with
// the ruler's keys and the pointer. The edge finder and the colour readout work on a still frame from
// the portal and measure the native window exactly; although sway places windows itself, pointer
// drags move and resize the ruler exactly, and fits, keys and the stored place put it where it asks
// through sway's control socket (without it, a fit gives the size alone); without a portal, or with one
// that never answers, the tools say so and fit and copy nothing; the picture of the ruler's region
// comes through the portal too; and the portal's picture file is not left behind. Started as a native
// Wayland client, the ruler keeps in the settings file the place sway shows it at, learnt through the
// control socket, or without one the stored place, never 0, 0.
#include "process/processdriver.h"
#include "swaysession.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QSettings>

#include <QDBusConnection>
#include <QDBusConnectionInterface>

#include <algorithm>
#include <csignal>
#include <unistd.h>

using namespace SwaySession;

namespace {
// The native window to measure, well away from where the ruler stands.
const QRect kTarget(120, 140, 330, 210);
const QColor kTargetColor(0xd0, 0x60, 0x20);
const QPoint kOutOfTheWay(1900, 1060);
const QString kSentinel = QStringLiteral("nothing copied yet");

// The entries of /tmp that belong to this user.
QStringList ownTmpEntries()
{
    QStringList found;
    const QDir tmp(QStringLiteral("/tmp"));
    for (const QFileInfo &entry :
         tmp.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        if (entry.ownerId() == uint(getuid()))
            found.append(entry.fileName());
    }
    return found;
}

QString clipboardText()
{
    return QString::fromUtf8(
        run(QStringLiteral("xclip"), {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard")})
            .output);
}

// The clipboard's picture as a PNG, read through XWayland; null while it holds none.
QImage clipboardPicture()
{
    return QImage::fromData(run(QStringLiteral("xclip"), {QStringLiteral("-o"), QStringLiteral("-selection"),
                                                          QStringLiteral("clipboard"), QStringLiteral("-t"),
                                                          QStringLiteral("image/png")})
                                .output,
                            "PNG");
}

// Holds the X clipboard with a known text until another program takes it.
class ClipboardSentinel
{
public:
    bool hold(const QString &text)
    {
        m_process.kill();
        m_process.waitForFinished(2000);
        m_process.start(QStringLiteral("xclip"),
                        {QStringLiteral("-quiet"), QStringLiteral("-selection"), QStringLiteral("clipboard")});
        m_process.write(text.toUtf8());
        m_process.closeWriteChannel();
        return waitFor([&] { return clipboardText() == text; }, 5000);
    }
    ~ClipboardSentinel()
    {
        m_process.kill();
        m_process.waitForFinished(2000);
    }

private:
    QProcess m_process;
};

// A session bus with nothing on it: a desktop without a portal.
class BusWithoutPortal
{
public:
    bool start()
    {
        m_address = QStringLiteral("unix:path=%1/bus").arg(m_folder.path());
        m_process.start(
            QStringLiteral("dbus-daemon"),
            {QStringLiteral("--config-file=%1/tests/wayland/bus-without-portal.conf").arg(GRADORA_SOURCE_DIR),
             QStringLiteral("--nofork"), QStringLiteral("--address=") + m_address});
        return waitFor([&] { return QFile::exists(m_folder.path() + QStringLiteral("/bus")); }, 5000);
    }
    QString address() const { return m_address; }
    ~BusWithoutPortal()
    {
        m_process.terminate();
        m_process.waitForFinished(5000);
    }

private:
    QTemporaryDir m_folder;
    QProcess m_process;
    QString m_address;
};

// The session's portal, stopped (SIGSTOP) as a hung one would be: it takes calls and never answers.
// It is ended when the test is done; the bus starts a fresh one for the next request.
class StoppedPortal
{
public:
    bool stop()
    {
        QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
        if (!bus->isServiceRegistered(kPortalService))
            bus->startService(kPortalService);
        m_pid = bus->servicePid(kPortalService).value();
        return m_pid > 0 && ::kill(pid_t(m_pid), SIGSTOP) == 0;
    }
    ~StoppedPortal()
    {
        if (m_pid == 0)
            return;
        ::kill(pid_t(m_pid), SIGKILL);
        waitFor([] { return !QDBusConnection::sessionBus().interface()->isServiceRegistered(kPortalService); },
                5000);
    }

private:
    static inline const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
    uint m_pid = 0;
};

// Where the stored ruler stands, away from the middle of the screen, where sway puts new windows.
const QRect kStoredRuler(700, 300, 640, 480);

// Whether the program may find the compositor's control socket, through which it places its windows.
enum class ControlSocket
{
    Named,
    Unknown,
};

// A copy of the program with one ruler, and where sway shows that ruler.
class Program
{
public:
    explicit Program(const QString &busAddress = QString(), ControlSocket controlSocket = ControlSocket::Named)
    {
        QSettings store(m_driver.settingsFile(), QSettings::IniFormat);
        store.setValue(QStringLiteral("flyingFigureVisible"), false);
        store.setValue(QStringLiteral("showRulerReadings"), false);
        store.setValue(QStringLiteral("geometry"), kStoredRuler);
        store.sync();
        // The program takes the session bus and the control socket from its environment, which it
        // inherits from this test.
        const QByteArray ownBus = qgetenv("DBUS_SESSION_BUS_ADDRESS");
        const QByteArray ownSocket = qgetenv("SWAYSOCK");
        if (!busAddress.isEmpty())
            qputenv("DBUS_SESSION_BUS_ADDRESS", busAddress.toUtf8());
        if (controlSocket == ControlSocket::Unknown)
            qunsetenv("SWAYSOCK");
        m_process = m_driver.start();
        m_controlSocket = controlSocket;
        qputenv("DBUS_SESSION_BUS_ADDRESS", ownBus);
        qputenv("SWAYSOCK", ownSocket);
    }

    ~Program() { quit(); }

    // Ends the program as a session's end would, so that it can clean up after itself.
    void quit()
    {
        if (m_process && m_process->state() != QProcess::NotRunning) {
            m_process->terminate();
            if (!m_process->waitForFinished(10000))
                m_process->kill();
        }
    }

    // Whether the ruler is shown; it is then focused, so that keys reach it.
    bool showsRuler()
    {
        const QString window = ProcessDriver::rulerWindow(m_process);
        m_rulerId = window.toULongLong();
        // sway shows a new window in the middle first; the program then has it moved to its place.
        return m_rulerId != 0 && waitFor([&] { return !ruler().isEmpty(); }, 10000) &&
               (m_controlSocket == ControlSocket::Unknown || waitFor([&] { return ruler() == kStoredRuler; }, 10000)) &&
               focusRuler();
    }

    bool focusRuler() const
    {
        const QJsonObject node = rulerNode();
        return !node.isEmpty() &&
               command(QStringLiteral("[con_id=%1] focus").arg(node.value(QLatin1String("id")).toInteger()));
    }

    // Where sway shows the ruler.
    QRect ruler() const { return rectOf(rulerNode()); }

    // Waits until the ruler stands at the rectangle.
    bool rulerReaches(const QRect &rect, int timeoutMs = 5000) const
    {
        return waitFor([&] { return ruler() == rect; }, timeoutMs);
    }

    // A window of the program that covers the whole screen: the still frame.
    bool showsStillFrame(int timeoutMs = 10000) const
    {
        return waitFor(
            [&] {
                for (const QJsonObject &window : windows()) {
                    if (window.value(QLatin1String("pid")).toInteger() == m_process->processId() &&
                        rectOf(window) == kScreen)
                        return true;
                }
                return false;
            },
            timeoutMs);
    }

    // Where sway shows the program's other windows (the information panel).
    QList<QRect> otherWindows() const
    {
        QList<QRect> found;
        for (const QJsonObject &window : windows()) {
            if (window.value(QLatin1String("pid")).toInteger() == m_process->processId() && x11Id(window) != m_rulerId)
                found.append(rectOf(window));
        }
        return found;
    }

    bool isRunning() const { return m_process->state() == QProcess::Running; }

    // Whether the program shows a message within the time (its words are tested with the fake
    // portal); the message is then closed as a user closes it.
    bool showsMessage(int timeoutMs = 10000) const
    {
        QJsonObject node;
        waitFor(
            [&] {
                for (const QString &window : ProcessDriver::windows(m_process)) {
                    if (!ProcessDriver::isDialog(window))
                        continue;
                    for (const QJsonObject &shown : windows()) {
                        if (x11Id(shown) == window.toULongLong())
                            node = shown;
                    }
                }
                return !node.isEmpty();
            },
            timeoutMs);
        return !node.isEmpty() &&
               command(QStringLiteral("[con_id=%1] focus").arg(node.value(QLatin1String("id")).toInteger())) &&
               press(QStringLiteral("Return"));
    }

private:
    QJsonObject rulerNode() const
    {
        for (const QJsonObject &window : windows()) {
            if (x11Id(window) == m_rulerId)
                return window;
        }
        return {};
    }

    ProcessDriver m_driver;
    QProcess *m_process = nullptr;
    qulonglong m_rulerId = 0;
    ControlSocket m_controlSocket = ControlSocket::Named;
};

// The long tick at 100 on the ruler's top scale, in the ruler's colour.
const QPoint kTick(100, 0);
const QColor kTickColor(111, 33, 55);

// Whether the ruler standing at `ruler` is on screen: stepped aside for a picture, it comes back.
bool rulerIsOnScreen(const QRect &ruler)
{
    return waitFor([&] { return screen().pixelColor(ruler.topLeft() + kTick) == kTickColor; }, 5000);
}

QString describe(const QRect &rect)
{
    return QStringLiteral("%1, %2, %3 × %4").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
}
} // namespace

class TestWaylandMeasuring : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void stillFrameEdgeFinderFitsTheRulerToANativeWindow();
    void withoutAControlSocketTheFitGivesTheSize();
    void theStoredPlaceAndTheKeysPlaceTheRuler_data();
    void theStoredPlaceAndTheKeysPlaceTheRuler();
    void colorReadoutOfANativeWindowIsItsColor();
    void regionPictureHoldsTheNativeWindowBeneath();
    void stillFrameHoldsNoWindowOfTheProgram();
    void pointerDragMovesTheRulerByTheDragVector_data();
    void pointerDragMovesTheRulerByTheDragVector();
    void aDoubleClickOnTheBodyTogglesFullScreen();
    void withoutAPictureTheToolsSaySoAndFitAndCopyNothing_data();
    void withoutAPictureTheToolsSaySoAndFitAndCopyNothing();
    void aNativeRulerKeepsThePlaceSwayShows_data();
    void aNativeRulerKeepsThePlaceSwayShows();
    void nothingIsLeftBehindInTmp();

private:
    QStringList m_tmpBefore;
};

void TestWaylandMeasuring::initTestCase()
{
    QVERIFY2(isRunning(), "run this test inside tests/with-sway");
    m_tmpBefore = ownTmpEntries();
}

// E shows the still frame; a click on the native window fits the ruler to it, pixel for pixel.
void TestWaylandMeasuring::stillFrameEdgeFinderFitsTheRulerToANativeWindow()
{
    ColorWindow target;
    QVERIFY(target.show(kTarget, kTargetColor));
    QVERIFY(moveTo(kOutOfTheWay));
    Program program;
    QVERIFY(program.showsRuler());
    QVERIFY(press(QStringLiteral("e")));
    QVERIFY(program.showsStillFrame());
    QVERIFY2(!QFile::exists(QStringLiteral("/tmp/out.png")), "the portal's picture file is still there");
    // Clicks before the picture is there find no box and change nothing.
    const bool fitted = waitFor(
        [&] { return clickAt(kTarget.center()) && program.rulerReaches(kTarget, 1500); }, 10000);
    qInfo("the ruler stands at %s", qPrintable(describe(program.ruler())));
    QVERIFY(fitted);
}

// Without the compositor's control socket nothing can place the ruler on sway: the fit gives it the
// box's size, and sway puts it where it will (in the middle of the screen).
void TestWaylandMeasuring::withoutAControlSocketTheFitGivesTheSize()
{
    ColorWindow target;
    QVERIFY(target.show(kTarget, kTargetColor));
    QVERIFY(moveTo(kOutOfTheWay));
    Program program(QString(), ControlSocket::Unknown);
    QVERIFY(program.showsRuler());
    QVERIFY(press(QStringLiteral("e")));
    QVERIFY(program.showsStillFrame());
    const bool sized = waitFor(
        [&] {
            return clickAt(kTarget.center()) &&
                   waitFor([&] { return program.ruler().size() == kTarget.size(); }, 1500);
        },
        10000);
    qInfo("the ruler stands at %s", qPrintable(describe(program.ruler())));
    QVERIFY(sized);
    QVERIFY2(program.ruler().topLeft() != kTarget.topLeft(),
             "sway placed the ruler as asked: is the test still needed?");
}

void TestWaylandMeasuring::theStoredPlaceAndTheKeysPlaceTheRuler_data()
{
    QTest::addColumn<QString>("chord");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("an arrow key moves one pixel") << QStringLiteral("Right") << kStoredRuler.translated(1, 0);
    QTest::newRow("Alt and an arrow key move a hundred")
        << QStringLiteral("alt+Up") << kStoredRuler.translated(0, -100);
    QTest::newRow("Shift and an arrow key resize") << QStringLiteral("shift+Down") << kStoredRuler.adjusted(0, 0, 0, 1);
}

// The ruler opens where it was stored, and the keys move and size it, though sway places windows
// itself: through its control socket.
void TestWaylandMeasuring::theStoredPlaceAndTheKeysPlaceTheRuler()
{
    QFETCH(QString, chord);
    QFETCH(QRect, expected);
    Program program;
    QVERIFY(program.showsRuler());
    const bool restored = program.rulerReaches(kStoredRuler);
    qInfo("the ruler opened at %s", qPrintable(describe(program.ruler())));
    QVERIFY(restored);
    QVERIFY(program.focusRuler());
    QVERIFY(press(chord));
    const bool reached = program.rulerReaches(expected);
    qInfo("the ruler stands at %s", qPrintable(describe(program.ruler())));
    QVERIFY(reached);
    // The information panel stands beside the ruler, not where sway would put it (over the ruler).
    const bool panelBeside = waitFor(
        [&] {
            const QList<QRect> panels = program.otherWindows();
            return panels.size() == 1 && !panels.first().intersects(program.ruler()) &&
                   panels.first().left() > program.ruler().right();
        },
        5000);
    for (const QRect &panel : program.otherWindows())
        qInfo("the panel stands at %s", qPrintable(describe(panel)));
    QVERIFY(panelBeside);
}

// Alt+Shift+M shows the magnifier on the still frame; C copies the colour under the pointer.
void TestWaylandMeasuring::colorReadoutOfANativeWindowIsItsColor()
{
    ColorWindow target;
    QVERIFY(target.show(kTarget, kTargetColor));
    QVERIFY(moveTo(kOutOfTheWay));
    ClipboardSentinel clipboard;
    QVERIFY(clipboard.hold(kSentinel));
    Program program;
    QVERIFY(program.showsRuler());
    QVERIFY(press(QStringLiteral("alt+shift+m")));
    QVERIFY(program.showsStillFrame());
    QVERIFY2(!QFile::exists(QStringLiteral("/tmp/out.png")), "the portal's picture file is still there");
    const QString expected = kTargetColor.name().toUpper();
    const bool copied = waitFor(
        [&] {
            return moveTo(kTarget.center() + QPoint(7, -5)) && press(QStringLiteral("c")) &&
                   waitFor([&] { return clipboardText().toUpper() == expected; }, 1500);
        },
        10000);
    QVERIFY2(copied, qPrintable(QStringLiteral("the clipboard holds \"%1\"").arg(clipboardText())));
}

// Alt+Shift+O copies the picture of the ruler's region, taken through the portal: the native window
// beneath the ruler is in it at its place, with the ruler's scale drawn over it.
void TestWaylandMeasuring::regionPictureHoldsTheNativeWindowBeneath()
{
    Program program;
    QVERIFY(program.showsRuler());
    // sway shows it in the middle of the screen first; then it stands at its stored place.
    QVERIFY(program.rulerReaches(kStoredRuler));
    const QRect ruler = program.ruler();
    const QRect beneath(ruler.x() + 150, ruler.y() + 120, 200, 140);
    ColorWindow target;
    QVERIFY(target.show(beneath, kTargetColor));
    QVERIFY(moveTo(kOutOfTheWay));
    QVERIFY(program.focusRuler());
    const QPoint inside = beneath.center() - ruler.topLeft();
    QImage copied;
    QVERIFY(waitFor(
        [&] {
            return press(QStringLiteral("alt+shift+o")) &&
                   waitFor([&] { return !(copied = clipboardPicture()).isNull(); }, 3000);
        },
        15000));
    QCOMPARE(copied.size(), ruler.size());
    QCOMPARE(copied.pixelColor(kTick), kTickColor);
    // The first pictures may come before the native window has drawn itself: pressed again, as a user would.
    const auto holdsWindow = [&] {
        copied = clipboardPicture();
        return copied.pixelColor(inside) == kTargetColor;
    };
    bool held = holdsWindow();
    for (int attempt = 0; attempt < 4 && !held; ++attempt)
        held = press(QStringLiteral("alt+shift+o")) && waitFor(holdsWindow, 2000);
    QVERIFY2(held, qPrintable(copied.pixelColor(inside).name() + QStringLiteral(" where the native window is")));
    QVERIFY2(rulerIsOnScreen(ruler), "the ruler did not come back after the picture");
}

// The still frame shows the desktop as it is without the program: where the ruler's body and the
// information panel stood, it shows what they covered.
void TestWaylandMeasuring::stillFrameHoldsNoWindowOfTheProgram()
{
    const QRect beneath = kStoredRuler.adjusted(150, 120, -290, -220);
    ColorWindow target;
    QVERIFY(target.show(beneath, kTargetColor));
    QVERIFY(moveTo(kOutOfTheWay));
    const QImage without = screen();
    Program program;
    QVERIFY(program.showsRuler());
    QVERIFY(program.rulerReaches(kStoredRuler));
    QVERIFY(waitFor([&] { return program.otherWindows().size() == 1; }, 5000));
    const QRect panel = program.otherWindows().constFirst();
    QVERIFY(rulerIsOnScreen(kStoredRuler));
    QVERIFY(program.focusRuler());
    QVERIFY(press(QStringLiteral("e")));
    QVERIFY(program.showsStillFrame());
    // The ruler's body over the native window and over the bare desktop, and the panel's middle.
    const QList<QPoint> covered = {beneath.center(), kStoredRuler.topLeft() + QPoint(60, 60), panel.center()};
    QImage shown;
    const bool uncovered = waitFor(
        [&] {
            shown = screen();
            return std::all_of(covered.cbegin(), covered.cend(), [&](QPoint point) {
                return shown.pixelColor(point) == without.pixelColor(point);
            });
        },
        5000);
    for (const QPoint point : covered) {
        qInfo("at %d, %d the still frame shows %s, the desktop %s", point.x(), point.y(),
              qPrintable(shown.pixelColor(point).name()), qPrintable(without.pixelColor(point).name()));
    }
    QVERIFY(uncovered);
    QCOMPARE(shown.pixelColor(beneath.center()), kTargetColor);
}

void TestWaylandMeasuring::pointerDragMovesTheRulerByTheDragVector_data()
{
    QTest::addColumn<QPoint>("grabFromTopLeft"); // where the drag starts, from the ruler's top left
    QTest::addColumn<QPoint>("vector");
    QTest::addColumn<QMargins>("change"); // how each side of the ruler moves
    QTest::newRow("the body moves the ruler")
        << QPoint(320, 240) << QPoint(-230, 140) << QMargins(230, -140, -230, 140);
    QTest::newRow("the right edge widens it") << QPoint(638, 240) << QPoint(100, 0) << QMargins(0, 0, 100, 0);
    QTest::newRow("the bottom right corner grows it")
        << QPoint(638, 478) << QPoint(-90, 60) << QMargins(0, 0, -90, 60);
}

// sway does not let a window place itself: the drags go through the compositor and stay exact.
void TestWaylandMeasuring::pointerDragMovesTheRulerByTheDragVector()
{
    QFETCH(QPoint, grabFromTopLeft);
    QFETCH(QPoint, vector);
    QFETCH(QMargins, change);
    Program program;
    QVERIFY(program.showsRuler());
    QVERIFY(program.rulerReaches(kStoredRuler));
    const QRect before = program.ruler();
    const QPoint from = before.topLeft() + grabFromTopLeft;
    const QPoint to = from + vector;
    QVERIFY(input({QStringLiteral("drag"), QString::number(from.x()), QString::number(from.y()),
                   QString::number(to.x()), QString::number(to.y())}));
    const QRect expected = before.marginsAdded(change);
    const bool reached = program.rulerReaches(expected);
    qInfo("the ruler stands at %s, expected at %s", qPrintable(describe(program.ruler())),
          qPrintable(describe(expected)));
    QVERIFY(reached);
}

// Each press on the body hands a move to sway, which ends it at the release: the double click is still
// the program's, and brings the ruler back where it was.
void TestWaylandMeasuring::aDoubleClickOnTheBodyTogglesFullScreen()
{
    Program program;
    QVERIFY(program.showsRuler());
    QVERIFY(program.rulerReaches(kStoredRuler));
    const QString x = QString::number(kStoredRuler.center().x());
    const QString y = QString::number(kStoredRuler.center().y());
    const QStringList doubleClick = {QStringLiteral("move"), x, y, QStringLiteral("sleep"), QStringLiteral("200"),
                                     QStringLiteral("click"), QStringLiteral("click")};
    QVERIFY(input(doubleClick));
    const bool full = program.rulerReaches(kScreen);
    qInfo("after one double click the ruler stands at %s", qPrintable(describe(program.ruler())));
    QVERIFY(full);
    QVERIFY(input(doubleClick));
    const bool back = program.rulerReaches(kStoredRuler);
    qInfo("after two the ruler stands at %s", qPrintable(describe(program.ruler())));
    QVERIFY(back);
}

void TestWaylandMeasuring::withoutAPictureTheToolsSaySoAndFitAndCopyNothing_data()
{
    QTest::addColumn<QString>("toolKey");
    QTest::addColumn<bool>("portalStopped"); // or none on the bus at all
    QTest::addColumn<int>("sayingWithinMs");
    QTest::newRow("no portal: the edge finder") << QStringLiteral("e") << false << 10000;
    QTest::newRow("no portal: the magnifier") << QStringLiteral("alt+shift+m") << false << 10000;
    QTest::newRow("no portal: the region's picture") << QStringLiteral("alt+shift+o") << false << 10000;
    // The program waits 20 seconds for a quiet picture.
    QTest::newRow("the portal stopped: the edge finder") << QStringLiteral("e") << true << 35000;
}

// Where no picture can be had (no portal, or one that never answers), the tool says so; a click on the
// native window fits nothing, and C copies nothing.
void TestWaylandMeasuring::withoutAPictureTheToolsSaySoAndFitAndCopyNothing()
{
    QFETCH(QString, toolKey);
    QFETCH(bool, portalStopped);
    QFETCH(int, sayingWithinMs);
    ColorWindow target;
    QVERIFY(target.show(kTarget, kTargetColor));
    QVERIFY(moveTo(kOutOfTheWay));
    BusWithoutPortal bus;
    StoppedPortal stoppedPortal;
    if (portalStopped)
        QVERIFY(stoppedPortal.stop());
    else
        QVERIFY(bus.start());
    Program program(portalStopped ? QString() : bus.address());
    QVERIFY(program.showsRuler());
    const QRect before = program.ruler();

    QVERIFY(press(toolKey));
    QVERIFY2(program.showsMessage(sayingWithinMs), "the program says nothing");
    QVERIFY2(rulerIsOnScreen(program.ruler()), "the ruler did not come back after the failed picture");
    ClipboardSentinel clipboard;
    QVERIFY(clipboard.hold(kSentinel));
    QVERIFY(clickAt(kTarget.center()));
    QVERIFY(press(QStringLiteral("c")));
    QTest::qWait(1000);
    QVERIFY2(program.ruler() == before,
             qPrintable(QStringLiteral("the ruler was fitted to %1").arg(describe(program.ruler()))));
    QCOMPARE(clipboardText(), kSentinel);
    QVERIFY(program.isRunning());
}

// The portal writes its picture to a file that others may read; the program deletes it at once, and
// leaves nothing else behind.
void TestWaylandMeasuring::aNativeRulerKeepsThePlaceSwayShows_data()
{
    QTest::addColumn<bool>("controlSocket");
    QTest::newRow("with the control socket: the place sway shows") << true;
    QTest::newRow("without one: the stored place") << false;
}

void TestWaylandMeasuring::aNativeRulerKeepsThePlaceSwayShows()
{
    QFETCH(bool, controlSocket);
    ProcessDriver driver;
    {
        QSettings store(driver.settingsFile(), QSettings::IniFormat);
        store.setValue(QStringLiteral("flyingFigureVisible"), false);
        store.setValue(QStringLiteral("geometry"), kStoredRuler);
    }
    ProcessDriver::StartOptions options;
    options.environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    if (!controlSocket)
        options.environment.insert(QStringLiteral("SWAYSOCK"), QString());
    QProcess *program = driver.start(options);
    const auto rulerNode = [program] {
        for (const QJsonObject &window : windows()) {
            if (window.value(QLatin1String("pid")).toInteger() == program->processId() &&
                window.value(QLatin1String("name")).toString() == QLatin1String("Gradora"))
                return window;
        }
        return QJsonObject();
    };
    QVERIFY2(waitFor([&] { return !rulerNode().isEmpty(); }, 20000), "sway shows no native ruler");
    // sway puts a new window where it likes; then the user has sway move it, and the pointer meets the
    // ruler where it now stands.
    const QRect moved(kStoredRuler.topLeft() - QPoint(450, 180), kStoredRuler.size());
    QVERIFY(command(QStringLiteral("[con_id=%1] move absolute position %2 %3")
                        .arg(rulerNode().value(QLatin1String("id")).toInteger())
                        .arg(moved.x())
                        .arg(moved.y())));
    QVERIFY(waitFor([&] { return rectOf(rulerNode()) == moved; }, 5000));
    QVERIFY(moveTo(kOutOfTheWay));
    QVERIFY(moveTo(moved.center()));
    // The ruler asks sway at once; the settings file is written when the program ends.
    QTest::qWait(1000);
    program->terminate();
    QVERIFY(program->waitForFinished(20000));
    const QRect kept =
        QSettings(driver.settingsFile(), QSettings::IniFormat).value(QStringLiteral("geometry")).toRect();
    qInfo("sway showed the ruler at %s; the settings file keeps %s", qPrintable(describe(moved)),
          qPrintable(describe(kept)));
    QCOMPARE(kept, controlSocket ? moved : kStoredRuler);
}

void TestWaylandMeasuring::nothingIsLeftBehindInTmp()
{
    {
        ColorWindow target;
        QVERIFY(target.show(kTarget, kTargetColor));
        Program program;
        QVERIFY(program.showsRuler());
        QVERIFY(press(QStringLiteral("e")));
        QVERIFY(program.showsStillFrame());
        QVERIFY(!QFile::exists(QStringLiteral("/tmp/out.png")));
        QVERIFY(press(QStringLiteral("Escape")));
        program.quit();
    }
    QStringList after = ownTmpEntries();
    for (const QString &entry : std::as_const(m_tmpBefore))
        after.removeOne(entry);
    QVERIFY2(after.isEmpty(), qPrintable(after.join(QLatin1String(", "))));
}

GRADORA_TEST_MAIN(TestWaylandMeasuring)
#include "tst_waylandmeasuring.moc"
