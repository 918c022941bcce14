// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "figure/copiedreadings.h"
#include "figure/figurefixture.h"
#include "figure/figuremodel.h"
#include "testsupport.h"

#include <QTest>

using FigureFixture::created;

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

ReadingScale pixels()
{
    return {};
}

// A unit of ppuX pixels per unit across and ppuY down.
ReadingScale unitScale(double ppuX, double ppuY, const QString &label)
{
    return {false, ppuX, ppuY, label};
}

// The figure's readings in pixels, or in a unit of perUnit pixels each way when perUnit is above 0.
FigureReadings measured(const FigureModel &model, double perUnit, const QString &label)
{
    FigureUnits units;
    if (perUnit > 0) {
        units.scale.unitKind = UnitScale::TableUnit;
        units.scale.unitLabel = label;
        units.scale.pixelsPerUnitX = perUnit;
        units.scale.pixelsPerUnitY = perUnit;
    }
    return FigureReadings::measure(model, units, {FigureFixture::kWindow});
}

} // namespace

// The text a ruler puts on the clipboard: its size, and its shown figure's kind and readings, in the
// ruler's unit and the user's locale.
class TestCopiedReadings : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void sizeLine_data();
    void sizeLine();
    void figureLine_data();
    void figureLine();
    void kindName_data();
    void kindName();
    void localized_data();
    void localized();
    void figureLineOnlyWhileShown();
};

void TestCopiedReadings::sizeLine_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("pixelMode");
    QTest::addColumn<double>("ppuX");
    QTest::addColumn<double>("ppuY");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");
    const double perMm = 96 / 25.4;
    QTest::newRow("pixels") << QSize(640, 480) << true << 1.0 << 1.0 << "px" << kEnglish
                            << QStringLiteral("640 \u00D7 480 px");
    QTest::newRow("pixels in German")
        << QSize(640, 480) << true << 1.0 << 1.0 << "px" << kGerman << QStringLiteral("640 \u00D7 480 px");
    QTest::newRow("millimetres rounded to hundredths") << QSize(640, 480) << false << perMm << perMm << "mm"
                                                       << kEnglish << QStringLiteral("169.33 \u00D7 127 mm");
    QTest::newRow("millimetres with a decimal comma") << QSize(640, 480) << false << perMm << perMm << "mm"
                                                      << kGerman << QStringLiteral("169,33 \u00D7 127 mm");
    QTest::newRow("inches on unequal axes") << QSize(500, 300) << false << 96.0 << 72.0 << "in" << kGerman
                                            << QStringLiteral("5,21 \u00D7 4,17 in");
    QTest::newRow("a label with a point is kept") << QSize(500, 300) << false << 96.0 << 96.0 << "in."
                                                  << kGerman << QStringLiteral("5,21 \u00D7 3,13 in.");
    QTest::newRow("uncalibrated display")
        << QSize(500, 300) << false << 0.0 << 0.0 << "cm" << kGerman << QStringLiteral("? \u00D7 ? cm");
    QTest::newRow("exponent form") << QSize(3000, 20) << false << 0.00002 << 1.0 << "km" << kGerman
                                   << QStringLiteral("1,5e+08 \u00D7 20 km");
}

void TestCopiedReadings::sizeLine()
{
    QFETCH(QSize, size);
    QFETCH(bool, pixelMode);
    QFETCH(double, ppuX);
    QFETCH(double, ppuY);
    QFETCH(QString, label);
    QFETCH(QLocale, locale);
    const ReadingScale scale = pixelMode ? pixels() : unitScale(ppuX, ppuY, label);
    QTEST(CopiedReadings::sizeLine(size, scale, locale), "expected");
}

