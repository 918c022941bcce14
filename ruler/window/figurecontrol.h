// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "figure/figuremodel.h"
#include "ruler/commands/rulercommand.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <memory>

// A ruler's flying figure as the pointer, the keys and the menu change it: the model, the menu entry
// that names its kind, and what each change repaints (where the figure's drawing was and where it is).
class FigureControl
{
public:
    // What the figure asks of the ruler it flies on.
    class Ruler
    {
    public:
        virtual ~Ruler() = default;
        virtual QSize size() const = 0;
        virtual bool figureShown() const = 0;
        // The modifiers of the pointer or key event at hand, with what the ruler remembers.
        virtual FigureModifiers modifiers(Qt::KeyboardModifiers held, Qt::MouseButtons buttons) const = 0;
        // The modifiers held now.
        virtual FigureModifiers currentModifiers() const = 0;
        // Where the figure's drawing lies now.
        virtual QRegion drawnArea() const = 0;
        virtual void repaint(const QRegion &region) = 0;
        virtual void repaintAll() = 0;
        // Checks the menu entry of the figure's kind or ratio.
        virtual void markEntry(RulerCommand entry) = 0;
        // The figure turned its placement under the pointer.
        virtual void placementTurned() = 0;
    };

    explicit FigureControl(std::unique_ptr<Ruler> ruler);
    ~FigureControl();

    const FigureModel &model() const { return m_model; }

    // Shows the given figure as it stands (kind, points, turn and place), as if the user had made it.
    void set(const FigureModel &model);
    // The figure as the settings file kept it; one whose place could not be read is centred when the
    // ruler first shows.
    void restore(const FigureModel &stored, bool placed);
    // A ruler shown for the first time centres a figure that has no place of its own.
    void showFirstTime();
    // A new figure of the kind or ratio of a menu entry; the reserved free shapes change nothing.
    void choose(RulerCommand entry);
    void sendToCenter();
    // An upright rectangle whose outline runs on the box's outer pixels (window coordinates), shown.
    void fitTo(const QRect &box);
    void setVisible(bool visible) { m_model.visible = visible; }

    QList<QPoint> controlPoints() const;
    bool contains(const QPoint &pos) const { return m_model.hitTest(pos); }

    void moveBy(const QPoint &delta);
    void dragHandle(int index, const QPoint &pos, QPoint &lastPos, Qt::KeyboardModifiers modifiers);
    void turn(double degrees);
    void scale(double factor);
    void togglePlacement();
    void recompute();

private:
    // Applies a change, then repaints where the drawing was and where it is.
    template <typename Change> void changeArea(Change change);

    std::unique_ptr<Ruler> m_ruler;
    FigureModel m_model;
    bool m_centerOnShow = true;
};
