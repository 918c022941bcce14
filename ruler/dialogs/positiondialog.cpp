// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/dialogs/positiondialog.h"

#include "ruler/dialogs/titleroom.h"
#include "ruler/placement/positionlimits.h"
#include "ui_positiondialog.h"

PositionDialog::PositionDialog(QWidget *parent) : QDialog(parent), m_ui(new Ui::PositionDialog)
{
    m_ui->setupUi(this);
    setWindowTitle(tr("Position/Size"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    // Rulers may stay on top; the dialog that edits them must not open behind them.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    m_ui->widthBox->setRange(GeometryRule::kMinimumSide, GeometryRule::kMinimumSide);
    m_ui->heightBox->setRange(GeometryRule::kMinimumSide, GeometryRule::kMinimumSide);
    const std::pair<QSpinBox *, Field> boxes[] = {{m_ui->leftBox, Field::Left},
                                                  {m_ui->topBox, Field::Top},
                                                  {m_ui->widthBox, Field::Width},
                                                  {m_ui->heightBox, Field::Height}};
    for (const auto &[box, field] : boxes)
        connect(box, &QSpinBox::valueChanged, this,
                [this, field = field](int value) { Q_EMIT edited(field, value); });
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, [this] {
        m_result = shownGeometry();
        accept();
    });
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    TitleRoom::reserve(this);
}

PositionDialog::~PositionDialog()
{
    delete m_ui;
}

void PositionDialog::setValues(const QRect &geometry)
{
    m_result = geometry;
    m_ui->leftBox->setValue(geometry.x());
    m_ui->topBox->setValue(geometry.y());
    m_ui->widthBox->setValue(geometry.width());
    m_ui->heightBox->setValue(geometry.height());
}

void PositionDialog::setDisplay(const QRect &display, const QRect &desktop)
{
    const PositionLimits limits = PositionLimits::forDisplay(display, desktop);
    m_ui->leftBox->setRange(limits.leftMinimum, limits.leftMaximum);
    m_ui->topBox->setRange(limits.topMinimum, limits.topMaximum);
    m_ui->widthBox->setRange(limits.sizeMinimum, limits.widthMaximum);
    m_ui->heightBox->setRange(limits.sizeMinimum, limits.heightMaximum);
}

QRect PositionDialog::shownGeometry() const
{
    return {m_ui->leftBox->value(), m_ui->topBox->value(), m_ui->widthBox->value(), m_ui->heightBox->value()};
}
