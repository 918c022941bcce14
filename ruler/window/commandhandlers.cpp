// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// What the commands do that takes more than a line of their rows.
#include "ruler/window/commandrows.h"
#include "ruler/window/rulerwindow.h"

#include "figure/copiedreadings.h"
#include "paint/rulerpainter.h"
#include "platform/desktop.h"
#include "prefs/appidentity.h"
#include "prefs/topmessage.h"
#include "render/devicesize.h"
#include "render/pictureloader.h"
#include "ruler/commands/rulermenu.h"
#include "ruler/dialogs/positiondialog.h"
#include "ruler/dialogs/transparencydialog.h"
#include "ruler/panel/infopanel.h"
#include "ruler/placement/geometryrule.h"
#include "ruler/placement/screenplacement.h"
#include "ruler/window/regionpicture.h"
#include "ruler/window/rulerparts.h"
#include "ruler/window/rulershared.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QSaveFile>
#include <QScreen>

using C = RulerCommand;
using O = RulerOption;

namespace {

// The display the window stands on, as the move handling numbered it last.
QRect displayRect(int index)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    if (index >= 0 && index < screens.size())
        return screens.at(index)->geometry();
    const QScreen *primary = QGuiApplication::primaryScreen();
    return primary ? primary->geometry() : QRect();
}

} // namespace

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

std::function<QString(QWidget *, const QString &, const QString &)> RulerWindow::askRegionPictureFile =
    [](QWidget *parent, const QString &caption, const QString &suggested) {
        return QFileDialog::getSaveFileName(parent, caption, suggested,
                                            RulerWindow::tr("PNG images (*.png)"));
    };

void CommandRows::editTransparency(RulerParts &r)
{
    TransparencyDialog *dialog = r.shared->madeTransparencyDialog();
    dialog->setWindowFlag(Qt::WindowStaysOnTopHint);
    dialog->dropFollower();
    dialog->setValue(r.state.color(ColorTarget::Background).alpha());
    const auto setAlpha = [r](int alpha) {
        QColor body = r.state.color(ColorTarget::Background);
        body.setAlpha(alpha);
        r.window.setColor(ColorTarget::Background, body);
    };
    // Each value shows at once, as the slider moves.
    dialog->followWith({QObject::connect(dialog, &TransparencyDialog::alphaEdited, &r.window, [r, setAlpha](int alpha) {
        setAlpha(alpha);
        r.window.repaint();
    })});

    const QPointer<RulerWindow> self(&r.window);
    dialog->exec();
    if (!self)
        return;
    dialog->dropFollower();
    setAlpha(dialog->chosenAlpha());
}

void CommandRows::editPositionAndSize(RulerParts &r)
{
    PositionDialog *dialog = r.shared->madePositionDialog();
    dialog->dropFollower();
    dialog->setDisplay(displayRect(r.state.display()),
                       GeometryRule::desktopBounds(GeometryRule::currentScreens()));
    dialog->followWith({QObject::connect(dialog, &PositionDialog::edited, &r.window,
                                [r, dialog](PositionDialog::Field field, int value) {
                                    followEditedGeometry(r, field, value);
                                    dialog->activateWindow();
                                })});
    dialog->setValues(r.placement.geometryToKeep());
    // A box that already showed the clamped value gave no signal: the window stands where the boxes
    // say in every case (a window partly left of the display moves onto it).
    if (!r.state.fullScreen())
        r.placement.place(dialog->shownGeometry());

    const QPointer<RulerWindow> self(&r.window);
    dialog->exec();
    if (!self)
        return;
    dialog->dropFollower();
    // After Cancel the result still holds the opening geometry.
    if (!r.state.fullScreen())
        r.placement.place(dialog->result());
}

void CommandRows::followEditedGeometry(const RulerParts &r, PositionDialog::Field field, int value)
{
    if (r.state.fullScreen())
        return;
    QRect wanted = r.window.geometry();
    switch (field) {
    case PositionDialog::Field::Left:
        r.placement.sayDesktopPlacesWindows();
        wanted.moveLeft(value);
        break;
    case PositionDialog::Field::Top:
        r.placement.sayDesktopPlacesWindows();
        wanted.moveTop(value);
        break;
    case PositionDialog::Field::Width:
        wanted.setWidth(value);
        break;
    case PositionDialog::Field::Height:
        wanted.setHeight(value);
        break;
    }
    r.placement.place(wanted);
}

void CommandRows::showPreferencesOn(RulerParts &r, PreferencesPage page)
{
    r.pointer.setChord({});
    emit r.window.preferencesRequested(page);
}

void CommandRows::toggleFigure(RulerParts &r)
{
    r.window.showFigureEntries(r.state.toggle(O::ShowFigure));
}

void CommandRows::toggleControlPoints(RulerParts &r)
{
    r.menu.setEnabled(C::BoldControlPoints, !r.state.toggle(O::HideControlPoints));
}

