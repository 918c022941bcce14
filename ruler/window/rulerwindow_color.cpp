// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The ruler's three colours and the colour dialog that all rulers share.
#include "ruler/window/rulerwindow.h"

#include "ruler/window/rulershared.h"

#include <QColorDialog>

void RulerWindow::setColor(ColorTarget target, const QColor &color)
{
    m_state.setColor(target, color);
    showBackground();
    update();
}

void RulerWindow::showBackground()
{
    const QColor body = state().color(ColorTarget::Background);
    QPalette colors = palette();
    if (colors.brush(QPalette::Window) != QBrush(body)) {
        colors.setBrush(QPalette::All, QPalette::Window, QBrush(body));
        setPalette(colors);
    }
    setAutoFillBackground(true);
}

// Opens the shared colour dialog on one of this ruler's colours; what it picks shows at once.
void RulerWindow::editColor(ColorTarget target)
{
    m_colorTarget = target;
    if (!m_shared)
        return;
    m_shared->colorTarget = target;
    QColorDialog *colorDialog = m_shared->madeColorDialog();
    colorDialog->disconnect();
    colorDialog->setCurrentColor(state().color(target));
    connect(colorDialog, &QColorDialog::colorSelected, this, &RulerWindow::showEditedColor);
    connect(colorDialog, &QColorDialog::currentColorChanged, this, &RulerWindow::showEditedColor);
    const QPoint remembered = colorDialog->pos();
    colorDialog->show();
    colorDialog->raise();
    if (remembered.x() >= 1 && remembered.y() >= 1)
        colorDialog->move(remembered);
}

void RulerWindow::showEditedColor(const QColor &color)
{
    if (!m_colorTarget)
        return;
    setColor(*m_colorTarget, color);
    repaint();
}

void RulerWindow::showEditedTransparency(int alpha)
{
    QColor body = state().color(ColorTarget::Background);
    body.setAlpha(alpha);
    setColor(ColorTarget::Background, body);
    repaint();
}
