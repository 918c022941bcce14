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
    CentredEllipse,
    CentredCircle,
    CentredRectangle,
    CentredSquare,
    CentredRhombus,
    CentredIsoscelesTriangle,
    CentredRightTriangle,
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
    Centre,
};

// Everything that tells one kind from another apart from its geometry, in the menu's order: each
// shape placed by its corner, then by its centre. The menu, the keys, the settings file, the readings
// and the clipboard all read it.
struct FigureKindRow
{
    struct Handle
    {
        float x;
        float y;
    };

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
    // The handles a new figure of the kind starts with.
    Handle widthHandle;
    Handle heightHandle;
};

namespace FigureKinds {
using K = FigureKind;
using A = FigureAnchor;
inline constexpr float kSquareSide = 399;

inline constexpr FigureKindRow kRows[] = {
    {K::FlyingRuler, "flyingRuler", QT_TRANSLATE_NOOP("RulerWindow", "Ruler"), A::Request, K::FlyingRuler, false,
     {499, 0}, {0, 149}},
    {K::CornerRectangle, "cornerRectangle", QT_TRANSLATE_NOOP("RulerWindow", "Rectangle"), A::Corner,
     K::CentredRectangle, false, {499, 0}, {0, 299}},
    {K::CentredRectangle, "centredRectangle", QT_TRANSLATE_NOOP("RulerWindow", "Rectangle"), A::Centre,
     K::CornerRectangle, false, {249, 0}, {0, 149}},
    {K::CornerSquare, "cornerSquare", QT_TRANSLATE_NOOP("RulerWindow", "Square"), A::Corner, K::CentredSquare, true,
     {kSquareSide, 0}, {0, kSquareSide}},
    {K::CentredSquare, "centredSquare", QT_TRANSLATE_NOOP("RulerWindow", "Square"), A::Centre, K::CornerSquare,
     true, {199, 0}, {0, 199}},
    {K::CornerRhombus, "cornerRhombus", QT_TRANSLATE_NOOP("RulerWindow", "Rhombus"), A::Corner, K::CentredRhombus,
     false, {499, 0}, {0, 299}},
    {K::CentredRhombus, "centredRhombus", QT_TRANSLATE_NOOP("RulerWindow", "Rhombus"), A::Centre, K::CornerRhombus,
     false, {249, 0}, {0, 149}},
    {K::CornerIsoscelesTriangle, "cornerIsoscelesTriangle", QT_TRANSLATE_NOOP("RulerWindow", "Isosceles Triangle"),
     A::Corner, K::CentredIsoscelesTriangle, false, {499, 0}, {0, 299}},
    {K::CentredIsoscelesTriangle, "centredIsoscelesTriangle",
     QT_TRANSLATE_NOOP("RulerWindow", "Isosceles Triangle"), A::Centre, K::CornerIsoscelesTriangle, false,
     {124, 0}, {0, 149}},
    {K::CornerRightTriangle, "cornerRightTriangle", QT_TRANSLATE_NOOP("RulerWindow", "Right Triangle"), A::Corner,
     K::CentredRightTriangle, false, {499, 0}, {0, 299}},
    {K::CentredRightTriangle, "centredRightTriangle", QT_TRANSLATE_NOOP("RulerWindow", "Right Triangle"),
     A::Centre, K::CornerRightTriangle, false, {-249.5f, 0}, {0, -149.5f}},
    {K::CornerCircle, "cornerCircle", QT_TRANSLATE_NOOP("RulerWindow", "Circle"), A::Corner, K::CentredCircle, true,
     {kSquareSide, 0}, {0, kSquareSide}},
    {K::CentredCircle, "centredCircle", QT_TRANSLATE_NOOP("RulerWindow", "Circle"), A::Centre, K::CornerCircle,
     true, {199, 0}, {0, 199}},
    {K::CornerEllipse, "cornerEllipse", QT_TRANSLATE_NOOP("RulerWindow", "Ellipse"), A::Corner, K::CentredEllipse,
     false, {499, 0}, {0, 299}},
    {K::CentredEllipse, "centredEllipse", QT_TRANSLATE_NOOP("RulerWindow", "Ellipse"), A::Centre, K::CornerEllipse,
     false, {249, 0}, {0, 149}},
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
FigureKind centreKind(int shape);
} // namespace FigureKinds

bool isCornerKind(FigureKind kind);
bool isCentreKind(FigureKind kind);

// The same shape with the other placement; none for the flying-ruler request.
std::optional<FigureKind> placementPartner(FigureKind kind);

// Squares and circles have a single extent: only the anchor and the width handle are control points.
bool hasSingleExtent(FigureKind kind);

// The name a kind is stored under ("cornerRectangle", "centredCircle", "flyingRuler"...), and back;
// none for a name that is no kind's.
const char *storedKindName(FigureKind kind);
std::optional<FigureKind> kindFromStoredName(std::string_view name);
