// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "render/readingtext.h"
#include "testsupport.h"

#include <QTest>
#include <limits>

using namespace ReadingText;

Q_DECLARE_METATYPE(ReadingScale)

namespace {
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// 96 pixels per inch shown in centimetres.
constexpr double kCentimetreAt96 = 96.0 / 2.54;

ReadingScale pixels()
{
    return {};
}

ReadingScale unit(double perUnitX, double perUnitY, const QString &label)
{
    return {false, perUnitX, perUnitY, label};
}
} // namespace

class TestReadingText : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void lengths_data();
    void lengths();
    void areas_data();
    void areas();
    void perimeters_data();
    void perimeters();
    void rulerTexts_data();
    void rulerTexts();
    void panelTexts_data();
    void panelTexts();
};

void TestReadingText::lengths_data()
{
    QTest::addColumn<int>("pixels");
    QTest::addColumn<ReadingScale>("scale");
    QTest::addColumn<QString>("alongX");
    QTest::addColumn<QString>("alongY");

    QTest::newRow("pixel mode is the integer") << 300 << pixels() << "300"
                                               << "300";
    QTest::newRow("pixel mode ignores the factors") << 7 << ReadingScale{true, 3.0, 0.0, "px"} << "7"
                                                    << "7";
    QTest::newRow("centimetres at 96 ppi") << 300 << unit(kCentimetreAt96, kCentimetreAt96, "cm") << "7.94"
                                           << "7.94";
    QTest::newRow("each axis its own factor") << 100 << unit(10.0, 4.0, "u") << "10"
                                              << "25";
    QTest::newRow("half a hundredth rounds up") << 1 << unit(8.0, 8.0, "u") << "0.13"
                                                << "0.13";
    QTest::newRow("below half a hundredth rounds down") << 1 << unit(1000.0, 1000.0, "u") << "0"
                                                        << "0";
    QTest::newRow("six significant digits") << 1234567 << unit(100.0, 1000.0, "u") << "12345.7"
                                            << "1234.57";
    QTest::newRow("large values in exponent form") << 1234567 << unit(1.0, 1.0, "u") << "1.23457e+06"
                                                   << "1.23457e+06";
    QTest::newRow("zero scale") << 300 << unit(0.0, 0.0, "cm") << kNoReading << kNoReading;
    QTest::newRow("infinite scale") << 300 << unit(kInf, kInf, "cm") << kNoReading << kNoReading;
    QTest::newRow("scale not a number") << 300 << unit(kNaN, kNaN, "cm") << kNoReading << kNoReading;
    QTest::newRow("scale so small the length overflows")
        << 300 << unit(1e-320, 1e-320, "cm") << kNoReading << kNoReading;
    QTest::newRow("only the y scale broken") << 300 << unit(30.0, 0.0, "u") << "10" << kNoReading;
}

void TestReadingText::lengths()
{
    QFETCH(int, pixels);
    QFETCH(ReadingScale, scale);
    QFETCH(QString, alongX);
    QFETCH(QString, alongY);
    QCOMPARE(lengthX(pixels, scale), alongX);
    QCOMPARE(lengthY(pixels, scale), alongY);
}

void TestReadingText::areas_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<ReadingScale>("scale");
    QTest::addColumn<bool>("megapixel");
    QTest::addColumn<QString>("expected");

    QTest::newRow("pixels") << QSize(300, 200) << pixels() << false << "60000 px\u00B2";
    QTest::newRow("megapixels with three decimals") << QSize(300, 200) << pixels() << true << "0.060 MP ";
    QTest::newRow("megapixels rounded") << QSize(1921, 1081) << pixels() << true << "2.077 MP ";
    QTest::newRow("pixel count beyond 32 bits")
        << QSize(50000, 50000) << pixels() << false << "2500000000 px\u00B2";
    QTest::newRow("megapixels beyond 32 bits")
        << QSize(100000, 100000) << pixels() << true << "10000.000 MP ";
    QTest::newRow("centimetres at 96 ppi")
        << QSize(378, 189) << unit(kCentimetreAt96, kCentimetreAt96, "cm") << false << "50.01 cm\u00B2";
    QTest::newRow("megapixel choice ignored in a unit")
        << QSize(378, 189) << unit(kCentimetreAt96, kCentimetreAt96, "cm") << true << "50.01 cm\u00B2";
    QTest::newRow("each axis its own factor")
        << QSize(100, 100) << unit(10.0, 4.0, "u") << false << "250 u\u00B2";
    QTest::newRow("no rounding noise") << QSize(1235, 1) << unit(100.0, 1.0, "u") << false << "12.35 u\u00B2";
    QTest::newRow("fifteen significant digits")
        << QSize(100000, 100000) << unit(0.1, 0.1, "u") << false << "1000000000000 u\u00B2";
    QTest::newRow("zero scale") << QSize(300, 200) << unit(0.0, 37.8, "cm") << false
                                << kNoReading + " cm\u00B2";
    QTest::newRow("scale not a number")
        << QSize(300, 200) << unit(37.8, kNaN, "cm") << false << kNoReading + " cm\u00B2";
}

