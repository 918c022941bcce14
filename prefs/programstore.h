// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QSettings>
#include <QStringList>

// The settings file of the program: the toolkit's INI format and encodings, with the keys written
// in the order in which the program writes them (the rulers' keys first, then the program's),
// rather than sorted, so that the file reads like the settings it holds.
//
// A damaged line costs that line, never the rest: every key that can be read is kept, a value that
// does not decode whole reads as absent (so as its default), and a file that could not be read whole
// is kept beside it as `name.damaged` before anything is written over it. A save through a link
// updates the link's target, and is refused where the target is not a regular file.
namespace ProgramStore {

// Makes every default-constructed QSettings use the program's file format. Call before any QSettings.
void selectFormat();

// The settings file: the one that a default-constructed QSettings reads and writes.
QString filePath();

// Before the first QSettings of a run: refuses a settings file (or the lock file beside it) that must
// not be opened, and removes the temporaries of a save that a kill cut short. Empty when the file is
// ready; otherwise the message that says why the program cannot start.
QString prepareFile();

// Writes what the program changed to the file. Empty when it is written; otherwise the reason, which
// standard error has already heard together with the path. What the file held stays as it was.
QString flush();

// The keys written before the program's own, in their order: the rulers' keys, which the ruler side
// supplies (before the first QSettings is written).
void setLeadingKeys(const QStringList &keys);

// The order of the known keys in the file: the leading keys, then the program's; keys not listed
// follow in the toolkit's order.
QStringList keyOrder();

} // namespace ProgramStore
