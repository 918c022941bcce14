// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QtGlobal>
#include <optional>
#include <string_view>

// The figure kinds: what figure creation receives and what every per-kind rule of the model, its
// drawing and its readings tests. The settings file holds a kind by its stored name (below), never
// by its number, so that the enum's order may change.
enum class FigureKind
{
    // Centre-anchored: point 0 is the figure's centre.
    CenteredEllipse,
    CenteredCircle,
    CenteredRectangle,
    CenteredSquare,
    CenteredRhombus,
    CenteredIsoscelesTriangle,
    CenteredRightTriangle,
    // A request only: creation turns it into a CornerRectangle carrying the flying-ruler flag.
    FlyingRuler,
    // Corner-anchored: point 0 is the top-left corner of the unrotated figure.
    CornerRectangle,
    CornerSquare,
    CornerRhombus,
    CornerIsoscelesTriangle,
    CornerRightTriangle,
    CornerEllipse,
    CornerCircle,
};

// Where a kind's point 0 stands; the flying ruler is a request that creation turns into a corner kind.
enum class FigureAnchor
{
    Request,
    Corner,
    Center,
};

// How a kind's outline is drawn: a box, an ellipse in its box, an ellipse, or the model's polygon.
enum class FigureOutline
{
    Box,
    BoxedEllipse,
    Ellipse,
    Polygon,
};

// Everything that tells one kind from another apart from its geometry, in the menu's order: each
// shape placed by its corner, then by its centre. The menu, the keys, the settings file, the readings
// and the clipboard all read it.
struct FigureKindRow
{
    FigureKind kind;
    // The name the settings file holds it under.
    const char *storedName;
    // The name the menu and the clipboard give its shape (context "RulerWindow").
    const char *shapeName;
    FigureAnchor anchor;
    // The same shape with the other placement; the flying ruler is its own.
    FigureKind partner;
    // Squares and circles: only the anchor and the width handle are control points.
    bool singleExtent;
    FigureOutline outline;
    // Where a new figure of the kind has its width handle (on its x axis) and its height handle (on
    // its y axis).
    float startWidth;
    float startHeight;
};

namespace FigureKinds {
using K = FigureKind;
using A = FigureAnchor;
using O = FigureOutline;
inline constexpr float kSquareSide = 399;

inline constexpr const char *kRuler = QT_TRANSLATE_NOOP("RulerWindow", "Ruler");
inline constexpr const char *kRectangle = QT_TRANSLATE_NOOP("RulerWindow", "Rectangle");
inline constexpr const char *kSquare = QT_TRANSLATE_NOOP("RulerWindow", "Square");
inline constexpr const char *kRhombus = QT_TRANSLATE_NOOP("RulerWindow", "Rhombus");
inline constexpr const char *kIsosceles = QT_TRANSLATE_NOOP("RulerWindow", "Isosceles Triangle");
inline constexpr const char *kRight = QT_TRANSLATE_NOOP("RulerWindow", "Right Triangle");
inline constexpr const char *kCircle = QT_TRANSLATE_NOOP("RulerWindow", "Circle");
inline constexpr const char *kEllipse = QT_TRANSLATE_NOOP("RulerWindow", "Ellipse");

inline constexpr FigureKindRow kRows[] = {
    {K::FlyingRuler, "flyingRuler", kRuler, A::Request, K::FlyingRuler, false, O::Box, 499, 149},
    {K::CornerRectangle, "cornerRectangle", kRectangle, A::Corner, K::CenteredRectangle, false, O::Box, 499,
     299},
    {K::CenteredRectangle, "centredRectangle", kRectangle, A::Center, K::CornerRectangle, false, O::Box, 249,
     149},
    {K::CornerSquare, "cornerSquare", kSquare, A::Corner, K::CenteredSquare, true, O::Box, kSquareSide,
     kSquareSide},
    {K::CenteredSquare, "centredSquare", kSquare, A::Center, K::CornerSquare, true, O::Box, 199, 199},
    {K::CornerRhombus, "cornerRhombus", kRhombus, A::Corner, K::CenteredRhombus, false, O::Polygon, 499, 299},
    {K::CenteredRhombus, "centredRhombus", kRhombus, A::Center, K::CornerRhombus, false, O::Polygon, 249, 149},
    {K::CornerIsoscelesTriangle, "cornerIsoscelesTriangle", kIsosceles, A::Corner,
     K::CenteredIsoscelesTriangle, false, O::Polygon, 499, 299},
    {K::CenteredIsoscelesTriangle, "centredIsoscelesTriangle", kIsosceles, A::Center,
     K::CornerIsoscelesTriangle, false, O::Polygon, 124, 149},
    {K::CornerRightTriangle, "cornerRightTriangle", kRight, A::Corner, K::CenteredRightTriangle, false,
     O::Polygon, 499, 299},
    {K::CenteredRightTriangle, "centredRightTriangle", kRight, A::Center, K::CornerRightTriangle, false,
     O::Polygon, -249.5f, -149.5f},
    {K::CornerCircle, "cornerCircle", kCircle, A::Corner, K::CenteredCircle, true, O::BoxedEllipse,
     kSquareSide, kSquareSide},
    {K::CenteredCircle, "centredCircle", kCircle, A::Center, K::CornerCircle, true, O::Ellipse, 199, 199},
    {K::CornerEllipse, "cornerEllipse", kEllipse, A::Corner, K::CenteredEllipse, false, O::BoxedEllipse, 499,
     299},
    {K::CenteredEllipse, "centredEllipse", kEllipse, A::Center, K::CornerEllipse, false, O::Ellipse, 249, 149},
};

constexpr int countShapes()
{
    int count = 0;
    for (const FigureKindRow &row : kRows)
        count += row.anchor == A::Corner ? 1 : 0;
    return count;
}

// The shapes, each with a corner kind and a centre kind.
inline constexpr int kShapeCount = countShapes();

const FigureKindRow &row(FigureKind kind);
// The kind of a shape (in the menu's order) placed by its corner or by its centre.
FigureKind cornerKind(int shape);
FigureKind centerKind(int shape);
} // namespace FigureKinds

bool isCornerKind(FigureKind kind);
bool isCenterKind(FigureKind kind);

// The same shape with the other placement; none for the flying-ruler request.
std::optional<FigureKind> placementPartner(FigureKind kind);

// Squares and circles have a single extent: only the anchor and the width handle are control points.
bool hasSingleExtent(FigureKind kind);

// The name a kind is stored under ("cornerRectangle", "centredCircle", "flyingRuler"...), and back;
// none for a name that is no kind's.
const char *storedKindName(FigureKind kind);
std::optional<FigureKind> kindFromStoredName(std::string_view name);
