// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QLocale>
#include <QString>

// Numbers in the preferences' tables as the user reads and types them, and as the settings file
// keeps them. The file and the rulers always use the locale-independent form ("2.54", ".5"); the
// tables show the user's decimal sign ("2,54" in German) and take either form, so a value pasted
// from elsewhere is not refused. Group separators are never read: "1.000" is one, in every locale.
// The conversions change only the signs, never the digits the user typed.
namespace LocaleNumbers {

// The stored text as the table shows it; a text that is not a number comes back unchanged.
QString toShown(const QString &stored, const QLocale &locale);
// The typed text in its stored form; a text that is not a number in either form comes back
// unchanged, to be refused by the check that follows.
QString toStored(const QString &typed, const QLocale &locale);

} // namespace LocaleNumbers
