// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

// The help page, the licence documents and the web pages that the program hands to the desktop.
namespace HelpLinks {
inline constexpr char kHelpPage[] = "_help.html";
inline constexpr char kLicense[] = "license.html";
inline constexpr char kQtLicense[] = "license-qt.html";

// Hands a URL to the desktop's default handler and tells whether one took it (false where no browser
// can be started); the tests replace it so that no browser opens. What the handler makes of it (a
// missing file, an unreachable page) is not the program's concern.
extern std::function<bool(const QUrl &url)> openUrl;

// What the user reads where no handler took the URL: that no browser could be started, and where the
// page is, so that it can be opened by hand (the path of a local document, else the address).
QString notOpenedMessage(const QUrl &url);

// Where a document that ships with the program is: the first of the folders that holds it, else the
// first folder, so that a missing document is still asked for where it belongs.
QString locateDocument(const QString &fileName, const QStringList &folders,
                       const std::function<bool(const QString &path)> &exists);
// The folders searched: beside the executable, where a build tree keeps them; then the installed
// data folder relative to the executable (../share/gradora for an executable in bin/), so that any
// prefix or staging folder works.
QStringList documentFolders();
// The local file URL of a document, found as above.
QUrl documentUrl(const QString &fileName);

QUrl productPage();
QUrl suggestionsPage();
} // namespace HelpLinks
