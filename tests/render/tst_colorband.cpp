// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "render/colorband.h"
#include "render/pixelcolor.h"
#include "testsupport.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTest>

// The colour under the magnifier's pointer: its two written forms, and the band that shows them.
class TestColorBand : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void texts_data();
    void texts();
    void pixelAt_data();
    void pixelAt();
    void bandLooksTheSameOverAnyPicture_data();
    void bandLooksTheSameOverAnyPicture();
    void swatchStandsOutFromTheBand();
    void withoutAColorOnlyThePosition();

private:
    static QImage painted(const QColor &picture, const ColorBand::Content &content);
};

namespace {
const QSize kView(250, 200);

// The band's layout as a painter on the image finds it.
ColorBand::Layout layoutOn(const QImage &image)
{
    return ColorBand::layout(kView, QFontMetrics(QFont(), &image));
}
} // namespace

void TestColorBand::texts_data()
{
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QString>("rgb");
    QTest::newRow("black") << QColor(0, 0, 0) << "#000000"
                           << "rgb(0, 0, 0)";
    QTest::newRow("white") << QColor(255, 255, 255) << "#FFFFFF"
                           << "rgb(255, 255, 255)";
    QTest::newRow("capital hex digits") << QColor(0x1a, 0x2b, 0x3c) << "#1A2B3C"
                                        << "rgb(26, 43, 60)";
    QTest::newRow("alpha left out") << QColor(10, 200, 30, 40) << "#0AC81E"
                                    << "rgb(10, 200, 30)";
    QTest::newRow("given as hue") << QColor::fromHsv(0, 255, 255) << "#FF0000"
                                  << "rgb(255, 0, 0)";
}

void TestColorBand::texts()
{
    QFETCH(QColor, color);
    QTEST(PixelColor::hexText(color), "hex");
    QTEST(PixelColor::rgbText(color), "rgb");
    QCOMPARE(ColorBand::colorText(color),
             PixelColor::hexText(color) + QStringLiteral("  ") + PixelColor::rgbText(color));
}

void TestColorBand::pixelAt_data()
{
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<bool>("inside");
    QTest::newRow("top-left") << QPoint(0, 0) << true;
    QTest::newRow("bottom-right") << QPoint(3, 2) << true;
    QTest::newRow("right of it") << QPoint(4, 0) << false;
    QTest::newRow("above it") << QPoint(0, -1) << false;
}

// A grabbed picture of known colours, one per pixel; a half-transparent grab still reads opaque.
void TestColorBand::pixelAt()
{
    QFETCH(QPoint, position);
    QFETCH(bool, inside);
    QImage picture(4, 3, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixelColor(x, y, QColor(x * 60, y * 100, 7, 128));
    }
    const std::optional<QColor> color = PixelColor::pixelAt(picture, position);
    QCOMPARE(color.has_value(), inside);
    if (inside)
        QCOMPARE(color->rgba(), QColor(position.x() * 60, position.y() * 100, 7).rgba());
    QVERIFY(!PixelColor::pixelAt(QImage(), QPoint(0, 0)));
}

QImage TestColorBand::painted(const QColor &picture, const ColorBand::Content &content)
{
    QImage image(kView, QImage::Format_RGB32);
    image.fill(picture);
    QPainter painter(&image);
    ColorBand::paint(painter, ColorBand::layout(kView, painter.fontMetrics()), content);
    return image;
}

void TestColorBand::bandLooksTheSameOverAnyPicture_data()
{
    QTest::addColumn<QColor>("picture");
    QTest::newRow("black") << QColor(Qt::black);
    QTest::newRow("white") << QColor(Qt::white);
    QTest::newRow("the band's own colour") << ColorBand::kBackground;
    QTest::newRow("the text's colour") << ColorBand::kText;
}

// The band is opaque: its text reads the same whatever the picture is.
void TestColorBand::bandLooksTheSameOverAnyPicture()
{
    QFETCH(QColor, picture);
    const ColorBand::Content content{QStringLiteral("1024, 768"), QColor(200, 30, 30),
                                      QStringLiteral("C: copy")};
    const QImage over = painted(picture, content);
    const QImage reference = painted(QColor(12, 140, 220), content);
    const QRect band = layoutOn(over).band;
    QCOMPARE(band.bottom(), kView.height() - 1);
    QCOMPARE(band.width(), kView.width());
    QCOMPARE(over.copy(band), reference.copy(band));
    // Text is drawn in the band: some pixels of the position and colour rows are the text's colour.
    int textPixels = 0;
    for (int y = band.top(); y <= band.bottom(); ++y) {
        for (int x = band.left(); x <= band.right(); ++x)
            textPixels += over.pixelColor(x, y) == ColorBand::kText ? 1 : 0;
    }
    QVERIFY(textPixels > 50);
    // Above the band the picture is untouched.
    QCOMPARE(over.pixelColor(10, band.top() - 1), picture);
}

// A swatch of the band's own colour or of white still shows its edge: a light and a dark ring.
void TestColorBand::swatchStandsOutFromTheBand()
{
    for (const QColor &color : {ColorBand::kBackground, QColor(Qt::white), QColor(Qt::black)}) {
        const QImage image = painted(Qt::gray, {QStringLiteral("0, 0"), color, {}});
        const QRect swatch = layoutOn(image).swatch;
        QCOMPARE(image.pixelColor(swatch.topLeft()), ColorBand::kOuterRing);
        QCOMPARE(image.pixelColor(swatch.topLeft() + QPoint(1, 1)), ColorBand::kInnerRing);
        QCOMPARE(image.pixelColor(swatch.center()), color);
        QCOMPARE(image.pixelColor(swatch.bottomRight() - QPoint(2, 2)), color);
    }
}

void TestColorBand::withoutAColorOnlyThePosition()
{
    const QImage image = painted(Qt::gray, {QStringLiteral("5, 5"), std::nullopt, QStringLiteral("C: copy")});
    const ColorBand::Layout layout = layoutOn(image);
    // The right half of the first row would hold the hint.
    const QRect hintHalf = layout.hintText.adjusted(layout.hintText.width() / 2, 0, 0, 0);
    for (const QRect &empty : {layout.swatch, layout.colorText, hintHalf}) {
        for (int y = empty.top(); y <= empty.bottom(); ++y) {
            for (int x = empty.left(); x <= empty.right(); ++x)
                QCOMPARE(image.pixelColor(x, y), ColorBand::kBackground);
        }
    }
}

GRADORA_TEST_MAIN(TestColorBand)
#include "tst_colorband.moc"
