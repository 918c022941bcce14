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

} // namespace

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
