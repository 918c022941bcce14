// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "compositingmanager.h"
#include "processdriver.h"
#include "testsupport.h"

#include <QImage>
#include <QSettings>
#include <QTest>

// Without a compositing manager the ruler's body lets the desktop show through: the ruler keeps only
// its bands, ticks and marks, and the bands still drag it. With one, the window stays whole.
class TestSeeThrough : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void bodyShowsTheDesktopAndTheBandDrags();
    void shapeFollowsAResize();
    void dragEndsExactlyWithTheWholeShape();
    void compositorKeepsTheWholeWindow();

private:
    QString startBareRuler(ProcessDriver &driver, QProcess *&process);
};

namespace {
const QRect kStart(200, 200, 640, 480);
const QColor kDesktop(0, 160, 0);
const QColor kRulerColor(111, 33, 55);

QImage screen()
{
    QProcess import;
    import.start(QStringLiteral("import"),
                 {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("png:-")});
    import.waitForFinished(20000);
    return QImage::fromData(import.readAllStandardOutput(), "PNG");
}

QColor pixelAt(QPoint point)
{
    const QImage shot = screen();
    return shot.isNull() ? QColor() : shot.pixelColor(point);
}

QString rootWindow()
{
    const QString info = ProcessDriver::run(QStringLiteral("xwininfo"), {QStringLiteral("-root")});
    const QString id = info.section(QStringLiteral("Window id: "), 1).section(' ', 0, 0);
    return QString::number(id.toUInt(nullptr, 16));
}

// The top-level window under the pointer at a screen point.
QString windowUnder(QPoint point)
{
    ProcessDriver::run(QStringLiteral("xdotool"),
                       {QStringLiteral("mousemove"), QString::number(point.x()), QString::number(point.y())});
    const QString shell = ProcessDriver::run(QStringLiteral("xdotool"),
                                             {QStringLiteral("getmouselocation"), QStringLiteral("--shell")});
    return shell.section(QStringLiteral("WINDOW="), 1).section('\n', 0, 0).trimmed();
}

bool desktopShowsAt(QPoint point)
{
    return ProcessDriver::waitFor([&] { return pixelAt(point) == kDesktop; });
}
} // namespace

QString TestSeeThrough::startBareRuler(ProcessDriver &driver, QProcess *&process)
{
    {
        // A ruler with nothing on its body: no figure, no readings.
        QSettings store(driver.settingsFile(), QSettings::IniFormat);
        store.setValue(QStringLiteral("flyingFigureVisible"), false);
        store.setValue(QStringLiteral("showRulerReadings"), false);
        store.setValue(QStringLiteral("geometry"), kStart);
    }
    process = driver.start();
    const QString window = ProcessDriver::rulerWindow(process);
    // The program holds the display open, so the root's colour stays.
    ProcessDriver::run(QStringLiteral("xsetroot"), {QStringLiteral("-solid"), kDesktop.name()});
    return window;
}

void TestSeeThrough::bodyShowsTheDesktopAndTheBandDrags()
{
    ProcessDriver driver;
    QProcess *process = nullptr;
    const QString window = startBareRuler(driver, process);
    QVERIFY(!window.isEmpty());
    const QRect start = ProcessDriver::geometryOf(window);
    QCOMPARE(start, kStart);

    QVERIFY2(desktopShowsAt(start.center()), "the body hides the desktop");
    const QImage shot = screen();
    // The top ticker's medium tick at 50 px, and the band around it in the body's colour.
    QCOMPARE(shot.pixelColor(start.topLeft() + QPoint(50, 12)), kRulerColor);
    QVERIFY(shot.pixelColor(start.topLeft() + QPoint(53, 12)) != kDesktop);
    QCOMPARE(shot.pixelColor(start.bottomLeft() + QPoint(50, -3)), kRulerColor);
    // A press on the body reaches the desktop; one on the bottom band reaches the ruler.
    QCOMPARE(windowUnder(start.center()), rootWindow());
    const QPoint band(start.center().x(), start.bottom() - 15);
    QVERIFY(windowUnder(band) != rootWindow());

    const QPoint step(30, 20);
    ProcessDriver::run(QStringLiteral("xdotool"), {QStringLiteral("mousedown"), QStringLiteral("1")});
    for (int i = 1; i <= 2; ++i) {
        const QPoint to = band + i * step;
        ProcessDriver::run(QStringLiteral("xdotool"),
                           {QStringLiteral("mousemove"), QString::number(to.x()), QString::number(to.y())});
        QTest::qWait(100);
    }
    ProcessDriver::run(QStringLiteral("xdotool"), {QStringLiteral("mouseup"), QStringLiteral("1")});
    QVERIFY(ProcessDriver::waitFor(
        [&] { return ProcessDriver::geometryOf(window) == start.translated(2 * step); }, 10000));
    QVERIFY(desktopShowsAt(start.translated(2 * step).center()));
}

