// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The edge finder on a real X desktop: the ruler takes a picture of what lies beneath it without its
// own pixels, with and without a compositing manager, and a click fits it to a window beneath.
#include "processdriver.h"
#include "testsupport.h"

#include <QSettings>
#include <QTest>
#include <QWidget>

namespace {
const QRect kStart(200, 200, 640, 480);
const QColor kDesktop(0, 160, 0);
// A plain window beneath the ruler, well inside it.
const QRect kTarget(400, 350, 180, 120);
const QColor kTargetColour(20, 40, 200);

void moveAndClick(QPoint point)
{
    const QString x = QString::number(point.x());
    const QString y = QString::number(point.y());
    ProcessDriver::run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), x, y});
    QTest::qWait(100);
    ProcessDriver::run(QStringLiteral("xdotool"),
                       {QStringLiteral("mousemove"), x, QString::number(point.y() + 1)});
    QTest::qWait(100);
    ProcessDriver::run(QStringLiteral("xdotool"), {QStringLiteral("click"), QStringLiteral("1")});
}
} // namespace

class TestEdgeFinderDesktop : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void clickFitsTheRulerToAWindowBeneath_data();
    void clickFitsTheRulerToAWindowBeneath();
};

void TestEdgeFinderDesktop::clickFitsTheRulerToAWindowBeneath_data()
{
    QTest::addColumn<bool>("composited");
    QTest::newRow("without a compositor") << false;
    QTest::newRow("with a compositor") << true;
}

void TestEdgeFinderDesktop::clickFitsTheRulerToAWindowBeneath()
{
    QFETCH(bool, composited);
    ProcessDriver::run(QStringLiteral("xsetroot"), {QStringLiteral("-solid"), kDesktop.name()});
    // Shown before the ruler, it stands beneath it.
    QWidget target(nullptr, Qt::FramelessWindowHint);
    target.setAutoFillBackground(true);
    QPalette palette = target.palette();
    palette.setColor(QPalette::Window, kTargetColour);
    target.setPalette(palette);
    target.setGeometry(kTarget);
    // The window manager may still be settling when the first window of the run is mapped, and the
    // window then waits for an exposure that never comes: it is shown once more.
    bool exposed = false;
    for (int attempt = 0; attempt < 5 && !exposed; ++attempt) {
        target.show();
        exposed = QTest::qWaitForWindowExposed(&target, 4000);
        if (!exposed)
            target.hide();
    }
    QVERIFY(exposed);

    QProcess compositor;
    if (composited) {
        compositor.start(QStringLiteral("xcompmgr"), {});
        QVERIFY(compositor.waitForStarted());
    }
    ProcessDriver driver;
    {
        QSettings store(driver.settingsFile(), QSettings::IniFormat);
        store.setValue(QStringLiteral("flyingFigureVisible"), false);
        store.setValue(QStringLiteral("showRulerReadings"), false);
        store.setValue(QStringLiteral("geometry"), kStart);
    }
    QProcess *process = driver.start();
    const QString window = ProcessDriver::rulerWindow(process);
    QVERIFY(!window.isEmpty());
    QVERIFY(ProcessDriver::waitFor([&] { return ProcessDriver::geometryOf(window) == kStart; }, 10000));

    ProcessDriver::activateAndPress(window, QStringLiteral("e"));
    // The first clicks may come before the picture: the finder then has no box and changes nothing.
    const bool fitted = ProcessDriver::waitFor(
        [&] {
            moveAndClick(kTarget.center());
            return ProcessDriver::waitFor([&] { return ProcessDriver::geometryOf(window) == kTarget; }, 1000);
        },
        20000);
    QVERIFY2(fitted, qPrintable(QStringLiteral("the ruler stands at %1, %2, %3 × %4")
                                    .arg(ProcessDriver::geometryOf(window).x())
                                    .arg(ProcessDriver::geometryOf(window).y())
                                    .arg(ProcessDriver::geometryOf(window).width())
                                    .arg(ProcessDriver::geometryOf(window).height())));
    if (composited) {
        compositor.terminate();
        compositor.waitForFinished(5000);
    }
}

GRADORA_TEST_MAIN(TestEdgeFinderDesktop)
#include "tst_edgefinderdesktop.moc"
