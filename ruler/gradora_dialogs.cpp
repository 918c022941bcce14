// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The small dialogs of a ruler, help and web links, the update check.
#include "gradora.h"

#include "geometryrule.h"
#include "helplinks.h"
#include "setpos.h"
#include "settings.h"
#include "transparency.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QSpinBox>

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

void Gradora::editTransparency()
{
    transparency *dialog = settings->transparencyDialog;
    dialog->setWindowFlag(Qt::WindowStaysOnTopHint);
    dialog->dropFollower();
    dialog->setValue(backgroundColor.alpha());
    dialog->followWith(
        {connect(dialog->spinBox(), &QSpinBox::valueChanged, this, &Gradora::currentTransChanged)});

    const QPointer<Gradora> self(this);
    dialog->exec();
    if (!self)
        return;
    dialog->dropFollower();
    backgroundColor.setAlpha(dialog->value);
    update();
}

void Gradora::editPositionAndSize()
{
    setpos *dialog = settings->positionDialog;
    dialog->dropFollower();
    dialog->setDisplay(displayRect(displayIndex),
                       GeometryRule::desktopBounds(GeometryRule::currentScreens()));
    const auto boxes = dialog->boxes();
    dialog->followWith({connect(boxes[0], &QSpinBox::valueChanged, this, &Gradora::posChangedL),
                        connect(boxes[1], &QSpinBox::valueChanged, this, &Gradora::posChangedT),
                        connect(boxes[2], &QSpinBox::valueChanged, this, &Gradora::posChangedW),
                        connect(boxes[3], &QSpinBox::valueChanged, this, &Gradora::posChangedH)});
    const QRect opening = geometry();
    dialog->setValues(opening.x(), opening.y(), opening.width(), opening.height());
    // A box that already showed the clamped value gave no signal: the window stands where the boxes
    // say in every case (a window partly left of the display moves onto it).
    if (!fullScreen)
        placeWindow(dialog->shownGeometry());

    const QPointer<Gradora> self(this);
    dialog->exec();
    if (!self)
        return;
    dialog->dropFollower();
    // After Cancel the result still holds the opening geometry.
    if (!fullScreen)
        placeWindow(dialog->result());
}

void Gradora::posChangedL(int value)
{
    if (fullScreen)
        return;
    placeWindowAt({value, y()});
    settings->positionDialog->activateWindow();
}

void Gradora::posChangedT(int value)
{
    if (fullScreen)
        return;
    placeWindowAt({x(), value});
    settings->positionDialog->activateWindow();
}

void Gradora::posChangedW(int value)
{
    if (fullScreen)
        return;
    placeWindow({x(), y(), value, height()});
    settings->positionDialog->activateWindow();
}

void Gradora::posChangedH(int value)
{
    if (fullScreen)
        return;
    placeWindow({x(), y(), width(), value});
    settings->positionDialog->activateWindow();
}

void Gradora::openHelp()
{
    HelpLinks::openUrl(HelpLinks::documentUrl(QString::fromLatin1(HelpLinks::kHelpPage)));
}

void Gradora::openFeatureRequest()
{
    HelpLinks::openUrl(HelpLinks::suggestionsPage());
}

void Gradora::openOnlineInfo()
{
    HelpLinks::openUrl(HelpLinks::productPage());
}

#if GRADORA_UPDATE_CHECK
void Gradora::checkForUpdates()
{
    if (settings)
        settings->sendVersionRequest(true);
}
#endif