// A drag moves the window at most once a frame; the ruler still ends exactly where the pointer let go,
// and the figure's part of the shape, left out while the window moves, is back: the ruler shows at its
// new place exactly what it showed at the old one.
void TestSeeThrough::dragEndsExactlyWithTheWholeShape()
{
    ProcessDriver driver;
    {
        QSettings store(driver.settingsFile(), QSettings::IniFormat);
        store.setValue(QStringLiteral("canShowToolbox"), false); // nothing beside the ruler but the desktop
        store.setValue(QStringLiteral("geometry"), kStart);
    }
    QProcess *process = driver.start();
    const QString window = ProcessDriver::rulerWindow(process);
    QVERIFY(!window.isEmpty());
    ProcessDriver::run(QStringLiteral("xsetroot"), {QStringLiteral("-solid"), kDesktop.name()});
    QVERIFY(ProcessDriver::waitFor([&] { return ProcessDriver::geometryOf(window) == kStart; }));

    const auto xdotool = [](const QStringList &arguments) { ProcessDriver::run(QStringLiteral("xdotool"), arguments); };
    const auto pointerTo = [&](QPoint point) {
        xdotool({QStringLiteral("mousemove"), QString::number(point.x()), QString::number(point.y())});
    };
    // A click on the bottom band first: the active ruler is the one that is dragged.
    const QPoint band(kStart.center().x(), kStart.bottom() - 15);
    pointerTo(band);
    xdotool({QStringLiteral("click"), QStringLiteral("1")});
    QTest::qWait(300);
    const QImage before = screen().copy(kStart);
    QVERIFY(!before.isNull());

    const QPoint step(30, 20);
    xdotool({QStringLiteral("mousedown"), QStringLiteral("1")});
    for (int i = 1; i <= 3; ++i) {
        pointerTo(band + i * step);
        QTest::qWait(100);
    }
    xdotool({QStringLiteral("mouseup"), QStringLiteral("1")});
    const QRect moved = kStart.translated(3 * step);
    QVERIFY(ProcessDriver::waitFor([&] { return ProcessDriver::geometryOf(window) == moved; }, 10000));
    pointerTo(band + 3 * step);
    QVERIFY(ProcessDriver::waitFor([&] { return screen().copy(moved) == before; }, 10000));
}

void TestSeeThrough::shapeFollowsAResize()
{
    ProcessDriver driver;
    QProcess *process = nullptr;
    const QString window = startBareRuler(driver, process);
    QVERIFY(!window.isEmpty());
    QVERIFY(desktopShowsAt(kStart.center()));

    ProcessDriver::run(QStringLiteral("xdotool"),
                       {QStringLiteral("windowsize"), window, QStringLiteral("400"), QStringLiteral("300")});
    QVERIFY(
        ProcessDriver::waitFor([&] { return ProcessDriver::geometryOf(window).size() == QSize(400, 300); }));
    const QRect now = ProcessDriver::geometryOf(window);
    // The bottom band moved up with the bottom edge; where it was, the desktop shows.
    const QPoint newBand(now.left() + 200, now.bottom() - 12);
    QVERIFY(ProcessDriver::waitFor([&] {
        const QImage shot = screen();
        return shot.pixelColor(newBand) != kDesktop && shot.pixelColor(now.center()) == kDesktop &&
               shot.pixelColor(QPoint(newBand.x(), kStart.bottom() - 12)) == kDesktop;
    }));
}

void TestSeeThrough::compositorKeepsTheWholeWindow()
{
    ProcessDriver driver;
    QProcess *process = nullptr;
    const QString window = startBareRuler(driver, process);
    QVERIFY(!window.isEmpty());
    QVERIFY(desktopShowsAt(kStart.center()));
    QCOMPARE(windowUnder(kStart.center()), rootWindow());

    CompositingManager compositor;
    QVERIFY(compositor.start());
    QVERIFY2(ProcessDriver::waitFor([&] { return windowUnder(kStart.center()) != rootWindow(); }, 20000),
             "the ruler stays shaped under a compositor");

    compositor.stop();
    QVERIFY2(ProcessDriver::waitFor([&] { return windowUnder(kStart.center()) == rootWindow(); }, 20000),
             "the ruler is not shaped again when the compositor stops");
}

GRADORA_TEST_MAIN(TestSeeThrough)
#include "tst_seethrough.moc"
