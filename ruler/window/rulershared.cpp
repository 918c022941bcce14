// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/window/rulershared.h"

#include "ruler/dialogs/positiondialog.h"
#include "ruler/dialogs/transparencydialog.h"
#include "ruler/panel/infopanel.h"
#include "ruler/window/rulerwindow.h"

#include <QColorDialog>

InfoPanel *RulerShared::madeInfoPanel()
{
    if (!infoPanel) {
        infoPanel = new InfoPanel(nullptr);
        infoPanel->setDesktop(desktop);
        if (RulerWindow *waiting = std::exchange(panelWaitingRuler, nullptr))
            waiting->takeInfoPanel();
    }
    return infoPanel;
}

PositionDialog *RulerShared::madePositionDialog()
{
    if (!positionDialog)
        positionDialog = new PositionDialog(nullptr);
    return positionDialog;
}

QColorDialog *RulerShared::madeColorDialog()
{
    if (!colorDialog) {
        // It follows the active ruler, so it never takes the keyboard from one.
        colorDialog = new QColorDialog(nullptr);
        colorDialog->setOptions(QColorDialog::ShowAlphaChannel | QColorDialog::NoButtons);
        colorDialog->setWindowFlag(Qt::WindowStaysOnTopHint);
        colorDialog->setFocusPolicy(Qt::NoFocus);
    }
    return colorDialog;
}

bool RulerShared::colorDialogShown() const
{
    return colorDialog && colorDialog->isVisible();
}

TransparencyDialog *RulerShared::madeTransparencyDialog()
{
    if (!transparencyDialog)
        transparencyDialog = new TransparencyDialog(nullptr);
    return transparencyDialog;
}
