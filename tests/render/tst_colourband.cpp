// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "render/colourband.h"
#include "render/pixelcolour.h"
#include "testsupport.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTest>

// The colour under the magnifier's pointer: its two written forms, and the band that shows them.
class TestColourBand : public QObject
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
    void withoutAColourOnlyThePosition();

private:
    static QImage painted(const QColor &picture, const ColourBand::Content &content);
};

namespace {
const QSize kView(250, 200);

// The band's layout as a painter on the image finds it.
ColourBand::Layout layoutOn(const QImage &image)
{
    return ColourBand::layout(kView, QFontMetrics(QFont(), &image));
}
} // namespace

void TestColourBand::texts_data()
{
    QTest::addColumn<QColor>("colour");
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

void TestColourBand::texts()
{
    QFETCH(QColor, colour);
    QTEST(PixelColour::hexText(colour), "hex");
    QTEST(PixelColour::rgbText(colour), "rgb");
    QCOMPARE(ColourBand::colourText(colour),
             PixelColour::hexText(colour) + QStringLiteral("  ") + PixelColour::rgbText(colour));
}

void TestColourBand::pixelAt_data()
{
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<bool>("inside");
    QTest::newRow("top-left") << QPoint(0, 0) << true;
    QTest::newRow("bottom-right") << QPoint(3, 2) << true;
    QTest::newRow("right of it") << QPoint(4, 0) << false;
    QTest::newRow("above it") << QPoint(0, -1) << false;
}

// A grabbed picture of known colours, one per pixel; a half-transparent grab still reads opaque.
void TestColourBand::pixelAt()
{
    QFETCH(QPoint, position);
    QFETCH(bool, inside);
    QImage picture(4, 3, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixelColor(x, y, QColor(x * 60, y * 100, 7, 128));
    }
    const std::optional<QColor> colour = PixelColour::pixelAt(picture, position);
    QCOMPARE(colour.has_value(), inside);
    if (inside)
        QCOMPARE(colour->rgba(), QColor(position.x() * 60, position.y() * 100, 7).rgba());
    QVERIFY(!PixelColour::pixelAt(QImage(), QPoint(0, 0)));
}

QImage TestColourBand::painted(const QColor &picture, const ColourBand::Content &content)
{
    QImage image(kView, QImage::Format_RGB32);
    image.fill(picture);
    QPainter painter(&image);
    ColourBand::paint(painter, ColourBand::layout(kView, painter.fontMetrics()), content);
    return image;
}

void TestColourBand::bandLooksTheSameOverAnyPicture_data()
{
    QTest::addColumn<QColor>("picture");
    QTest::newRow("black") << QColor(Qt::black);
    QTest::newRow("white") << QColor(Qt::white);
    QTest::newRow("the band's own colour") << ColourBand::kBackground;
    QTest::newRow("the text's colour") << ColourBand::kText;
}

// The band is opaque: its text reads the same whatever the picture is.
void TestColourBand::bandLooksTheSameOverAnyPicture()
{
    QFETCH(QColor, picture);
    const ColourBand::Content content{QStringLiteral("1024, 768"), QColor(200, 30, 30),
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
            textPixels += over.pixelColor(x, y) == ColourBand::kText ? 1 : 0;
    }
    QVERIFY(textPixels > 50);
    // Above the band the picture is untouched.
    QCOMPARE(over.pixelColor(10, band.top() - 1), picture);
}

// A swatch of the band's own colour or of white still shows its edge: a light and a dark ring.
void TestColourBand::swatchStandsOutFromTheBand()
{
    for (const QColor &colour : {ColourBand::kBackground, QColor(Qt::white), QColor(Qt::black)}) {
        const QImage image = painted(Qt::gray, {QStringLiteral("0, 0"), colour, {}});
        const QRect swatch = layoutOn(image).swatch;
        QCOMPARE(image.pixelColor(swatch.topLeft()), ColourBand::kOuterRing);
        QCOMPARE(image.pixelColor(swatch.topLeft() + QPoint(1, 1)), ColourBand::kInnerRing);
        QCOMPARE(image.pixelColor(swatch.center()), colour);
        QCOMPARE(image.pixelColor(swatch.bottomRight() - QPoint(2, 2)), colour);
    }
}

void TestColourBand::withoutAColourOnlyThePosition()
{
    const QImage image = painted(Qt::gray, {QStringLiteral("5, 5"), std::nullopt, QStringLiteral("C: copy")});
    const ColourBand::Layout layout = layoutOn(image);
    // The right half of the first row would hold the hint.
    const QRect hintHalf = layout.hintText.adjusted(layout.hintText.width() / 2, 0, 0, 0);
    for (const QRect &empty : {layout.swatch, layout.colourText, hintHalf}) {
        for (int y = empty.top(); y <= empty.bottom(); ++y) {
            for (int x = empty.left(); x <= empty.right(); ++x)
                QCOMPARE(image.pixelColor(x, y), ColourBand::kBackground);
        }
    }
}

GRADORA_TEST_MAIN(TestColourBand)
#include "tst_colourband.moc"
