// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/linklabel.h"

#include "app/helplinks.h"

#include <QMouseEvent>
#include <QUrl>

LinkLabel::LinkLabel(QWidget *parent) : LinkLabel(QString(), parent) {}

LinkLabel::LinkLabel(const QString &text, QWidget *parent) : QLabel(text, parent), m_parentDialog(parent)
{
    connect(this, &LinkLabel::clicked, this, &LinkLabel::openLinkAndClose);
    // Links go through openLinkAndClose, which also closes the box.
    setOpenExternalLinks(false);
    setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(this, &QLabel::linkHovered, this, [this](const QString &hovered) { m_link = hovered; });
    // A link reached with Tab and opened with Enter acts like a click on it.
    connect(this, &QLabel::linkActivated, this, [this](const QString &activated) {
        m_link = activated;
        openLinkAndClose();
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

void LinkLabel::openLinkAndClose()
{
    if (!m_link.trimmed().isEmpty())
        HelpLinks::openUrl(QUrl(m_link));
    if (m_parentDialog)
        m_parentDialog->close();
}
