// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The small dialogs of a ruler.
#include "ruler/window/rulerwindow.h"

#include "ruler/dialogs/positiondialog.h"
#include "ruler/dialogs/transparencydialog.h"
#include "ruler/placement/geometryrule.h"
#include "ruler/window/rulershared.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

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
    dialog->setValue(backgroundColor.alpha());
    dialog->followWith(
        {connect(dialog, &TransparencyDialog::alphaEdited, this, &RulerWindow::currentTransChanged)});

    const QPointer<RulerWindow> self(this);
    dialog->exec();
    if (!self)
        return;
    dialog->dropFollower();
    QColor body = backgroundColor;
    body.setAlpha(dialog->chosenAlpha());
    setColour(ColorTarget::Background, body);
    update();
}

void RulerWindow::editPositionAndSize()
{
    PositionDialog *dialog = shared->madePositionDialog();
    dialog->dropFollower();
    dialog->setDisplay(displayRect(displayIndex),
                       GeometryRule::desktopBounds(GeometryRule::currentScreens()));
    dialog->followWith({connect(dialog, &PositionDialog::edited, this,
                                [this, dialog](PositionDialog::Field field, int value) {
                                    followEditedGeometry(field, value);
                                    dialog->activateWindow();
                                })});
    dialog->setValues(m_placement.geometryToKeep());
    // A box that already showed the clamped value gave no signal: the window stands where the boxes
    // say in every case (a window partly left of the display moves onto it).
    if (!fullScreen)
        m_placement.place(dialog->shownGeometry());

    const QPointer<RulerWindow> self(this);
    dialog->exec();
    if (!self)
        return;
    dialog->dropFollower();
    // After Cancel the result still holds the opening geometry.
    if (!fullScreen)
        m_placement.place(dialog->result());
}

void RulerWindow::followEditedGeometry(PositionDialog::Field field, int value)
{
    if (fullScreen)
        return;
    QRect wanted = geometry();
    switch (field) {
    case PositionDialog::Field::Left:
        m_placement.sayDesktopPlacesWindows();
        wanted.moveLeft(value);
        break;
    case PositionDialog::Field::Top:
        m_placement.sayDesktopPlacesWindows();
        wanted.moveTop(value);
        break;
    case PositionDialog::Field::Width:
        wanted.setWidth(value);
        break;
    case PositionDialog::Field::Height:
        wanted.setHeight(value);
        break;
    }
    m_placement.place(wanted);
}
