// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QSettings>
#include <QStringList>

// The settings file of the program: the toolkit's INI format and encodings, with the keys written
// in the order in which the program writes them (the rulers' keys first, then the program's),
// rather than sorted, so that the file reads like the settings it holds.
namespace ProgramStore {

// Makes every default-constructed QSettings use the program's file format. Call before any QSettings.
void selectFormat();

// The keys written before the program's own, in their order: the rulers' keys, which the ruler side
// supplies (before the first QSettings is written).
void setLeadingKeys(const QStringList &keys);

// The order of the known keys in the file: the leading keys, then the program's; keys not listed
// follow in the toolkit's order.
QStringList keyOrder();

} // namespace ProgramStore
