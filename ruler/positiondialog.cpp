// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/positiondialog.h"

#include "ruler/positionlimits.h"
#include "ruler/titleroom.h"
#include "ui_positiondialog.h"

PositionDialog::PositionDialog(QWidget *parent) : QDialog(parent), ui(new Ui::PositionDialog)
{
    ui->setupUi(this);
    setWindowTitle(tr("Position/Size"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    // Rulers may stay on top; the dialog that edits them must not open behind them.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    ui->spinBox_3->setRange(GeometryRule::kMinimumSide, GeometryRule::kMinimumSide);
    ui->spinBox_4->setRange(GeometryRule::kMinimumSide, GeometryRule::kMinimumSide);
    TitleRoom::reserve(this);
}

PositionDialog::~PositionDialog()
{
    delete ui;
}

void PositionDialog::setValues(int left, int top, int width, int height)
{
    resultLeft = left;
    resultTop = top;
    resultWidth = width;
    resultHeight = height;
    ui->spinBox->setValue(left);
    ui->spinBox_2->setValue(top);
    ui->spinBox_3->setValue(width);
    ui->spinBox_4->setValue(height);
}

void PositionDialog::setDisplay(const QRect &display, const QRect &desktop)
{
    const PositionLimits limits = PositionLimits::forDisplay(display, desktop);
    ui->spinBox->setRange(limits.leftMinimum, limits.leftMaximum);
    ui->spinBox_2->setRange(limits.topMinimum, limits.topMaximum);
    ui->spinBox_3->setRange(limits.sizeMinimum, limits.widthMaximum);
    ui->spinBox_4->setRange(limits.sizeMinimum, limits.heightMaximum);
}

std::array<QSpinBox *, 4> PositionDialog::boxes() const
{
    return {ui->spinBox, ui->spinBox_2, ui->spinBox_3, ui->spinBox_4};
}

QRect PositionDialog::shownGeometry() const
{
    return {ui->spinBox->value(), ui->spinBox_2->value(), ui->spinBox_3->value(), ui->spinBox_4->value()};
}

void PositionDialog::followWith(const QList<QMetaObject::Connection> &connections)
{
    dropFollower();
    m_followerConnections = connections;
}

void PositionDialog::dropFollower()
{
    for (const QMetaObject::Connection &connection : std::as_const(m_followerConnections))
        disconnect(connection);
    m_followerConnections.clear();
}

void PositionDialog::on_buttonBox_accepted()
{
    const QRect chosen = shownGeometry();
    resultLeft = chosen.x();
    resultTop = chosen.y();
    resultWidth = chosen.width();
    resultHeight = chosen.height();
}
