// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "figure/figurekind.h"

#include <QPoint>
#include <QPointF>
#include <QPolygon>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QTransform>

#include <array>

// The width-to-height ratios of the ratio entries, as stored: decimals, not fractions.
namespace FigureRatio {
inline constexpr double FourToThree = 1.33333333;
inline constexpr double SixteenToNine = 1.77777778;
inline constexpr double FiveToThree = 1.66666667;
inline constexpr double ThreeToTwo = 1.5;
inline constexpr double Wide185 = 1.85;
inline constexpr double Wide239 = 2.39;
inline constexpr double Golden = 1.61803399;
} // namespace FigureRatio

// A model point: figure coordinates relative to the anchor, before rotation.
struct FigurePoint
{
    float x = 0;
    float y = 0;
};

// The keyboard and button state that recompute and the handle drag read. The window fills it from its
// event and its remembered flags, so the model never asks the application.
struct FigureModifiers
{
    bool shift = false;      // held now
    bool control = false;    // held now
    bool alt = false;        // held now
    bool leftButton = false; // held now: angle snapping happens only during a left-button drag
    bool shiftState = false; // remembered by the window between events
    bool altState = false;   // remembered: Alt, or Control pressed while the window had the keyboard
    bool reverseAlt = false; // "Reverse Alt Key Behavior"
};

// The flying figure of one ruler window: a shape given by up to three model points, placed on the window
// by an origin and an angle. Everything here is plain geometry; the window passes in its size and the
// modifier state, and repaints after every call.
class FigureModel
{
public:
    static constexpr int kStoredPoints = 3;

    // Replaces the figure by the default figure of a kind (the flying ruler included), visible, centred
    // in a window of the given size.
    void create(FigureKind wanted, QSize window);
    // The sequence of a new window, which ends on the flying ruler.
    void createInitialFigure(QSize window);
    // A ratio entry: locks the ratio and creates the ratio rectangle (an FigureKind::CornerSquare).
    void createRatioFigure(double wanted, QSize window);

    // Rebuilds the screen points, polygon and extents from the model, after normalising and (during a
    // left-button drag with Shift) snapping the angle.
    void recompute(const FigureModifiers &modifiers = {});

    // Moves the figure's centre to the window's centre, keeping size and angle (a ratio rectangle ends
    // unrotated).
    void sendToCenter(QSize window);

    // Turns a corner-anchored figure into the centre-anchored partner of the same shape, or back,
    // without moving it on the screen.
    void togglePlacement(const FigureModifiers &modifiers = {});

    // Is a window-local point inside the figure's body? Always false while the figure is hidden.
    bool hitTest(QPoint point) const;

    // Turns the figure by the given degrees; the caller recomputes. A centred circle keeps its angle and
    // turns its handle about the centre instead.
    void rotateBy(double degrees);

    // Grows the figure about its anchor. Factors of zero or below are taken as a small positive factor.
    void scale(double factorX, double factorY, const FigureModifiers &modifiers = {});

    // Drag of control point pointIndex to the window-local pointer position. lastPointer is the previous
    // pointer position of the drag (updated when the anchor is dragged).
    void handleDrag(int pointIndex, QPoint pointer, QPoint &lastPointer, const FigureModifiers &modifiers);

    // Moves the whole figure by a pointer movement.
    void bodyMove(QPoint delta, const FigureModifiers &modifiers = {});

    // translate(figureOrigin) then rotate(figureAngle): figure coordinates to window coordinates.
    QTransform screenTransform() const;
    // The rotated frame in window coordinates: a turn by figureAngle about figureOrigin. The outline is
    // drawn through it, in unrotated window coordinates around the origin.
    QTransform rotatedFrame() const;
    // Outline of the rectangle, square, circle and ellipse kinds in the rotated frame.
    QRect outlineRect() const;
    // Outline of the rhombus and triangle kinds in the rotated frame; empty for the other kinds.
    QPolygon outlinePolygon() const;
    // Model point i rounded as recompute rounds it.
    QPoint roundedPoint(int index) const;
    // The figure's box in the rotated frame, from the model values.
    QRectF box() const;
    // The centre of the figure's box on the window.
    QPointF screenCenter() const;
    // The height that squares and circles take: the width, or the width over the ratio while locked.
    double singleExtentHeight() const;
    bool isRatioRectangle() const;

    FigureKind kind = FigureKind::CornerRectangle;
    std::array<FigurePoint, kStoredPoints> points{};
    int pointCount = 0;
    QPoint origin;
    double angle = 0;
    QPointF rotationCenter;
    bool flyingRuler = false;
    bool ratioLocked = false;
    double ratio = 1;
    bool visible = true;

    // Derived by recompute.
    QPolygon screenPoints;
    QPolygon polygon;
    double width = 0;
    double height = 0;
    int widthPx = 0;
    int heightPx = 0;

private:
    void recomputeRotationCenter();
    void computeExtents();
    void setPoint(int index, double x, double y);
    // The two halves of togglePlacement: the anchor moves to the centre, or to the corner; turn is
    // the figure's rotation.
    void anchorAtCenter(const QTransform &turn);
    void anchorAtCorner(const QTransform &turn);
};
