// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "figure/figuremodel.h"
#include "prefs/panelside.h"
#include "ruler/window/rulerstate.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QVariant>
#include <optional>

class QSettings;

// One ruler as the settings file keeps it: its options, picture and colours, geometry and flying figure.
struct RulerRecord
{
    RulerSettings settings;
    // As stored: the window applies the geometry rule to it (an unreadable value gives the default place).
    QVariant geometry;
    // None where the file names no figure kind: the ruler then makes its first figure as a new one does.
    std::optional<FigureModel> figure;
    // False where the figure's place could not be read: the ruler centres it when it first shows.
    bool figurePlaced = true;
};

// Every open ruler in the settings file, and the few keys of the program that a ruler reads and writes
// itself. The first ruler keeps the top-level keys that files have always held, so an earlier version
// reads it as before; each further ruler has a group of its own, [Ruler2], [Ruler3]..., with the same
// keys inside, which earlier versions never look at. A top-level
// `activeRuler` names the ruler that had the keyboard (1 for the first).
//
// A session is written whole: groups of rulers that are no longer open go in the same save, so the
// file never holds a ruler the user closed. Reading is forgiving: a group with an odd name is left
// alone, gaps in the numbering are closed, and a damaged figure value costs itself only.
namespace RulerStore {

inline constexpr QLatin1StringView kActiveRulerKey{"activeRuler"};
// At most this many further rulers come back, those with the lowest numbers.
inline constexpr int kMostFurtherRulers = 99;

// The group of the ruler at `index` (0-based): empty for the first, "Ruler2" for the second...
QString groupOf(int index);
// The groups of the further rulers in the file, in their order (at most kMostFurtherRulers).
QStringList storedGroups(const QSettings &store);

// Reads the ruler stored in `group` (empty: the first ruler); what the file lacks comes from
// `current`, as the ruler stands before it is restored.
RulerRecord read(QSettings &store, const QString &group, const RulerRecord &current);
// Writes one ruler into `group`, replacing whatever the group held.
void write(QSettings &store, const QString &group, const RulerRecord &record);

// Writes every open ruler, first ruler first, and removes the groups of rulers no longer open.
// `active` is the index of the ruler that had the keyboard.
void writeSession(QSettings &store, const QList<RulerRecord> &rulers, int active);
// The index of the ruler that had the keyboard, within `count` rulers; the last one where the file
// does not say.
int storedActive(const QSettings &store, int count);

// The same on the program's settings file (ProgramStore), for the rulers of a run.
RulerRecord read(const QString &group, const RulerRecord &current);
void writeSession(const QList<RulerRecord> &rulers, int active);

// What a ruler starts with before it joins the program: the options of the first ruler, and whether
// and on which side the information panel shows (`panelShown` where the file does not say).
struct Start
{
    RulerOptions options;
    bool panelShown = true;
    PanelSide panelSide = PanelSide::Right;
};
Start readStart(bool panelShown);

// The folder the picture dialog opens in: that of the last picture opened, at first the home folder.
QString pictureFolder();
// The folder a picture of the region is offered in: that of the last one saved while it is still
// there, else the pictures folder, else the home folder.
QString regionPictureFolder();
// Remembers the folder of a picture opened or saved.
void keepPictureFolder(const QString &picturePath);
void keepRegionPictureFolder(const QString &picturePath);

// The figure as stored, and back. readFigure answers none without a kind it knows; a damaged value
// costs itself only: points that are not as many finite numbers as the kind has, a turn that is no
// number or a ratio that is no positive number give the kind's own, and a place that cannot be read
// leaves `placed` false (the figure is then centred).
void writeFigure(QSettings &store, const FigureModel &figure);
std::optional<FigureModel> readFigure(const QSettings &store, bool *placed = nullptr);

} // namespace RulerStore
