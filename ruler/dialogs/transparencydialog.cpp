// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/dialogs/transparencydialog.h"

#include "ui_transparencydialog.h"

TransparencyDialog::TransparencyDialog(QWidget *parent) : QDialog(parent), m_ui(new Ui::TransparencyDialog)
{
    m_ui->setupUi(this);
    setWindowTitle(tr("Transparency"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_ui->alphaBox->setRange(kMinimumAlpha, kMaximumAlpha);
    m_ui->alphaSlider->setRange(kMinimumAlpha, kMaximumAlpha);
    // The controls only signal real changes, which ends the echo between them.
    connect(m_ui->alphaBox, &QSpinBox::valueChanged, m_ui->alphaSlider, &QSlider::setValue);
    connect(m_ui->alphaSlider, &QSlider::valueChanged, m_ui->alphaBox, &QSpinBox::setValue);
    connect(m_ui->alphaBox, &QSpinBox::valueChanged, this, &TransparencyDialog::alphaEdited);
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, [this] {
        m_chosen = m_ui->alphaBox->value();
        accept();
    });
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &TransparencyDialog::reject);
}

TransparencyDialog::~TransparencyDialog()
{
    delete m_ui;
}

void TransparencyDialog::setValue(int alpha)
{
    m_opening = alpha;
    m_ui->alphaBox->setValue(alpha);
    m_ui->alphaSlider->setValue(alpha);
}

void TransparencyDialog::reject()
{
    m_chosen = m_opening;
    QDialog::reject();
}
