// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/dialogs/transparencydialog.h"

#include "ui_transparencydialog.h"

TransparencyDialog::TransparencyDialog(QWidget *parent) : QDialog(parent), ui(new Ui::TransparencyDialog)
{
    ui->setupUi(this);
    setWindowTitle(tr("Transparency"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    ui->alphaBox->setRange(kMinimumAlpha, kMaximumAlpha);
    ui->alphaSlider->setRange(kMinimumAlpha, kMaximumAlpha);
    // The controls only signal real changes, which ends the echo between them.
    connect(ui->alphaBox, &QSpinBox::valueChanged, ui->alphaSlider, &QSlider::setValue);
    connect(ui->alphaSlider, &QSlider::valueChanged, ui->alphaBox, &QSpinBox::setValue);
    connect(ui->alphaBox, &QSpinBox::valueChanged, this, &TransparencyDialog::alphaEdited);
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, [this] {
        m_chosen = ui->alphaBox->value();
        accept();
    });
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &TransparencyDialog::reject);
}

TransparencyDialog::~TransparencyDialog()
{
    delete ui;
}

void TransparencyDialog::setValue(int alpha)
{
    m_opening = alpha;
    ui->alphaBox->setValue(alpha);
    ui->alphaSlider->setValue(alpha);
}

void TransparencyDialog::reject()
{
    m_chosen = m_opening;
    QDialog::reject();
}
