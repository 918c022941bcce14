// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "paint/guidemarks.h"

#include "paint/rulerpaintcache.h"
#include "paint/rulerpainter.h"
#include "render/readingtext.h"
#include "render/rulerstyle.h"

#include <QLocale>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
// Guide labels: a horizontal guide's ends this far left of the right edge, above the line with the zero
// at the top and below it otherwise; a vertical guide's stands this far above the bottom edge, after
// the line when the zero is at the right.
constexpr int kGuideLabelRightInset = 47;
constexpr int kGuideLabelAboveLine = 5;
constexpr int kGuideLabelBelowLine = 15;
constexpr int kGuideLabelFromBottom = 58;
constexpr int kGuideLabelAfterLine = 9;
// A guide spacing stands this far right of the pointer and below the middle between its guides.
constexpr QPoint kSpacingFromPointer(12, 4);

// How far a guide label starts left of its anchor, by the number of digits of its value.
int labelShift(double value)
{
    int shift = value < 10 ? 15 : value < 100 ? 22 : value < 1000 ? 29 : 36;
    if (value != std::floor(value))
        shift += 20;
    return shift;
}

// The spacings between the horizontal guides (sorted), written beside the pointer.
QList<PlacedText> guideSpacings(const RulerPaintState &state, const QList<int> &guides)
{
    QList<PlacedText> spacings;
    const ReadingScale scale = state.readingScale();
    const TickFrame frame = state.tickFrame();
    int previous = 0;
    for (int i = 0; i < guides.size(); ++i) {
        int distance = guides.at(i) - previous + 1;
        if (i == 0 && frame.startsFromOne && !frame.zeroAtBottom)
            distance -= 1;
        // Each spacing is written beside the pointer, halfway between its two guides.
        const int middle = (guides.at(i) + previous) / 2;
        spacings.append(
            {QPoint(state.pointer.x(), middle) + kSpacingFromPointer, ReadingText::lengthY(distance, scale)});
        previous = guides.at(i);
    }
    return spacings;
}

QList<PlacedText> guideLabels(const RulerPaintState &state, const QList<int> &horizontal,
                              const QList<int> &vertical)
{
    QList<PlacedText> labels;
    const int w = state.size.width();
    const int h = state.size.height();
    const ReadingScale scale = state.readingScale();
    const TickFrame frame = state.tickFrame();
    const int origin = frame.startsFromOne ? 1 : 0;
    for (int y : horizontal) {
        const QString label = ReadingText::lengthY(y + origin, scale);
        const int baseline = frame.zeroAtBottom ? y + kGuideLabelBelowLine : y - kGuideLabelAboveLine;
        const int left = w - kGuideLabelRightInset - labelShift(QLocale().toDouble(label));
        labels.append({QPoint(left, baseline), label});
    }
    for (int x : vertical) {
        // Numbered from 1, the position counts one more before it is measured from the zero's edge.
        const int position = x + origin;
        const int distance = frame.zeroAtLeft ? position : w - position;
        const QString label = ReadingText::lengthX(distance, scale);
        const int left =
            frame.zeroAtLeft ? x - labelShift(QLocale().toDouble(label)) : x + kGuideLabelAfterLine;
        labels.append({QPoint(left, h - kGuideLabelFromBottom), label});
    }
    return labels;
}

} // namespace

GuideMarks GuideMarks::of(const RulerPaintState &state)
{
    GuideMarks marks;
    if (!state.on(RulerOption::ShowGuides))
        return marks;
    QList<int> horizontal = state.horizontalGuides;
    std::sort(horizontal.begin(), horizontal.end());
    QList<int> vertical = state.verticalGuides;
    std::sort(vertical.begin(), vertical.end());
    for (int y : std::as_const(horizontal))
        marks.levelLines.append(QRect(0, y, state.size.width(), 1));
    for (int x : std::as_const(vertical))
        marks.uprightLines.append(QRect(x, 0, 1, state.size.height()));
    marks.labels = guideLabels(state, horizontal, vertical);
    if (state.guideSpacing)
        marks.spacings = guideSpacings(state, horizontal);
    return marks;
}

void GuideMarks::draw(QPainter &painter, const RulerPaintState &state, RulerPaintCache &cache,
                      const QRegion &inPlace) const
{
    if (!state.on(RulerOption::ShowGuides))
        return;
    // Where lines cross, the second is laid over the first in the same colour: the order of the lines
    // does not matter.
    const GuideMarks &marks = *this;
    cache.rects = marks.levelLines;
    if (inPlace.isEmpty()) {
        cache.rects.append(marks.uprightLines);
    } else {
        QRegion upright;
        for (const QRect &line : marks.uprightLines)
            upright += line;
        for (const QRect &rect : upright - inPlace)
            cache.rects.append(rect);
    }
    cache.fillRects(painter, state.guidesColor);

    painter.save();
    painter.setPen(RulerStyle::guidePen(state.guidesColor));
    for (const PlacedText &label : marks.labels)
        cache.drawText(painter, RulerStyle::kNumberFontPx, label.baseline, label.text);
    if (!marks.spacings.isEmpty()) {
        painter.setFont(cache.number);
        painter.setPen(RulerStyle::guideDashPen(state.guidesColor));
        for (const PlacedText &spacing : marks.spacings)
            painter.drawText(spacing.baseline, spacing.text);
    }
    painter.restore();
}
