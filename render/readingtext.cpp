// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "render/readingtext.h"

#include "prefs/localenumbers.h"
#include "render/unitscale.h"

#include <QCoreApplication>
#include <QtNumeric>
#include <cmath>

namespace ReadingText {

namespace {
const QString kLeftArrow = QStringLiteral("\u2190");
const QString kRightArrow = QStringLiteral("\u2192");
const QString kSuperscriptTwo = QStringLiteral("\u00B2");
const QString kMegapixelSuffix = QStringLiteral(" MP ");

QString tr(const char *text)
{
    return QCoreApplication::translate("ReadingText", text);
}

bool usable(double pixelsPerUnit)
{
    return qIsFinite(pixelsPerUnit) && pixelsPerUnit != 0.0;
}

QString unitLength(int pixels, double pixelsPerUnit)
{
    if (!usable(pixelsPerUnit))
        return kNoReading;
    return formatLength(pixels / pixelsPerUnit);
}
} // namespace

QString shown(const QString &number)
{
    return LocaleNumbers::toShown(number, QLocale());
}

QString wholeNumber(qint64 value)
{
    return shown(QString::number(value));
}

QString formatLength(double value)
{
    const double rounded = UnitScale::roundToHundredth(value);
    return qIsFinite(rounded) ? shown(QString::number(rounded, 'g', kLengthDigits)) : kNoReading;
}

QString formatArea(double value)
{
    const double rounded = UnitScale::roundToHundredth(value);
    return qIsFinite(rounded) ? shown(QString::number(rounded, 'g', kAreaDigits)) : kNoReading;
}

QString formatMegapixels(double pixels)
{
    return shown(QString::number(pixels / kPixelsPerMegapixel, 'f', kMegapixelDecimals)) + kMegapixelSuffix;
}

QString squared(const QString &unitLabel)
{
    return unitLabel + kSuperscriptTwo;
}

QString areaCaption(bool full)
{
    return full ? tr("Area: ") : tr("A: ");
}

QString perimeterCaption(bool full)
{
    return full ? tr("Perimeter: ") : tr("P: ");
}

QString lengthX(int pixels, const ReadingScale &scale)
{
    return scale.pixelMode ? wholeNumber(pixels) : unitLength(pixels, scale.pixelsPerUnitX);
}

QString lengthY(int pixels, const ReadingScale &scale)
{
    return scale.pixelMode ? wholeNumber(pixels) : unitLength(pixels, scale.pixelsPerUnitY);
}

QString area(int width, int height, const ReadingScale &scale, bool megapixel)
{
    const qint64 pixels = qint64(width) * height;
    if (scale.pixelMode && megapixel)
        return formatMegapixels(double(pixels));

    QString number;
    if (scale.pixelMode)
        number = wholeNumber(pixels);
    else if (usable(scale.pixelsPerUnitX) && usable(scale.pixelsPerUnitY))
        number = formatArea((width / scale.pixelsPerUnitX) * (height / scale.pixelsPerUnitY));
    else
        number = kNoReading;
    return number + QLatin1Char(' ') + squared(scale.unitLabel);
}

QString perimeter(int width, int height, const ReadingScale &scale)
{
    QString number;
    if (scale.pixelMode)
        number = wholeNumber(2 * qint64(width) + 2 * qint64(height));
    else if (usable(scale.pixelsPerUnitX) && usable(scale.pixelsPerUnitY))
        number = formatLength(2.0 * width / scale.pixelsPerUnitX + 2.0 * height / scale.pixelsPerUnitY);
    else
        number = kNoReading;
    return number + QLatin1Char(' ') + scale.unitLabel;
}

QString arrowText(const QString &number, const QString &unitLabel)
{
    return kLeftArrow + QLatin1Char(' ') + number + QLatin1Char(' ') + unitLabel + QLatin1Char(' ') +
           kRightArrow;
}

RulerReadings rulerReadings(QSize size, const ReadingScale &scale, bool megapixel)
{
    const bool longCaptions = size.width() >= kLongCaptionWidth;
    RulerReadings readings;
    readings.widthNumber = lengthX(size.width(), scale);
    readings.heightNumber = lengthY(size.height(), scale);
    readings.widthText = arrowText(readings.widthNumber, scale.unitLabel);
    readings.heightText = arrowText(readings.heightNumber, scale.unitLabel);
    readings.areaText = areaCaption(longCaptions) + area(size.width(), size.height(), scale, megapixel);
    readings.perimeterText = perimeterCaption(longCaptions) + perimeter(size.width(), size.height(), scale);
    return readings;
}

PanelReadings panelReadings(const QRect &geometry, const ReadingScale &scale, bool megapixel, bool positionKnown)
{
    // QRect's right() and bottom() are the last pixel inside; the panel shows the edge beyond it.
    const auto edge = [positionKnown](qint64 value) {
        return positionKnown ? wholeNumber(value) : QStringLiteral("\u2014");
    };
    PanelReadings readings;
    readings.left = tr("L: ") + edge(geometry.x());
    readings.top = tr("T: ") + edge(geometry.y());
    readings.right = tr("R: ") + edge(qint64(geometry.x()) + geometry.width());
    readings.bottom = tr("B: ") + edge(qint64(geometry.y()) + geometry.height());
    readings.width =
        tr("W: ") + lengthX(geometry.width(), scale) + QLatin1Char(' ') + scale.unitLabel + QLatin1Char(' ');
    readings.height =
        tr("H: ") + lengthY(geometry.height(), scale) + QLatin1Char(' ') + scale.unitLabel + QLatin1Char(' ');
    readings.area = areaCaption(false) + area(geometry.width(), geometry.height(), scale, megapixel);
    readings.perimeter = perimeterCaption(false) + perimeter(geometry.width(), geometry.height(), scale);
    return readings;
}

} // namespace ReadingText
