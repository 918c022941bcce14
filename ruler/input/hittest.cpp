// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/input/hittest.h"

namespace HitTest {

using namespace PointerRules;

namespace {
std::optional<Hit> guideLineAt(const QPoint &pos, const Scene &scene)
{
    for (int guide : scene.verticalGuides) {
        if (hoversGuide(guide, pos.x()))
            return Hit{Target::GuideLine, DragMode::Body, 0, Qt::Vertical, Qt::SplitHCursor};
    }
    for (int guide : scene.horizontalGuides) {
        if (hoversGuide(guide, pos.y()))
            return Hit{Target::GuideLine, DragMode::Body, 0, Qt::Horizontal, Qt::SplitVCursor};
    }
    return std::nullopt;
}

// A later handle over the same spot wins, as it is drawn on top.
std::optional<Hit> controlPointAt(const QPoint &pos, const Scene &scene)
{
    std::optional<Hit> hit;
    for (int i = 0; i < scene.controlPoints.size(); ++i) {
        if (nearControlPoint(scene.controlPoints.at(i), pos))
            hit = Hit{Target::ControlPoint, DragMode::ControlPoint, i, Qt::Vertical, Qt::ArrowCursor};
    }
    return hit;
}

std::optional<Hit> guideBandAt(const QPoint &pos)
{
    const bool left = inGuideBand(pos.x());
    const bool top = inGuideBand(pos.y());
    if (!left && !top)
        return std::nullopt;
    return Hit{Target::GuideBand, DragMode::Body, 0, top ? Qt::Horizontal : Qt::Vertical,
               left ? Qt::SplitHCursor : Qt::SplitVCursor};
}
} // namespace

Hit at(const QPoint &pos, const Scene &scene)
{
    if (scene.guideLines) {
        if (const std::optional<Hit> line = guideLineAt(pos, scene))
            return *line;
    }
    if (const std::optional<EdgeHit> edge = edgeAt(pos, scene.size))
        return Hit{Target::Edge, edge->mode, 0, Qt::Vertical, edge->cursor};
    if (const std::optional<Hit> handle = controlPointAt(pos, scene))
        return *handle;
    if (scene.guideBands) {
        if (const std::optional<Hit> band = guideBandAt(pos))
            return *band;
    }
    return Hit{};
}

} // namespace HitTest
