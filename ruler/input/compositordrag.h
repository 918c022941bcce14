// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "ruler/input/pointerrules.h"

#include <QtGlobal>
#include <optional>

// Where the compositor places windows itself, a window that moves or resizes itself gets nowhere: the
// pointer drags of the ruler and its edges are handed to the compositor instead
// (QWindow::startSystemMove / startSystemResize), which then also snaps as it likes.
namespace CompositorDrag {

struct Request
{
    // No edges: a move.
    Qt::Edges edges;

    bool isMove() const { return edges == Qt::Edges(); }
    bool operator==(const Request &other) const { return edges == other.edges; }
};

// The pointer starts a drag (`mode` as the press found it): a drag of the body moves the window (with
// Alt even over the figure), a Shift drag of the body sizes it from its bottom-right corner, an edge or
// corner resizes it there. The figure's body and handles stay the ruler's own, and in full screen
// nothing moves.
std::optional<Request> forDrag(PointerRules::DragMode mode, bool onFigure, bool shift, bool alt,
                               bool fullScreen);

} // namespace CompositorDrag
