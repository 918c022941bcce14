// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The edge finder on a real X desktop: the ruler takes a picture of what lies beneath it without its
// own pixels, with and without a compositing manager, and a click fits it to a window beneath. None of
// the program's windows (the information panel beside the ruler) is in the picture, and no key pressed
// after a click is lost, with and without a window manager.
#include "compositingmanager.h"
#include "plainwindow.h"
#include "processdriver.h"
#include "ruleroverwindow.h"
#include "testsupport.h"

#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <optional>

namespace {
const QRect kStart(200, 200, 640, 480);
const QColor kDesktop(0, 160, 0);
// A plain window beneath the ruler, well inside it.
const QRect kTarget(400, 350, 180, 120);
const QColor kTargetColor(20, 40, 200);

QString geometryText(const QRect &geometry)
{
    return QStringLiteral("the ruler stands at %1, %2, %3 × %4")
        .arg(geometry.x())
        .arg(geometry.y())
        .arg(geometry.width())
        .arg(geometry.height());
}

// Whether a window manager runs: the window that the root names as the manager's exists.
bool hasWindowManager()
{
    const QString named = ProcessDriver::run(
        QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
    const QString id = named.section(QLatin1Char('#'), 1).trimmed();
    return !id.isEmpty() &&
           !ProcessDriver::run(QStringLiteral("xprop"), {QStringLiteral("-id"), id}).isEmpty();
}

// Gives the window the keyboard and presses the keys: through the window manager where one runs,
// straight through X where none does.
void focusAndPress(const QString &window, const QString &keys)
{
    if (hasWindowManager()) {
        ProcessDriver::activateAndPress(window, keys);
        return;
    }
    ProcessDriver::run(QStringLiteral("xdotool"),
                       {QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
    QTest::qWait(200);
    ProcessDriver::run(QStringLiteral("xdotool"),
                       {QStringLiteral("key"), QStringLiteral("--clearmodifiers"), keys});
}

void pressKey(const QString &key)
{
    ProcessDriver::run(QStringLiteral("xdotool"), {QStringLiteral("key"), key});
}
} // namespace

class TestEdgeFinderDesktop : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void clickFitsTheRulerToAWindowBeneath_data();
    void clickFitsTheRulerToAWindowBeneath();
    // Each row starts or stops the window manager as it needs: the rows with openbox come first.
    void thePictureHoldsNoneOfTheProgramsWindows_data() { desktopRows(); }
    void thePictureHoldsNoneOfTheProgramsWindows();
    void noKeyIsLostAfterAClick_data() { desktopRows(); }
    void noKeyIsLostAfterAClick();

private:
    static void desktopRows();
    // Starts or stops the window manager and the compositing manager as the row has them.
    void prepareDesktop();
    // Starts the program with the ruler at `geometry` and the edge finder on; answers the ruler's window.
    static QString startFinder(QProcess *process, const QString &settingsFile, const QRect &geometry);
    // Clicks at `point` until the ruler stands at `fitted` (the first clicks may come before the picture).
    static bool clickUntilFitted(const QString &window, QPoint point, const QRect &fitted);
    // Clicks at `point` until the ruler moves (the first clicks may come before the picture); answers
    // where the first click that found a box put it.
    static QRect firstFit(const QString &window, QPoint point);

    QProcess m_windowManager;
    CompositingManager m_compositor;
};

void TestEdgeFinderDesktop::desktopRows()
{
    QTest::addColumn<bool>("windowManager");
    QTest::addColumn<bool>("composited");
    QTest::newRow("openbox") << true << false;
    QTest::newRow("openbox and xcompmgr") << true << true;
    QTest::newRow("no window manager") << false << false;
    QTest::newRow("xcompmgr, no window manager") << false << true;
}

void TestEdgeFinderDesktop::prepareDesktop()
{
    QFETCH(bool, windowManager);
    QFETCH(bool, composited);
    m_compositor.stop();
    if (windowManager && !hasWindowManager()) {
        m_windowManager.start(
            QStringLiteral("openbox"),
            {QStringLiteral("--config-file"), QStringLiteral(GRADORA_SOURCE_DIR "/tests/openbox-rc.xml")});
        QVERIFY(ProcessDriver::waitFor(hasWindowManager, 10000));
    } else if (!windowManager && hasWindowManager()) {
        ProcessDriver::run(QStringLiteral("openbox"), {QStringLiteral("--exit")});
        QVERIFY(ProcessDriver::waitFor([] { return !hasWindowManager(); }, 10000));
    }
    if (composited)
        QVERIFY(m_compositor.start());
    ProcessDriver::run(QStringLiteral("xsetroot"), {QStringLiteral("-solid"), kDesktop.name()});
}

QString TestEdgeFinderDesktop::startFinder(QProcess *process, const QString &settingsFile,
                                           const QRect &geometry)
{
    {
        QSettings store(settingsFile, QSettings::IniFormat);
        store.setValue(QStringLiteral("flyingFigureVisible"), false);
        store.setValue(QStringLiteral("showRulerReadings"), false);
        store.setValue(QStringLiteral("geometry"), geometry);
    }
    const QString window = ProcessDriver::rulerWindow(process);
    if (window.isEmpty() ||
        !ProcessDriver::waitFor([&] { return ProcessDriver::geometryOf(window) == geometry; }, 10000))
        return {};
    focusAndPress(window, QStringLiteral("e"));
    return window;
}

bool TestEdgeFinderDesktop::clickUntilFitted(const QString &window, QPoint point, const QRect &fitted)
{
    return ProcessDriver::waitFor(
        [&] {
            ProcessDriver::moveAndClick(point);
            return ProcessDriver::waitFor([&] { return ProcessDriver::geometryOf(window) == fitted; }, 1000);
        },
        20000);
}

void TestEdgeFinderDesktop::clickFitsTheRulerToAWindowBeneath_data()
{
    QTest::addColumn<bool>("composited");
    QTest::newRow("without a compositor") << false;
    QTest::newRow("with a compositor") << true;
}

void TestEdgeFinderDesktop::clickFitsTheRulerToAWindowBeneath()
{
    QFETCH(bool, composited);
    RulerOverWindow scene(kDesktop, kTarget, kTargetColor, kStart);
    const QString window = scene.start(composited);
    QVERIFY(!window.isEmpty());

    ProcessDriver::activateAndPress(window, QStringLiteral("e"));
    // The first clicks may come before the picture: the finder then has no box and changes nothing.
    // The window beneath lives in this process, which may not have redrawn in time for the picture;
    // now and then the finder starts afresh for a new one, as a user would.
    int tries = 0;
    const bool fitted = ProcessDriver::waitFor(
        [&] {
            if (++tries % 4 == 0) {
                ProcessDriver::activateAndPress(window, QStringLiteral("Escape"));
                ProcessDriver::activateAndPress(window, QStringLiteral("e"));
            }
            ProcessDriver::moveAndClick(kTarget.center());
            return ProcessDriver::waitFor([&] { return ProcessDriver::geometryOf(window) == kTarget; }, 1000);
        },
        20000);
    QVERIFY2(fitted, qPrintable(QStringLiteral("the ruler stands at %1, %2, %3 × %4")
                                    .arg(ProcessDriver::geometryOf(window).x())
                                    .arg(ProcessDriver::geometryOf(window).y())
                                    .arg(ProcessDriver::geometryOf(window).width())
                                    .arg(ProcessDriver::geometryOf(window).height())));
}

QRect TestEdgeFinderDesktop::firstFit(const QString &window, QPoint point)
{
    const QRect before = ProcessDriver::geometryOf(window);
    QRect after = before;
    ProcessDriver::waitFor(
        [&] {
            ProcessDriver::moveAndClick(point);
            ProcessDriver::waitFor(
                [&] {
                    after = ProcessDriver::geometryOf(window);
                    return after != before;
                },
                1000);
            return after != before;
        },
        20000);
    // A window manager may place the window in two steps.
    QTest::qWait(300);
    return ProcessDriver::geometryOf(window);
}

// A window beneath the ruler reaches on under the information panel beside it: the box found is the
// whole window, not the part up to the panel's edge.
void TestEdgeFinderDesktop::thePictureHoldsNoneOfTheProgramsWindows()
{
    prepareDesktop();
    QFETCH(bool, composited);
    // Along the rows of the panel, which stands beside the ruler's top.
    const QRect wide(300, 230, 1400, 120);
    // Without a compositor, drawn on the desktop's background, which the X server paints again by
    // itself wherever a window steps aside, however busy the test is; a compositing manager paints
    // the background its own way, and the test's window stays in it as it is.
    std::optional<PlainWindow> target;
    QTemporaryDir folder;
    if (composited) {
        target.emplace(wide, kTargetColor);
        QVERIFY(target->showExposed());
    } else {
        QImage background(1920, 1080, QImage::Format_RGB32);
        background.fill(kDesktop);
        QPainter(&background).fillRect(wide, kTargetColor);
        const QString file = folder.filePath(QStringLiteral("desktop.png"));
        QVERIFY(background.save(file));
        ProcessDriver::run(QStringLiteral("display"),
                           {QStringLiteral("-window"), QStringLiteral("root"), file});
    }
    ProcessDriver driver;
    // Written before the start: the settings file is read once.
    QSettings(driver.settingsFile(), QSettings::IniFormat).setValue(QStringLiteral("canShowToolbox"), true);
    QProcess *process = driver.start();
    const QString window = startFinder(process, driver.settingsFile(), kStart);
    QVERIFY(!window.isEmpty());
    // The panel stands over the window beneath, right of the ruler.
    const bool panelOverTarget = ProcessDriver::waitFor(
        [&] {
            const QStringList shown = ProcessDriver::windows(process);
            return std::any_of(shown.cbegin(), shown.cend(), [&](const QString &other) {
                const QRect place = ProcessDriver::geometryOf(other);
                return other != window && place.left() >= kStart.right() && place.intersects(wide);
            });
        },
        10000);
    QVERIFY(panelOverTarget);

    // The first box found is the whole window beneath: with the panel in the picture, it would end at
    // the panel's edge.
    const QRect fitted = firstFit(window, QPoint(500, 290));
    QVERIFY2(fitted == wide, qPrintable(geometryText(fitted)));
}

// The keys pressed just after a click that fitted the ruler all arrive: three steps to the right,
// then Escape, which turns the finder off, so that a click on the ruler fits nothing any more.
void TestEdgeFinderDesktop::noKeyIsLostAfterAClick()
{
    prepareDesktop();
    PlainWindow target(kTarget, kTargetColor);
    QVERIFY(target.showExposed());
    ProcessDriver driver;
    const QString window = startFinder(driver.start(), driver.settingsFile(), kStart);
    QVERIFY(!window.isEmpty());
    QVERIFY2(clickUntilFitted(window, kTarget.center(), kTarget),
             qPrintable(geometryText(ProcessDriver::geometryOf(window))));

    for (int step = 0; step < 3; ++step) {
        QTest::qWait(step == 0 ? 300 : 100);
        pressKey(QStringLiteral("Right"));
    }
    const QRect stepped = kTarget.translated(3, 0);
    QVERIFY2(ProcessDriver::waitFor([&] { return ProcessDriver::geometryOf(window) == stepped; }, 5000),
             qPrintable(geometryText(ProcessDriver::geometryOf(window))));

    // The finder is still on: a click fits again; Escape just after it turns the finder off.
    ProcessDriver::moveAndClick(kTarget.center());
    QVERIFY(ProcessDriver::waitFor([&] { return ProcessDriver::geometryOf(window) == kTarget; }, 5000));
    QTest::qWait(300);
    pressKey(QStringLiteral("Escape"));
    QTest::qWait(100);
    pressKey(QStringLiteral("Right"));
    const QRect moved = kTarget.translated(1, 0);
    QVERIFY(ProcessDriver::waitFor([&] { return ProcessDriver::geometryOf(window) == moved; }, 5000));
    ProcessDriver::moveAndClick(kTarget.center());
    QTest::qWait(1500);
    QVERIFY2(ProcessDriver::geometryOf(window) == moved,
             qPrintable(geometryText(ProcessDriver::geometryOf(window))));
}

GRADORA_TEST_MAIN(TestEdgeFinderDesktop)
#include "tst_edgefinderdesktop.moc"
