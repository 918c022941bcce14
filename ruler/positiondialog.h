// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QDialog>
#include <QList>
#include <QRect>
#include <array>

namespace Ui {
class PositionDialog;
}
class QSpinBox;

// The "Position/Size" dialog, one object shared by all rulers. The ruler that opens it connects the
// four boxes to itself, so the window follows the values while they are edited.
class PositionDialog : public QDialog
{
    Q_OBJECT
public:
    explicit PositionDialog(QWidget *parent = nullptr);
    ~PositionDialog() override;

    // Keeps the geometry as the result and shows it in the boxes (clamped to their ranges).
    void setValues(int left, int top, int width, int height);
    // Sets the ranges of Left and Top from the display that holds the window, and those of Width
    // and Height from the whole desktop.
    void setDisplay(const QRect &display, const QRect &desktop);
    // Left, Top, Width and Height, in that order.
    std::array<QSpinBox *, 4> boxes() const;
    // The geometry the boxes show now.
    QRect shownGeometry() const;
    QRect result() const { return {resultLeft, resultTop, resultWidth, resultHeight}; }

    // The live connections of the ruler that opened the dialog last; the next opening drops them.
    void followWith(const QList<QMetaObject::Connection> &connections);
    void dropFollower();

    // The values at opening; OK replaces them with the edited ones.
    int resultLeft = 0;
    int resultTop = 0;
    int resultWidth = 0;
    int resultHeight = 0;

    Ui::PositionDialog *ui = nullptr;

public Q_SLOTS:
    void on_buttonBox_accepted();

private:
    QList<QMetaObject::Connection> m_followerConnections;
};
