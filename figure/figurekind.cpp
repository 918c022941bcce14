// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "figure/figurekind.h"

#include <array>
#include <utility>

namespace FigureKind {

namespace {

constexpr std::array<std::pair<int, int>, 7> kPartners{{
    {M_Rectangle, S_Rectangle},
    {M_Square, S_Square},
    {M_Rhombus, S_Rhombus},
    {M_IsoTriangle, S_IsoTriangle},
    {M_RightTriangle, S_RightTriangle},
    {M_Ellipse, S_Ellipse},
    {M_Circle, S_Circle},
}};

} // namespace

bool isCornerKind(int kind)
{
    for (const auto &pair : kPartners) {
        if (pair.first == kind)
            return true;
    }
    return false;
}

bool isCentreKind(int kind)
{
    for (const auto &pair : kPartners) {
        if (pair.second == kind)
            return true;
    }
    return false;
}

int placementPartner(int kind)
{
    for (const auto &pair : kPartners) {
        if (pair.first == kind)
            return pair.second;
        if (pair.second == kind)
            return pair.first;
    }
    return 0;
}

bool hasSingleExtent(int kind)
{
    return kind == M_Square || kind == M_Circle || kind == S_Square || kind == S_Circle;
}

} // namespace FigureKind
