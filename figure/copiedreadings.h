// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "figure/figurereadings.h"
#include "render/readingtext.h"

#include <QLocale>
#include <QSize>
#include <QString>
#include <optional>

class FigureModel;

// The readings a ruler puts on the clipboard, as plain text:
//
//   640 × 480 px
//   Right Triangle | ↔1: 500 px | ↔2: 300 px | hipo: 583.1 px | Angle: 0° | A: 75000 px² | P: 1383.1 px
//
// The first line is the ruler's size in its unit; the second, only while the flying figure is shown,
// the figure's kind and the lengths, angle, area and perimeter as the information panel lists them.
// Numbers are rounded as the ruler shows them and written with the locale's decimal sign and minus
// ("12,5 × 3,2 cm" in German), never with group separators; unit labels are kept as the unit table has
// them. Parts are joined by " | ", which no decimal sign uses.
namespace CopiedReadings {

inline const QString kTimes = QStringLiteral(" \u00D7 ");
inline const QString kSeparator = QStringLiteral(" | ");

// The figure as the second line needs it.
struct Figure
{
    QString kind; // kindName() of the model
    FigureReadings readings;
};

// The figure's kind as the menu names it ("Ruler", "Circle", "Centered Rhombus"), translated; a ratio
// rectangle is a rectangle with its ratio ("Rectangle / 16:9").
QString kindName(const FigureModel &model);

// Every number standing alone in the text (not part of a word such as "m2") in the locale's form.
QString localized(const QString &text, const QLocale &locale);

QString sizeLine(QSize size, const ReadingScale &scale, const QLocale &locale);
QString figureLine(const Figure &figure, const QLocale &locale);
// The whole text: the size line, followed by `sizeNote` where one is given (the size in device
// pixels, see DeviceSize::note), and the figure line when a figure is given.
QString text(QSize size, const ReadingScale &scale, const std::optional<Figure> &figure,
             const QLocale &locale, const QString &sizeNote = QString());

} // namespace CopiedReadings
