// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QLocale>
#include <QStringList>

// The program speaks the user's language where a translation ships with it.
//
// The program's own texts come from the translations compiled into it (":/i18n/gradora_<lang>.qm");
// the toolkit's texts (standard buttons, colour and file dialogs, command-line errors) come from the
// toolkit's installed translations, so standard dialogs speak the same language. A language without
// a translation stays English; nothing is reported.
namespace Translations {

inline constexpr char kResourceFolder[] = ":/i18n";

// Installs the translators for the locale on the running application object, replacing those of an
// earlier call. Returns the catalogues loaded, for example {"gradora", "qtbase"}.
QStringList install(const QLocale &locale);

} // namespace Translations