void TestCopiedReadings::figureLine_data()
{
    QTest::addColumn<FigureKind>("kind");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<double>("angle");
    QTest::addColumn<double>("perUnit");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");
    auto row = [](const char *name, FigureKind kind, double ratio, double angle, double perUnit,
                  const QLocale &locale, const char *expected) {
        QTest::newRow(name) << kind << ratio << angle << perUnit << locale << QString::fromUtf8(expected);
    };
    row("rectangle in pixels", FigureKind::CornerRectangle, 0, 0, 0, kEnglish,
        "Rectangle | ↔1: 500 px | ↔2: 300 px | Angle: 0° | A: 150000 px² | P: 1600 px");
    row("rectangle in millimetres, German", FigureKind::CornerRectangle, 0, 0, 8, kGerman,
        "Rectangle | ↔1: 62,5 mm | ↔2: 37,5 mm | Angle: 0° | A: 2343,75 mm² | P: 200 mm");
    row("turned rectangle, German angle", FigureKind::CornerRectangle, 0, 30.25, 0, kGerman,
        "Rectangle | ↔1: 500 px | ↔2: 300 px | Angle: 30,25° | A: 150000 px² | P: 1600 px");
    row("right triangle has its hypotenuse", FigureKind::CornerRightTriangle, 0, 0, 0, kGerman,
        "Right Triangle | ↔1: 500 px | ↔2: 300 px | hipo: 583,1 px | Angle: 0° | A: 75000 px² | "
        "P: 1383,1 px");
    row("centred circle has one length", FigureKind::CenteredCircle, 0, 0, 0, kEnglish,
        "Centered Circle | ↔1: 200 px | Angle: 0° | A: 125663.71 px² | P: 1256.64 px");
    row("ratio rectangle names its ratio", FigureKind::CornerSquare, FigureRatio::SixteenToNine, 0, 0,
        kEnglish, "Rectangle / 16:9 | ↔1: 400 px | ↔2: 225 px | Angle: 0° | A: 90000 px² | P: 1250 px");
}

void TestCopiedReadings::figureLine()
{
    QFETCH(FigureKind, kind);
    QFETCH(double, ratio);
    QFETCH(double, angle);
    QFETCH(double, perUnit);
    QFETCH(QLocale, locale);
    const FigureModel model = created(kind, angle, FigureFixture::kWindow, ratio);
    const CopiedReadings::Figure figure{CopiedReadings::kindName(model), measured(model, perUnit, "mm")};
    QTEST(CopiedReadings::figureLine(figure, locale), "expected");
}

void TestCopiedReadings::kindName_data()
{
    QTest::addColumn<FigureKind>("kind");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<QString>("expected");
    QTest::newRow("flying ruler") << FigureKind::FlyingRuler << 0.0 << "Ruler";
    QTest::newRow("corner rhombus") << FigureKind::CornerRhombus << 0.0 << "Rhombus";
    QTest::newRow("corner isosceles") << FigureKind::CornerIsoscelesTriangle << 0.0 << "Isosceles Triangle";
    QTest::newRow("centred ellipse") << FigureKind::CenteredEllipse << 0.0 << "Centered Ellipse";
    QTest::newRow("centred square") << FigureKind::CenteredSquare << 0.0 << "Centered Square";
    QTest::newRow("ratio rectangle") << FigureKind::CornerSquare << FigureRatio::Golden << "Rectangle";
}

void TestCopiedReadings::kindName()
{
    QFETCH(FigureKind, kind);
    QFETCH(double, ratio);
    QTEST(CopiedReadings::kindName(created(kind, 0, FigureFixture::kWindow, ratio)), "expected");
}

void TestCopiedReadings::localized_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    QTest::newRow("English keeps the point") << "hipo: 583.1 px" << kEnglish << "hipo: 583.1 px";
    QTest::newRow("German comma") << "hipo: 583.1 px" << kGerman << "hipo: 583,1 px";
    QTest::newRow("every number") << "1.5 and 2.25°" << kGerman << "1,5 and 2,25°";
    QTest::newRow("Swedish minus") << "-2.5 cm" << swedish << QString(swedish.negativeSign() + "2,5 cm");
    QTest::newRow("exponent") << "1.5e+06 mm" << kGerman << "1,5e+06 mm";
    QTest::newRow("a digit in a word stays") << "3.5 m2.5" << kGerman << "3,5 m2.5";
    QTest::newRow("no group separators") << "150000.25 px" << kGerman << "150000,25 px";
    QTest::newRow("no number") << "? cm" << kGerman << "? cm";
}

void TestCopiedReadings::localized()
{
    QFETCH(QString, text);
    QFETCH(QLocale, locale);
    QTEST(CopiedReadings::localized(text, locale), "expected");
}

void TestCopiedReadings::figureLineOnlyWhileShown()
{
    const FigureModel model = created(FigureKind::CornerRectangle);
    const CopiedReadings::Figure figure{CopiedReadings::kindName(model), measured(model, 0, {})};
    const QString hidden = CopiedReadings::text({640, 480}, pixels(), std::nullopt, kEnglish);
    QCOMPARE(hidden, QStringLiteral("640 \u00D7 480 px"));
    const QString shown = CopiedReadings::text({640, 480}, pixels(), figure, kEnglish);
    QCOMPARE(shown.split(QLatin1Char('\n')),
             QStringList({hidden, CopiedReadings::figureLine(figure, kEnglish)}));
}

GRADORA_TEST_GUILESS_MAIN(TestCopiedReadings)
#include "tst_copiedreadings.moc"
