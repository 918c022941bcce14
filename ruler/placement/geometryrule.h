// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QList>
#include <QRect>
#include <QVariant>
#include <optional>

// The one rule for where a window of ours may stand and how large it may be, whatever asked for the
// geometry (a stored value, the Position/Size boxes, a key, the wheel, the pointer, the return from
// full screen, a new ruler).
//
// - Size: at least the pointer's minimum on each side, at most the bounding box of all screens.
// - Position: a grabbable piece of the window (kGrabbable × kGrabbable pixels, or the whole window
//   where it is smaller) lies on some screen; a window that has none is moved the shortest way to
//   where it has one.
// - A stored value that is not a rectangle of at least the minimum size gives the empty-store
//   geometry: no path of ours stores anything else.
//
// All arithmetic runs in 64 bits, so no stored or typed value can overflow it.
namespace GeometryRule {

inline constexpr int kMinimumSide = 20; // the smallest side an edge drag leaves
inline constexpr int kGrabbable = 40;
inline constexpr int kDefaultWidth = 640; // what a window has before it is first shown
inline constexpr int kDefaultHeight = 480;

// A wanted geometry in 64 bits, so that a stored or summed value is never cut off on the way in.
struct Wanted
{
    qint64 x = 0;
    qint64 y = 0;
    qint64 width = 0;
    qint64 height = 0;

    static Wanted of(const QRect &rect);
};

// The bounding box of the screens; the empty-store geometry when there is no screen.
QRect desktopBounds(const QList<QRect> &screens);

// The geometry the window takes for the wanted one.
QRect fitted(const Wanted &wanted, const QList<QRect> &screens);
inline QRect fitted(const QRect &wanted, const QList<QRect> &screens)
{
    return fitted(Wanted::of(wanted), screens);
}

// A stored `geometry` value, or the empty-store geometry where it cannot be read as a window.
QRect restored(const QVariant &stored, const QList<QRect> &screens);

// The size of a stored window of another kind (the magnifier), or `fallback` where unreadable.
QSize storedSize(const QVariant &stored, const QSize &fallback);
// A stored position, or `fallback` where unreadable.
QPoint storedPoint(const QVariant &stored, const QPoint &fallback);

// The geometries of the desktop's screens now, the usual input of the rule.
QList<QRect> currentScreens();

} // namespace GeometryRule
