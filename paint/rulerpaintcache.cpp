// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "paint/rulerpaintcache.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
// Smoothed glyphs may reach a pixel beyond their metrics.
constexpr int kTextMargin = 2;
} // namespace

bool ScalesKey::operator==(const ScalesKey &other) const
{
    return frame == other.frame && devicePixelRatio == other.devicePixelRatio && scale == other.scale &&
           rulerColor == other.rulerColor && tickers == other.tickers;
}

void RulerPaintCache::drawText(QPainter &painter, int fontPx, QPoint baseline, const QString &text)
{
    const bool isSmall = fontPx == RulerStyle::kSmallFontPx;
    QHash<QString, QStaticText> &texts = isSmall ? smallTexts : numberTexts;
    // Numbers and guide labels repeat from pass to pass; an endless variety would only fill memory.
    if (texts.size() >= kMaxTexts)
        texts.clear();
    auto found = texts.find(text);
    if (found == texts.end()) {
        QStaticText laidOut(text);
        laidOut.setTextFormat(Qt::PlainText);
        found = texts.insert(text, laidOut);
    }
    painter.setFont(isSmall ? small : number);
    // A static text is placed by its top-left corner, one ascent above the baseline.
    const qreal ascent = isSmall ? smallAscent : numberAscent;
    painter.drawStaticText(QPointF(baseline.x(), baseline.y() - ascent), *found);
}

QRect RulerPaintCache::textBounds(int fontPx, QPoint baseline, const QString &text)
{
    // Measured once per text and font, from the baseline start: the baseline is a whole pixel.
    QHash<QString, QRect> &bounds = fontPx == RulerStyle::kSmallFontPx ? smallBounds : numberBounds;
    if (bounds.size() >= kMaxTexts)
        bounds.clear();
    auto found = bounds.find(text);
    if (found == bounds.end()) {
        const QFontMetricsF metrics(font(fontPx));
        const QRectF ink = metrics.boundingRect(text).united(
            QRectF(0, -metrics.ascent(), metrics.horizontalAdvance(text), metrics.height()));
        found = bounds.insert(
            text, ink.toAlignedRect().adjusted(-kTextMargin, -kTextMargin, kTextMargin, kTextMargin));
    }
    return found->translated(baseline);
}

void RulerPaintCache::fillLines(QPainter &painter, const QList<QLine> &lines, const QColor &color)
{
    rects.resize(0);
    rects.reserve(lines.size());
    for (const QLine &line : lines)
        rects.append(QRect(QPoint(std::min(line.x1(), line.x2()), std::min(line.y1(), line.y2())),
                           QPoint(std::max(line.x1(), line.x2()), std::max(line.y1(), line.y2()))));
    fillRects(painter, color);
}

void RulerPaintCache::fillRects(QPainter &painter, const QColor &color)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawRects(rects.constData(), int(rects.size()));
    painter.restore();
}
