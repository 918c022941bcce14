// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "render/rulerlabels.h"

#include "render/measuredadvances.h"
#include "render/rulerstyle.h"

#include <QFontMetricsF>
#include <QTransform>

namespace RulerLabels {

namespace {

// The area line: left of the window's middle by this much, this far above the bottom edge, or this far
// below the top edge (under the top width reading, as the bottom place lies over the bottom one).
constexpr int kAreaLineLeftOfMiddle = 115;
constexpr int kAreaLineFromBottom = 80;
constexpr int kAreaLineFromTop = 90;
// Room kept around each box, so that labels that would touch count as covering each other.
constexpr qreal kMargin = 1;
// The boxes the corner labels and the numbers alone are right-aligned in.
const QRect kBox(0, 0, 100, 100);
const QRect kLeftOfBox(-45, 0, 100, 100);
// How much higher the corner height stands where it would cover the corner width.
constexpr int kCornerHeightRise = 20;

const QFontMetricsF &metrics()
{
    static const QFontMetricsF readingMetrics(RulerStyle::font(RulerStyle::kReadingFontPx));
    return readingMetrics;
}

// A text's advance, measured once: the readings come back from pass to pass.
qreal advance(const QString &text)
{
    static MeasuredAdvances<QFontMetricsF> measured(metrics(), 1024);
    return measured(text);
}

Text written(Label label, const QString &text, QList<QPoint> origins, qreal degrees, QPoint baseline)
{
    return {label, text, std::move(origins), degrees, baseline, false, {}};
}

Text aligned(Label label, const QString &text, QList<QPoint> origins, qreal degrees, const QRect &box)
{
    return {label, text, std::move(origins), degrees, {}, true, box};
}

} // namespace

QString areaLine(const RulerReadings &readings)
{
    return readings.areaText + QStringLiteral(" | ") + readings.perimeterText;
}

QList<Text> texts(QSize window, const RulerReadings &readings, const Shown &shown)
{
    const int w = window.width();
    const int h = window.height();
    QList<Text> labels;
    if (shown.full) {
        labels.append(written(Label::WidthAtTop, readings.widthText, {{w / 2 - 29, 50}}, 0, {}));
        labels.append(written(Label::HeightAtLeft, readings.heightText, {{50, h / 2 + 28}}, 270, {}));
        if (w >= kAreaLineWidth) {
            const int x = w / 2 - kAreaLineLeftOfMiddle;
            labels.append(written(Label::AreaLine, areaLine(readings),
                                  {{x, h - kAreaLineFromBottom}, {x, kAreaLineFromTop}}, 0, {}));
        }
        labels.append(written(Label::WidthAtBottom, readings.widthText, {{w / 2 - 29, h - 40}}, 0, {}));
        labels.append(written(Label::HeightAtRight, readings.heightText, {{w - 50, h / 2 - 30}}, 90, {}));
    }
    if (shown.corner) {
        labels.append(aligned(Label::CornerWidth, readings.widthText, {{w - 100, h - 45}}, 0, kLeftOfBox));
        // Long enough, the height reaches down beside the width: it then stands higher.
        labels.append(aligned(Label::CornerHeight, readings.heightText,
                              {{w - 30, h - 140}, {w - 30, h - 140 - kCornerHeightRise}}, 90, kBox));
    }
    if (shown.widthNumber)
        labels.append(aligned(Label::WidthNumber, readings.widthNumber, {{w - 100, h / 2}}, 0, kLeftOfBox));
    if (shown.heightNumber)
        labels.append(aligned(Label::HeightNumber, readings.heightNumber, {{w / 2, h - 145}}, 90, kBox));
    return labels;
}

QRectF textBox(const QString &text, QPointF baseline)
{
    return QRectF(baseline.x(), baseline.y() - metrics().ascent(), advance(text), metrics().height())
        .adjusted(-kMargin, -kMargin, kMargin, kMargin);
}

QList<QPolygonF> boxes(const Text &text)
{
    const QRectF box = text.rightAligned ? metrics()
                                               .boundingRect(QRectF(text.alignBox), Qt::AlignRight, text.text)
                                               .adjusted(-kMargin, -kMargin, kMargin, kMargin)
                                         : textBox(text.text, text.baseline);
    QList<QPolygonF> places;
    for (const QPoint &origin : text.origins) {
        QTransform frame;
        frame.translate(origin.x(), origin.y());
        frame.rotate(text.degrees);
        places.append(frame.map(QPolygonF(box)));
    }
    return places;
}

} // namespace RulerLabels
