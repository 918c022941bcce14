// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "prefs/magnifierlayout.h"

#include <algorithm>

namespace MagnifierLayout {

namespace {
// The start of a span of `length` pixels centred on `centre`, kept within [low, low + room).
int placedStart(int center, int length, int low, int room)
{
    const int start = center - length / 2;
    return std::clamp(start, low, low + std::max(0, room - length));
}
} // namespace

int clampedZoom(int zoom)
{
    return std::clamp(zoom, kMinimumZoom, kMaximumZoom);
}

View layout(const QPoint &pointer, int zoom, const QSize &viewSize, const QRect &screen)
{
    zoom = clampedZoom(zoom);
    // Rounded up, so the last, partly covered column and row are filled too.
    const int wantedWidth = (std::max(0, viewSize.width()) + zoom - 1) / zoom;
    const int wantedHeight = (std::max(0, viewSize.height()) + zoom - 1) / zoom;
    const int width = std::min(wantedWidth, screen.width());
    const int height = std::min(wantedHeight, screen.height());

    View view;
    view.source = QRect(placedStart(pointer.x(), width, screen.x(), screen.width()),
                        placedStart(pointer.y(), height, screen.y(), screen.height()), width, height);
    const QPoint cell = (pointer - view.source.topLeft()) * zoom;
    view.pointerCell = QRect(cell, QSize(zoom, zoom));
    return view;
}

QList<int> gridLines(int viewLength, int zoom, int gridSize)
{
    QList<int> lines;
    if (gridSize <= 0)
        return lines;
    const long long spacing = static_cast<long long>(clampedZoom(zoom)) * gridSize;
    if (spacing < kMinimumGridSpacing)
        return lines;
    for (long long position = spacing; position < viewLength; position += spacing)
        lines.append(static_cast<int>(position));
    return lines;
}

} // namespace MagnifierLayout
