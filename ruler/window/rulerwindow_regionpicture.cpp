// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// A picture of the region the ruler measures, copied or saved: the screen beneath the ruler (taken as
// the edge finder takes it, without the program's own windows) with the ruler's drawing over it.
#include "ruler/window/rulerwindow.h"

#include "paint/rulerpainter.h"
#include "platform/desktop.h"
#include "ruler/window/regionpicture.h"

#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QSaveFile>

std::function<QString(QWidget *, const QString &, const QString &)> RulerWindow::askRegionPictureFile =
    [](QWidget *parent, const QString &caption, const QString &suggested) {
        return QFileDialog::getSaveFileName(parent, caption, suggested,
                                            RulerWindow::tr("PNG images (*.png)"));
    };

void RulerWindow::takeRegionPicture(RegionPictureUse use)
{
    // One picture at a time: a second request while one is on its way is the same request.
    if (m_takingRegionPicture)
        return;
    const QRect region = outerGeometry();
    if (!desktop()) {
        regionPictureTaken(use, region, {});
        return;
    }
    m_takingRegionPicture = true;
    desktop()->takePicture(this, [this, use, region](const ScreenPicture &picture) {
        m_takingRegionPicture = false;
        regionPictureTaken(use, region, picture);
    });
}

void RulerWindow::regionPictureTaken(RegionPictureUse use, const QRect &region, const ScreenPicture &picture)
{
    RulerPaintState state = paintState();
    // What follows the pointer is no part of the measurement.
    state.menuText = false;
    state.menuHovered = false;
    state.guideSpacing = false;
    std::shared_ptr<RulerPaintCache> cache;
    const QImage composed = RegionPicture::compose(
        picture, region, [&](QPainter &painter) { RulerPainter::drawContent(painter, state, cache); });
    if (composed.isNull()) {
        QString reason = picture.failure;
        if (reason.isEmpty())
            reason = picture.isValid() ? tr("The ruler stands outside the picture of the screen.")
                                       : tr("No picture of the screen could be had.");
        emit messageRequested(use == RegionPictureUse::Copy
                                  ? tr("Nothing was copied: there is no picture of the screen beneath the "
                                       "ruler.\n\n%1")
                                        .arg(reason)
                                  : tr("Nothing was saved: there is no picture of the screen beneath the "
                                       "ruler.\n\n%1")
                                        .arg(reason));
        return;
    }
    if (use == RegionPictureUse::Copy)
        QGuiApplication::clipboard()->setImage(composed);
    else
        saveRegionPicture(composed);
}

// The file goes where the user says, in the folder of the last one saved (at first the pictures
// folder); it is written whole or not at all.
void RulerWindow::saveRegionPicture(const QImage &picture)
{
    const QString name =
        tr("region %1.png").arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh.mm.ss")));
    const QString suggested = QDir(RulerStore::regionPictureFolder()).filePath(name);
    const QString path = RegionPicture::pngPath(askRegionPictureFile(this, tr("Save Picture of Region"), suggested));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    const bool saved = file.open(QIODevice::WriteOnly) && picture.save(&file, "PNG") && file.commit();
    if (!saved) {
        emit messageRequested(
            tr("Cannot save %1.\n\n%2").arg(QDir::toNativeSeparators(path), file.errorString()));
        return;
    }
    RulerStore::keepRegionPictureFolder(path);
}
