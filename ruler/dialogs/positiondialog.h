// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "ruler/dialogs/followerconnections.h"

#include <QDialog>
#include <QList>
#include <QRect>

namespace Ui {
class PositionDialog;
}

// The "Position/Size" dialog, one object shared by all rulers. The ruler that opens it follows the
// edited values live, so the window moves while they are typed.
class PositionDialog : public QDialog
{
    Q_OBJECT
public:
    enum class Field
    {
        Left,
        Top,
        Width,
        Height
    };

    explicit PositionDialog(QWidget *parent = nullptr);
    ~PositionDialog() override;

    // Keeps the geometry as the result and shows it in the boxes (clamped to their ranges).
    void setValues(const QRect &geometry);
    // Sets the ranges of Left and Top from the display that holds the window, and those of Width
    // and Height from the whole desktop.
    void setDisplay(const QRect &display, const QRect &desktop);
    // The geometry the boxes show now.
    QRect shownGeometry() const;
    // The values at opening; OK replaces them with the edited ones.
    QRect result() const { return m_result; }

    // The live connections of the ruler that opened the dialog last; the next opening drops them.
    void followWith(const QList<QMetaObject::Connection> &connections) { m_follower.replace(connections); }
    void dropFollower() { m_follower.drop(); }

Q_SIGNALS:
    // A box changed its value.
    void edited(PositionDialog::Field field, int value);

private:
    Ui::PositionDialog *m_ui = nullptr;
    QRect m_result;
    FollowerConnections m_follower;
};
