// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/magnifier.h"
#include "app/rulerhub.h"
#include "fakedesktop.h"
#include "prefs/magnifierlayout.h"
#include "render/colorband.h"
#include "testsupport.h"

#include <QClipboard>
#include <QPainter>
#include <memory>

// The magnifier: its arithmetic, and the window offscreen, where the screen holds only the program's
// own windows.
namespace {
// A frameless window whose every pixel has its own colour.
class Pattern : public QWidget
{
public:
    Pattern() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {}
    static QColor colorAt(int x, int y) { return QColor((x * 7) & 0xff, (y * 11) & 0xff, (x + y) & 0xff); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QImage image(size(), QImage::Format_RGB32);
        for (int y = 0; y < height(); ++y) {
            for (int x = 0; x < width(); ++x)
                image.setPixelColor(x, y, colorAt(x, y));
        }
        QPainter(this).drawImage(0, 0, image);
    }
};

const QRect kPatternGeometry(50, 50, 160, 120);
const QRect kMagnifierGeometry(300, 50, 200, 160);
} // namespace

class TestMagnifier : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void layout_data();
    void layout();
    void gridLines_data();
    void gridLines();

    void zoomedPixelsMatchTheScreen();
    void gridOnlyWhenActive();
    void unreadableScreenIsSaidSo();
    void followsOnlyWhileVisible_data();
    void followsOnlyWhileVisible();
    void zoomKeys();
    void valuesSurviveSavingAndANewStart();
    void readsTheColorUnderThePointer();
    void cCopiesTheColor_data();
    void cCopiesTheColor();

private:
    Magnifier *showMagnifier(int zoom, int gridActive);
    FakeDesktop m_desktop;
    std::unique_ptr<Pattern> m_pattern;
    std::unique_ptr<Magnifier> m_magnifier;
};

void TestMagnifier::init()
{
    m_pattern = std::make_unique<Pattern>();
    m_pattern->setGeometry(kPatternGeometry);
    m_pattern->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pattern.get()));
}

void TestMagnifier::cleanup()
{
    m_magnifier.reset();
    m_pattern.reset();
    m_desktop.readAt = &ScreenGrab::area;
}

Magnifier *TestMagnifier::showMagnifier(int zoom, int gridActive)
{
    m_magnifier = std::make_unique<Magnifier>(&m_desktop, nullptr, Qt::FramelessWindowHint);
    m_magnifier->setZoom(zoom);
    m_magnifier->setGridActive(gridActive != 0);
    m_magnifier->setGeometry(kMagnifierGeometry);
    m_magnifier->show();
    if (!QTest::qWaitForWindowExposed(m_magnifier.get()))
        qWarning("magnifier not exposed");
    return m_magnifier.get();
}

void TestMagnifier::layout_data()
{
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<QSize>("view");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("source");
    QTest::addColumn<QPoint>("cell");
    const QRect screen(0, 0, 1920, 1080);
    QTest::newRow("centred on the pointer")
        << QPoint(500, 400) << 4 << QSize(200, 160) << screen << QRect(475, 380, 50, 40) << QPoint(100, 80);
    QTest::newRow("a partly covered column and row are read too")
        << QPoint(500, 400) << 4 << QSize(250, 202) << screen << QRect(469, 375, 63, 51) << QPoint(124, 100);
    QTest::newRow("near the left edge the area moves inside")
        << QPoint(3, 500) << 4 << QSize(200, 160) << screen << QRect(0, 480, 50, 40) << QPoint(12, 80);
    QTest::newRow("in the bottom-right corner") << QPoint(1919, 1079) << 4 << QSize(200, 160) << screen
                                                << QRect(1870, 1040, 50, 40) << QPoint(196, 156);
    QTest::newRow("on a second screen, its own left edge")
        << QPoint(1925, 10) << 4 << QSize(200, 160) << QRect(1920, 0, 1280, 1024) << QRect(1920, 0, 50, 40)
        << QPoint(20, 40);
    QTest::newRow("zoom 0 from a hand-edited file counts as 1")
        << QPoint(500, 400) << 0 << QSize(100, 80) << screen << QRect(450, 360, 100, 80) << QPoint(50, 40);
    QTest::newRow("a screen smaller than the view is shown whole")
        << QPoint(10, 10) << 1 << QSize(200, 160) << QRect(0, 0, 40, 30) << QRect(0, 0, 40, 30)
        << QPoint(10, 10);
}

void TestMagnifier::layout()
{
    QFETCH(QPoint, pointer);
    QFETCH(int, zoom);
    QFETCH(QSize, view);
    QFETCH(QRect, screen);
    QFETCH(QPoint, cell);
    const MagnifierLayout::View result = MagnifierLayout::layout(pointer, zoom, view, screen);
    QTEST(result.source, "source");
    QCOMPARE(result.pointerCell.topLeft(), cell);
    QVERIFY(screen.contains(result.source));
}

