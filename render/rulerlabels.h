// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "render/readingtext.h"

#include <QList>
#include <QPoint>
#include <QPolygonF>
#include <QRect>
#include <QSize>
#include <QString>

// The readings a ruler writes on its body, where each one goes and the box it covers, in the 14-px
// reading font. Painting draws exactly these; the placement of the labels reads their boxes.
namespace RulerLabels {

enum class Label
{
    WidthAtTop,
    HeightAtLeft,
    WidthAtBottom,
    HeightAtRight,
    AreaLine,    // "Area: … | Perimeter: …"
    CornerWidth, // "Show Bottom Right Labels"
    CornerHeight,
    WidthNumber, // the number alone
    HeightNumber
};

// Which readings the window's options show.
struct Shown
{
    bool full = false;   // the full readings along the edges, with the area line where it fits
    bool corner = false; // the width and height labels at the bottom right corner
    bool widthNumber = false;
    bool heightNumber = false;
};

// One label: turned by `degrees` about one of `origins` (the first preferred), its text written from
// `baseline` or, with `rightAligned`, right-aligned in `alignBox` (both in the turned frame).
struct Text
{
    Label label = Label::WidthAtTop;
    QString text;
    QList<QPoint> origins;
    qreal degrees = 0;
    QPoint baseline;
    bool rightAligned = false;
    QRect alignBox;
};

// From this width on the window writes its area line.
inline constexpr int kAreaLineWidth = ReadingText::kLongCaptionWidth;

// The labels the options show, in the order of their importance: the full readings' first width and
// height, the area line, the second width and height, then the corner labels and the numbers alone.
QList<Text> texts(QSize window, const RulerReadings &readings, const Shown &shown);

// "Area: … | Perimeter: …" as the window writes it.
QString areaLine(const RulerReadings &readings);

// The boxes the text covers at each of its origins, in window coordinates, with a pixel of room around
// them so that labels that would touch count as covering each other.
QList<QPolygonF> boxes(const Text &text);

// The box a line of reading text covers from its baseline, with the same room around it.
QRectF textBox(const QString &text, QPointF baseline);

} // namespace RulerLabels
