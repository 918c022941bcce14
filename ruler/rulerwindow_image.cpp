// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The picture laid under the ruler.
#include "ruler/rulerwindow.h"

#include "prefs/appidentity.h"
#include "render/pictureloader.h"
#include "render/pictureplacement.h"
#include "prefs/programkeys.h"
#include "prefs/programstore.h"
#include "prefs/topmessage.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QSettings>

std::function<QString(QWidget *, const QString &, const QString &)> RulerWindow::askPictureFile =
    [](QWidget *parent, const QString &caption, const QString &folder) {
        return QFileDialog::getOpenFileName(parent, caption, folder);
    };

std::function<void(QWidget *, const QString &, const QString &)> RulerWindow::reportPictureFailure =
    [](QWidget *parent, const QString &title, const QString &text) {
        QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
        TopMessage::dress(box);
        box.exec();
    };

bool RulerWindow::loadPicture(const QString &path)
{
    image = PictureLoader::load(path).image;
    if (image.isNull()) {
        imageFile.clear();
        return false;
    }
    imageFile = path;
    setPictureEntriesEnabled(true);
    showPictureChoice();
    return true;
}

// "Stretch Image" and "Actual Size" act as a pair; "Proportional" only matters when stretched.
void RulerWindow::showPictureChoice()
{
    actStretchImage->setChecked(stretchImage);
    actActualSize->setChecked(!stretchImage);
    actProportional->setEnabled(stretchImage);
    actProportional->setVisible(stretchImage);
    if (stretchImage)
        actProportional->setChecked(proportionalImage);
}

void RulerWindow::setOpenImage()
{
    ProgramStore::selectFormat();
    QSettings store;
    const QString folder = store.value(ProgramKeys::pictureFolder, QDir::homePath()).toString();
    const QString path = askPictureFile(this, tr("Open File"), folder);
    if (path.isEmpty()) {
        update();
        return;
    }
    if (!loadPicture(path)) {
        reportPictureFailure(this, AppIdentity::applicationName,
                             tr("Cannot load %1.").arg(QDir::toNativeSeparators(path)));
        update();
        return;
    }
    store.setValue(ProgramKeys::pictureFolder, QFileInfo(path).absolutePath());
    store.sync();
    update();
}

void RulerWindow::setClearImage()
{
    image = QImage();
    imageFile.clear();
    setPictureEntriesEnabled(false);
    update();
}

void RulerWindow::setStretchImage()
{
    stretchImage = true;
    showPictureChoice();
    update();
}

void RulerWindow::setProportional()
{
    proportionalImage = !proportionalImage;
    setStretchImage();
}

void RulerWindow::setActualSize()
{
    stretchImage = false;
    showPictureChoice();
    update();
}

void RulerWindow::setRulerToImageSize()
{
    setActualSize();
    // Without a picture the window would shrink to nothing.
    if (image.isNull())
        return;
    if (fullScreen)
        setFullScreen();
    placeWindow(QRect(geometry().topLeft(), image.size()));
    update();
}

void RulerWindow::drawPicture(QPainter &painter) const
{
    if (image.isNull())
        return;
    painter.save();
    // With the SourceIn mode the picture takes the alpha of the translucent body painted before it.
    if (transparentImage)
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    // Scaling stays the fast, unsmoothed kind: every picture pixel remains a sharp block.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (stretchImage)
        painter.drawImage(PicturePlacement::targetRect(image.size(), size(), true, proportionalImage), image);
    else
        painter.drawImage(QPoint(0, 0), image);
    painter.restore();
}
