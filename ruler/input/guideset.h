// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QList>
#include <QPoint>
#include <QSize>
#include <Qt>
#include <optional>

// Which guide the pointer drags, if any.
enum class GuideDrag
{
    None,
    Horizontal,
    Vertical
};

// The ruler's guides and how the pointer moves them, with no widget inside.
//
// Horizontal guides are y positions, vertical ones x positions, in window coordinates and in the order
// they were made. A press grabs a guide within reach of it while one is hovered or dragged; otherwise a
// press in a ticker's guide band drops a new guide there and grabs it. The grabbed guide follows the
// pointer until the release, which removes it when it ends on or beyond the window's outermost pixels,
// and removes a new guide that never moved (a click on a band leaves no guide). Between a press that
// grabbed nothing and its release the guides do not answer the pointer at all ("disarmed"), so that a
// window drag over a guide neither hovers nor moves it.
class GuideSet
{
public:
    const QList<int> &horizontal() const { return m_horizontal; }
    const QList<int> &vertical() const { return m_vertical; }
    bool isEmpty() const { return m_horizontal.isEmpty() && m_vertical.isEmpty(); }
    void clear();

    GuideDrag drag() const { return m_drag; }
    // The guides answer the pointer: always, except after a press that grabbed none of them.
    bool isArmed() const { return m_armed; }
    // A guide line was under the pointer at its last hover.
    bool isHovered() const { return m_hovered; }
    // Where the pointer last was while the guides followed it (the spacing texts stand beside it).
    QPoint pointer() const { return m_pointer; }

    // A hover at pos: whether the hit test found a guide line under the pointer.
    void hover(const QPoint &pos, bool overGuideLine);
    // The pointer left the window.
    void leave() { m_hovered = false; }
    // A press of any button but the right one at pos. `band` is the guide that the ticker band under
    // the pointer would drop, if any. True when the pointer now drags a guide.
    bool press(const QPoint &pos, std::optional<Qt::Orientation> band);
    // A press of the right button: the guides rest until the release.
    void disarm() { m_armed = false; }
    // The pointer moved to pos while guides may follow it; true when a dragged guide moved with it.
    bool follow(const QPoint &pos);
    // The release, in a window of this size: a guide dropped outside goes, and so does a new guide
    // that was not moved.
    void release(const QSize &window);

private:
    bool grab(const QPoint &pos);
    void dropNew(const QPoint &pos, Qt::Orientation orientation);
    QList<int> &draggedList() { return m_drag == GuideDrag::Horizontal ? m_horizontal : m_vertical; }
    int draggedIndex() const
    {
        return m_drag == GuideDrag::Horizontal ? m_draggedHorizontal : m_draggedVertical;
    }

    QList<int> m_horizontal;
    QList<int> m_vertical;
    GuideDrag m_drag = GuideDrag::None;
    // The grabbed guide of each list. Both are kept: a press near a crossing grabs one of each, and the
    // later grab decides which one follows.
    int m_draggedHorizontal = 0;
    int m_draggedVertical = 0;
    bool m_armed = true;
    bool m_hovered = false;
    // Where the press dropped a new guide, until the release.
    std::optional<int> m_newGuide;
    QPoint m_pointer;
};