void TestReadingText::areas()
{
    QFETCH(QSize, size);
    QFETCH(ReadingScale, scale);
    QFETCH(bool, megapixel);
    QFETCH(QString, expected);
    QCOMPARE(area(size.width(), size.height(), scale, megapixel), expected);
}

void TestReadingText::perimeters_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<ReadingScale>("scale");
    QTest::addColumn<QString>("expected");

    QTest::newRow("pixels") << QSize(300, 200) << pixels() << "1000 px";
    QTest::newRow("each axis its own factor") << QSize(100, 100) << unit(10.0, 4.0, "in") << "70 in";
    QTest::newRow("rounded to a hundredth") << QSize(100, 100) << unit(3.0, 3.0, "mm") << "133.33 mm";
    QTest::newRow("infinite scale") << QSize(100, 100) << unit(kInf, 3.0, "mm") << kNoReading + " mm";
}

void TestReadingText::perimeters()
{
    QFETCH(QSize, size);
    QFETCH(ReadingScale, scale);
    QFETCH(QString, expected);
    QCOMPARE(perimeter(size.width(), size.height(), scale), expected);
}

void TestReadingText::rulerTexts_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<ReadingScale>("scale");
    QTest::addColumn<QStringList>("expected"); // width number, height number, width, height, area, perimeter

    QTest::newRow("wide ruler in pixels")
        << QSize(300, 200) << pixels() << QStringList{"300",
                                                      "200",
                                                      "\u2190 300 px \u2192",
                                                      "\u2190 200 px \u2192",
                                                      "Area: 0.060 MP ",
                                                      "Perimeter: 1000 px"};
    QTest::newRow("250 wide still has the long captions")
        << QSize(250, 40) << pixels() << QStringList{"250",
                                                     "40",
                                                     "\u2190 250 px \u2192",
                                                     "\u2190 40 px \u2192",
                                                     "Area: 0.010 MP ",
                                                     "Perimeter: 580 px"};
    QTest::newRow("249 wide has the short captions")
        << QSize(249, 40) << unit(10.0, 10.0, "u")
        << QStringList{"24.9",     "4", "\u2190 24.9 u \u2192", "\u2190 4 u \u2192", "A: 99.6 u\u00B2",
                       "P: 57.8 u"};
}

void TestReadingText::rulerTexts()
{
    QFETCH(QSize, size);
    QFETCH(ReadingScale, scale);
    QFETCH(QStringList, expected);
    const RulerReadings readings = rulerReadings(size, scale, true);
    QCOMPARE(QStringList({readings.widthNumber, readings.heightNumber, readings.widthText,
                          readings.heightText, readings.areaText, readings.perimeterText}),
             expected);
}

void TestReadingText::panelTexts_data()
{
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<ReadingScale>("scale");
    QTest::addColumn<bool>("megapixel");
    QTest::addColumn<bool>("positionKnown");
    QTest::addColumn<QStringList>("expected"); // L, T, R, B, W, H, A, P

    QTest::newRow("pixels")
        << QRect(100, 50, 300, 200) << pixels() << false << true
        << QStringList{
               "L: 100",    "T: 50", "R: 400", "B: 250", "W: 300 px ", "H: 200 px ", "A: 60000 px\u00B2",
               "P: 1000 px"};
    QTest::newRow("left of the primary screen")
        << QRect(-1280, -10, 300, 200) << pixels() << true << true
        << QStringList{"L: -1280",   "T: -10",     "R: -980",      "B: 190",
                       "W: 300 px ", "H: 200 px ", "A: 0.060 MP ", "P: 1000 px"};
    QTest::newRow("a unit converts only the sizes")
        << QRect(100, 50, 100, 100) << unit(10.0, 4.0, "in") << true << true
        << QStringList{"L: 100",    "T: 50",     "R: 200",          "B: 150",
                       "W: 10 in ", "H: 25 in ", "A: 250 in\u00B2", "P: 70 in"};
    // Where the desktop does not tell where the window stands, no edge is made up from 0, 0.
    QTest::newRow("position unknown: the size alone")
        << QRect(0, 0, 300, 200) << pixels() << false << false
        << QStringList{"L: \u2014",   "T: \u2014",   "R: \u2014",        "B: \u2014",
                       "W: 300 px ", "H: 200 px ", "A: 60000 px\u00B2", "P: 1000 px"};
}

void TestReadingText::panelTexts()
{
    QFETCH(QRect, geometry);
    QFETCH(ReadingScale, scale);
    QFETCH(bool, megapixel);
    QFETCH(bool, positionKnown);
    QFETCH(QStringList, expected);
    const PanelReadings readings = panelReadings(geometry, scale, megapixel, positionKnown);
    QCOMPARE(QStringList({readings.left, readings.top, readings.right, readings.bottom, readings.width,
                          readings.height, readings.area, readings.perimeter}),
             expected);
}

GRADORA_TEST_GUILESS_MAIN(TestReadingText)
#include "tst_readingtext.moc"
