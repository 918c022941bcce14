// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/rulershared.h"

#include "ruler/positiondialog.h"
#include "ruler/transparencydialog.h"

PositionDialog *RulerShared::madePositionDialog()
{
    if (!positionDialog)
        positionDialog = new PositionDialog(nullptr);
    return positionDialog;
}

TransparencyDialog *RulerShared::madeTransparencyDialog()
{
    if (!transparencyDialog)
        transparencyDialog = new TransparencyDialog(nullptr);
    return transparencyDialog;
}