void TestMagnifier::gridLines_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<int>("gridSize");
    QTest::addColumn<QList<int>>("lines");
    QTest::newRow("every pixel at zoom 4") << 20 << 4 << 1 << QList<int>{4, 8, 12, 16};
    QTest::newRow("every second pixel") << 20 << 4 << 2 << QList<int>{8, 16};
    QTest::newRow("zoom 2 alone is too dense") << 20 << 2 << 1 << QList<int>{};
    QTest::newRow("zoom 2 every second pixel") << 13 << 2 << 2 << QList<int>{4, 8, 12};
    QTest::newRow("grid size 0 gives none") << 20 << 4 << 0 << QList<int>{};
    QTest::newRow("a huge grid size does not overflow") << 20 << 32 << 2147483647 << QList<int>{};
}

void TestMagnifier::gridLines()
{
    QFETCH(int, length);
    QFETCH(int, zoom);
    QFETCH(int, gridSize);
    QTEST(MagnifierLayout::gridLines(length, zoom, gridSize), "lines");
}

void TestMagnifier::zoomedPixelsMatchTheScreen()
{
    Magnifier *magnifier = showMagnifier(4, 0);
    const QPoint pointer(130, 110);
    magnifier->refreshAt(pointer);
    QVERIFY2(magnifier->problem().isEmpty(), qPrintable(magnifier->problem()));
    QCOMPARE(magnifier->source(), QRect(105, 90, 50, 40));

    const QImage shown = magnifier->grab().toImage();
    // Cells across the top rows, clear of the pointer's outline and the status line at the bottom.
    for (const QPoint cell : {QPoint(0, 0), QPoint(1, 0), QPoint(17, 3), QPoint(49, 0), QPoint(30, 12)}) {
        const QPoint screen = magnifier->source().topLeft() + cell;
        const QColor expected =
            Pattern::colorAt(screen.x() - kPatternGeometry.x(), screen.y() - kPatternGeometry.y());
        for (const QPoint inCell : {QPoint(0, 0), QPoint(3, 3)}) {
            const QPoint at = cell * 4 + inCell;
            QCOMPARE(shown.pixelColor(at).rgb(), expected.rgb());
        }
    }
    // The pixel under the pointer is outlined.
    QCOMPARE(magnifier->pointerCell(), QRect(100, 80, 4, 4));
    QVERIFY(shown.pixelColor(100, 80).rgb() != Pattern::colorAt(80, 60).rgb());
}

void TestMagnifier::gridOnlyWhenActive()
{
    Magnifier *magnifier = showMagnifier(4, 1);
    magnifier->refreshAt(QPoint(130, 110));
    const QPoint onLine(8, 2); // column 8 is a grid line at zoom 4
    const QColor underneath = Pattern::colorAt(105 + 2 - 50, 90 - 50);
    QVERIFY(magnifier->grab().toImage().pixelColor(onLine).rgb() != underneath.rgb());
    magnifier->setGridActive(false);
    QCOMPARE(magnifier->grab().toImage().pixelColor(onLine).rgb(), underneath.rgb());
}

void TestMagnifier::unreadableScreenIsSaidSo()
{
    Magnifier *magnifier = showMagnifier(4, 0);
    magnifier->refreshAt(QPoint(130, 110));
    QVERIFY(magnifier->problem().isEmpty());

    m_desktop.readAt = [](const QRect &) { return ScreenPicture{{}, {}, QStringLiteral("unreadable")}; };
    magnifier->refreshAt(QPoint(130, 110));
    m_desktop.readAt = &ScreenGrab::area;
    QVERIFY(!magnifier->problem().isEmpty());
    // The window says so instead of showing the last picture.
    const QImage shown = magnifier->grab().toImage();
    QCOMPARE(shown.pixelColor(0, 0), magnifier->palette().window().color());

    magnifier->refreshAt(QPoint(130, 110));
    QVERIFY(magnifier->problem().isEmpty());
    QCOMPARE(magnifier->grab().toImage().pixelColor(0, 0).rgb(), Pattern::colorAt(55, 40).rgb());
}

void TestMagnifier::followsOnlyWhileVisible_data()
{
    QTest::addColumn<bool>("autoUpdate");
    QTest::newRow("live") << true;
    QTest::newRow("on demand") << false;
}

void TestMagnifier::followsOnlyWhileVisible()
{
    QFETCH(bool, autoUpdate);
    Magnifier magnifier(&m_desktop, nullptr, Qt::WindowStaysOnTopHint);
    magnifier.setAutoUpdate(autoUpdate);
    QVERIFY(!magnifier.isFollowing());
    magnifier.show();
    QCOMPARE(magnifier.isFollowing(), autoUpdate);
    QTest::keyClick(&magnifier, Qt::Key_A);
    QCOMPARE(magnifier.values().autoUpdate, !autoUpdate);
    QCOMPARE(magnifier.isFollowing(), !autoUpdate);
    QTest::keyClick(&magnifier, Qt::Key_A);
    QCOMPARE(magnifier.isFollowing(), autoUpdate);
    QTest::keyClick(&magnifier, Qt::Key_Escape);
    QVERIFY(!magnifier.isVisible());
    QVERIFY(!magnifier.isFollowing());
    // Switched on while hidden, it still waits until it is shown.
    magnifier.setAutoUpdate(true);
    QVERIFY(!magnifier.isFollowing());
}

