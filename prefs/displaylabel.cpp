// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "prefs/displaylabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>

DisplayLabel::DisplayLabel(QWidget *parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Form"));
    resize(185, 89);
    m_label = new QLabel(tr("Display 1"), this);
    QFont font = m_label->font();
    font.setPointSize(30);
    font.setWeight(QFont::Bold);
    m_label->setFont(font);
    m_label->setAlignment(Qt::AlignCenter);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_label);
}

QString DisplayLabel::text() const
{
    return m_label->text();
}

void DisplayLabel::setText(const QString &text)
{
    m_label->setText(text);
}

void DisplayLabel::start()
{
    QTimer::singleShot(kVisibleMs, this, &QWidget::hide);
}

void DisplayLabel::showText(const QString &text, const QPoint &topLeft)
{
    setText(text);
    move(topLeft);
    show();
    activateWindow();
    start();
}
