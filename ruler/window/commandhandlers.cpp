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

void CommandRows::editTransparency(RulerWindow &w)
{
    TransparencyDialog *dialog = w.m_shared->madeTransparencyDialog();
    dialog->setWindowFlag(Qt::WindowStaysOnTopHint);
    dialog->dropFollower();
    dialog->setValue(w.state().color(ColorTarget::Background).alpha());
    const auto setAlpha = [&w](int alpha) {
        QColor body = w.state().color(ColorTarget::Background);
        body.setAlpha(alpha);
        w.setColor(ColorTarget::Background, body);
    };
    // Each value shows at once, as the slider moves.
    dialog->followWith({QObject::connect(dialog, &TransparencyDialog::alphaEdited, &w, [&w, setAlpha](int alpha) {
        setAlpha(alpha);
        w.repaint();
    })});

    const QPointer<RulerWindow> self(&w);
    dialog->exec();
    if (!self)
        return;
    dialog->dropFollower();
    setAlpha(dialog->chosenAlpha());
}

void CommandRows::editPositionAndSize(RulerWindow &w)
{
    PositionDialog *dialog = w.m_shared->madePositionDialog();
    dialog->dropFollower();
    dialog->setDisplay(displayRect(w.state().display()),
                       GeometryRule::desktopBounds(GeometryRule::currentScreens()));
    dialog->followWith({QObject::connect(dialog, &PositionDialog::edited, &w,
                                [&w, dialog](PositionDialog::Field field, int value) {
                                    followEditedGeometry(w, field, value);
                                    dialog->activateWindow();
                                })});
    dialog->setValues(w.m_placement.geometryToKeep());
    // A box that already showed the clamped value gave no signal: the window stands where the boxes
    // say in every case (a window partly left of the display moves onto it).
    if (!w.state().fullScreen())
        w.m_placement.place(dialog->shownGeometry());

    const QPointer<RulerWindow> self(&w);
    dialog->exec();
    if (!self)
        return;
    dialog->dropFollower();
    // After Cancel the result still holds the opening geometry.
    if (!w.state().fullScreen())
        w.m_placement.place(dialog->result());
}

void CommandRows::followEditedGeometry(RulerWindow &w, PositionDialog::Field field, int value)
{
    if (w.state().fullScreen())
        return;
    QRect wanted = w.geometry();
    switch (field) {
    case PositionDialog::Field::Left:
        w.m_placement.sayDesktopPlacesWindows();
        wanted.moveLeft(value);
        break;
    case PositionDialog::Field::Top:
        w.m_placement.sayDesktopPlacesWindows();
        wanted.moveTop(value);
        break;
    case PositionDialog::Field::Width:
        wanted.setWidth(value);
        break;
    case PositionDialog::Field::Height:
        wanted.setHeight(value);
        break;
    }
    w.m_placement.place(wanted);
}

void CommandRows::showPreferencesOn(RulerWindow &w, PreferencesPage page)
{
    w.m_pointer.setChord({});
    emit w.preferencesRequested(page);
}

void CommandRows::toggleFigure(RulerWindow &w)
{
    w.showFigureEntries(w.m_state.toggle(O::ShowFigure));
}

void CommandRows::toggleControlPoints(RulerWindow &w)
{
    w.m_menu->setEnabled(C::BoldControlPoints, !w.m_state.toggle(O::HideControlPoints));
}

// Turned on, minimal readings turn the readings on too; turned off, they leave them as they are.
void CommandRows::toggleMinimalReadings(RulerWindow &w)
{
    if (w.m_state.toggle(O::MinimalReadings)) {
        w.m_state.setOption(O::ShowReadings, true);
        w.m_menu->setEnabled(C::MinimalReadings, true);
    }
}

void CommandRows::toggleInfoPanel(RulerWindow &w)
{
    w.m_preferences->setValue(ProgramSetting::ShowInfoPanel,
                              !w.m_preferences->value<bool>(ProgramSetting::ShowInfoPanel));
    w.m_menu->setEnabled(C::PanelSide, w.m_preferences->value<bool>(ProgramSetting::ShowInfoPanel));
    w.m_panel.setFollows(true);
    w.followWindowMove();
}

