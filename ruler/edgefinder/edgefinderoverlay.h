// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QString>

class QPainter;

// What the edge finder draws over a ruler window, laid out once and then painted or asked for the
// region it covers (the window repaints only that region as the pointer moves):
// - a horizontal line through the pointer from the box's left edge to its right edge and a vertical
//   one from its top to its bottom, each 1 pixel wide on exactly the pixels of the box, with a short
//   bar across it at each edge;
// - the box's width and height, and while the tolerance changes a hint that shows it, as a column of
//   labels in the quarter right of and above the pointer (mirrored where the window has no room), the
//   width nearest to the pointer.
// Everything is in window coordinates and clipped to the window.
class EdgeFinderOverlay
{
public:
    static constexpr int kLabelGap = 6;
    static constexpr int kLabelPadding = 3;
    static constexpr int kBarHalfLength = 4;

    struct Look
    {
        QFont font;
        QColor line{Qt::red};
        QColor text{Qt::black};
        QColor fill{Qt::white};
    };
    struct Content
    {
        QSize window;
        QPoint pointer;
        // The box found around the pointer; it may reach beyond the window.
        QRect box;
        QString widthText;
        QString heightText;
        // Empty while no hint is shown.
        QString hint;
    };

    EdgeFinderOverlay() = default;
    EdgeFinderOverlay(const Content &content, const Look &look);

    bool isEmpty() const { return m_region.isEmpty(); }
    // Every pixel that paint() may touch.
    const QRegion &region() const { return m_region; }
    void paint(QPainter &painter) const;

    QRect widthLabel() const { return m_widthLabel; }
    QRect heightLabel() const { return m_heightLabel; }
    QRect hintLabel() const { return m_hintLabel; }

private:
    QRect labelRect(const QString &text) const;
    void placeLabels();

    Content m_content;
    Look m_look;
    QRect m_horizontal;
    QRect m_vertical;
    QRect m_bars[4];
    QRect m_widthLabel;
    QRect m_heightLabel;
    QRect m_hintLabel;
    QRegion m_region;
};
