// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "ruler/dialogs/followerconnections.h"

#include <QDialog>
#include <QList>

namespace Ui {
class TransparencyDialog;
}

// The "Transparency" dialog, one object shared by all rulers: a spin box and a slider from 10 to
// 255 that mirror each other. The ruler that opens it follows the edited alpha live.
class TransparencyDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kMinimumAlpha = 10;
    static constexpr int kMaximumAlpha = 255;

    explicit TransparencyDialog(QWidget *parent = nullptr);
    ~TransparencyDialog() override;

    // Remembers the opening alpha and shows it (at least 10) in both controls.
    void setValue(int alpha);
    // The result: the edited alpha after OK, the opening alpha otherwise.
    int chosenAlpha() const { return m_chosen; }

    // The live connections of the ruler that opened the dialog last; the next opening drops them,
    // leaving the mirror between the two controls in place.
    void followWith(const QList<QMetaObject::Connection> &connections) { m_follower.replace(connections); }
    void dropFollower() { m_follower.drop(); }

    // Cancel, Escape and the window's close button all give back the opening alpha.
    void reject() override;

Q_SIGNALS:
    void alphaEdited(int alpha);

private:
    Ui::TransparencyDialog *m_ui = nullptr;
    int m_chosen = 0;
    int m_opening = 0;
    FollowerConnections m_follower;
};