void TestMagnifier::zoomKeys()
{
    Magnifier *magnifier = showMagnifier(4, 1);
    magnifier->refreshAt(QPoint(130, 110));
    QTest::keyClick(magnifier, Qt::Key_Plus);
    QCOMPARE(magnifier->values().zoom, 5);
    // A new zoom reads the screen again around the same point: 200 / 5 by 160 / 5 pixels.
    QCOMPARE(magnifier->source().size(), QSize(40, 32));
    QTest::keyClick(magnifier, Qt::Key_Minus);
    QTest::keyClick(magnifier, Qt::Key_Minus);
    QCOMPARE(magnifier->values().zoom, 3);
}

void TestMagnifier::valuesSurviveSavingAndANewStart()
{
    TestSupport::clearStore();
    {
        RulerHub hub;
        Magnifier *magnifier = hub.magnifier();
        QVERIFY(magnifier->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        magnifier->show();
        QVERIFY(QTest::qWaitForWindowExposed(magnifier));
        QTest::keyClick(magnifier, Qt::Key_Plus);
        QTest::keyClick(magnifier, Qt::Key_G);
        QTest::keyClick(magnifier, Qt::Key_A);
        magnifier->resize(320, 240);
        hub.saveProgramSettings();
    }
    RulerHub hub;
    const Magnifier *magnifier = hub.magnifier();
    QCOMPARE(magnifier->values().zoom, 5);
    QCOMPARE(magnifier->values().gridActive, 0);
    QCOMPARE(magnifier->values().autoUpdate, true);
    QCOMPARE(magnifier->initialSize(), QSize(320, 240));
    QCOMPARE(magnifier->size(), QSize(320, 240));
    QVERIFY(!magnifier->isFollowing());
}

// On the program's own window: the colour of the screen pixel under the pointer.
void TestMagnifier::readsTheColorUnderThePointer()
{
    Magnifier *magnifier = showMagnifier(4, 0);
    magnifier->refreshAt(QPoint(130, 110));
    QCOMPARE(magnifier->pointerColor()->rgb(), Pattern::colorAt(80, 60).rgb());
    // Outlined in the middle of the picture, not hidden by the band.
    const QImage shown = magnifier->grab().toImage();
    const QRect band = ColorBand::layout(magnifier->size(), magnifier->fontMetrics()).band;
    QVERIFY(!band.intersects(magnifier->pointerCell()));
    QCOMPARE(shown.pixelColor(0, band.top() + 1), ColorBand::kBackground);
}

void TestMagnifier::cCopiesTheColor_data()
{
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QString>("hex");
    QTest::newRow("black") << QColor(0, 0, 0) << "#000000";
    QTest::newRow("white") << QColor(255, 255, 255) << "#FFFFFF";
    QTest::newRow("pure red") << QColor(255, 0, 0) << "#FF0000";
    QTest::newRow("as dark as the band") << ColorBand::kBackground << "#202020";
    QTest::newRow("letters in the hex") << QColor(0x12, 0xab, 0xef) << "#12ABEF";
}

// A grabbed screen of grey with one pixel of a known colour under the pointer: the swatch shows it
// and C copies its hex form.
void TestMagnifier::cCopiesTheColor()
{
    QFETCH(QColor, color);
    const QPoint pointer(400, 300);
    m_desktop.readAt = [pointer, color](const QRect &area) {
        QImage picture(area.size(), QImage::Format_RGB32);
        picture.fill(Qt::gray);
        picture.setPixelColor(pointer - area.topLeft(), color);
        return ScreenPicture{picture, area, {}};
    };
    Magnifier *magnifier = showMagnifier(4, 0);
    magnifier->refreshAt(pointer);
    m_desktop.readAt = &ScreenGrab::area;
    QCOMPARE(magnifier->pointerColor()->rgb(), color.rgb());

    const ColorBand::Layout band = ColorBand::layout(magnifier->size(), magnifier->fontMetrics());
    const QImage before = magnifier->grab().toImage();
    QCOMPARE(before.pixelColor(band.swatch.center()), color);
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(magnifier, Qt::Key_C);
    QTEST(QGuiApplication::clipboard()->text(), "hex");
    // The hint says it is copied.
    QVERIFY(magnifier->grab().toImage().copy(band.hintText) != before.copy(band.hintText));
}

GRADORA_TEST_MAIN(TestMagnifier)
#include "tst_magnifier.moc"
