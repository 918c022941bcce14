// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QByteArray>
#include <QRegion>
#include <QSize>
#include <functional>
#include <memory>

struct RulerPaintCache;
struct RulerPaintState;

// The shape of a ruler window where no compositing manager makes its body translucent: the window keeps
// only what the ruler draws (see RulerShape), found from the same paint state as the pass draws. A new
// shape is made only when the state's shape key changed (RulerPaintState::shapeKey()), so a repaint
// that changed nothing of the drawing (a pointer moving over the body) costs none; and the shaper
// keeps what painting and the shape share: the painter's cache and the figure's area.
//
// The shaper holds no widget: it asks its window through Window, so that a test can stand in for it.
class WindowShaper
{
public:
    class Window
    {
    public:
        virtual ~Window() = default;
        // What the window draws now.
        virtual RulerPaintState paintState() const = 0;
        virtual int dpi() const = 0;
        // Whether a compositing manager runs: the window is then whole.
        virtual bool compositing() const = 0;
        // Whether the window's whole rectangle is drawn on (the edge finder's backdrop): so is its shape.
        virtual bool coveredWhole() const = 0;
        virtual QRegion mask() const = 0;
        virtual void setMask(const QRegion &shape) = 0;
        virtual void clearMask() = 0;
        // Paints the whole window once the event loop runs again.
        virtual void repaintLater() = 0;
        // Runs `step` once the event loop runs again: the window is shaped after a paint, not inside it.
        virtual void later(std::function<void()> step) = 0;
    };

    explicit WindowShaper(std::unique_ptr<Window> window);
    ~WindowShaper();

    // The window was painted: shapes it anew soon where what it draws changed since its last shape.
    void notePainted();
    // Follows the compositor and what the window draws now: whole with a compositing manager, shaped
    // without one. A shape that grows has the whole window painted once it is in place, since painting
    // keeps inside the shape.
    void update();
    // While the pointer drags the window the shape leaves out the figure: its turned strokes and texts
    // cut the shape into thousands of rectangles, and the window system works through all of them at
    // every step. Shaped at once, so that the drag's first step already moves the light shape.
    void setWindowDrag(bool dragging);
    bool shapedForWindowDrag() const { return m_windowDrag; }

    // The region that the shaped window keeps, found anew from what the window draws now.
    QRegion region() const;
    // How many shapes the window has been given so far.
    int shapesApplied() const { return m_shapeCount; }
    // Where the figure's drawing lies now, what a change of the figure alone repaints (see
    // RulerPainter::figureArea). Found anew only when the shape key changed: each step of a gesture
    // asks for the area before and after it, and the one after is the next one's before.
    QRegion figureArea() const;

    // What later paint passes of the window reuse (see RulerPainter).
    std::shared_ptr<RulerPaintCache> &paintCache() const { return m_paintCache; }

private:
    // The state the shape is made from, and its key.
    RulerPaintState shapedState() const;
    QByteArray keyOf(const RulerPaintState &state) const;
    QRegion regionOf(const RulerPaintState &state) const;

    std::unique_ptr<Window> m_window;
    QByteArray m_appliedKey;
    bool m_updatePending = false;
    int m_shapeCount = 0;
    bool m_windowDrag = false;
    mutable std::shared_ptr<RulerPaintCache> m_paintCache;
    mutable QRegion m_figureArea;
    mutable QByteArray m_figureAreaKey;
};
