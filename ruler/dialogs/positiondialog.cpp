// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/dialogs/positiondialog.h"

#include "ruler/dialogs/titleroom.h"
#include "ruler/placement/positionlimits.h"
#include "ui_positiondialog.h"

PositionDialog::PositionDialog(QWidget *parent) : QDialog(parent), ui(new Ui::PositionDialog)
{
    ui->setupUi(this);
    setWindowTitle(tr("Position/Size"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    // Rulers may stay on top; the dialog that edits them must not open behind them.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    ui->widthBox->setRange(GeometryRule::kMinimumSide, GeometryRule::kMinimumSide);
    ui->heightBox->setRange(GeometryRule::kMinimumSide, GeometryRule::kMinimumSide);
    const std::pair<QSpinBox *, Field> boxes[] = {{ui->leftBox, Field::Left},
                                                  {ui->topBox, Field::Top},
                                                  {ui->widthBox, Field::Width},
                                                  {ui->heightBox, Field::Height}};
    for (const auto &[box, field] : boxes)
        connect(box, &QSpinBox::valueChanged, this,
                [this, field = field](int value) { Q_EMIT edited(field, value); });
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, [this] {
        m_result = shownGeometry();
        accept();
    });
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    TitleRoom::reserve(this);
}

PositionDialog::~PositionDialog()
{
    delete ui;
}

void PositionDialog::setValues(const QRect &geometry)
{
    m_result = geometry;
    ui->leftBox->setValue(geometry.x());
    ui->topBox->setValue(geometry.y());
    ui->widthBox->setValue(geometry.width());
    ui->heightBox->setValue(geometry.height());
}

void PositionDialog::setDisplay(const QRect &display, const QRect &desktop)
{
    const PositionLimits limits = PositionLimits::forDisplay(display, desktop);
    ui->leftBox->setRange(limits.leftMinimum, limits.leftMaximum);
    ui->topBox->setRange(limits.topMinimum, limits.topMaximum);
    ui->widthBox->setRange(limits.sizeMinimum, limits.widthMaximum);
    ui->heightBox->setRange(limits.sizeMinimum, limits.heightMaximum);
}

QRect PositionDialog::shownGeometry() const
{
    return {ui->leftBox->value(), ui->topBox->value(), ui->widthBox->value(), ui->heightBox->value()};
}
