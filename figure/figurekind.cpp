// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "figure/figurekind.h"

#include <array>
#include <utility>

namespace {

using K = FigureKind;

// Each shape as {corner-anchored, centre-anchored}.
constexpr std::array<std::pair<FigureKind, FigureKind>, 7> kPartners{{
    {K::CornerRectangle, K::CentredRectangle},
    {K::CornerSquare, K::CentredSquare},
    {K::CornerRhombus, K::CentredRhombus},
    {K::CornerIsoscelesTriangle, K::CentredIsoscelesTriangle},
    {K::CornerRightTriangle, K::CentredRightTriangle},
    {K::CornerEllipse, K::CentredEllipse},
    {K::CornerCircle, K::CentredCircle},
}};

struct KindName
{
    FigureKind kind;
    const char *name;
};

constexpr std::array<KindName, 15> kStoredNames{{
    {K::CentredEllipse, "centredEllipse"},
    {K::CentredCircle, "centredCircle"},
    {K::CentredRectangle, "centredRectangle"},
    {K::CentredSquare, "centredSquare"},
    {K::CentredRhombus, "centredRhombus"},
    {K::CentredIsoscelesTriangle, "centredIsoscelesTriangle"},
    {K::CentredRightTriangle, "centredRightTriangle"},
    {K::FlyingRuler, "flyingRuler"},
    {K::CornerRectangle, "cornerRectangle"},
    {K::CornerSquare, "cornerSquare"},
    {K::CornerRhombus, "cornerRhombus"},
    {K::CornerIsoscelesTriangle, "cornerIsoscelesTriangle"},
    {K::CornerRightTriangle, "cornerRightTriangle"},
    {K::CornerEllipse, "cornerEllipse"},
    {K::CornerCircle, "cornerCircle"},
}};

} // namespace

const char *storedKindName(FigureKind kind)
{
    for (const KindName &row : kStoredNames) {
        if (row.kind == kind)
            return row.name;
    }
    return "";
}

std::optional<FigureKind> kindFromStoredName(std::string_view name)
{
    for (const KindName &row : kStoredNames) {
        if (name == row.name)
            return row.kind;
    }
    return std::nullopt;
}

bool isCornerKind(FigureKind kind)
{
    for (const auto &pair : kPartners) {
        if (pair.first == kind)
            return true;
    }
    return false;
}

bool isCentreKind(FigureKind kind)
{
    for (const auto &pair : kPartners) {
        if (pair.second == kind)
            return true;
    }
    return false;
}

std::optional<FigureKind> placementPartner(FigureKind kind)
{
    for (const auto &pair : kPartners) {
        if (pair.first == kind)
            return pair.second;
        if (pair.second == kind)
            return pair.first;
    }
    return std::nullopt;
}

bool hasSingleExtent(FigureKind kind)
{
    return kind == K::CornerSquare || kind == K::CornerCircle || kind == K::CentredSquare ||
           kind == K::CentredCircle;
}
