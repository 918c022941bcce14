// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QString>
#include <QStringList>

// What the unit tables of the preferences accept, and the rows they are reset to.
namespace UnitTableRules {

inline constexpr int kPhysicalColumns = 4;
inline constexpr int kPixelColumns = 5;
// The name is never checked: a row with a name alone is an empty row.
inline constexpr int kNameColumn = 0;
// Columns from here on hold numbers; the abbreviation before them is free text.
inline constexpr int kFirstNumberColumn = 2;

inline const char *const kEmptyFieldMessage = QT_TRANSLATE_NOOP("PreferencesDialog", "Field cannot be empty...");
inline const char *const kNotNumericMessage =
    QT_TRANSLATE_NOOP("PreferencesDialog", "Please, type numeric value here.");

// The outcome of an edit of one cell.
struct CellVerdict
{
    // The edit is taken into the grid and the store.
    bool accepted = true;
    // The cell must return to its last valid text.
    bool restore = false;
    // Untranslated text to show when the edit is refused.
    const char *message = nullptr;
};

// Judges the edit of cell `column` of a row whose cells now read `row` (the table's own columns), with
// `lastValid` the text that the cell held before. A row whose cells after the name are all blank is
// empty and takes anything; in other rows no cell may be blank and the number columns must hold a
// finite number. A blank cell counts as its restored text for the number check, so the later
// message wins when both apply.
CellVerdict judgeCell(const QStringList &row, int column, const QString &lastValid);

// A factory row: the cells from the name on.
using FactoryRow = QStringList;

// "Inches", "Centimeters", "Millimeters", "Points", written into the top rows of the physical table.
QList<FactoryRow> defaultUnits();
// A unit's name as menus show it: the factory names in the user's language, any other name as stored.
// The tables and the settings file keep the stored name.
QString shownUnitName(const QString &stored);
// Two pixel-based sample units, written into the top rows of the pixel-based table.
QList<FactoryRow> sampleUnits();

} // namespace UnitTableRules
