// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/transparencydialog.h"

#include "ui_transparencydialog.h"

TransparencyDialog::TransparencyDialog(QWidget *parent) : QDialog(parent), ui(new Ui::TransparencyDialog)
{
    ui->setupUi(this);
    setWindowTitle(tr("Transparency"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    ui->spinBox->setRange(kMinimumAlpha, kMaximumAlpha);
    ui->horizontalSlider->setRange(kMinimumAlpha, kMaximumAlpha);
}

TransparencyDialog::~TransparencyDialog()
{
    delete ui;
}

void TransparencyDialog::setValue(int alpha)
{
    initialValue = alpha;
    ui->spinBox->setValue(alpha);
    ui->horizontalSlider->setValue(alpha);
}

QSpinBox *TransparencyDialog::spinBox() const
{
    return ui->spinBox;
}

void TransparencyDialog::followWith(const QList<QMetaObject::Connection> &connections)
{
    dropFollower();
    m_followerConnections = connections;
}

void TransparencyDialog::dropFollower()
{
    for (const QMetaObject::Connection &connection : std::as_const(m_followerConnections))
        disconnect(connection);
    m_followerConnections.clear();
}

// The controls only signal real changes, which ends the echo between them.
void TransparencyDialog::on_spinBox_valueChanged(int alpha)
{
    ui->horizontalSlider->setValue(alpha);
}

void TransparencyDialog::on_horizontalSlider_valueChanged(int alpha)
{
    ui->spinBox->setValue(alpha);
}

void TransparencyDialog::on_buttonBox_accepted()
{
    value = ui->spinBox->value();
}

void TransparencyDialog::reject()
{
    value = initialValue;
    QDialog::reject();
}
