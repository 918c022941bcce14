// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QAction;

// Mnemonics for the entries of one menu: each entry gets a letter or digit that no other entry of
// the same menu has, preferring the first letter of a word, earlier entries choosing first. An entry
// whose letters are all taken takes one from an entry that can move on to another letter, so an entry
// goes without only when the menu runs out of letters. A literal '&' in a text is kept by doubling it.
namespace Mnemonics {

// The texts with their markers; an empty text (a separator) stays empty.
QStringList assign(const QStringList &plainTexts);
// The text as the user reads it: markers removed, "&&" read as '&'.
QString strip(const QString &text);
// The marked character of a text, or a null character when it has none.
QChar marked(const QString &text);

// Labels the entries of one menu. Texts set since the last labelling count as plain, so an entry may
// be renamed at any time (a unit, the panel side) and labelled again.
void label(const QList<QAction *> &entries);

} // namespace Mnemonics
