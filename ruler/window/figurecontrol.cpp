// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/window/figurecontrol.h"

FigureControl::FigureControl(std::unique_ptr<Ruler> ruler) : m_ruler(std::move(ruler))
{
    m_model.createInitialFigure(m_ruler->size());
}

FigureControl::~FigureControl() = default;

template <typename Change> void FigureControl::changeArea(Change change)
{
    // Each step of a gesture asks for the area before and after it: the one after is the next one's before.
    const QRegion before = m_ruler->drawnArea();
    change();
    m_ruler->repaint(before + m_ruler->drawnArea());
}

void FigureControl::set(const FigureModel &model)
{
    m_model = model;
    m_model.visible = m_ruler->figureShown();
    m_ruler->repaintAll();
}

void FigureControl::restore(const FigureModel &stored, bool placed)
{
    set(stored);
    // It stands where it was left, not in the middle.
    m_centerOnShow = !placed;
    const FigureKind kind = m_model.flyingRuler ? FigureKind::FlyingRuler : m_model.kind;
    for (RulerCommand entry : RulerCommands::all()) {
        const double ratio = RulerCommands::ratioOf(entry);
        const bool matches = m_model.isRatioRectangle() ? ratio > 0 && qFuzzyCompare(ratio, m_model.ratio)
                                                        : ratio <= 0 && RulerCommands::figureKindOf(entry) == kind;
        if (matches) {
            m_ruler->markEntry(entry);
            break;
        }
    }
}

void FigureControl::showFirstTime()
{
    if (!m_centerOnShow)
        return;
    m_centerOnShow = false;
    sendToCenter();
}

void FigureControl::choose(RulerCommand entry)
{
    const double ratio = RulerCommands::ratioOf(entry);
    const std::optional<FigureKind> kind = RulerCommands::figureKindOf(entry);
    if (ratio > 0) {
        m_model.createRatioFigure(ratio, m_ruler->size());
    } else if (kind) {
        m_model.ratioLocked = false;
        m_model.create(*kind, m_ruler->size());
    } else {
        return;
    }
    m_model.visible = m_ruler->figureShown();
    m_ruler->markEntry(entry);
    m_ruler->repaintAll();
}

void FigureControl::sendToCenter()
{
    m_model.sendToCenter(m_ruler->size());
    m_ruler->repaintAll();
}

void FigureControl::fitTo(const QRect &box)
{
    m_model.ratioLocked = false;
    m_model.create(FigureKind::CornerRectangle, m_ruler->size());
    m_model.points[1] = {float(box.width() - 1), 0};
    m_model.points[2] = {0, float(box.height() - 1)};
    m_model.origin = box.topLeft();
    m_model.recompute();
    m_model.visible = true;
    m_ruler->markEntry(RulerCommands::cornerShape(0));
    m_ruler->repaintAll();
}

QList<QPoint> FigureControl::controlPoints() const
{
    return QList<QPoint>(m_model.screenPoints.cbegin(), m_model.screenPoints.cend());
}

void FigureControl::moveBy(const QPoint &delta)
{
    changeArea([&] { m_model.bodyMove(delta, m_ruler->currentModifiers()); });
}

void FigureControl::dragHandle(int index, const QPoint &pos, QPoint &lastPos, Qt::KeyboardModifiers modifiers)
{
    changeArea([&] { m_model.handleDrag(index, pos, lastPos, m_ruler->modifiers(modifiers, Qt::LeftButton)); });
}

void FigureControl::turn(double degrees)
{
    changeArea([&] {
        m_model.rotateBy(degrees);
        m_model.recompute(m_ruler->currentModifiers());
    });
}

void FigureControl::scale(double factor)
{
    changeArea([&] { m_model.scale(factor, factor, m_ruler->currentModifiers()); });
}

void FigureControl::togglePlacement()
{
    if (m_model.isRatioRectangle())
        return;
    m_model.togglePlacement(m_ruler->currentModifiers());
    m_ruler->placementTurned();
    m_ruler->repaintAll();
}

void FigureControl::recompute()
{
    m_model.recompute(m_ruler->currentModifiers());
    m_ruler->repaintAll();
}
