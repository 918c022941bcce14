// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/edgefinder/edgefinderoverlay.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

// Moves a rectangle inside the window where it fits; a rectangle larger than the window keeps its
// top-left corner in it.
QRect keptInside(QRect rect, const QRect &window)
{
    rect.moveLeft(std::max(window.left(), std::min(rect.left(), window.right() + 1 - rect.width())));
    rect.moveTop(std::max(window.top(), std::min(rect.top(), window.bottom() + 1 - rect.height())));
    return rect;
}

} // namespace

EdgeFinderOverlay::EdgeFinderOverlay(const Content &content, const Look &look)
    : m_content(content), m_look(look)
{
    const QRect window(QPoint(), content.window);
    const QRect &box = content.box;
    const QPoint &p = content.pointer;
    if (box.isNull() || !window.contains(p))
        return;
    m_horizontal = QRect(box.left(), p.y(), box.width(), 1) & window;
    m_vertical = QRect(p.x(), box.top(), 1, box.height()) & window;
    const int bar = 2 * kBarHalfLength + 1;
    m_bars[0] = QRect(box.left(), p.y() - kBarHalfLength, 1, bar) & window;
    m_bars[1] = QRect(box.right(), p.y() - kBarHalfLength, 1, bar) & window;
    m_bars[2] = QRect(p.x() - kBarHalfLength, box.top(), bar, 1) & window;
    m_bars[3] = QRect(p.x() - kBarHalfLength, box.bottom(), bar, 1) & window;
    placeLabels();
    for (const QRect &part : {m_horizontal, m_vertical, m_bars[0], m_bars[1], m_bars[2], m_bars[3],
                              m_widthLabel, m_heightLabel, m_hintLabel})
        m_region += part;
}

QRect EdgeFinderOverlay::labelRect(const QString &text) const
{
    if (text.isEmpty())
        return {};
    const QFontMetrics metrics(m_look.font);
    return QRect(0, 0, metrics.horizontalAdvance(text) + 2 * kLabelPadding,
                 metrics.height() + 2 * kLabelPadding);
}

void EdgeFinderOverlay::placeLabels()
{
    const QRect window(QPoint(), m_content.window);
    const QPoint &p = m_content.pointer;
    QRect *const labels[] = {&m_widthLabel, &m_heightLabel, &m_hintLabel};
    const QString *const texts[] = {&m_content.widthText, &m_content.heightText, &m_content.hint};
    int columnWidth = 0;
    int columnHeight = 0;
    for (int i = 0; i < 3; ++i) {
        *labels[i] = labelRect(*texts[i]);
        columnWidth = std::max(columnWidth, labels[i]->width());
        columnHeight += labels[i]->height();
    }
    // One column of labels in the quarter right of and above the pointer; mirrored where the window has
    // no room for it there. The width is written nearest to the pointer.
    const bool right = p.x() + kLabelGap + columnWidth <= window.right();
    const bool above = p.y() - kLabelGap - columnHeight >= window.top();
    int y = above ? p.y() - kLabelGap : p.y() + kLabelGap + 1;
    for (QRect *label : labels) {
        if (label->isNull())
            continue;
        const int x = right ? p.x() + kLabelGap : p.x() - kLabelGap - label->width();
        label->moveTo(x, above ? y - label->height() : y);
        y += above ? -label->height() : label->height();
        *label = keptInside(*label, window);
    }
}

void EdgeFinderOverlay::paint(QPainter &painter) const
{
    if (isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    for (const QRect &part : {m_horizontal, m_vertical, m_bars[0], m_bars[1], m_bars[2], m_bars[3]})
        painter.fillRect(part, m_look.line);
    painter.setFont(m_look.font);
    const std::pair<QRect, QString> labels[] = {{m_widthLabel, m_content.widthText},
                                                {m_heightLabel, m_content.heightText},
                                                {m_hintLabel, m_content.hint}};
    for (const auto &[rect, text] : labels) {
        if (rect.isNull())
            continue;
        painter.fillRect(rect, m_look.fill);
        painter.setPen(m_look.text);
        painter.drawText(rect, Qt::AlignCenter, text);
    }
    painter.restore();
}
