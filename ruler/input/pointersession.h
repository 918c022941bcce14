// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "paint/repaintregions.h"
#include "ruler/input/compositordrag.h"
#include "ruler/input/guideset.h"
#include "ruler/input/hittest.h"
#include "ruler/input/modifierlatch.h"
#include "ruler/input/pointerrules.h"
#include "ruler/input/wheelsteps.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>
#include <memory>

// The pointer's dealings with one ruler window: what hovering offers (an edge, a corner, a handle of
// the figure, a guide or its band, the body), what a press grabs, what each motion of the drag then
// does, and the release. It keeps the modifier chord of the last input event, the wheel's steps and
// the guides as well, since all of them answer the same events.
//
// The session holds no widget: it learns about the window and asks it to act through Host, so that a
// window, or a test, only has to answer those questions.
class PointerSession
{
public:
    class Host
    {
    public:
        virtual ~Host() = default;
        virtual QSize windowSize() const = 0;
        // Where the window stands on the desktop.
        virtual QRect windowFrame() const = 0;
        virtual bool fullScreen() const = 0;
        virtual bool guidesShown() const = 0;
        // Whether the spacings between horizontal guides are written beside a pointer that rests on one.
        virtual bool guideSpacingOffered() const = 0;
        // Whether the window shows its "menu" text in the top-right corner.
        virtual bool menuButtonShown() const = 0;
        // The flying figure's handles (none while they cannot be dragged) and its body.
        virtual QList<QPoint> figureControlPoints() const = 0;
        virtual bool figureContains(const QPoint &pos) const = 0;
        virtual Qt::CursorShape pointerShape() const = 0;
        virtual void setPointerShape(Qt::CursorShape shape) = 0;
        // A drag of the window by its body wants its top-left here (snapped and paced by the window).
        virtual void dragWindowTo(const QPoint &topLeft) = 0;
        // A Shift drag of the body sizes the window; an edge or corner drag gives it this frame.
        virtual void sizeWindow(const QRect &frame) = 0;
        virtual void resizeByEdge(const QRect &frame, PointerRules::DragMode edge) = 0;
        virtual void moveFigureBy(const QPoint &delta) = 0;
        // A handle of the figure follows the pointer to `pos`; `lastPos` is where the drag was before,
        // which the figure moves on where the handle takes the whole figure along.
        virtual void dragFigureHandle(int index, const QPoint &pos, QPoint &lastPos,
                                      Qt::KeyboardModifiers modifiers) = 0;
        // Where the compositor places windows itself, drags of the window go to it (see CompositorDrag).
        virtual bool compositorPlacesWindows() const = 0;
        virtual void startSystemDrag(const CompositorDrag::Request &request) = 0;
    };

    explicit PointerSession(std::unique_ptr<Host> host);

    // The pointer rests at `pos` with no button held: what a press there would grab, shown with the
    // cursor.
    void hover(const QPoint &pos);
    // A pointer motion; `buttons` as the event reports them.
    void motion(const QPoint &pos, const QPoint &global, Qt::MouseButtons buttons,
                Qt::KeyboardModifiers modifiers);
    // A press of `button`: what it grabs follows from where it is, not from the last hover.
    void press(const QPoint &pos, const QPoint &global, Qt::MouseButton button, Qt::MouseButtons buttons);
    // At the end of a left press that did not open the menu: hands the drag to the compositor where it
    // places windows itself. True when the compositor took it.
    bool handOver();
    void release();
    // The pointer left the window with no button held.
    void leave();

    const ModifierLatch::Chord &chord() const { return m_chord; }
    void setChord(const ModifierLatch::Chord &chord) { m_chord = chord; }
    WheelSteps &wheel() { return m_wheel; }
    GuideSet &guides() { return m_guides; }
    const GuideSet &guides() const { return m_guides; }
    bool draggingGuide() const;

    PointerRules::DragMode dragMode() const { return m_dragMode; }
    // The figure changed under the pointer: turned, what hovering found on it no longer holds; hidden,
    // neither its handles nor its body can be held.
    void figureTurned();
    void figureHidden();
    bool menuHovered() const { return m_menuHovered; }
    // Whether the spacings between horizontal guides are written: while one is dragged or the pointer
    // rests on one.
    bool guideSpacingShown() const;
    // What the pointer shows on the window now; the window repaints what changed between two of these.
    PointerVisuals visuals() const;
    // Whether the pointer was over the "menu" text at the press, which opens the menu; forgets it.
    bool takeMenuPress();
    // A context menu was opened since the last press: a double click then does not count.
    bool contextMenuShown() const { return m_contextMenuShown; }
    void setContextMenuShown(bool shown) { m_contextMenuShown = shown; }

private:
    HitTest::Scene scene(bool guideLines) const;
    void pressGuides(const QPoint &pos, Qt::MouseButton button, Qt::MouseButtons buttons);
    void startDrag(const QPoint &pos, const QPoint &global, Qt::MouseButton button);
    void drag(const QPoint &pos, const QPoint &global, Qt::KeyboardModifiers modifiers);
    void dragBody(const QPoint &pos, const QPoint &global);

    std::unique_ptr<Host> m_host;
    GuideSet m_guides;
    ModifierLatch::Chord m_chord;
    WheelSteps m_wheel;
    PointerRules::DragMode m_dragMode = PointerRules::DragMode::Body;
    int m_dragPointIndex = 0;
    bool m_pressInsideFigure = false;
    // At the press: the pointer's offset from the frame's corner (while the figure is dragged, the
    // drag's last place), the window's size and the pointer's global position.
    QPoint m_grabOffset;
    QSize m_pressSize;
    QPoint m_pressGlobal;
    bool m_handedOver = false;
    bool m_menuHovered = false;
    bool m_contextMenuShown = false;
};
