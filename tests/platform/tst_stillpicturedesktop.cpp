// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "platform/stillpicturedesktop.h"
#include "testsupport.h"

#include <QTest>

// A desktop frozen in one picture, as the still frame hands it to the magnifier and the edge finder:
// it reads its parts in the desktop's logical pixels and never makes up pixels it does not have.
class TestStillPictureDesktop : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readArea_data();
    void readArea();
    void scaledPictureReadsInLogicalPixels();
    void takePictureHandsOverTheWholePicture();
};

namespace {

QColor colorAt(int x, int y)
{
    return QColor((x * 7) & 0xff, (y * 11) & 0xff, (x + y) & 0xff);
}

// A picture of the desktop area whose every pixel has its own colour (by its desktop position).
ScreenPicture patterned(const QRect &area)
{
    ScreenPicture picture;
    picture.area = area;
    picture.image = QImage(area.size(), QImage::Format_RGB32);
    for (int y = 0; y < area.height(); ++y) {
        for (int x = 0; x < area.width(); ++x)
            picture.image.setPixelColor(x, y, colorAt(area.x() + x, area.y() + y));
    }
    return picture;
}

} // namespace

void TestStillPictureDesktop::readArea_data()
{
    QTest::addColumn<QRect>("desktop");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<bool>("read");
    QTest::newRow("inside") << QRect(0, 0, 200, 100) << QRect(10, 20, 30, 15) << true;
    QTest::newRow("whole") << QRect(0, 0, 200, 100) << QRect(0, 0, 200, 100) << true;
    QTest::newRow("bottom-right corner") << QRect(0, 0, 200, 100) << QRect(190, 90, 10, 10) << true;
    QTest::newRow("desktop left of zero") << QRect(-100, -20, 300, 120) << QRect(-90, -10, 20, 20) << true;
    QTest::newRow("reaching out") << QRect(0, 0, 200, 100) << QRect(190, 90, 11, 10) << false;
    QTest::newRow("outside") << QRect(0, 0, 200, 100) << QRect(300, 0, 10, 10) << false;
    QTest::newRow("empty") << QRect(0, 0, 200, 100) << QRect(5, 5, 0, 0) << false;
}

void TestStillPictureDesktop::readArea()
{
    QFETCH(QRect, desktop);
    QFETCH(QRect, area);
    QFETCH(bool, read);
    const StillPictureDesktop still(patterned(desktop));
    const ScreenPicture part = still.readArea(area);
    QCOMPARE(part.isValid(), read);
    QCOMPARE(part.failure.isEmpty(), read);
    if (!read)
        return;
    QCOMPARE(part.area, area);
    QCOMPARE(part.image.size(), area.size());
    for (const QPoint corner : {area.topLeft(), area.bottomRight(), area.center()})
        QCOMPARE(part.image.pixelColor(corner - area.topLeft()), colorAt(corner.x(), corner.y()));
}

// A picture of twice the logical size: each logical pixel reads one of the four device pixels it
// covers, never a blend.
void TestStillPictureDesktop::scaledPictureReadsInLogicalPixels()
{
    ScreenPicture picture;
    picture.area = QRect(0, 0, 4, 2);
    picture.image = QImage(8, 4, QImage::Format_RGB32);
    const QColor colors[] = {Qt::red,  Qt::green,   Qt::blue,  Qt::yellow,
                              Qt::cyan, Qt::magenta, Qt::white, Qt::black};
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 8; ++x)
            picture.image.setPixelColor(x, y, colors[(y / 2) * 4 + x / 2]);
    }
    const StillPictureDesktop still(picture);
    QCOMPARE(still.area(), picture.area);
    QCOMPARE(still.logicalImage().size(), QSize(4, 2));
    const ScreenPicture part = still.readArea(QRect(0, 0, 4, 2));
    QVERIFY(part.isValid());
    QCOMPARE(part.scale(), 1.0);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 4; ++x)
            QCOMPARE(part.image.pixelColor(x, y), colors[y * 4 + x]);
    }
}

void TestStillPictureDesktop::takePictureHandsOverTheWholePicture()
{
    const ScreenPicture picture = patterned(QRect(-10, 0, 40, 30));
    StillPictureDesktop still(picture);
    QObject caller;
    int calls = 0;
    still.takePicture(&caller, [&](const ScreenPicture &taken) {
        ++calls;
        QCOMPARE(taken.area, picture.area);
        QCOMPARE(taken.image, picture.image);
    });
    QCOMPARE(calls, 1);
    QVERIFY(still.readsScreenLive());
}

GRADORA_TEST_GUILESS_MAIN(TestStillPictureDesktop)
#include "tst_stillpicturedesktop.moc"
