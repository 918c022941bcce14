// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "prefs/textgrid.h"

#include <QList>
#include <QSize>
#include <QString>
#include <array>
#include <optional>

class Desktop;

// The calibration of the displays: which screens there are, how many pixels make an inch on each, and
// which values the user set before.
namespace DisplayCalibration {

inline constexpr int kRows = 9;
// Cells of a display row of the grid.
inline constexpr int kResolutionCell = 0;
inline constexpr int kPpiXCell = 1;
inline constexpr int kPpiYCell = 2;
inline constexpr int kWidthCell = 3;
inline constexpr int kHeightCell = 4;
inline constexpr int kDiagonalCell = 5;
inline constexpr int kCells = 6;
inline constexpr int kTableColumns = 3;
// Taken when the platform reports no physical size for a screen.
inline constexpr int kFallbackPpi = 96;

// One screen as the desktop reports it, in device pixels. A screen that reports no physical size (0 mm)
// has its pixels per inch from the toolkit's guess, usually 96.
struct Screen
{
    int width = 0;
    int height = 0;
    int ppiX = 0;
    int ppiY = 0;
    bool sizeReported = true;
};

// The texts stored for a display row before a detection overwrites them.
struct StoredRow
{
    QString resolution;
    QString ppiX;
    QString ppiY;
};
using StoredRows = std::array<StoredRow, kRows>;

// "1920x1080".
QString resolutionText(int width, int height);

// A usable pixels-per-inch value: a finite number above 0.
std::optional<double> ppiValue(const QString &text);

// The grid after a detection: the rows of the screens (only the first kRows) filled from `screens`,
// cells 0-3 of every other row emptied and its cells 4 and 5 kept from `previous`. A row whose
// resolution equals the one stored for it keeps its stored PPI values, each one that is usable.
TextGrid detect(const TextGrid &previous, const QList<Screen> &screens, const StoredRows &stored);

// The screens of the desktop, in the desktop's order. Whether a screen reported its size is the word of
// `desktop`'s description of the monitors where it has one, else the toolkit's.
QList<Screen> currentScreens(const Desktop *desktop);

// What the user reads about the screens that report no physical size: that it could not be read and
// which pixels per inch stand in its place until the user measures. Empty where every size was read.
QString unreadSizesNote(const QList<Screen> &screens);

// The pixel size of a row's display as the calculator takes it: the grid's width and height, or where
// the grid holds none, the size of the screen of that number; 0 × 0 for a row without either.
QSize pixelSize(const TextGrid &grid, int row, const QList<Screen> &screens);

} // namespace DisplayCalibration
