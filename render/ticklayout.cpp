// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "render/ticklayout.h"

#include "render/unitscale.h"

#include <cmath>

namespace TickLayout {
namespace {

// Pixel tickers: a short tick every 5 px, a medium one with a small number every 50 px and a long one
// with a large number every 100 px.
constexpr int kPixelStep = 5;
constexpr int kMediumEvery = 10;
constexpr int kLongEvery = 20;
constexpr int kShortTick = 5;
constexpr int kMediumTick = 20;
constexpr int kLongTick = 30;

// Unit tickers.
constexpr int kUnitTick = 20;
constexpr double kMinNumberSpacing = 19.0;
constexpr double kAllUnitsNumberedFrom = 19.0;
constexpr int kNumberEveryUnits = 10;
constexpr double kCrowdedUnits = 100.0;
constexpr int kLowRow = 20;
constexpr int kHighRow = 33;
constexpr int kRowTickShortening = 11;
// Units smaller than this are not visited one by one.
constexpr double kMinWalkedUnitPx = 1.0;

// Number places. Numbers stay clear of the window's ends by these margins.
constexpr int kHorizontalNumberMargin = 20;
constexpr int kVerticalNumberMargin = 30;
// Baseline offsets along vertical tickers: above the tick with zero at the top, below it otherwise.
constexpr int kNumberAboveTick = -3;
constexpr int kNumberBelowTick = 13;

// Widths that grow with the number of digits: below 100, below 1000, from 1000 on.
struct DigitWidths
{
    int below100;
    int below1000;
    int more;

    int of(double value) const { return value < 100 ? below100 : value < 1000 ? below1000 : more; }
};
// Pixel numbers end just before their tick with zero at the left, start just after it otherwise.
constexpr DigitWidths kNumberBeforeTick{15, 24, 31};
constexpr int kNumberAfterTick = 5;
// Numbers of the right ticker start this far from the window's right side.
constexpr DigitWidths kRightNumberInset{20, 27, 32};
constexpr int kLongRightNumberExtraInset = 5;
// Pixel number baselines: on the top ticker at the tick's end, on the others at these distances.
constexpr int kMediumBottomBaseline = 12;
constexpr int kLongBottomBaseline = 20;
constexpr int kMediumLeftNumberX = 8;
constexpr int kLongLeftNumberX = 11;
// Unit numbers: beside their 20-px tick, or centred on it when they take two rows.
constexpr int kUnitNumberAfterTick = 4;
constexpr int kUnitBottomBaseline = 10;
constexpr int kUnitLeftNumberX = 9;
constexpr DigitWidths kHalfNumberWidth{6, 10, 13};

bool isHorizontal(TickEdge edge)
{
    return edge == TickEdge::Top || edge == TickEdge::Bottom;
}

// A line across the ticker at `position`, from `fromDepth` to `toDepth` pixels measured from the edge
// (the bottom and right edges are measured from the window's height and width).
QLine across(TickEdge edge, int position, int fromDepth, int toDepth, QSize size)
{
    switch (edge) {
    case TickEdge::Top:
        return {position, fromDepth, position, toDepth};
    case TickEdge::Bottom:
        return {position, size.height() - fromDepth, position, size.height() - toDepth};
    case TickEdge::Left:
        return {fromDepth, position, toDepth, position};
    case TickEdge::Right:
        break;
    }
    return {size.width() - fromDepth, position, size.width() - toDepth, position};
}

bool zeroAtStart(TickEdge edge, const TickFrame &frame)
{
    return isHorizontal(edge) ? frame.zeroAtLeft : !frame.zeroAtBottom;
}

int numberRowOffset(const TickFrame &frame)
{
    return frame.zeroAtBottom ? kNumberBelowTick : kNumberAboveTick;
}

void layOutPixels(TickEdge edge, const TickFrame &frame, TickMarks &marks)
{
    const QSize size = frame.size;
    const bool horizontal = isHorizontal(edge);
    const int length = horizontal ? size.width() : size.height();
    const int s = frame.startsFromOne ? 1 : 0;
    const bool growing = zeroAtStart(edge, frame);
    const int delta = growing ? kPixelStep : -kPixelStep;
    const int dy = numberRowOffset(frame);
    if (length <= 0)
        return;
    marks.lines.reserve(marks.lines.size() + 2 * (length / kPixelStep + 1));
    marks.labels.reserve(marks.labels.size() + length / (kPixelStep * kMediumEvery) + 1);

    int position = growing ? kPixelStep - s : length - 1 - kPixelStep + s;
    for (int n = 1; growing ? position < length : position >= 0; ++n, position += delta) {
        marks.lines.append(across(edge, position, 0, kShortTick, size));
        const bool isLong = n % kLongEvery == 0;
        if (!isLong && n % kMediumEvery != 0)
            continue;

        // Top and left ticks start below the short tick, bottom and right ones at the edge.
        const int tickDepth = isLong ? kLongTick : kMediumTick;
        const bool fromEdge = edge == TickEdge::Bottom || edge == TickEdge::Right;
        marks.lines.append(across(edge, position, fromEdge ? 0 : kShortTick, tickDepth, size));

        const bool fits =
            horizontal
                ? position >= kHorizontalNumberMargin + 1 && position < size.width() - kHorizontalNumberMargin
                : position >= kVerticalNumberMargin + 1 && position < size.height() - kVerticalNumberMargin;
        if (!fits)
            continue;
        const int value = n * kPixelStep;
        const int dx = frame.zeroAtLeft ? -kNumberBeforeTick.of(value) : kNumberAfterTick;
        QPoint baseline;
        switch (edge) {
        case TickEdge::Top:
            baseline = {position + dx, tickDepth};
            break;
        case TickEdge::Bottom:
            baseline = {position + dx,
                        size.height() - (isLong ? kLongBottomBaseline : kMediumBottomBaseline)};
            break;
        case TickEdge::Left:
            baseline = {isLong ? kLongLeftNumberX : kMediumLeftNumberX, position + dy};
            break;
        case TickEdge::Right:
            baseline = {size.width() - kRightNumberInset.of(value) -
                            (isLong ? kLongRightNumberExtraInset : 0),
                        position + dy};
            break;
        }
        marks.labels.append({baseline, QString::number(value), isLong ? kLargeFontPx : kSmallFontPx});
    }
}

// The positions origin ± k·step (k = 1, 2, …) of the minor ticks that lie inside the ticker.
struct MinorTicks
{
    double origin = 0;
    double step = 0;
    bool growing = true;
    int length = 0;

