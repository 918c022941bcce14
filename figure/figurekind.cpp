// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "figure/figurekind.h"

namespace FigureKinds {

const FigureKindRow &row(FigureKind kind)
{
    for (const FigureKindRow &candidate : kRows) {
        if (candidate.kind == kind)
            return candidate;
    }
    // Only a number that names no kind gets here: it reads as the flying-ruler request's row.
    return kRows[0];
}

namespace {

FigureKind nthKind(FigureAnchor anchor, int shape)
{
    int seen = 0;
    for (const FigureKindRow &candidate : kRows) {
        if (candidate.anchor == anchor && seen++ == shape)
            return candidate.kind;
    }
    Q_ASSERT_X(false, "FigureKinds", "no such shape");
    return FigureKind::FlyingRuler;
}

} // namespace

FigureKind cornerKind(int shape)
{
    return nthKind(FigureAnchor::Corner, shape);
}

FigureKind centerKind(int shape)
{
    return nthKind(FigureAnchor::Center, shape);
}

} // namespace FigureKinds

const char *storedKindName(FigureKind kind)
{
    const FigureKindRow &row = FigureKinds::row(kind);
    return row.kind == kind ? row.storedName : "";
}

std::optional<FigureKind> kindFromStoredName(std::string_view name)
{
    for (const FigureKindRow &row : FigureKinds::kRows) {
        if (name == row.storedName)
            return row.kind;
    }
    return std::nullopt;
}

bool isCornerKind(FigureKind kind)
{
    return FigureKinds::row(kind).anchor == FigureAnchor::Corner;
}

bool isCenterKind(FigureKind kind)
{
    return FigureKinds::row(kind).anchor == FigureAnchor::Center;
}

std::optional<FigureKind> placementPartner(FigureKind kind)
{
    const FigureKindRow &row = FigureKinds::row(kind);
    if (row.kind != kind || row.partner == kind)
        return std::nullopt;
    return row.partner;
}

bool hasSingleExtent(FigureKind kind)
{
    return FigureKinds::row(kind).singleExtent;
}
