// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The small dialogs of a ruler, help and web links, the update check.
#include "ruler/rulerwindow.h"

#include "ruler/geometryrule.h"
#include "ruler/positiondialog.h"
#include "prefs/weblinks.h"
#include "ruler/rulershared.h"
#include "ruler/transparencydialog.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QSpinBox>
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

void RulerWindow::setTransparency()
{
    TransparencyDialog *dialog = shared->transparencyDialog;
    dialog->setWindowFlag(Qt::WindowStaysOnTopHint);
    dialog->dropFollower();
    dialog->setValue(backgroundColor.alpha());
    dialog->followWith(
        {connect(dialog->spinBox(), &QSpinBox::valueChanged, this, &RulerWindow::currentTransChanged)});

    const QPointer<RulerWindow> self(this);
    dialog->exec();
    if (!self)
        return;
    dialog->dropFollower();
    backgroundColor.setAlpha(dialog->value);
    update();
}

void RulerWindow::setManualSet()
{
    PositionDialog *dialog = shared->positionDialog;
    dialog->dropFollower();
    dialog->setDisplay(displayRect(displayIndex),
                       GeometryRule::desktopBounds(GeometryRule::currentScreens()));
    const auto boxes = dialog->boxes();
    dialog->followWith({connect(boxes[0], &QSpinBox::valueChanged, this, &RulerWindow::posChangedL),
                        connect(boxes[1], &QSpinBox::valueChanged, this, &RulerWindow::posChangedT),
                        connect(boxes[2], &QSpinBox::valueChanged, this, &RulerWindow::posChangedW),
                        connect(boxes[3], &QSpinBox::valueChanged, this, &RulerWindow::posChangedH)});
    const QRect opening = geometry();
    dialog->setValues(opening.x(), opening.y(), opening.width(), opening.height());
    // A box that already showed the clamped value gave no signal: the window stands where the boxes
    // say in every case (a window partly left of the display moves onto it).
    if (!fullScreen)
        placeWindow(dialog->shownGeometry());

    const QPointer<RulerWindow> self(this);
    dialog->exec();
    if (!self)
        return;
    dialog->dropFollower();
    // After Cancel the result still holds the opening geometry.
    if (!fullScreen)
        placeWindow(dialog->result());
}

void RulerWindow::posChangedL(int value)
{
    if (fullScreen)
        return;
    placeWindowAt({value, y()});
    shared->positionDialog->activateWindow();
}

void RulerWindow::posChangedT(int value)
{
    if (fullScreen)
        return;
    placeWindowAt({x(), value});
    shared->positionDialog->activateWindow();
}

void RulerWindow::posChangedW(int value)
{
    if (fullScreen)
        return;
    placeWindow({x(), y(), value, height()});
    shared->positionDialog->activateWindow();
}

void RulerWindow::posChangedH(int value)
{
    if (fullScreen)
        return;
    placeWindow({x(), y(), width(), value});
    shared->positionDialog->activateWindow();
}

void RulerWindow::help()
{
    emit helpRequested();
}

void RulerWindow::suggest()
{
    emit webPageRequested(QUrl(QString::fromLatin1(WebLinks::kSuggestionsPage)));
}

void RulerWindow::onlineHelpLink()
{
    emit webPageRequested(QUrl(QString::fromLatin1(WebLinks::kProductPage)));
}

#if GRADORA_UPDATE_CHECK
void RulerWindow::setCheckForUpdates()
{
    emit updateCheckRequested();
}
#endif
