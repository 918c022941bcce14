// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <tuple>

// What the reading texts need to know of a ruler's unit scale.
struct ReadingScale
{
    bool pixelMode = true;
    double pixelsPerUnitX = 1.0;
    double pixelsPerUnitY = 1.0;
    QString unitLabel = QStringLiteral("px");
};

// The texts a ruler shows on its body.
struct RulerReadings
{
    QString widthNumber;  // the number alone
    QString heightNumber; // the number alone
    QString widthText;    // "← 12.5 cm →"
    QString heightText;
    QString areaText;      // "Area: …" or "A: …", by the window's width
    QString perimeterText; // "Perimeter: …" or "P: …"
};

// The ruler's lines of the information panel.
struct PanelReadings
{
    QString left;
    QString top;
    QString right;
    QString bottom;
    QString width;
    QString height;
    QString area;
    QString perimeter;

    bool operator==(const PanelReadings &other) const
    {
        return std::tie(left, top, right, bottom, width, height, area, perimeter)
            == std::tie(other.left, other.top, other.right, other.bottom, other.width, other.height, other.area,
                        other.perimeter);
    }
};

// Turning pixel lengths into the numbers and texts that a ruler shows. Values are rounded to the
// nearest hundredth; a scale that cannot convert (zero, infinite or not a number) gives kNoReading
// instead of a number, never "inf" or "nan". Every number is written with the decimal sign and minus of
// the program's locale (QLocale(): "0,150" in German), the same on the ruler, the panel and the
// clipboard; never with group separators.
namespace ReadingText {
inline constexpr int kLengthDigits = 6;
inline constexpr int kAreaDigits = 15;
inline constexpr int kMegapixelDecimals = 3;
inline constexpr double kPixelsPerMegapixel = 1000000.0;
// From this width on the captions are written out in full ("Area: " instead of "A: ").
inline constexpr int kLongCaptionWidth = 250;
inline const QString kNoReading = QStringLiteral("?");

// A number written in the locale-independent form ("-2.5"), in the locale's form.
QString shown(const QString &number);
// A whole number, in the locale's form.
QString wholeNumber(qint64 value);
// A rounded length in the general format with 6 significant digits.
QString formatLength(double value);
// A rounded area with up to 15 significant digits.
QString formatArea(double value);
// An area in pixels as megapixels with three decimals: "0.150 MP ".
QString formatMegapixels(double pixels);
// "Area: " and "Perimeter: ", or "A: " and "P: " where there is less room, in the user's language.
QString areaCaption(bool full);
QString perimeterCaption(bool full);
// The unit of an area: "cm²".
QString squared(const QString &unitLabel);

// A length along the window's x (or y) axis: the integer in pixel mode, else the rounded unit value.
QString lengthX(int pixels, const ReadingScale &scale);
QString lengthY(int pixels, const ReadingScale &scale);
// The area of a width × height rectangle with its unit: "12.35 cm²", "60000 px²" or "0.060 MP ".
QString area(int width, int height, const ReadingScale &scale, bool megapixel);
// The perimeter of a width × height rectangle with its unit: "25.4 cm".
QString perimeter(int width, int height, const ReadingScale &scale);
// "← number unit →", the form of the width and height texts.
QString arrowText(const QString &number, const QString &unitLabel);

RulerReadings rulerReadings(QSize size, const ReadingScale &scale, bool megapixel);
// geometry: the window's rectangle in screen coordinates. Where the window's position is not known
// (`positionKnown` false), its edges read "—" and only its size is told.
PanelReadings panelReadings(const QRect &geometry, const ReadingScale &scale, bool megapixel,
                            bool positionKnown = true);
} // namespace ReadingText
