// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The ruler's three colours and the colour dialog that all rulers share.
#include "ruler/window/rulerwindow.h"

#include "ruler/window/rulershared.h"


#include <QColorDialog>

QColor RulerWindow::colour(ColorTarget target) const
{
    switch (target) {
    case ColorTarget::Background:
        return backgroundColor;
    case ColorTarget::Ruler:
        return rulerColor;
    case ColorTarget::Guides:
        return guidesColor;
    }
    return {};
}

// The body never turns wholly clear, so that it can still be seen and grabbed, and the ticks are
// opaque. The window's own background follows the body's colour.
void RulerWindow::setColour(ColorTarget target, const QColor &colour)
{
    switch (target) {
    case ColorTarget::Background:
        backgroundColor = colour;
        break;
    case ColorTarget::Ruler:
        rulerColor = colour;
        break;
    case ColorTarget::Guides:
        guidesColor = colour;
        break;
    }
    applyColourLimits();
}

void RulerWindow::applyColourLimits()
{
    backgroundColor = limitedColour(ColorTarget::Background, backgroundColor);
    rulerColor = limitedColour(ColorTarget::Ruler, rulerColor);
    QPalette colours = palette();
    if (colours.brush(QPalette::Window) != QBrush(backgroundColor)) {
        colours.setBrush(QPalette::All, QPalette::Window, QBrush(backgroundColor));
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
    colorDialog->setCurrentColor(colour(target));
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
    QColor body = backgroundColor;
    body.setAlpha(alpha);
    setColour(ColorTarget::Background, body);
    repaint();
}