void CommandRows::sendPanelToOtherSide(RulerWindow &w)
{
    if (!w.m_preferences->value<bool>(ProgramSetting::ShowInfoPanel)) {
        w.m_menu->setEnabled(C::PanelSide, false);
        return;
    }
    w.m_menu->setEnabled(C::PanelSide, true);
    if (w.m_preferences->value<PanelSide>(ProgramSetting::PanelSide) == PanelSide::Right) {
        w.m_preferences->setValue(ProgramSetting::PanelSide, PanelSide::Left);
        w.m_menu->setText(C::PanelSide, RulerWindow::tr("Send Panel to Right"));
    } else {
        w.m_preferences->setValue(ProgramSetting::PanelSide, PanelSide::Right);
        w.m_menu->setText(C::PanelSide, RulerWindow::tr("Send Panel to Left"));
    }
    w.m_preferences->setValue(ProgramSetting::ShowInfoPanel, true);
    w.m_panel.setFollows(true);
    w.followWindowMove();
}

void CommandRows::chooseStartCorner(RulerWindow &w, RulerCommand corner)
{
    w.m_state.setOption(O::ZeroAtLeft, corner == C::StartTopLeft || corner == C::StartBottomLeft);
    w.m_state.setOption(O::ZeroAtBottom, corner == C::StartBottomLeft || corner == C::StartBottomRight);
    w.update();
}

void CommandRows::toggleSnapToScreen(RulerWindow &w)
{
    w.m_state.toggle(O::SnapToScreen);
    // Turned on, it snaps the window where it stands, to the windows as they stand now.
    w.m_placement.forgetSnapTargets();
    w.m_placement.moveSnapped(w.pos());
    w.followWindowMove();
}

void CommandRows::openPicture(RulerWindow &w)
{
    const QString path = RulerWindow::askPictureFile(&w, RulerWindow::tr("Open File"), RulerStore::pictureFolder());
    if (path.isEmpty()) {
        w.update();
        return;
    }
    if (!w.loadPicture(path)) {
        RulerWindow::reportPictureFailure(&w, AppIdentity::applicationName,
                             RulerWindow::tr("Cannot load %1.").arg(QDir::toNativeSeparators(path)));
        w.update();
        return;
    }
    RulerStore::keepPictureFolder(path);
    w.update();
}

void CommandRows::clearPicture(RulerWindow &w)
{
    w.m_state.clearPicture();
    w.m_menu->setPictureEntriesEnabled(false);
    w.update();
}

void CommandRows::stretchPicture(RulerWindow &w)
{
    w.m_state.setOption(RulerOption::StretchPicture, true);
    w.m_menu->showPictureChoice(true);
    w.update();
}

void CommandRows::toggleProportionalPicture(RulerWindow &w)
{
    w.m_state.toggle(RulerOption::ProportionalPicture);
    stretchPicture(w);
}

void CommandRows::showPictureAtActualSize(RulerWindow &w)
{
    w.m_state.setOption(RulerOption::StretchPicture, false);
    w.m_menu->showPictureChoice(false);
    w.update();
}

void CommandRows::fitRulerToPicture(RulerWindow &w)
{
    showPictureAtActualSize(w);
    // Without a picture the window would shrink to nothing.
    if (w.state().picture().isNull())
        return;
    if (w.state().fullScreen())
        toggleFullScreen(w);
    w.m_placement.place(QRect(w.m_placement.geometryToKeep().topLeft(), w.state().picture().size()));
    w.update();
}

void CommandRows::copyReadings(RulerWindow &w)
{
    const RulerView view = w.view();
    std::optional<CopiedReadings::Figure> shownFigure;
    if (w.state().option(RulerOption::ShowFigure))
        shownFigure = CopiedReadings::Figure{CopiedReadings::kindName(w.m_figure.model()), view.figureReadings()};
    QGuiApplication::clipboard()->setText(CopiedReadings::text(w.size(), view.readingScale(), shownFigure, QLocale(),
                                                               DeviceSize::note(w.size(), w.displayScale())));
}

