// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// A picture of the ruler's region on a real X desktop: Alt+Shift+O on the ruler puts on the X clipboard
// the screen beneath the ruler, a window of known colour at its place in it and none of the program's
// own pixels on the body, with and without a compositing manager; another program reads it as a PNG.
#include "processdriver.h"
#include "ruleroverwindow.h"
#include "testsupport.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

namespace {
const QRect kRuler(200, 200, 640, 480);
const QColor kDesktop(0, 160, 0);
// A plain window beneath the ruler, well inside it.
const QRect kBeneath(400, 350, 180, 120);
const QColor kBeneathColor(20, 40, 200);
// Places on the ruler's body (ruler coordinates) where it draws nothing: over the window beneath and
// over the bare desktop.
const QPoint kOverWindow = kBeneath.center() - kRuler.topLeft();
const QPoint kOverDesktop(100, 300);
// A place on the desktop above the ruler, where nothing of the program stands (the information panel
// stands to its right).
const QPoint kBeside(100, 100);
// The long tick at 100 on the top scale, in the ruler's colour.
const QPoint kTick(100, 0);
const QColor kRulerColor(111, 33, 55);

// The CLIPBOARD selection's PNG as another client reads it; null while there is none.
QImage clipboardPicture()
{
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"),
                {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard"),
                 QStringLiteral("-t"), QStringLiteral("image/png")});
    xclip.waitForFinished(10000);
    return QImage::fromData(xclip.readAllStandardOutput(), "PNG");
}

// The screen's pixel at a desktop point, as the X server has it.
QColor screenPixel(const QPoint &point)
{
    const QImage pixel =
        QGuiApplication::primaryScreen()->grabWindow(0, point.x(), point.y(), 1, 1).toImage();
    return pixel.isNull() ? QColor() : pixel.pixelColor(0, 0);
}

QString describe(const QImage &picture, const QPoint &at)
{
    return QStringLiteral("%1 × %2 picture, %3 at %4, %5")
        .arg(picture.width())
        .arg(picture.height())
        .arg(picture.isNull() ? QStringLiteral("none") : picture.pixelColor(at).name())
        .arg(at.x())
        .arg(at.y());
}
} // namespace

class TestRegionPictureDesktop : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void copiedPictureHoldsTheWindowBeneath_data();
    void copiedPictureHoldsTheWindowBeneath();
};

void TestRegionPictureDesktop::copiedPictureHoldsTheWindowBeneath_data()
{
    QTest::addColumn<bool>("composited");
    QTest::newRow("without a compositor") << false;
    QTest::newRow("with a compositor") << true;
}

void TestRegionPictureDesktop::copiedPictureHoldsTheWindowBeneath()
{
    QFETCH(bool, composited);
    RulerOverWindow scene(kDesktop, kBeneath, kBeneathColor, kRuler);
    const QString ruler = scene.start(composited);
    QVERIFY(!ruler.isEmpty());

    // The window beneath lives in this process and may not have drawn itself in time for the first
    // picture: the key is pressed again until the picture holds it, as a user would.
    QImage copied;
    const bool holdsWindow = ProcessDriver::pressUntil(ruler, QStringLiteral("alt+shift+o"), [&] {
        return ProcessDriver::waitFor(
            [&] {
                copied = clipboardPicture();
                return !copied.isNull() && copied.pixelColor(kOverWindow) == kBeneathColor;
            },
            3000);
    });
    QVERIFY2(holdsWindow, qPrintable(describe(copied, kOverWindow)));
    QCOMPARE(copied.size(), kRuler.size());
    // None of the ruler's own body: the desktop as the screen shows it beside the ruler (a compositor
    // draws its own backdrop), the ruler's scale drawn over.
    QCOMPARE(copied.pixelColor(kOverDesktop), screenPixel(kBeside));
    QCOMPARE(copied.pixelColor(kTick), kRulerColor);
    // Without a compositor the shaped ruler lets the screen show through its body, and its scales are
    // its own pixels: the copied picture is the screen as the user sees it.
    if (!composited) {
        for (const QPoint &at : {kOverWindow, kOverDesktop, kTick})
            QCOMPARE(copied.pixelColor(at), screenPixel(kRuler.topLeft() + at));
    }

    QVERIFY(ProcessDriver::pressUntilFinished(scene.program(), ruler, QStringLiteral("alt+q")));
    QCOMPARE(scene.program()->exitCode(), 0);
}

GRADORA_TEST_MAIN(TestRegionPictureDesktop)
#include "tst_regionpicturedesktop.moc"
