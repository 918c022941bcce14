// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The small dialogs of a ruler, help and web links, the update check.
#include "ruler/window/rulerwindow.h"

#include "prefs/weblinks.h"
#include "ruler/dialogs/positiondialog.h"
#include "ruler/dialogs/transparencydialog.h"
#include "ruler/placement/geometryrule.h"
#include "ruler/window/rulershared.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QUrl>

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

void RulerWindow::editTransparency()
{
    TransparencyDialog *dialog = shared->madeTransparencyDialog();
    dialog->setWindowFlag(Qt::WindowStaysOnTopHint);
    dialog->dropFollower();
    dialog->setValue(state().colour(ColorTarget::Background).alpha());
    dialog->followWith(
        {connect(dialog, &TransparencyDialog::alphaEdited, this, &RulerWindow::currentTransChanged)});

    const QPointer<RulerWindow> self(this);
    dialog->exec();
    if (!self)
        return;
    dialog->dropFollower();
    QColor body = state().colour(ColorTarget::Background);
    body.setAlpha(dialog->chosenAlpha());
    setColour(ColorTarget::Background, body);
}

void RulerWindow::editPositionAndSize()
{
    PositionDialog *dialog = shared->madePositionDialog();
    dialog->dropFollower();
    dialog->setDisplay(displayRect(state().display()),
                       GeometryRule::desktopBounds(GeometryRule::currentScreens()));
    dialog->followWith({connect(dialog, &PositionDialog::edited, this,
                                [this, dialog](PositionDialog::Field field, int value) {
                                    followEditedGeometry(field, value);
                                    dialog->activateWindow();
                                })});
    dialog->setValues(geometryToKeep());
    // A box that already showed the clamped value gave no signal: the window stands where the boxes
    // say in every case (a window partly left of the display moves onto it).
    if (!state().fullScreen())
        placeWindow(dialog->shownGeometry());

    const QPointer<RulerWindow> self(this);
    dialog->exec();
    if (!self)
        return;
    dialog->dropFollower();
    // After Cancel the result still holds the opening geometry.
    if (!state().fullScreen())
        placeWindow(dialog->result());
}

void RulerWindow::followEditedGeometry(PositionDialog::Field field, int value)
{
    if (state().fullScreen())
        return;
    QRect wanted = geometry();
    switch (field) {
    case PositionDialog::Field::Left:
        sayDesktopPlacesWindows();
        wanted.moveLeft(value);
        break;
    case PositionDialog::Field::Top:
        sayDesktopPlacesWindows();
        wanted.moveTop(value);
        break;
    case PositionDialog::Field::Width:
        wanted.setWidth(value);
        break;
    case PositionDialog::Field::Height:
        wanted.setHeight(value);
        break;
    }
    placeWindow(wanted);
}

void RulerWindow::openHelp()
{
    emit helpRequested();
}

void RulerWindow::openFeatureRequest()
{
    emit webPageRequested(QUrl(QString::fromLatin1(WebLinks::kSuggestionsPage)));
}

void RulerWindow::openOnlineInfo()
{
    emit webPageRequested(QUrl(QString::fromLatin1(WebLinks::kProductPage)));
}

#if GRADORA_UPDATE_CHECK
void RulerWindow::checkForUpdates()
{
    emit updateCheckRequested();
}
#endif
