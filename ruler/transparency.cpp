// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "transparency.h"

#include "ui_transparency.h"

transparency::transparency(QWidget *parent) : QDialog(parent), ui(new Ui::transparency)
{
    ui->setupUi(this);
    setWindowTitle(tr("Transparency"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    ui->spinBox->setRange(kMinimumAlpha, kMaximumAlpha);
    ui->horizontalSlider->setRange(kMinimumAlpha, kMaximumAlpha);
}

transparency::~transparency()
{
    delete ui;
}

void transparency::setValue(int alpha)
{
    initialValue = alpha;
    ui->spinBox->setValue(alpha);
    ui->horizontalSlider->setValue(alpha);
}

QSpinBox *transparency::spinBox() const
{
    return ui->spinBox;
}

void transparency::followWith(const QList<QMetaObject::Connection> &connections)
{
    dropFollower();
    m_followerConnections = connections;
}

void transparency::dropFollower()
{
    for (const QMetaObject::Connection &connection : std::as_const(m_followerConnections))
        disconnect(connection);
    m_followerConnections.clear();
}

// The controls only signal real changes, which ends the echo between them.
void transparency::on_spinBox_valueChanged(int alpha)
{
    ui->horizontalSlider->setValue(alpha);
}

void transparency::on_horizontalSlider_valueChanged(int alpha)
{
    ui->spinBox->setValue(alpha);
}

void transparency::on_buttonBox_accepted()
{
    value = ui->spinBox->value();
}

void transparency::reject()
{
    value = initialValue;
    QDialog::reject();
}
