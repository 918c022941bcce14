// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The ruler's three colours and the colour dialog that all rulers share.
#include "ruler/window/rulerwindow.h"

#include "ruler/window/rulershared.h"

#include <QColorDialog>

void RulerWindow::setColour(ColorTarget target, const QColor &colour)
{
    m_state.setColour(target, colour);
    showBackground();
    update();
}

void RulerWindow::showBackground()
{
    const QColor body = state().colour(ColorTarget::Background);
    QPalette colours = palette();
    if (colours.brush(QPalette::Window) != QBrush(body)) {
        colours.setBrush(QPalette::All, QPalette::Window, QBrush(body));
        setPalette(colours);
    }
    setAutoFillBackground(true);
}

// Opens the shared colour dialog on one of this ruler's colours; what it picks shows at once.
void RulerWindow::editColour(ColorTarget target)
{
    m_colorTarget = target;
    if (!shared)
        return;
    shared->colorTarget = target;
    QColorDialog *colorDialog = shared->madeColorDialog();
    colorDialog->disconnect();
    colorDialog->setCurrentColor(state().colour(target));
    connect(colorDialog, &QColorDialog::colorSelected, this, &RulerWindow::currentColorChanged);
    connect(colorDialog, &QColorDialog::currentColorChanged, this, &RulerWindow::currentColorChanged);
    const QPoint remembered = colorDialog->pos();
    colorDialog->show();
    colorDialog->raise();
    if (remembered.x() >= 1 && remembered.y() >= 1)
        colorDialog->move(remembered);
}

void RulerWindow::currentColorChanged(const QColor &color)
{
    if (!m_colorTarget)
        return;
    setColour(*m_colorTarget, color);
    repaint();
}

void RulerWindow::currentTransChanged(int alpha)
{
    QColor body = state().colour(ColorTarget::Background);
    body.setAlpha(alpha);
    setColour(ColorTarget::Background, body);
    repaint();
}