// Turned on, minimal readings turn the readings on too; turned off, they leave them as they are.
void CommandRows::toggleMinimalReadings(RulerParts &r)
{
    if (r.state.toggle(O::MinimalReadings)) {
        r.state.setOption(O::ShowReadings, true);
        r.menu.setEnabled(C::MinimalReadings, true);
    }
}

void CommandRows::toggleInfoPanel(RulerParts &r)
{
    r.preferences->setValue(ProgramSetting::ShowInfoPanel,
                              !r.preferences->value<bool>(ProgramSetting::ShowInfoPanel));
    r.menu.setEnabled(C::PanelSide, r.preferences->value<bool>(ProgramSetting::ShowInfoPanel));
    r.panel.setFollows(true);
    r.window.followWindowMove();
}

void CommandRows::sendPanelToOtherSide(RulerParts &r)
{
    if (!r.preferences->value<bool>(ProgramSetting::ShowInfoPanel)) {
        r.menu.setEnabled(C::PanelSide, false);
        return;
    }
    r.menu.setEnabled(C::PanelSide, true);
    if (r.preferences->value<PanelSide>(ProgramSetting::PanelSide) == PanelSide::Right) {
        r.preferences->setValue(ProgramSetting::PanelSide, PanelSide::Left);
        r.menu.setText(C::PanelSide, RulerWindow::tr("Send Panel to Right"));
    } else {
        r.preferences->setValue(ProgramSetting::PanelSide, PanelSide::Right);
        r.menu.setText(C::PanelSide, RulerWindow::tr("Send Panel to Left"));
    }
    r.preferences->setValue(ProgramSetting::ShowInfoPanel, true);
    r.panel.setFollows(true);
    r.window.followWindowMove();
}

void CommandRows::chooseStartCorner(RulerParts &r, RulerCommand corner)
{
    r.state.setOption(O::ZeroAtLeft, corner == C::StartTopLeft || corner == C::StartBottomLeft);
    r.state.setOption(O::ZeroAtBottom, corner == C::StartBottomLeft || corner == C::StartBottomRight);
    r.window.update();
}

void CommandRows::toggleSnapToScreen(RulerParts &r)
{
    r.state.toggle(O::SnapToScreen);
    // Turned on, it snaps the window where it stands, to the windows as they stand now.
    r.placement.forgetSnapTargets();
    r.placement.moveSnapped(r.window.pos());
    r.window.followWindowMove();
}

void CommandRows::openPicture(RulerParts &r)
{
    const QString path =
        RulerWindow::askPictureFile(&r.window, RulerWindow::tr("Open File"), RulerStore::pictureFolder());
    if (path.isEmpty()) {
        r.window.update();
        return;
    }
    if (!r.window.loadPicture(path)) {
        RulerWindow::reportPictureFailure(&r.window, AppIdentity::applicationName,
                             RulerWindow::tr("Cannot load %1.").arg(QDir::toNativeSeparators(path)));
        r.window.update();
        return;
    }
    RulerStore::keepPictureFolder(path);
    r.window.update();
}

void CommandRows::clearPicture(RulerParts &r)
{
    r.state.clearPicture();
    r.menu.setPictureEntriesEnabled(false);
    r.window.update();
}

void CommandRows::stretchPicture(RulerParts &r)
{
    r.state.setOption(RulerOption::StretchPicture, true);
    r.menu.showPictureChoice(true);
    r.window.update();
}

void CommandRows::toggleProportionalPicture(RulerParts &r)
{
    r.state.toggle(RulerOption::ProportionalPicture);
    stretchPicture(r);
}

void CommandRows::showPictureAtActualSize(RulerParts &r)
{
    r.state.setOption(RulerOption::StretchPicture, false);
    r.menu.showPictureChoice(false);
    r.window.update();
}

void CommandRows::fitRulerToPicture(RulerParts &r)
{
    showPictureAtActualSize(r);
    // Without a picture the window would shrink to nothing.
    if (r.state.picture().isNull())
        return;
    if (r.state.fullScreen())
        toggleFullScreen(r);
    r.placement.place(QRect(r.placement.geometryToKeep().topLeft(), r.state.picture().size()));
    r.window.update();
}

void CommandRows::copyReadings(RulerParts &r)
{
    const RulerView view = r.window.view();
    std::optional<CopiedReadings::Figure> shownFigure;
    if (r.state.option(RulerOption::ShowFigure))
        shownFigure =
            CopiedReadings::Figure{CopiedReadings::kindName(r.figure.model()), view.figureReadings()};
    QGuiApplication::clipboard()->setText(
        CopiedReadings::text(r.window.size(), view.readingScale(), shownFigure, QLocale(),
                             DeviceSize::note(r.window.size(), r.window.displayScale())));
}

