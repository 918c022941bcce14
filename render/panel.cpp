#include "panel.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

panel::panel(QWidget *parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    resize(185, 89);
    m_label = new QLabel(tr("Display 1"), this);
    QFont font = m_label->font();
    font.setPointSize(30);
    font.setWeight(QFont::Bold);
    m_label->setFont(font);
    m_label->setAlignment(Qt::AlignCenter);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_label);

    m_hideTimer = new QTimer(this);
    m_hideTimer->setSingleShot(true);
    m_hideTimer->setInterval(kVisibleMs);
    connect(m_hideTimer, &QTimer::timeout, this, &QWidget::hide);
}

QString panel::text() const
{
    return m_label->text();
}

void panel::showText(const QString &text, const QPoint &topLeft)
{
    m_label->setText(text);
    move(topLeft);
    show();
    activateWindow();
    m_hideTimer->start();
}
