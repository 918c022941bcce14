// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/linklabel.h"

#include "app/helplinks.h"

#include <QMouseEvent>
#include <QUrl>

LinkLabel::LinkLabel(QWidget *parent) : LinkLabel(QString(), parent) {}

LinkLabel::LinkLabel(const QString &text, QWidget *parent) : QLabel(text, parent), parentDialog(parent)
{
    connect(this, &LinkLabel::clicked, this, &LinkLabel::slotClicked);
    // Links go through slotClicked, which also closes the box.
    setOpenExternalLinks(false);
    setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(this, &QLabel::linkHovered, this, &LinkLabel::linkActivatedSlot);
    // A link reached with Tab and opened with Enter acts like a click on it.
    connect(this, &QLabel::linkActivated, this, [this](const QString &activated) {
        link = activated;
        slotClicked();
    });
}

void LinkLabel::mousePressEvent(QMouseEvent *)
{
    emit clicked();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

void LinkLabel::linkActivatedSlot(const QString &hovered)
{
    link = hovered;
}

void LinkLabel::slotClicked()
{
    if (!link.trimmed().isEmpty())
        HelpLinks::openUrl(QUrl(link));
    if (parentDialog)
        parentDialog->close();
}
