// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/input/guideset.h"

#include "ruler/input/pointerrules.h"

void GuideSet::clear()
{
    m_horizontal.clear();
    m_vertical.clear();
}

void GuideSet::hover(const QPoint &pos, bool overGuideLine)
{
    m_hovered = overGuideLine;
    if (m_armed)
        m_pointer = pos;
}

bool GuideSet::press(const QPoint &pos, std::optional<Qt::Orientation> band)
{
    m_armed = false;
    if (m_drag != GuideDrag::None || m_hovered)
        return grab(pos);
    if (!band)
        return false;
    dropNew(pos, *band);
    return true;
}

// Grabs the guide within reach of pos; where several are, the last vertical one, else the last
// horizontal one.
bool GuideSet::grab(const QPoint &pos)
{
    bool grabbed = false;
    for (int i = 0; i < m_horizontal.size(); ++i) {
        if (PointerRules::grabsGuide(m_horizontal.at(i), pos.y())) {
            m_drag = GuideDrag::Horizontal;
            m_draggedHorizontal = i;
            grabbed = true;
        }
    }
    for (int i = 0; i < m_vertical.size(); ++i) {
        if (PointerRules::grabsGuide(m_vertical.at(i), pos.x())) {
            m_drag = GuideDrag::Vertical;
            m_draggedVertical = i;
            grabbed = true;
        }
    }
    if (grabbed)
        m_armed = true;
    return grabbed;
}

void GuideSet::dropNew(const QPoint &pos, Qt::Orientation orientation)
{
    m_armed = true;
    if (orientation == Qt::Vertical) {
        m_vertical.append(pos.x());
        m_drag = GuideDrag::Vertical;
        m_pointer.setX(pos.x());
        m_newGuide = pos.x();
    } else {
        m_horizontal.append(pos.y());
        m_drag = GuideDrag::Horizontal;
        m_pointer.setY(pos.y());
        m_newGuide = pos.y();
    }
    grab(pos);
}

bool GuideSet::follow(const QPoint &pos)
{
    if (!m_armed)
        return false;
    m_pointer = pos;
    if (m_drag == GuideDrag::None || draggedIndex() >= draggedList().size())
        return false;
    draggedList()[draggedIndex()] = m_drag == GuideDrag::Horizontal ? pos.y() : pos.x();
    return true;
}

void GuideSet::release(const QSize &window)
{
    m_armed = true;
    if (m_drag == GuideDrag::None) {
        m_newGuide.reset();
        return;
    }
    QList<int> &guides = draggedList();
    const int index = draggedIndex();
    const int length = m_drag == GuideDrag::Horizontal ? window.height() : window.width();
    // A guide on the outermost pixels or beyond them is dragged off the ruler.
    if (index < guides.size() && !(0 < guides.at(index) && guides.at(index) < length - 1))
        guides.removeAt(index);
    if (m_newGuide && index < guides.size() && guides.at(index) == *m_newGuide)
        guides.removeAt(index);
    m_newGuide.reset();
    m_drag = GuideDrag::None;
}
