// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "mylabel.h"

#include "helplinks.h"

#include <QMouseEvent>
#include <QUrl>

myLabel::myLabel(QWidget *parent) : myLabel(QString(), parent) {}

myLabel::myLabel(const QString &text, QWidget *parent) : QLabel(text, parent), parentDialog(parent)
{
    connect(this, &myLabel::clicked, this, &myLabel::slotClicked);
    // Links go through slotClicked, which also closes the box.
    setOpenExternalLinks(false);
    setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(this, &QLabel::linkHovered, this, &myLabel::linkActivatedSlot);
    // A link reached with Tab and opened with Enter acts like a click on it.
    connect(this, &QLabel::linkActivated, this, [this](const QString &activated) {
        link = activated;
        slotClicked();
    });
}

void myLabel::mousePressEvent(QMouseEvent *)
{
    emit clicked();
}

void myLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

void myLabel::linkActivatedSlot(const QString &hovered)
{
    link = hovered;
}

void myLabel::slotClicked()
{
    if (!link.trimmed().isEmpty())
        HelpLinks::openUrl(QUrl(link));
    if (parentDialog)
        parentDialog->close();
}