void CommandRows::takeRegionPicture(RulerParts &r, RegionPictureUse use)
{
    // One picture at a time: a second request while one is on its way is the same request.
    if (r.takingRegionPicture)
        return;
    const QRect region = r.window.geometry();
    if (!r.window.desktop()) {
        regionPictureTaken(r, use, region, {});
        return;
    }
    r.takingRegionPicture = true;
    r.window.desktop()->takePicture(&r.window, [r, use, region](const ScreenPicture &picture) {
        r.takingRegionPicture = false;
        regionPictureTaken(r, use, region, picture);
    });
}

void CommandRows::regionPictureTaken(const RulerParts &r, RegionPictureUse use, const QRect &region,
                                     const ScreenPicture &picture)
{
    RulerPaintState state = r.window.view().paintState();
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
            reason = picture.isValid() ? RulerWindow::tr("The ruler stands outside the picture of the screen.")
                                       : RulerWindow::tr("No picture of the screen could be had.");
        emit r.window.messageRequested(use == RegionPictureUse::Copy
                                  ? RulerWindow::tr("Nothing was copied: there is no picture of the screen beneath the "
                                       "ruler.\n\n%1")
                                        .arg(reason)
                                  : RulerWindow::tr("Nothing was saved: there is no picture of the screen beneath the "
                                       "ruler.\n\n%1")
                                        .arg(reason));
        return;
    }
    if (use == RegionPictureUse::Copy)
        QGuiApplication::clipboard()->setImage(composed);
    else
        saveRegionPicture(r, composed);
}

// The file goes where the user says, in the folder of the last one saved (at first the pictures
// folder); it is written whole or not at all.
void CommandRows::saveRegionPicture(const RulerParts &r, const QImage &picture)
{
    const QString name =
        RulerWindow::tr("region %1.png")
            .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh.mm.ss")));
    const QString suggested = QDir(RulerStore::regionPictureFolder()).filePath(name);
    const QString path = RegionPicture::pngPath(
        RulerWindow::askRegionPictureFile(&r.window, RulerWindow::tr("Save Picture of Region"), suggested));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    const bool saved = file.open(QIODevice::WriteOnly) && picture.save(&file, "PNG") && file.commit();
    if (!saved) {
        emit r.window.messageRequested(
            RulerWindow::tr("Cannot save %1.\n\n%2").arg(QDir::toNativeSeparators(path), file.errorString()));
        return;
    }
    RulerStore::keepRegionPictureFolder(path);
}

void CommandRows::toggleStayOnTop(RulerParts &r)
{
    r.state.toggle(RulerOption::StayOnTop);
    r.window.setWindowFlags(r.window.windowFlags() ^ Qt::WindowStaysOnTopHint);
    r.window.show();
    r.window.activateWindow();

    if (r.panel.ownsPanel())
        r.window.infoPanel()->setStaysOnTop(r.state.option(RulerOption::StayOnTop));
}

void CommandRows::toggleFullScreen(RulerParts &r)
{
    r.placement.endReadback();
    if (!r.state.fullScreen()) {
        r.state.enterFullScreen(r.placement.geometryToKeep());
        if (!r.window.desktop() || r.window.desktop()->fillsFullScreen()) {
            r.window.showFullScreen();
        } else {
            // Nobody answers the request: the ruler fills its screen itself, and comes to the front as
            // a window manager would bring it.
            r.placement.place(GeometryRule::currentScreens().value(r.state.display()));
            r.window.raise();
        }
    } else {
        const QRect normal = r.state.leaveFullScreen();
        r.window.showNormal();
        r.placement.place(normal);
    }
    r.window.update();
}

// Keyboard resizes keep the top-left; the geometry rule keeps the minimum.
void CommandRows::stepWindow(RulerParts &r, QPoint direction)
{
    if (r.state.fullScreen())
        return;
    const Preferences::Steps steps = r.preferences ? r.preferences->steps() : Preferences::Steps{};
    if (r.pointer.chord().shift) {
        const int step = r.pointer.chord().alt ? steps.resizeMore : steps.resizeNormal;
        r.placement.place(QRect(r.placement.geometryToKeep().topLeft(),
                                  r.window.size() + QSize(direction.x() * step, direction.y() * step)));
    } else {
        r.placement.sayDesktopPlacesWindows();
        r.placement.placeAt(r.window.pos() + direction * (r.pointer.chord().alt ? steps.moveMore : steps.moveNormal));
    }
}

void CommandRows::toggleEdgeFinder(RulerParts &r)
{
    if (!r.edgeFinder.active() && r.window.desktop() && !r.window.desktop()->readsScreenLive()) {
        emit r.window.stillEdgeFinderRequested();
        return;
    }
    if (r.edgeFinder.active()) {
        r.window.update(r.edgeFinder.stop());
        r.window.setCursor(Qt::ArrowCursor);
    } else {
        r.window.setCursor(Qt::CrossCursor);
        r.window.update(r.edgeFinder.start(&r.window, r.window.desktop(), r.window.view().edgeFinderPresentation()));
    }
    r.menu.setChecked(RulerCommand::EdgeFinder, r.edgeFinder.active());
}

