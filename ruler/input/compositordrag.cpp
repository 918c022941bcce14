// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/input/compositordrag.h"

namespace CompositorDrag {

std::optional<Request> forDrag(PointerRules::DragMode mode, bool onFigure, bool shift, bool alt,
                               bool fullScreen)
{
    using PointerRules::DragMode;
    if (fullScreen)
        return std::nullopt;
    switch (mode) {
    case DragMode::Body:
        if (alt)
            return Request{};
        if (shift)
            return Request{Qt::RightEdge | Qt::BottomEdge};
        if (onFigure)
            return std::nullopt;
        return Request{};
    case DragMode::TopLeft:
        return Request{Qt::TopEdge | Qt::LeftEdge};
    case DragMode::TopRight:
        return Request{Qt::TopEdge | Qt::RightEdge};
    case DragMode::BottomLeft:
        return Request{Qt::BottomEdge | Qt::LeftEdge};
    case DragMode::BottomRight:
        return Request{Qt::BottomEdge | Qt::RightEdge};
    case DragMode::LeftEdge:
        return Request{Qt::LeftEdge};
    case DragMode::RightEdge:
        return Request{Qt::RightEdge};
    case DragMode::TopEdge:
        return Request{Qt::TopEdge};
    case DragMode::BottomEdge:
        return Request{Qt::BottomEdge};
    case DragMode::ControlPoint:
        break;
    }
    return std::nullopt;
}

} // namespace CompositorDrag