    double at(double k) const { return growing ? origin + k * step : origin - k * step; }
    bool inside(double position) const { return growing ? position < length : position > 0; }
};

void addMinorTick(TickEdge edge, QSize size, int pixel, TickMarks &marks)
{
    marks.lines.append(across(edge, pixel, 0, kShortTick, size));
}

// Ticks under a pixel apart leave no pixel out between the first and the last, so each pixel of that
// run gets one tick: the same picture with one line per pixel.
void layOutDenseMinorTicks(TickEdge edge, QSize size, const MinorTicks &ticks, TickMarks &marks)
{
    const double first = ticks.at(1);
    if (!ticks.inside(first))
        return;
    // The last tick inside lies within one step of the far end. Counted while the numbers are small
    // enough to count in; beyond that the step is so small that the last tick rounds to the end itself.
    const double span = ticks.growing ? ticks.length - ticks.origin : ticks.origin;
    const double estimate = std::ceil(span / ticks.step) - 1;
    constexpr double kExactCountLimit = 1e12;
    int b = ticks.growing ? ticks.length : 0;
    if (estimate < kExactCountLimit) {
        double k = std::max(1.0, estimate);
        while (k > 1 && !ticks.inside(ticks.at(k)))
            --k;
        while (ticks.inside(ticks.at(k + 1)))
            ++k;
        b = qRound(ticks.at(k));
    }
    const int a = qRound(first);
    for (int pixel = std::min(a, b); pixel <= std::max(a, b); ++pixel)
        addMinorTick(edge, size, pixel, marks);
}

void layOutMinorTicks(TickEdge edge, QSize size, const MinorTicks &ticks, TickMarks &marks)
{
    if (ticks.step < 1.0) {
        layOutDenseMinorTicks(edge, size, ticks, marks);
        return;
    }
    for (int k = 1;; ++k) {
        const double position = ticks.at(k);
        if (!ticks.inside(position))
            break;
        addMinorTick(edge, size, qRound(position), marks);
    }
}

// Places the numbered unit positions of a ticker.
class UnitNumbers
{
public:
    UnitNumbers(TickEdge edge, const TickFrame &frame, double pixelsPerUnit, TickMarks &marks)
        : m_edge(edge), m_frame(frame), m_marks(marks),
          m_crowded(isHorizontal(edge) && frame.size.width() / pixelsPerUnit >= kCrowdedUnits)
    {
    }

