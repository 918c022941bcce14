// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/window/windowshaper.h"

#include "figure/figuremodel.h"
#include "paint/rulerpainter.h"
#include "render/inkmask.h"
#include "render/rulershape.h"
#include "ruler/input/pointerrules.h"

#include <QPainter>

namespace {
// A control point stays grabbable as far as the pointer finds it.
constexpr int kHandleReach = PointerRules::kControlPointReach;
} // namespace

WindowShaper::WindowShaper(std::unique_ptr<Window> window) : m_window(std::move(window)) {}

WindowShaper::~WindowShaper() = default;

RulerPaintState WindowShaper::shapedState() const
{
    RulerPaintState state = m_window->paintState();
    state.figureLeftOut = m_windowDrag;
    return state;
}

QByteArray WindowShaper::keyOf(const RulerPaintState &state) const
{
    QByteArray key = state.shapeKey();
    key.append(m_window->coveredWhole() ? '1' : '0');
    return key;
}

QRegion WindowShaper::regionOf(const RulerPaintState &state) const
{
    const QRect whole(QPoint(), state.size);
    if (m_window->coveredWhole())
        return whole;
    InkMask mask(state.size, m_window->dpi());
    RulerShape::markBands(mask, state.tickFrame(), state.scale, state.shownTickers(),
                          PointerRules::kGuideBandEnd + 1);
    {
        QPainter painter(&mask);
        RulerPainter::drawContent(painter, state, m_paintCache);
    }
    if (state.figureShown() && !state.on(RulerOption::HideControlPoints)) {
        for (const QPoint &point : state.figure->screenPoints)
            mask.mark(QRect(point - QPoint(kHandleReach, kHandleReach),
                            QSize(2 * kHandleReach + 1, 2 * kHandleReach + 1)));
    }
    return mask.region();
}

QRegion WindowShaper::region() const
{
    return regionOf(shapedState());
}

void WindowShaper::notePainted()
{
    if (m_updatePending || m_window->compositing())
        return;
    if (keyOf(shapedState()) == m_appliedKey)
        return;
    m_updatePending = true;
    m_window->later([this] { update(); });
}

void WindowShaper::update()
{
    m_updatePending = false;
    if (m_window->compositing()) {
        if (!m_appliedKey.isEmpty()) {
            m_window->clearMask();
            m_appliedKey.clear();
        }
        return;
    }
    const RulerPaintState state = shapedState();
    QByteArray key = keyOf(state);
    if (key == m_appliedKey)
        return;
    const QRegion shape = regionOf(state);
    const bool grows = !shape.subtracted(m_window->mask()).isEmpty();
    m_window->setMask(shape);
    m_appliedKey = std::move(key);
    ++m_shapeCount;
    // What the new shape adds (say the readings' boxes of a ruler that just became active) was never
    // painted. A shape that only shrinks (the start of a window drag) needs no paint.
    if (grows)
        m_window->repaintLater();
}

void WindowShaper::setWindowDrag(bool dragging)
{
    if (m_windowDrag == dragging)
        return;
    m_windowDrag = dragging;
    if (!m_window->compositing())
        update();
}

QRegion WindowShaper::figureArea() const
{
    const RulerPaintState state = m_window->paintState();
    QByteArray key = state.shapeKey();
    if (key != m_figureAreaKey) {
        m_figureArea = RulerPainter::figureArea(state, m_paintCache);
        m_figureAreaKey = std::move(key);
    }
    return m_figureArea;
}
