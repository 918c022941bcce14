// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/helplinks.h"

#include "prefs/weblinks.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

namespace HelpLinks {

std::function<bool(const QUrl &url)> openUrl = [](const QUrl &url) { return QDesktopServices::openUrl(url); };

QString notOpenedMessage(const QUrl &url)
{
    const QString where = url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()) : url.toString();
    return QCoreApplication::translate("HelpLinks",
                                       "No web browser could be started to show this page. Open it "
                                       "yourself:\n\n%1")
        .arg(where);
}

QString locateDocument(const QString &fileName, const QStringList &folders,
                       const std::function<bool(const QString &path)> &exists)
{
    for (const QString &folder : folders) {
        const QString path = QDir(folder).filePath(fileName);
        if (exists(path))
            return path;
    }
    return folders.isEmpty() ? fileName : QDir(folders.first()).filePath(fileName);
}

QStringList documentFolders()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {programFolder,
            QDir::cleanPath(programFolder + QLatin1Char('/') + QStringLiteral(GRADORA_DATA_FROM_PROGRAM))};
}

QUrl documentUrl(const QString &fileName)
{
    const QString path = locateDocument(
        fileName, documentFolders(), [](const QString &candidate) { return QFileInfo::exists(candidate); });
    // A file URL built from the path, so that blanks or a '#' in a folder name stay part of the path.
    return QUrl::fromLocalFile(path);
}

QUrl productPage()
{
    return QUrl(QString::fromLatin1(WebLinks::kProductPage));
}

QUrl suggestionsPage()
{
    return QUrl(QString::fromLatin1(WebLinks::kSuggestionsPage));
}

} // namespace HelpLinks
