// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "ruler/input/compositordrag.h"
#include "ruler/input/pointerrules.h"
#include "ruler/input/windowdrag.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class Desktop;
class QMoveEvent;
class QWidget;
class QWindow;

// Where a ruler window stands and how it gets there. Every geometry the window takes goes through the
// geometry rule (at least the pointer's minimum, no larger than the desktop, a piece to grab on some
// screen). Pointer drags snap to the screen's edges and other programs' windows and are paced to the
// screen's frames. Where the compositor places windows itself, the first show reads back where the
// window went, placements go to the compositor's placement service where it has one, drags go to the
// compositor, and where the toolkit is never told where the window stands the desktop is asked.
class WindowPlacement
{
public:
    static constexpr int kSnapDistance = 25;
    // How long after its first show a ruler waits for the window system to report where it put it.
    static constexpr int kReadbackMs = 3000;

    // What the placement asks of the ruler it places.
    class Ruler
    {
    public:
        virtual ~Ruler() = default;
        // Null before the ruler joins the program.
        virtual Desktop *desktop() const = 0;
        virtual bool fullScreen() const = 0;
        virtual bool snapsToScreen() const = 0;
        // Whether this is the first time a ruler of the program says that the desktop places windows:
        // it is said once a run.
        virtual bool firstPlacementNotice() = 0;
    };

    // Hands a pointer drag to the compositor (QWindow::startSystemMove or startSystemResize); answers
    // whether the compositor took it. The tests replace it.
    using SystemDrag = std::function<bool(QWindow *window, const CompositorDrag::Request &request)>;

    WindowPlacement(QWidget &window, std::unique_ptr<Ruler> ruler);
    ~WindowPlacement();

    // Places the window by the geometry rule, through the compositor's placement service where it
    // places windows itself.
    void place(const QRect &wanted);
    void placeAt(const QPoint &topLeft);
    // Moves the window as a pointer drag does: snapped when snapping is on; nothing in full screen.
    void moveSnapped(const QPoint &topLeft);
    // The frame of an edge or corner drag with its moving sides snapped.
    QRect edgeSnapped(const QRect &frame, PointerRules::DragMode edge);

    // A pointer drag of the window (by its body, or by the panel); see WindowDrag.
    void beginDrag() { m_drag.begin(); }
    void dragTo(const QPoint &topLeft);
    void endDrag() { m_drag.end(); }
    bool dragMoving() const { return m_drag.moving(); }
    // The other windows are read once per drag: a window that came back from elsewhere asks anew.
    void forgetSnapTargets() { m_drag.forgetSnapTargets(); }

    // Whether the window system puts windows where the program asks (or nothing tells otherwise).
    bool honoured() const;
    void handToCompositor(const CompositorDrag::Request &request);
    void setSystemDrag(SystemDrag systemDrag) { m_systemDrag = std::move(systemDrag); }

    // Run at the first show: the window system's reports of the window's place until the user first
    // takes the ruler (or for kReadbackMs) tell whether it honoured the request.
    void askReadback();
    void endReadback();
    void followMoveReport(const QMoveEvent *event);

    // Where the window stands on the desktop; none where the desktop does not tell.
    std::optional<QPoint> desktopPosition() const;
    // Asks the desktop again where the window stands (shown, resized, met by the pointer again).
    void learnPosition();
    // The geometry the settings file and a return from full screen keep: where the position is not
    // known, the place last asked for, never a made-up one.
    QRect geometryToKeep() const;

    // Said once, in the panel, where keys and dialogs cannot move the ruler; the user's next press of
    // the ruler takes it away.
    void sayDesktopPlacesWindows();
    const QString &notice() const { return m_notice; }
    void clearNotice();

private:
    bool placedByService(const QRect &frame);
    QPoint snapped(const QPoint &topLeft);
    int moveForDrag(const QPoint &topLeft);
    QList<QRect> otherWindows() const;
    static bool startSystemDrag(QWindow *window, const CompositorDrag::Request &request);

    QWidget &m_window;
    std::unique_ptr<Ruler> m_ruler;
    WindowDrag m_drag;
    SystemDrag m_systemDrag = &WindowPlacement::startSystemDrag;
    std::optional<QPoint> m_positionFromDesktop;
    QPoint m_askedPosition;
    bool m_readbackAsked = false;
    std::optional<QRect> m_askedPlacement;
    QString m_notice;
};