    void add(double value, double position)
    {
        const QSize size = m_frame.size;
        const int at = qRound(position);
        const QString text = QString::number(value, 'f', 0);
        if (!isHorizontal(m_edge)) {
            m_marks.lines.append(across(m_edge, at, 0, kUnitTick, size));
            if (position <= kVerticalNumberMargin || position >= size.height() - kVerticalNumberMargin)
                return;
            const int y = at + numberRowOffset(m_frame);
            const int x =
                m_edge == TickEdge::Left ? kUnitLeftNumberX : size.width() - kRightNumberInset.of(value);
            m_marks.labels.append({{x, y}, text, kLargeFontPx});
            return;
        }

        // With 100 units or more in the window the numbers take two rows, so that they stay apart.
        const int row = m_crowded ? m_row : kLowRow;
        const int tick = m_crowded ? row - kRowTickShortening : kUnitTick;
        const int fontPx = m_crowded && row == kLowRow ? kSmallFontPx : kLargeFontPx;
        m_row = m_row == kLowRow ? kHighRow : kLowRow;
        m_marks.lines.append(across(m_edge, at, 0, tick, size));
        if (position <= kHorizontalNumberMargin || position >= size.width() - kHorizontalNumberMargin)
            return;
        const int x = m_crowded ? at - kHalfNumberWidth.of(value) : at + kUnitNumberAfterTick;
        const int baselineDepth =
            m_crowded ? row : (m_edge == TickEdge::Top ? kUnitTick : kUnitBottomBaseline);
        const int y = m_edge == TickEdge::Top ? baselineDepth
                      : m_crowded             ? size.height() + kUnitBottomBaseline - row
                                              : size.height() - baselineDepth;
        m_marks.labels.append({{x, y}, text, fontPx});
    }

private:
    TickEdge m_edge;
    const TickFrame &m_frame;
    TickMarks &m_marks;
    bool m_crowded = false;
    int m_row = kLowRow;
};

void layOutUnits(TickEdge edge, const TickFrame &frame, const UnitScale &scale, TickMarks &marks)
{
    const bool horizontal = isHorizontal(edge);
    const int length = horizontal ? frame.size.width() : frame.size.height();
    const double p = horizontal ? scale.pixelsPerUnitX : scale.pixelsPerUnitY;
    if (length <= 0 || !std::isfinite(p) || !(p > 0.0) || !std::isfinite(scale.ticksPerUnit) ||
        !(scale.ticksPerUnit > 0.0))
        return;
    const double step = p / scale.ticksPerUnit;
    if (!(step > 0.0))
        return;

    const int s = frame.startsFromOne ? 1 : 0;
    const bool growing = zeroAtStart(edge, frame);
    // The same origin serves the minor ticks and the units, so every ticksPerUnit-th tick is a unit.
    const double origin = growing ? -s : length - (1 - s);
    const qsizetype numbers = qsizetype(length / kMinNumberSpacing) + 2;
    marks.lines.reserve(marks.lines.size() +
                        std::min<qsizetype>(qsizetype(length / std::max(step, 1.0)) + 2, length + 2) +
                        numbers);
    marks.labels.reserve(marks.labels.size() + numbers);

    layOutMinorTicks(edge, frame.size, {origin, step, growing, length}, marks);

    auto positionOf = [&](double k) { return growing ? origin + k * p : origin - k * p; };
    auto inside = [&](double position) { return growing ? position < length : position >= 0; };
    UnitNumbers numbered(edge, frame, p, marks);

    if (p >= kMinWalkedUnitPx) {
        // A number needs some room since the last one, and below 20 px a round number of units.
        double distance = 0;
        for (int k = 1;; ++k) {
            const double position = positionOf(k);
            if (!inside(position))
                break;
            const double reached = distance + p;
            if (reached >= step && reached > kMinNumberSpacing &&
                (p > kAllUnitsNumberedFrom || k % kNumberEveryUnits == 0)) {
                distance = 0;
                numbered.add(k, position);
            } else {
                distance = reached;
            }
        }
        return;
    }

    // Units under a pixel: go straight from one numbered unit to the next, the first multiple of ten
    // units that is both more than 19 px and at least a minor step away.
    const double unitsApart = std::max(std::floor(kMinNumberSpacing / p) + 1, std::ceil(step / p));
    double last = 0;
    for (int guard = 0; guard <= length; ++guard) {
        double k = std::ceil((last + unitsApart) / kNumberEveryUnits) * kNumberEveryUnits;
        auto farEnough = [&] { return (k - last) * p > kMinNumberSpacing && (k - last) * p >= step; };
        // Rounding may leave the estimate one round number short.
        if (!farEnough())
            k += kNumberEveryUnits;
        const double position = positionOf(k);
        // Past the counting precision of a double, or past the end: no further number.
        if (!(k > last) || !farEnough() || !std::isfinite(position) || !inside(position))
            break;
        numbered.add(k, position);
        last = k;
    }
}

} // namespace

void layOut(TickEdge edge, const TickFrame &frame, const UnitScale &scale, TickMarks &marks)
{
    if (scale.unitKind == UnitScale::Pixels)
        layOutPixels(edge, frame, marks);
    else
        layOutUnits(edge, frame, scale, marks);
}

} // namespace TickLayout