void CommandRows::takeRegionPicture(RulerWindow &w, RegionPictureUse use)
{
    // One picture at a time: a second request while one is on its way is the same request.
    if (w.m_takingRegionPicture)
        return;
    const QRect region = w.geometry();
    if (!w.desktop()) {
        regionPictureTaken(w, use, region, {});
        return;
    }
    w.m_takingRegionPicture = true;
    w.desktop()->takePicture(&w, [&w, use, region](const ScreenPicture &picture) {
        w.m_takingRegionPicture = false;
        regionPictureTaken(w, use, region, picture);
    });
}

void CommandRows::regionPictureTaken(RulerWindow &w, RegionPictureUse use, const QRect &region,
                                     const ScreenPicture &picture)
{
    RulerPaintState state = w.view().paintState();
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
        emit w.messageRequested(use == RegionPictureUse::Copy
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
        saveRegionPicture(w, composed);
}

// The file goes where the user says, in the folder of the last one saved (at first the pictures
// folder); it is written whole or not at all.
void CommandRows::saveRegionPicture(RulerWindow &w, const QImage &picture)
{
    const QString name =
        RulerWindow::tr("region %1.png")
            .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh.mm.ss")));
    const QString suggested = QDir(RulerStore::regionPictureFolder()).filePath(name);
    const QString path = RegionPicture::pngPath(
        RulerWindow::askRegionPictureFile(&w, RulerWindow::tr("Save Picture of Region"), suggested));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    const bool saved = file.open(QIODevice::WriteOnly) && picture.save(&file, "PNG") && file.commit();
    if (!saved) {
        emit w.messageRequested(
            RulerWindow::tr("Cannot save %1.\n\n%2").arg(QDir::toNativeSeparators(path), file.errorString()));
        return;
    }
    RulerStore::keepRegionPictureFolder(path);
}

void CommandRows::toggleStayOnTop(RulerWindow &w)
{
    w.m_state.toggle(RulerOption::StayOnTop);
    w.setWindowFlags(w.windowFlags() ^ Qt::WindowStaysOnTopHint);
    w.show();
    w.activateWindow();

    if (w.m_panel.ownsPanel())
        w.infoPanel()->setStaysOnTop(w.state().option(RulerOption::StayOnTop));
}

void CommandRows::toggleFullScreen(RulerWindow &w)
{
    w.m_placement.endReadback();
    if (!w.state().fullScreen()) {
        w.m_state.enterFullScreen(w.m_placement.geometryToKeep());
        if (!w.desktop() || w.desktop()->fillsFullScreen()) {
            w.showFullScreen();
        } else {
            // Nobody answers the request: the ruler fills its screen itself, and comes to the front as
            // a window manager would bring it.
            w.m_placement.place(GeometryRule::currentScreens().value(w.state().display()));
            w.raise();
        }
    } else {
        const QRect normal = w.m_state.leaveFullScreen();
        w.showNormal();
        w.m_placement.place(normal);
    }
    w.update();
}

// Keyboard resizes keep the top-left; the geometry rule keeps the minimum.
void CommandRows::stepWindow(RulerWindow &w, QPoint direction)
{
    if (w.state().fullScreen())
        return;
    const Preferences::Steps steps = w.m_preferences ? w.m_preferences->steps() : Preferences::Steps{};
    if (w.m_pointer.chord().shift) {
        const int step = w.m_pointer.chord().alt ? steps.resizeMore : steps.resizeNormal;
        w.m_placement.place(QRect(w.m_placement.geometryToKeep().topLeft(),
                                  w.size() + QSize(direction.x() * step, direction.y() * step)));
    } else {
        w.m_placement.sayDesktopPlacesWindows();
        w.m_placement.placeAt(w.pos() + direction * (w.m_pointer.chord().alt ? steps.moveMore : steps.moveNormal));
    }
}

void CommandRows::toggleEdgeFinder(RulerWindow &w)
{
    if (!w.m_edgeFinder.active() && w.desktop() && !w.desktop()->readsScreenLive()) {
        emit w.stillEdgeFinderRequested();
        return;
    }
    if (w.m_edgeFinder.active()) {
        w.update(w.m_edgeFinder.stop());
        w.setCursor(Qt::ArrowCursor);
    } else {
        w.setCursor(Qt::CrossCursor);
        w.update(w.m_edgeFinder.start(&w, w.desktop(), w.view().edgeFinderPresentation()));
    }
    w.m_menu->setChecked(RulerCommand::EdgeFinder, w.m_edgeFinder.active());
}

